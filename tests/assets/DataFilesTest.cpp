#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "SeededStuff.h"
#include "SimulationHost.h"
#include "assets/Catalogue.h"
#include "game/Game.h"
#include "platform/testing/HeadlessSound.h"
#include "render/Bitmap.h"
#include "render/TitleHost.h"
#include "render/TitleScreen.h"
#include "sound/DecodedPlay.h"
#include "sound/WaveFile.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A title screen's host that only notes the names of the sprites it is asked for.
class CNamesOfTitle final : public ITitleHost {
 public:
  CSprite* LoadSprite(tlib::TString name) override {
    names.emplace_back(name.CStr(), name.CStr() + name.Length());
    return nullptr;
  }
  bool GetHighScore(int&, int&) override { return false; }
  void DrawNumber(int, int, int) override {}

  std::vector<std::string> names;
};

// Every resource a game and the title screen load, by the names they ask for.
std::vector<std::string> RequestedNames() {
  CSeededStuff random(1);
  CSimulationHost host(random);
  CGame game(&host);
  CNamesOfTitle title;
  CTitleScreen screen(&title);
  std::vector<std::string> names = host.LoadedNames();
  names.insert(names.end(), title.names.begin(), title.names.end());
  return names;
}

// Writes the data into a scratch folder of its own for each test.
class DataFiles : public testing::Test {
 protected:
  void SetUp() override { assets::WriteData(directory_); }

  ScratchFolder folder_;
  fs::path directory_ = folder_.Path() / "Data";
};

TEST_F(DataFiles, EveryRequestedNameIsWrittenAndTwoRunsWriteIdenticalBytes) {
  for (const std::string& name : RequestedNames()) {
    EXPECT_TRUE(fs::exists(directory_ / (name + ".bmp")) ||
                fs::exists(directory_ / (name + ".wav")))
        << name;
  }
  const fs::path again = folder_.Path() / "again";
  assets::WriteData(again);
  for (const auto& entry : fs::directory_iterator(directory_)) {
    const fs::path name = entry.path().filename();
    EXPECT_TRUE(ScratchFolder::Read(entry.path()) == ScratchFolder::Read(again / name)) << name;
  }
}

// The pixel the game's loader makes of a picture's colour.
std::uint32_t Keyed(assets::Rgb colour) {
  if (colour == assets::keyTransparent) return 0x00000000;
  if (colour == assets::keyShadow) return 0x7F7F7F7F;
  return 0xFF000000u | (std::uint32_t{colour.r} << 16) | (std::uint32_t{colour.g} << 8) | colour.b;
}

TEST_F(DataFiles, PicturesAreUncompressed24BitFilesThatLoadThroughCBitmapAsDrawn) {
  for (const assets::Picture& picture : assets::DrawPictures()) {
    SCOPED_TRACE(picture.name);
    const Bytes file = ScratchFolder::Read(directory_ / (picture.name + ".bmp"));
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ((Bytes{24, 0, 0, 0, 0, 0}), Bytes(&file[28], &file[34]));  // depth, BI_RGB
    // As the game names it: a Windows path from the current folder.
    const std::u16string path =
        u"Data\\" + std::u16string(picture.name.begin(), picture.name.end()) + u".bmp";
    const auto bitmap = CBitmap::Load(tlib::TString(static_cast<int>(path.size()), path.data()));
    ASSERT_EQ(picture.image.Width(), bitmap->Width());
    ASSERT_EQ(picture.image.Height(), bitmap->Height());
    int different = 0;
    for (int y = 0; y < bitmap->Height(); ++y) {
      for (int x = 0; x < bitmap->Width(); ++x) {
        different += bitmap->Pixels()[y * bitmap->Width() + x] != Keyed(picture.image.At(x, y));
      }
    }
    EXPECT_EQ(0, different);
  }
}

// The frogs hop several times a second, so the jump sound is the shortest.
TEST_F(DataFiles, SoundsPlayThroughPlaySoundWShortAudibleAndWithoutClicks) {
  for (const assets::Sound& sound : assets::SynthesizeSounds()) {
    SCOPED_TRACE(sound.name);
    platform_test::ClearSoundRecord();
    // As the game plays a sound: the whole file, from memory.
    const Bytes file = ScratchFolder::Read(directory_ / (sound.name + ".wav"));
    ASSERT_TRUE(sound_test::PlayAndWaitForDecoding(sound_test::ExactBuffer(file)));
    const auto playing = platform_test::PlayingSound();
    ASSERT_TRUE(playing && !playing->samples.empty());
    EXPECT_TRUE(playing->sourceRate >= 11025 && playing->sourceChannels == 1);
    const double seconds =
        static_cast<double>(playing->FrameCount()) / platform_test::DecodedSound::outputRate;
    EXPECT_TRUE(seconds > 0.03 && seconds < (sound.name == "Jump" ? 0.15 : 0.6)) << seconds;
    // Starting and ending at silence: no click. Clearly audible, never clipped.
    EXPECT_LT(std::abs(int(playing->samples.front())), 100);
    EXPECT_LT(std::abs(int(playing->samples.back())), 100);
    const auto [low, high] = std::minmax_element(playing->samples.begin(), playing->samples.end());
    const int peak = std::max(-int(*low), int(*high));
    EXPECT_TRUE(peak > 32767 / 5 && peak < 32767 * 95 / 100) << peak;
  }
}

}  // namespace
