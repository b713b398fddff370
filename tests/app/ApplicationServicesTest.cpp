// The application's services that need no running message loop: sounds from
// Data\, number drawing's guard and the main window's message routing.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "ScratchFolder.h"
#include "app/Application.h"
#include "app/MainFormHandler.h"
#include "platform/testing/HeadlessControls.h"
#include "platform/testing/HeadlessSound.h"
#include "platform/testing/TestControls.h"
#include "sound/WaveFile.h"
#include "tlib/ThrowsMessage.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;
using sound_test::PutUint32;
using sound_test::riffSizeOffset;

std::uint32_t RiffSize(Sound sound) {
  const std::uint8_t* size = sound + riffSizeOffset;
  return size[0] | size[1] << 8 | size[2] << 16 | std::uint32_t(size[3]) << 24;
}

// A short sound of `frames` frames.
Bytes WaveFile(std::size_t frames) {
  return sound_test::ConstantWave({sound_test::pcmTag, 1, 11025, 8}, frames, {0.5});
}

class ApplicationServices : public testing::Test {
 protected:
  ApplicationServices() {
    platform_test::ResetHeadless();
    platform_test::ClearSoundRecord();
    fs::create_directory("Data");
  }
  ~ApplicationServices() override { platform_test::ResetHeadless(); }

  ScratchFolder folder_;
  CApplication application_{nullptr, 1};
};

TEST_F(ApplicationServices, LoadsASoundOnceAndKeepsItsBytes) {
  Bytes wave = WaveFile(100);
  ScratchFolder::Write("Data/Jump.wav", wave);
  Sound jump = application_.LoadSound(u"Jump");
  EXPECT_EQ(0, std::memcmp(wave.data(), jump, wave.size()));
  fs::remove("Data/Jump.wav");
  EXPECT_EQ(jump, application_.LoadSound(u"Jump"));
  EXPECT_THROWS_MESSAGE(application_.LoadSound(u"jump"), u"Failed to open file");
}

TEST_F(ApplicationServices, CutsASoundsClaimedLengthToWhatItsFileHolds) {
  Bytes wave = WaveFile(100);
  PutUint32(wave, riffSizeOffset, 100000);
  ScratchFolder::Write("Data/Splat.wav", wave);
  Sound splat = application_.LoadSound(u"Splat");
  EXPECT_EQ(wave.size() - 8, RiffSize(splat));
  EXPECT_EQ(0, std::memcmp(wave.data() + 8, splat + 8, wave.size() - 8));
  application_.PlaySound(splat);  // reads nothing beyond the file's bytes

  Bytes honest = WaveFile(100);
  PutUint32(honest, riffSizeOffset, 20);  // claims less than it holds: left as it is
  ScratchFolder::Write("Data/Short.wav", honest);
  EXPECT_EQ(20, RiffSize(application_.LoadSound(u"Short")));
}

// Files shorter than a RIFF header are padded to one, and the padded header
// claims nothing beyond it, whatever length bytes the file began.
TEST_F(ApplicationServices, PlaysNothingFromAFileTooShortForAHeader) {
  const struct {
    std::u16string name;
    Bytes bytes;
  } files[] = {
      {u"Empty", {}},
      {u"Tiny", {'R', 'I', 'F'}},
      {u"Five", {'R', 'I', 'F', 'F', 0xFF}},
      {u"Six", {'R', 'I', 'F', 'F', 0xFF, 0xFF}},
      {u"Seven", {'R', 'I', 'F', 'F', 0xFF, 0xFF, 0x7F}},
  };
  for (const auto& file : files) {
    ScratchFolder::Write(fs::path("Data") / (fs::path(file.name) += ".wav"), file.bytes);
    Sound sound =
        application_.LoadSound(tlib::TString(static_cast<int>(file.name.size()), file.name.data()));
    EXPECT_EQ(0u, RiffSize(sound)) << file.bytes.size() << " bytes";
    application_.PlaySound(sound);
  }
  platform_test::WaitForSoundDecoding();
  EXPECT_TRUE(platform_test::StartedSounds().empty());
}

TEST_F(ApplicationServices, DrawsNoNegativeNumber) {
  EXPECT_THROWS_MESSAGE(application_.DrawNumber(-1, 0, 0), u"Can't draw this number number");
}

TEST_F(ApplicationServices, TheMainWindowsHandlerTakesInputAndPassesApplicationMessagesOn) {
  CMainFormHandler handler(&application_);
  for (UINT message : {WM_KEYUP, WM_CHAR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
                       WM_RBUTTONDOWN, WM_RBUTTONUP}) {
    LRESULT result = 99;
    EXPECT_TRUE(handler.HandleMessage(message, 0, MAKELPARAM(20, 30), result)) << message;
    EXPECT_EQ(0, result) << message;
  }
  for (UINT message : {WM_LBUTTONDBLCLK, WM_CLOSE, WM_USER, WM_USER + 1, 0x7FFFu, 0x8000u}) {
    LRESULT result = 99;
    EXPECT_FALSE(handler.HandleMessage(message, 5, 0, result)) << message;
    EXPECT_EQ(99, result) << message;
  }
}

}  // namespace
