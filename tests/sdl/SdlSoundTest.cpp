#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/Windows.h"
#include "platform/testing/SdlSound.h"
#include "sound/DecodedPlay.h"
#include "sound/WaveFile.h"

using namespace sound_test;

namespace {

// What the device played, in stretches of equal stereo frames.
struct Stretch {
  std::int16_t left;
  std::int16_t right;
  std::size_t frames;

  bool IsSilence() const { return left == 0 && right == 0; }
};

std::vector<Stretch> Stretches(const std::vector<std::int16_t>& samples) {
  std::vector<Stretch> stretches;
  for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
    if (stretches.empty() || stretches.back().left != samples[i] ||
        stretches.back().right != samples[i + 1]) {
      stretches.push_back({samples[i], samples[i + 1], 0});
    }
    ++stretches.back().frames;
  }
  return stretches;
}

// A sound of `frames` frames at one level on both channels, in the output format itself, so
// that the device plays exactly these samples.
ExactBuffer LevelSound(std::size_t frames, double level) {
  return ExactBuffer(ConstantWave({pcmTag, 2, 44100, 16}, frames, {level, level}));
}

// The SDL backend on SDL's disk audio driver, which writes everything the device plays to a
// file, in the format the backend asked for.
class SdlSoundThreads : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", outputPath.c_str(), 1);
    platform_test::CloseSoundDevice();
  }

  void TearDown() override {
    platform_test::CloseSoundDevice();
    std::filesystem::remove(outputPath);
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_AUDIODRIVER");
  }

  std::vector<Stretch> Output() const {
    std::ifstream file(outputPath, std::ios::binary | std::ios::ate);
    const std::streamoff bytes = file.tellg();
    if (bytes <= 0) return {};
    std::vector<std::int16_t> samples(bytes / sizeof(std::int16_t));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(samples.data()), samples.size() * sizeof(std::int16_t));
    return Stretches(samples);
  }

  // Waits until the device has played `level` (0: silence) for at least `frames` frames in a
  // row; the device plays in real time, and a slow machine gets plenty of slack.
  void WaitForLast(std::int16_t level, std::size_t frames) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (auto stretches = Output();
         stretches.empty() || stretches.back().left != level || stretches.back().frames < frames;
         stretches = Output()) {
      ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the device stopped writing";
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  const std::string outputPath = (std::filesystem::temp_directory_path() /
                                  ("marrowick-sound-" + std::to_string(getpid()) + ".raw"))
                                     .string();
};

// A long sound cut off by a short one that plays whole, then another long one stopped.
TEST_F(SdlSoundThreads, SoundsPlayWholeUnlessCutOffOrStopped) {
  ASSERT_TRUE(PlayAndWaitForDecoding(LevelSound(88200, 0.5)));
  EXPECT_TRUE(platform_test::SoundDeviceOpen());
  WaitForLast(16384, 2048);
  ASSERT_TRUE(PlayFromMemory(LevelSound(4410, -0.25)));
  WaitForLast(0, 4096);
  ASSERT_TRUE(PlayFromMemory(LevelSound(88200, 0.25)));
  WaitForLast(8192, 2048);
  ASSERT_TRUE(PlaySoundW(nullptr, nullptr, 0));
  WaitForLast(0, 4096);
  platform_test::CloseSoundDevice();

  std::vector<Stretch> sounds;
  for (const Stretch& stretch : Output()) {
    if (!stretch.IsSilence()) sounds.push_back(stretch);
  }
  ASSERT_EQ(3u, sounds.size());
  EXPECT_EQ(16384, sounds[0].right);
  EXPECT_LT(sounds[0].frames, 88200u);
  EXPECT_EQ(-8192, sounds[1].right);
  EXPECT_EQ(4410u, sounds[1].frames);
  EXPECT_EQ(8192, sounds[2].right);
  EXPECT_LT(sounds[2].frames, 88200u);
}

TEST(SdlSound, WithoutAnAudioDeviceTheGameStaysSilent) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  platform_test::CloseSoundDevice();
  EXPECT_EQ(TRUE, PlayAndWaitForDecoding(LevelSound(441, 0.5)));
  EXPECT_FALSE(platform_test::SoundDeviceOpen());
  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
  // Without a device the data is still checked.
  const std::vector<unsigned char> noSound = {'n', 'o', 'n', 'e'};
  EXPECT_EQ(FALSE, PlayFromMemory(ExactBuffer(noSound)));
  EXPECT_EQ(ERROR_INVALID_DATA, GetLastError());
  platform_test::CloseSoundDevice();
  unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
