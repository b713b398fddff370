#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "FileReading.h"
#include "assets/Catalogue.h"
#include "platform/HeadlessSound.h"
#include "render/Bitmap.h"
#include "sound/WaveFile.h"

using assets_test::Bytes;
using assets_test::Field16;
using assets_test::Field32;
using assets_test::ReadBytes;

namespace {

namespace fs = std::filesystem;

// Every picture the game asks for: the preloader's list, the digits and the
// title screen's sprites, and the textures and sprites a game fetches.
std::vector<std::string> RequestedPictures() {
  std::vector<std::string> names{"Title",  "FrogSaved", "FrogSplatted",
                                 "Cursor", "Frog",      "RoadBlock"};
  for (int i = 0; i <= 9; ++i) names.push_back("Digit" + std::to_string(i));
  for (int i = 0; i <= 10; ++i) names.push_back("Road" + std::to_string(i));
  for (int i = 0; i <= 2; ++i) names.push_back("Car" + std::to_string(i));
  return names;
}

const std::vector<std::string> requestedSounds{"Jump", "Splat"};

// Writes the data into a directory of its own for each test, removed after it.
class DataFiles : public testing::Test {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    directory_ = fs::temp_directory_path() /
                 (std::string("marrowick-assets-") + test->test_suite_name() + "-" + test->name());
    fs::remove_all(directory_);
    assets::WriteData(directory_);
  }
  void TearDown() override { fs::remove_all(directory_); }

  fs::path directory_;
};

std::set<std::string> FileNames(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST_F(DataFiles, EveryRequestedNameIsWrittenAndNothingElse) {
  std::set<std::string> expected;
  for (const std::string& name : RequestedPictures()) expected.insert(name + ".bmp");
  for (const std::string& name : requestedSounds) expected.insert(name + ".wav");
  EXPECT_EQ(expected, FileNames(directory_));
}

TEST_F(DataFiles, TwoRunsWriteIdenticalBytes) {
  const fs::path again = directory_.string() + "-again";
  fs::remove_all(again);
  assets::WriteData(again);
  ASSERT_EQ(FileNames(directory_), FileNames(again));
  for (const std::string& name : FileNames(directory_)) {
    EXPECT_TRUE(ReadBytes(directory_ / name) == ReadBytes(again / name)) << name;
  }
  fs::remove_all(again);
}

TEST_F(DataFiles, PicturesAreUncompressed24BitBitmaps) {
  for (const std::string& name : RequestedPictures()) {
    SCOPED_TRACE(name);
    const Bytes file = ReadBytes(directory_ / (name + ".bmp"));
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ('B', file[0]);
    EXPECT_EQ('M', file[1]);
    EXPECT_EQ(file.size(), Field32(file, 2));
    EXPECT_EQ(54u, Field32(file, 10));  // pixels right after the headers
    EXPECT_EQ(40u, Field32(file, 14));  // BITMAPINFOHEADER
    const std::uint32_t width = Field32(file, 18), height = Field32(file, 22);
    EXPECT_GT(width, 0u);
    EXPECT_GT(height, 0u);  // positive: stored bottom row first
    EXPECT_LT(height, 0x80000000u);
    EXPECT_EQ(1u, Field16(file, 26));   // planes
    EXPECT_EQ(24u, Field16(file, 28));  // bits per pixel
    EXPECT_EQ(0u, Field32(file, 30));   // BI_RGB: uncompressed
    const std::uint32_t rowSize = (width * 3 + 3) / 4 * 4;
    EXPECT_EQ(rowSize * height, Field32(file, 34));
    EXPECT_EQ(0u, Field32(file, 46));  // no palette
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

TEST_F(DataFiles, PicturesLoadThroughCBitmapAsDrawn) {
  for (const assets::Picture& picture : assets::DrawPictures()) {
    SCOPED_TRACE(picture.name);
    const auto bitmap = CBitmap::Load(GamePath(directory_ / (picture.name + ".bmp")));
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

struct WaveFile {
  std::uint32_t sampleRate = 0;
  std::vector<std::int16_t> samples;
};

// Checks the headers of a mono 16-bit PCM wave file and returns its samples.
WaveFile ReadWave(const fs::path& path) {
  const Bytes file = ReadBytes(path);
  WaveFile wave;
  EXPECT_GE(file.size(), 44u);
  if (file.size() < 44) return wave;
  EXPECT_EQ("RIFF", std::string(file.begin(), file.begin() + 4));
  EXPECT_EQ(file.size() - 8, Field32(file, 4));
  EXPECT_EQ("WAVEfmt ", std::string(file.begin() + 8, file.begin() + 16));
  EXPECT_EQ(16u, Field32(file, 16));
  EXPECT_EQ(1u, Field16(file, 20));  // PCM
  EXPECT_EQ(1u, Field16(file, 22));  // mono
  wave.sampleRate = Field32(file, 24);
  EXPECT_EQ(wave.sampleRate * 2, Field32(file, 28));
  EXPECT_EQ(2u, Field16(file, 32));
  EXPECT_EQ(16u, Field16(file, 34));
  EXPECT_EQ("data", std::string(file.begin() + 36, file.begin() + 40));
  EXPECT_EQ(file.size() - 44, Field32(file, 40));
  for (std::size_t at = 44; at + 1 < file.size(); at += 2) {
    wave.samples.push_back(static_cast<std::int16_t>(Field16(file, at)));
  }
  return wave;
}

double Seconds(const WaveFile& wave) {
  return static_cast<double>(wave.samples.size()) / wave.sampleRate;
}

int Peak(const WaveFile& wave) {
  int peak = 0;
  for (std::int16_t sample : wave.samples) peak = std::max(peak, std::abs(int(sample)));
  return peak;
}

TEST_F(DataFiles, SoundsAreShortCleanPcmWaves) {
  for (const std::string& name : requestedSounds) {
    SCOPED_TRACE(name);
    WaveFile wave = ReadWave(directory_ / (name + ".wav"));
    ASSERT_GE(wave.samples.size(), 2u);
    EXPECT_GE(wave.sampleRate, 11025u);
    // Starting and ending at silence: no click.
    EXPECT_LT(std::abs(int(wave.samples.front())), 100);
    EXPECT_LT(std::abs(int(wave.samples.back())), 100);
    // Clearly audible, never clipped.
    EXPECT_GT(Peak(wave), 32767 / 5);
    EXPECT_LT(Peak(wave), 32767 * 95 / 100);
  }
  const WaveFile jump = ReadWave(directory_ / "Jump.wav");
  EXPECT_GT(Seconds(jump), 0.03);
  EXPECT_LT(Seconds(jump), 0.15);  // the frogs hop several times a second
  const WaveFile splat = ReadWave(directory_ / "Splat.wav");
  EXPECT_GT(Seconds(splat), 0.1);
  EXPECT_LT(Seconds(splat), 0.6);
}

TEST_F(DataFiles, SoundsPlayWholeThroughPlaySoundW) {
  for (const std::string& name : requestedSounds) {
    SCOPED_TRACE(name);
    platform_test::ClearSoundRecord();
    const fs::path path = directory_ / (name + ".wav");
    // As the game plays a sound: the whole file, from memory.
    ASSERT_TRUE(sound_test::PlayFromMemory(sound_test::ExactBuffer(ReadBytes(path))));
    auto playing = platform_test::PlayingSound();
    ASSERT_NE(nullptr, playing);
    const WaveFile wave = ReadWave(path);
    EXPECT_EQ(static_cast<int>(wave.sampleRate), playing->sourceRate);
    EXPECT_EQ(1, playing->sourceChannels);
    EXPECT_NEAR(
        Seconds(wave),
        static_cast<double>(playing->FrameCount()) / platform_test::DecodedSound::outputRate,
        0.005);
  }
}

}  // namespace
