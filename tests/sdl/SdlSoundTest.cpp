#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/SdlSound.h"
#include "platform/Windows.h"
#include "sound/WaveFile.h"

using namespace sound_test;

namespace {

constexpr std::size_t frameSamples = 2;

// What the device played, frame by frame, in stretches of equal frames: leading silence, then the
// sounds, then silence again.
struct Stretch {
  std::int16_t left;
  std::int16_t right;
  std::size_t frames;

  bool IsSilence() const { return left == 0 && right == 0; }
};

std::vector<Stretch> Stretches(const std::vector<std::int16_t>& samples) {
  std::vector<Stretch> stretches;
  for (std::size_t i = 0; i + 1 < samples.size(); i += frameSamples) {
    if (stretches.empty() || stretches.back().left != samples[i] ||
        stretches.back().right != samples[i + 1]) {
      stretches.push_back({samples[i], samples[i + 1], 0});
    }
    ++stretches.back().frames;
  }
  return stretches;
}

// The stretches that are not silence.
std::vector<Stretch> Sounds(const std::vector<std::int16_t>& samples) {
  std::vector<Stretch> sounds;
  for (const Stretch& stretch : Stretches(samples)) {
    if (!stretch.IsSilence()) sounds.push_back(stretch);
  }
  return sounds;
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

  std::vector<std::int16_t> Output() const {
    std::ifstream file(outputPath, std::ios::binary | std::ios::ate);
    const std::streamoff bytes = file.tellg();
    if (bytes <= 0) return {};
    std::vector<std::int16_t> samples(bytes / sizeof(std::int16_t));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(samples.data()), samples.size() * sizeof(std::int16_t));
    return samples;
  }

  // Polls what the device has written until `done` holds for it; the device plays in real
  // time, and a slow machine gets plenty of slack.
  void WaitForOutput(const std::function<bool(const std::vector<Stretch>&)>& done) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done(Stretches(Output()))) {
      ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the device stopped writing";
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  // Waits until the device has gone on for a while after the last sound it played.
  void WaitForSilenceAfterSound() const {
    WaitForOutput([](const std::vector<Stretch>& stretches) {
      const bool soundPlayed =
          std::any_of(stretches.begin(), stretches.end(),
                      [](const Stretch& stretch) { return !stretch.IsSilence(); });
      return soundPlayed && stretches.back().IsSilence() && stretches.back().frames >= 4096;
    });
  }

  // Waits until the sound of `level` has played for at least `frames` frames.
  void WaitForSound(std::int16_t level, std::size_t frames) const {
    WaitForOutput([&](const std::vector<Stretch>& stretches) {
      return !stretches.empty() && stretches.back().left == level &&
             stretches.back().frames >= frames;
    });
  }

  // The output ends with all the device wrote once it is closed.
  std::vector<std::int16_t> OutputAfterClosing() const {
    platform_test::CloseSoundDevice();
    return Output();
  }

  const std::string outputPath = (std::filesystem::temp_directory_path() /
                                  ("marrowick-sound-" + std::to_string(getpid()) + ".raw"))
                                     .string();
};

TEST_F(SdlSoundThreads, DevicePlaysTheWholeSoundThenSilence) {
  ASSERT_TRUE(PlayFromMemory(LevelSound(4410, 0.5)));
  EXPECT_TRUE(platform_test::SoundDeviceOpen());
  WaitForSilenceAfterSound();
  const auto sounds = Sounds(OutputAfterClosing());
  ASSERT_EQ(1u, sounds.size());
  EXPECT_EQ(16384, sounds[0].left);
  EXPECT_EQ(16384, sounds[0].right);
  EXPECT_EQ(4410u, sounds[0].frames);
}

TEST_F(SdlSoundThreads, NewSoundCutsOffThePlayingOne) {
  ASSERT_TRUE(PlayFromMemory(LevelSound(88200, 0.5)));
  WaitForSound(16384, 2048);
  ASSERT_TRUE(PlayFromMemory(LevelSound(4410, -0.25)));
  WaitForSilenceAfterSound();
  const auto sounds = Sounds(OutputAfterClosing());
  ASSERT_EQ(2u, sounds.size());
  EXPECT_EQ(16384, sounds[0].left);
  EXPECT_LT(sounds[0].frames, 88200u);
  EXPECT_EQ(-8192, sounds[1].left);
  EXPECT_EQ(4410u, sounds[1].frames);
}

TEST_F(SdlSoundThreads, NullSoundStopsThePlayingOne) {
  ASSERT_TRUE(PlayFromMemory(LevelSound(88200, 0.5)));
  WaitForSound(16384, 2048);
  ASSERT_TRUE(PlaySoundW(nullptr, nullptr, 0));
  WaitForSilenceAfterSound();
  const auto sounds = Sounds(OutputAfterClosing());
  ASSERT_EQ(1u, sounds.size());
  EXPECT_LT(sounds[0].frames, 88200u);
}

TEST(SdlSound, WithoutAnAudioDeviceTheGameStaysSilent) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  platform_test::CloseSoundDevice();
  EXPECT_EQ(TRUE, PlayFromMemory(LevelSound(441, 0.5)));
  EXPECT_FALSE(platform_test::SoundDeviceOpen());
  EXPECT_EQ(TRUE, PlayFromMemory(LevelSound(441, 0.5)));
  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
  // Without a device the data is still checked.
  const std::vector<unsigned char> noSound = {'n', 'o', 'n', 'e'};
  EXPECT_EQ(FALSE, PlayFromMemory(ExactBuffer(noSound)));
  EXPECT_EQ(ERROR_INVALID_DATA, GetLastError());
  platform_test::CloseSoundDevice();
  unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
