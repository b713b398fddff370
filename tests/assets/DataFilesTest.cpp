#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "assets/Catalogue.h"
#include "platform/testing/HeadlessSound.h"
#include "render/Bitmap.h"
#include "sound/DecodedPlay.h"
#include "sound/WaveFile.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Every file the game asks for: the preloader's list, the digits and the
// title screen's sprites, the textures and sprites a game fetches, and the sounds.
std::set<std::string> RequestedFiles() {
  std::set<std::string> names{"Title.bmp", "FrogSaved.bmp", "FrogSplatted.bmp", "Cursor.bmp",
                              "Frog.bmp",  "RoadBlock.bmp", "Jump.wav",         "Splat.wav"};
  for (int i = 0; i <= 9; ++i) names.insert("Digit" + std::to_string(i) + ".bmp");
  for (int i = 0; i <= 10; ++i) names.insert("Road" + std::to_string(i) + ".bmp");
  for (int i = 0; i <= 2; ++i) names.insert("Car" + std::to_string(i) + ".bmp");
  return names;
}

std::set<std::string> FileNames(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    names.insert(entry.path().filename().string());
  }
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
  EXPECT_EQ(RequestedFiles(), FileNames(directory_));
  const fs::path again = folder_.Path() / "again";
  assets::WriteData(again);
  ASSERT_EQ(FileNames(directory_), FileNames(again));
  for (const std::string& name : FileNames(directory_)) {
    EXPECT_TRUE(ScratchFolder::Read(directory_ / name) == ScratchFolder::Read(again / name))
        << name;
  }
}

// A file's path as the game names it: a Windows path.
tlib::TString GamePath(const fs::path& path) {
  std::u16string windowsPath;
  for (char c : path.string()) windowsPath += c == '/' ? u'\\' : static_cast<char16_t>(c);
  return tlib::TString(static_cast<int>(windowsPath.size()), windowsPath.data());
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
    const fs::path path = directory_ / (picture.name + ".bmp");
    const Bytes file = ScratchFolder::Read(path);
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ((Bytes{24, 0, 0, 0, 0, 0}), Bytes(&file[28], &file[34]));  // depth, BI_RGB
    const auto bitmap = CBitmap::Load(GamePath(path));
    ASSERT_EQ(picture.image.Width(), bitmap->Width());
    ASSERT_EQ(picture.image.Height(), bitmap->Height());
    int different = 0;
    for (int y = 0; y < bitmap->Height(); ++y) {
      for (int x = 0; x < bitmap->Width(); ++x) {
        different +=
            bitmap->Pixels()[y * bitmap->Width() + x] == Keyed(picture.image.At(x, y)) ? 0 : 1;
      }
    }
    EXPECT_EQ(0, different);
  }
}

TEST_F(DataFiles, SoundsPlayThroughPlaySoundWShortAudibleAndWithoutClicks) {
  struct Expected {
    const char* name;
    double shortest, longest;  // seconds
  };
  // The frogs hop several times a second.
  for (const Expected sound : {Expected{"Jump", 0.03, 0.15}, {"Splat", 0.1, 0.6}}) {
    SCOPED_TRACE(sound.name);
    platform_test::ClearSoundRecord();
    // As the game plays a sound: the whole file, from memory.
    const Bytes file = ScratchFolder::Read(directory_ / (std::string(sound.name) + ".wav"));
    ASSERT_TRUE(sound_test::PlayAndWaitForDecoding(sound_test::ExactBuffer(file)));
    const auto playing = platform_test::PlayingSound();
    ASSERT_NE(nullptr, playing);
    ASSERT_FALSE(playing->samples.empty());
    EXPECT_GE(playing->sourceRate, 11025);
    EXPECT_EQ(1, playing->sourceChannels);
    const double seconds =
        static_cast<double>(playing->FrameCount()) / platform_test::DecodedSound::outputRate;
    EXPECT_GT(seconds, sound.shortest);
    EXPECT_LT(seconds, sound.longest);
    // Starting and ending at silence: no click. Clearly audible, never clipped.
    EXPECT_LT(std::abs(int(playing->samples.front())), 100);
    EXPECT_LT(std::abs(int(playing->samples.back())), 100);
    const auto [low, high] = std::minmax_element(playing->samples.begin(), playing->samples.end());
    const int peak = std::max(-int(*low), int(*high));
    EXPECT_GT(peak, 32767 / 5);
    EXPECT_LT(peak, 32767 * 95 / 100);
  }
}

}  // namespace
