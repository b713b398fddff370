// The application's services that need no running message loop: sounds from
// Data\, number drawing's guard and the main window's message routing.
#include <gtest/gtest.h>

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
using sound_test::riffSizeOffset;

std::uint32_t RiffSize(Sound sound) {
  const std::uint8_t* size = sound + riffSizeOffset;
  return size[0] | size[1] << 8 | size[2] << 16 | std::uint32_t(size[3]) << 24;
}

// A short sound whose RIFF header claims `riffSize` bytes after it.
Bytes WaveFile(std::uint32_t riffSize) {
  Bytes wave = sound_test::ConstantWave({sound_test::pcmTag, 1, 11025, 8}, 100, {0.5});
  sound_test::PutUint32(wave, riffSizeOffset, riffSize);
  return wave;
}

class ApplicationServices : public testing::Test {
 protected:
  ApplicationServices() {
    platform_test::ResetHeadless();
    fs::create_directory("Data");
  }
  ~ApplicationServices() override { platform_test::ResetHeadless(); }

  ScratchFolder folder_;
  CApplication application_{nullptr, 1};
};

// The player trusts a sound's RIFF length: a file that claims more bytes than
// it holds is cut to what it holds, and one too short for a header is padded
// to a header that claims nothing, whatever length bytes the file began.
TEST_F(ApplicationServices, CutsASoundsClaimedLengthToWhatItsFileHolds) {
  const struct {
    std::u16string name;
    Bytes bytes;
    std::size_t riffSize;
  } files[] = {
      {u"More", WaveFile(100000), WaveFile(0).size() - 8},
      {u"Less", WaveFile(20), 20},
      {u"Empty", {}, 0},
      {u"Tiny", {'R', 'I', 'F'}, 0},
      {u"Five", {'R', 'I', 'F', 'F', 0xFF}, 0},
      {u"Six", {'R', 'I', 'F', 'F', 0xFF, 0xFF}, 0},
      {u"Seven", {'R', 'I', 'F', 'F', 0xFF, 0xFF, 0x7F}, 0},
  };
  for (const auto& file : files) {
    ScratchFolder::Write(fs::path("Data") / (file.name + u".wav"), file.bytes);
    Sound sound = application_.LoadSound(tlib::TString(int(file.name.size()), file.name.data()));
    EXPECT_EQ(file.riffSize, RiffSize(sound)) << file.bytes.size() << " bytes";
    application_.PlaySound(sound);  // reads nothing beyond the file's bytes
  }
  // Only the sound cut to what its file holds is whole enough to be played.
  platform_test::WaitForSoundDecoding();
  EXPECT_EQ(1u, platform_test::StartedSounds().size());
}

TEST_F(ApplicationServices, DrawsNoNegativeNumber) {
  EXPECT_THROWS_MESSAGE(application_.DrawNumber(-1, 0, 0), u"Can't draw this number number");
}

TEST_F(ApplicationServices, TheMainWindowsHandlerTakesInputAndPassesApplicationMessagesOn) {
  CMainFormHandler handler(&application_);
  const std::pair<UINT, bool> messages[] = {
      {WM_KEYUP, true},     {WM_CHAR, true},        {WM_MOUSEMOVE, true}, {WM_LBUTTONDOWN, true},
      {WM_LBUTTONUP, true}, {WM_RBUTTONDOWN, true}, {WM_RBUTTONUP, true}, {WM_LBUTTONDBLCLK, false},
      {WM_CLOSE, false},    {WM_USER, false},       {WM_USER + 1, false}, {0x7FFF, false},
      {0x8000, false},
  };
  for (auto [message, handled] : messages) {
    LRESULT result = 99;
    EXPECT_EQ(handled, handler.HandleMessage(message, 5, MAKELPARAM(20, 30), result)) << message;
    EXPECT_EQ(handled ? 0 : 99, result) << message;
  }
}

}  // namespace
