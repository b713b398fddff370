// PlaySoundW on the stand-ins, followed through the headless output, which
// records every sound it is given instead of playing it: what each encoding
// becomes, what is refused, and which sound plays.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Windows.h"
#include "platform/testing/HeadlessSound.h"
#include "platform/testing/TestControls.h"
#include "sound/DecodedPlay.h"
#include "sound/WaveFile.h"

using platform_test::PlayingSound;
using platform_test::StartedSounds;
using namespace sound_test;

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int outputRate = platform_test::DecodedSound::outputRate;
constexpr double fullScale = 32768.0;

class PlaySound : public testing::Test {
 protected:
  void SetUp() override { platform_test::ClearSoundRecord(); }
};

// How many frames play from the first `length` bytes of `file`; nothing if refused.
std::optional<std::size_t> FramesPlayed(const Bytes& file, std::size_t length) {
  platform_test::ClearSoundRecord();
  if (!PlayAndWaitForDecoding(ExactBuffer(Bytes(file.begin(), file.begin() + length)))) {
    return std::nullopt;
  }
  const auto playing = PlayingSound();
  EXPECT_NE(nullptr, playing) << "accepted, but its decoding failed";
  return playing ? playing->FrameCount() : 0;
}

// A quarter of a second of a constant level in each encoding: half scale on the left (or the
// only) channel, minus a quarter on the right.
TEST_F(PlaySound, PlaysEveryEncodingWhollyConvertedToTheOutput) {
  const WaveFormat formats[] = {
      {pcmTag, 1, 11025, 8}, {pcmTag, 2, 48000, 24}, {floatTag, 2, 8000, 32}};
  for (const WaveFormat& format : formats) {
    SCOPED_TRACE(format.rate);
    const std::vector<double> levels =
        format.channels == 1 ? std::vector{0.5} : std::vector{0.5, -0.25};
    ASSERT_TRUE(PlayAndWaitForDecoding(ExactBuffer(ConstantWave(format, format.rate / 4, levels))));
    auto sound = PlayingSound();
    ASSERT_EQ(StartedSounds().back(), sound);
    EXPECT_EQ(static_cast<int>(format.rate), sound->sourceRate);
    EXPECT_EQ(format.channels, sound->sourceChannels);
    EXPECT_NEAR(outputRate / 4, static_cast<double>(sound->FrameCount()), outputRate / 400);
    const std::size_t middle = sound->FrameCount() / 2 * 2;
    EXPECT_NEAR(0.5 * fullScale, sound->samples.at(middle), 0.01 * fullScale);
    EXPECT_NEAR(levels.back() * fullScale, sound->samples.at(middle + 1), 0.01 * fullScale);
  }
}

// Each refusal fails with its error, starts nothing and leaves the playing sound alone.
TEST_F(PlaySound, RefusesWhatItCannotPlay) {
  ASSERT_TRUE(PlayAndWaitForDecoding(ExactBuffer(ConstantWave({}, 100, {0.5}))));
  const auto playing = PlayingSound();
  auto text = [](const std::string& characters) {
    return Bytes(characters.begin(), characters.end());
  };
  const struct {
    Bytes file;
    DWORD error;
  } refusals[] = {{text("X"), ERROR_INVALID_DATA},
                  // Differs from the tag at its third byte, so nothing after it may be read.
                  {text("RIB"), ERROR_INVALID_DATA},
                  {text(std::string("RIFX\x24\0\0\0WAVE", 12)), ERROR_INVALID_DATA},
                  {text(std::string("RIFF\x04\0\0\0AVI ", 12)), ERROR_INVALID_DATA},
                  {WaveFile({0x55 /* MP3 */, 1, 44100, 16}, Bytes(200)), ERROR_INVALID_DATA},
                  {WaveFile({pcmTag, 0, 44100, 16}, Bytes(200)), ERROR_INVALID_DATA},
                  {ConstantWave({pcmTag, 1, 999, 16}, 100, {0.5}), ERROR_INVALID_DATA},
                  {ConstantWave({pcmTag, 1, 768001, 16}, 100, {0.5}), ERROR_INVALID_DATA},
                  // Five minutes and a second of output.
                  {ConstantWave({pcmTag, 1, 1000, 8}, 301'000, {0.5}), ERROR_NOT_ENOUGH_MEMORY},
                  // A RIFF length that SDL's memory stream cannot measure.
                  {Bytes{'R', 'I', 'F', 'F', 0xff, 0xff, 0xff, 0xff}, ERROR_NOT_ENOUGH_MEMORY}};
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(testing::Message() << "refusal " << &refusal - refusals);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(FALSE, PlayAndWaitForDecoding(ExactBuffer(refusal.file)));
    EXPECT_EQ(refusal.error, GetLastError());
  }
  const ExactBuffer sound(ConstantWave({}, 100, {0.5}));
  for (DWORD flags :
       {SND_MEMORY | SND_NODEFAULT, SND_MEMORY | SND_ASYNC | SND_LOOP, SND_FILENAME | SND_ASYNC}) {
    EXPECT_EQ(FALSE, PlaySoundW(sound.Sound(), nullptr, flags)) << flags;
    EXPECT_EQ(ERROR_NOT_SUPPORTED, GetLastError()) << flags;
  }
  EXPECT_EQ(1u, StartedSounds().size());
  EXPECT_EQ(playing, PlayingSound());
}

// The file is cut after every byte, its RIFF header claiming just what is left: whatever is
// there is read safely, and whatever whole frames are there are played. Sizes in the header
// that disagree with the file: only what lies within both the RIFF length and the buffer is read.
TEST_F(PlaySound, ShortFilesAndLyingSizesPlayOnlyWhatIsThere) {
  const auto file = ConstantWave({pcmTag, 2, 44100, 16}, 50, {0.5, 0.5});
  for (std::size_t length = 8; length <= file.size(); ++length) {
    auto cut = file;
    PutUint32(cut, riffSizeOffset, static_cast<std::uint32_t>(length - 8));
    SetLastError(ERROR_SUCCESS);
    if (std::optional<std::size_t> frames = FramesPlayed(cut, length)) {
      EXPECT_EQ((length - headerSize) / 4, *frames) << length;
    } else {
      EXPECT_EQ(ERROR_INVALID_DATA, GetLastError()) << length;
      EXPECT_LT(length, headerSize + 4) << "a whole frame was there";
    }
  }
  const auto whole = ConstantWave({pcmTag, 2, 44100, 16}, 100, {0.5, 0.5});
  auto claiming = [&](std::size_t offset, std::size_t size) {
    auto file = whole;
    PutUint32(file, offset, static_cast<std::uint32_t>(size));
    return file;
  };
  EXPECT_EQ(100u, FramesPlayed(claiming(riffSizeOffset, whole.size() + 1000), whole.size()));
  EXPECT_EQ(40u, FramesPlayed(claiming(riffSizeOffset, headerSize - 8 + 40 * 4), whole.size()));
  EXPECT_EQ(40u, FramesPlayed(claiming(riffSizeOffset, headerSize - 8 + 40 * 4), headerSize + 160));
  EXPECT_EQ(100u, FramesPlayed(claiming(dataSizeOffset, 0xfffffff0u), whole.size()));
}

// The caller's thread only checks and copies: with the decoding thread held, PlaySoundW has
// returned, the caller has freed its bytes, and nothing has started. Of two sounds only the
// newest starts (a first one that would cost minutes of output to convert is dropped), and a
// stop drops a sound that is decoded but not yet started.
TEST(PlaySoundThreads, ReturnsBeforeDecodingAndStartsOnlyTheNewestSound) {
  platform_test::ClearSoundRecord();
  platform_test::HoldSoundDecoding(true);
  EXPECT_TRUE(PlayFromMemory(ExactBuffer(ConstantWave({pcmTag, 1, 1000, 8}, 299'000, {0.5}))));
  EXPECT_TRUE(PlayFromMemory(ExactBuffer(ConstantWave({pcmTag, 1, 22050, 16}, 2205, {0.25}))));
  EXPECT_TRUE(StartedSounds().empty());
  platform_test::HoldSoundDecoding(false);
  platform_test::WaitForSoundDecoding();
  ASSERT_EQ(1u, StartedSounds().size());
  EXPECT_EQ(22050, StartedSounds()[0]->sourceRate);

  platform_test::HoldSoundDecoding(true);
  EXPECT_TRUE(PlayFromMemory(ExactBuffer(ConstantWave({pcmTag, 1, 11025, 16}, 1000, {0.5}))));
  platform_test::WaitForSoundDecoding();
  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
  platform_test::HoldSoundDecoding(false);
  platform_test::WaitForSoundDecoding();
  EXPECT_EQ(1u, StartedSounds().size());
  EXPECT_EQ(nullptr, PlayingSound());
}

}  // namespace
