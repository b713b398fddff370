// The SDL backend's sound output on SDL's disk audio driver, which writes
// everything the device plays to a file, in the format the backend asked for.
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

// A run of equal stereo frames that the device played.
struct Stretch {
  std::int16_t left;
  std::int16_t right;
  std::size_t frames;
};

// A sound of `frames` frames at one level on both channels, in the output format itself, so
// that the device plays exactly these samples.
ExactBuffer LevelSound(std::size_t frames, double level) {
  return ExactBuffer(ConstantWave({pcmTag, 2, 44100, 16}, frames, {level, level}));
}

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

  // What the device played so far.
  std::vector<Stretch> Output() const {
    std::ifstream file(outputPath, std::ios::binary);
    std::vector<Stretch> stretches;
    for (std::int16_t frame[2]; file.read(reinterpret_cast<char*>(frame), sizeof frame);) {
      if (stretches.empty() || stretches.back().left != frame[0] ||
          stretches.back().right != frame[1]) {
        stretches.push_back({frame[0], frame[1], 0});
      }
      ++stretches.back().frames;
    }
    return stretches;
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

  std::vector<Stretch> sounds = Output();
  std::erase_if(sounds, [](const Stretch& stretch) { return stretch.left == 0; });
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
  EXPECT_EQ(FALSE, PlayFromMemory(ExactBuffer({'n', 'o', 'n', 'e'})));
  EXPECT_EQ(ERROR_INVALID_DATA, GetLastError());
  platform_test::CloseSoundDevice();
  unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
