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

  // The call fails with `error`, records nothing and leaves the playing sound alone.
  static void ExpectRefused(const ExactBuffer& sound, DWORD error) {
    auto playing = PlayingSound();
    auto startedBefore = StartedSounds().size();
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(FALSE, PlayAndWaitForDecoding(sound));
    EXPECT_EQ(error, GetLastError());
    EXPECT_EQ(startedBefore, StartedSounds().size());
    EXPECT_EQ(playing, PlayingSound());
  }

  // How many frames play from the first `length` bytes of `file`; nothing if refused.
  static std::optional<std::size_t> FramesPlayed(const Bytes& file, std::size_t length) {
    platform_test::ClearSoundRecord();
    if (!PlayAndWaitForDecoding(ExactBuffer(file, length))) return std::nullopt;
    const auto playing = PlayingSound();
    EXPECT_NE(nullptr, playing) << "accepted, but its decoding failed";
    return playing ? playing->FrameCount() : 0;
  }
};

// A quarter of a second of a constant level in each encoding: half scale on the left (or the
// only) channel, minus a quarter on the right.
TEST_F(PlaySound, PlaysEveryEncodingWhollyConvertedToTheOutput) {
  const WaveFormat formats[] = {
      {pcmTag, 1, 11025, 8},    {pcmTag, 2, 8000, 8},     {pcmTag, 1, 22050, 16},
      {pcmTag, 2, 44100, 16},   {pcmTag, 2, 48000, 24},   {pcmTag, 1, 96000, 32},
      {floatTag, 2, 48000, 32}, {floatTag, 1, 44100, 32},
  };
  for (const WaveFormat& format : formats) {
    SCOPED_TRACE(testing::Message() << format.tag << "/" << format.channels << "/" << format.rate
                                    << "/" << format.bitsPerSample);
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

TEST_F(PlaySound, OutputFormatPassesThroughUnchanged) {
  Bytes data;
  std::vector<std::int16_t> expected;
  for (int i = 0; i < 2000; ++i) {
    const auto sample = static_cast<std::int16_t>(i * 31 - 31000);
    expected.push_back(sample);
    data.push_back(static_cast<unsigned char>(sample));
    data.push_back(static_cast<unsigned char>(static_cast<std::uint16_t>(sample) >> 8));
  }
  ASSERT_TRUE(PlayAndWaitForDecoding(ExactBuffer(WaveFile({pcmTag, 2, 44100, 16}, data))));
  EXPECT_EQ(expected, PlayingSound()->samples);
}

TEST_F(PlaySound, ANewSoundReplacesThePlayingOneAndNullStopsIt) {
  ASSERT_TRUE(
      PlayAndWaitForDecoding(ExactBuffer(ConstantWave({pcmTag, 1, 22050, 16}, 500, {0.1}))));
  ASSERT_TRUE(
      PlayAndWaitForDecoding(ExactBuffer(ConstantWave({pcmTag, 1, 11025, 16}, 500, {0.2}))));
  ASSERT_EQ(2u, StartedSounds().size());
  EXPECT_EQ(StartedSounds()[1], PlayingSound());
  EXPECT_EQ(11025, PlayingSound()->sourceRate);
  EXPECT_EQ(0, platform_test::SoundStopCount());

  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
  EXPECT_EQ(nullptr, PlayingSound());
  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
  EXPECT_EQ(2, platform_test::SoundStopCount());
}

TEST_F(PlaySound, OtherWaysOfPlayingAreNotSupported) {
  ASSERT_TRUE(PlayAndWaitForDecoding(ExactBuffer(ConstantWave({}, 100, {0.5}))));
  ExactBuffer sound(ConstantWave({}, 100, {0.5}));
  for (DWORD flags :
       {SND_MEMORY | SND_NODEFAULT, SND_MEMORY | SND_ASYNC | SND_LOOP, SND_FILENAME | SND_ASYNC}) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(FALSE, PlaySoundW(sound.Sound(), nullptr, flags)) << flags;
    EXPECT_EQ(ERROR_NOT_SUPPORTED, GetLastError()) << flags;
  }
  EXPECT_EQ(1u, StartedSounds().size());
}

TEST_F(PlaySound, ForeignDataIsRefused) {
  ASSERT_TRUE(PlayAndWaitForDecoding(ExactBuffer(ConstantWave({}, 100, {0.5}))));
  // "RIB" differs from the tag at its third byte, so nothing after it may be read.
  const std::vector<std::string> foreign = {"X",
                                            "RIB",
                                            std::string("RIFX\x24\0\0\0WAVE", 12),
                                            std::string("RIFF\x04\0\0\0AVI ", 12),
                                            "Hello, this is certainly no sound at all.",
                                            std::string(64, '\xA5')};
  for (const std::string& text : foreign) {
    SCOPED_TRACE(text);
    ExpectRefused(ExactBuffer(Bytes(text.begin(), text.end())), ERROR_INVALID_DATA);
  }
}

TEST_F(PlaySound, UnplayableEncodingsAndRatesAreRefused) {
  auto mp3 = ConstantWave({}, 100, {0.5});
  PutUint16(mp3, formatTagOffset, 0x55);
  ExpectRefused(ExactBuffer(mp3), ERROR_INVALID_DATA);
  auto noChannels = ConstantWave({}, 100, {0.5});
  PutUint16(noChannels, channelsOffset, 0);
  ExpectRefused(ExactBuffer(noChannels), ERROR_INVALID_DATA);
  for (std::uint32_t rate : {1u, 999u, 768001u, 10'000'000u}) {
    ExpectRefused(ExactBuffer(ConstantWave({pcmTag, 1, rate, 16}, 100, {0.5})), ERROR_INVALID_DATA);
  }
  // Five minutes and a second of output.
  ExpectRefused(ExactBuffer(ConstantWave({pcmTag, 1, 1000, 8}, 301'000, {0.5})),
                ERROR_NOT_ENOUGH_MEMORY);
}

// The file is cut after every byte, its RIFF header claiming just what is left: whatever is
// there is read safely, and whatever whole frames are there are played.
TEST_F(PlaySound, TruncatedFilesPlayTheFramesTheyHold) {
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
}

// Sizes in the header that disagree with the file: only what lies within both the RIFF length
// and the buffer is read.
TEST_F(PlaySound, LyingSizesPlayOnlyWhatIsThere) {
  auto longer = ConstantWave({pcmTag, 1, 44100, 16}, 300, {0.5});
  PutUint32(longer, riffSizeOffset, static_cast<std::uint32_t>(longer.size() + 1000));
  EXPECT_EQ(300u, FramesPlayed(longer, longer.size()));

  auto shorter = ConstantWave({pcmTag, 2, 44100, 16}, 100, {0.5, 0.5});
  PutUint32(shorter, riffSizeOffset, static_cast<std::uint32_t>(headerSize - 8 + 40 * 4));
  EXPECT_EQ(40u, FramesPlayed(shorter, shorter.size()));
  EXPECT_EQ(40u, FramesPlayed(shorter, headerSize + 40 * 4));

  auto hugeData = ConstantWave({pcmTag, 2, 44100, 16}, 100, {0.5, 0.5});
  PutUint32(hugeData, dataSizeOffset, 0xfffffff0u);
  EXPECT_EQ(100u, FramesPlayed(hugeData, hugeData.size()));

  ExpectRefused(ExactBuffer(Bytes{'R', 'I', 'F', 'F', 0xff, 0xff, 0xff, 0xff}),
                ERROR_NOT_ENOUGH_MEMORY);
}

// Random damage to the header between the RIFF length and the data chunk's size: every call
// either fails with a data error or is accepted (and then played or, when SDL's reader finds
// more damage than the headers show, dropped), and nothing reads outside the buffer.
TEST_F(PlaySound, DamagedHeadersAreReadSafely) {
  const auto file = ConstantWave({pcmTag, 2, 22050, 16}, 64, {0.5, -0.5});
  std::uint32_t state = 2024;
  auto next = [&state](std::uint32_t bound) {
    return ((state = state * 1103515245u + 12345u) >> 8) % bound;
  };
  for (int round = 0; round < 1500; ++round) {
    auto damaged = file;
    const std::uint32_t damages = 1 + next(4);
    for (std::uint32_t i = 0; i < damages; ++i) {
      damaged[8 + next(dataSizeOffset - 8)] = static_cast<unsigned char>(next(256));
    }
    SetLastError(ERROR_SUCCESS);
    if (!PlayAndWaitForDecoding(ExactBuffer(damaged))) {
      EXPECT_TRUE(GetLastError() == ERROR_INVALID_DATA || GetLastError() == ERROR_NOT_ENOUGH_MEMORY)
          << round << ": " << GetLastError();
    }
  }
}

BOOL PlayWithoutWaiting(const ExactBuffer& sound) {
  return PlaySoundW(sound.Sound(), nullptr, SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

// The caller's thread only checks and copies: with the decoding thread held, PlaySoundW has
// returned, the caller has freed its bytes, and nothing has started. Of two sounds only the
// newest starts (a first one that would cost minutes of output to convert is dropped), and a
// stop drops a sound that is decoded but not yet started.
TEST(PlaySoundThreads, ReturnsBeforeDecodingAndStartsOnlyTheNewestSound) {
  platform_test::ClearSoundRecord();
  platform_test::HoldSoundDecoding(true);
  EXPECT_TRUE(PlayWithoutWaiting(ExactBuffer(ConstantWave({pcmTag, 1, 1000, 8}, 299'000, {0.5}))));
  EXPECT_TRUE(PlayWithoutWaiting(ExactBuffer(ConstantWave({pcmTag, 1, 22050, 16}, 2205, {0.25}))));
  EXPECT_TRUE(StartedSounds().empty());
  platform_test::HoldSoundDecoding(false);
  platform_test::WaitForSoundDecoding();
  ASSERT_EQ(1u, StartedSounds().size());
  EXPECT_EQ(22050, StartedSounds()[0]->sourceRate);

  platform_test::HoldSoundDecoding(true);
  EXPECT_TRUE(PlayWithoutWaiting(ExactBuffer(ConstantWave({pcmTag, 1, 11025, 16}, 1000, {0.5}))));
  platform_test::WaitForSoundDecoding();
  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
  platform_test::HoldSoundDecoding(false);
  platform_test::WaitForSoundDecoding();
  EXPECT_EQ(1u, StartedSounds().size());
  EXPECT_EQ(nullptr, PlayingSound());
}

}  // namespace
