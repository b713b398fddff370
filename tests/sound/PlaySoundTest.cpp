#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/HeadlessSound.h"
#include "platform/TestControls.h"
#include "platform/Windows.h"
#include "sound/WaveFile.h"

using platform_test::PlayingSound;
using platform_test::SoundStopCount;
using platform_test::StartedSounds;
using namespace sound_test;

namespace {

constexpr int outputRate = platform_test::DecodedSound::outputRate;
constexpr double fullScale = 32768.0;

class PlaySound : public testing::Test {
 protected:
  void SetUp() override {
    platform_test::ClearSoundRecord();
    platform_test::ClearCallFailures();
  }
  void TearDown() override { platform_test::ClearCallFailures(); }

  // Plays a short sound so that tests can check that a failing call leaves it playing.
  std::shared_ptr<const platform_test::DecodedSound> StartSomeSound() {
    EXPECT_TRUE(PlayFromMemory(ExactBuffer(ConstantWave({}, 100, {0.5}))));
    return PlayingSound();
  }

  // The call fails with `error`, records nothing and leaves the playing sound alone.
  void ExpectRefused(const ExactBuffer& sound, DWORD error) {
    auto playing = PlayingSound();
    auto startedBefore = StartedSounds().size();
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(FALSE, PlayFromMemory(sound));
    EXPECT_EQ(error, GetLastError());
    EXPECT_EQ(startedBefore, StartedSounds().size());
    EXPECT_EQ(playing, PlayingSound());
  }
};

struct Encoding {
  std::string name;
  WaveFormat format;
};

class PlaySoundEncodings : public PlaySound, public testing::WithParamInterface<Encoding> {};

// A quarter of a second of a constant level: half scale on the left (or the only) channel,
// minus a quarter on the right.
TEST_P(PlaySoundEncodings, PlaysTheWholeSoundConvertedToTheOutput) {
  const WaveFormat format = GetParam().format;
  const std::vector<double> levels =
      format.channels == 1 ? std::vector{0.5} : std::vector{0.5, -0.25};
  ASSERT_TRUE(PlayFromMemory(ExactBuffer(ConstantWave(format, format.rate / 4, levels))));

  ASSERT_EQ(1u, StartedSounds().size());
  auto sound = PlayingSound();
  ASSERT_EQ(StartedSounds().front(), sound);
  EXPECT_EQ(static_cast<int>(format.rate), sound->sourceRate);
  EXPECT_EQ(format.channels, sound->sourceChannels);
  EXPECT_NEAR(outputRate / 4, static_cast<double>(sound->FrameCount()), outputRate / 400);
  const std::size_t middle = sound->FrameCount() / 2 * 2;
  EXPECT_NEAR(0.5 * fullScale, sound->samples.at(middle), 0.01 * fullScale);
  EXPECT_NEAR(levels.back() * fullScale, sound->samples.at(middle + 1), 0.01 * fullScale);
}

INSTANTIATE_TEST_SUITE_P(
    , PlaySoundEncodings,
    testing::Values(Encoding{"Unsigned8BitMono11025", {pcmTag, 1, 11025, 8}},
                    Encoding{"Unsigned8BitStereo8000", {pcmTag, 2, 8000, 8}},
                    Encoding{"Signed16BitMono22050", {pcmTag, 1, 22050, 16}},
                    Encoding{"Signed16BitStereo44100", {pcmTag, 2, 44100, 16}},
                    Encoding{"Signed24BitStereo48000", {pcmTag, 2, 48000, 24}},
                    Encoding{"Signed32BitMono96000", {pcmTag, 1, 96000, 32}},
                    Encoding{"Float32BitStereo48000", {floatTag, 2, 48000, 32}},
                    Encoding{"Float32BitMono44100", {floatTag, 1, 44100, 32}}),
    [](const testing::TestParamInfo<Encoding>& info) { return info.param.name; });

TEST_F(PlaySound, OutputFormatPassesThroughUnchanged) {
  std::vector<unsigned char> data;
  std::vector<std::int16_t> expected;
  for (int i = 0; i < 2000; ++i) {
    const auto sample = static_cast<std::int16_t>(i * 31 - 31000);
    expected.push_back(sample);
    data.push_back(static_cast<unsigned char>(sample));
    data.push_back(static_cast<unsigned char>(static_cast<std::uint16_t>(sample) >> 8));
  }
  ASSERT_TRUE(PlayFromMemory(ExactBuffer(WaveFile({pcmTag, 2, 44100, 16}, data))));
  EXPECT_EQ(expected, PlayingSound()->samples);
}

TEST_F(PlaySound, NewSoundReplacesThePlayingOne) {
  ASSERT_TRUE(PlayFromMemory(ExactBuffer(ConstantWave({pcmTag, 1, 22050, 16}, 500, {0.1}))));
  ASSERT_TRUE(PlayFromMemory(ExactBuffer(ConstantWave({pcmTag, 1, 11025, 16}, 500, {0.2}))));
  auto started = StartedSounds();
  ASSERT_EQ(2u, started.size());
  EXPECT_EQ(22050, started[0]->sourceRate);
  EXPECT_EQ(started[1], PlayingSound());
  EXPECT_EQ(11025, PlayingSound()->sourceRate);
  EXPECT_EQ(0, SoundStopCount());
}

TEST_F(PlaySound, NullSoundStopsWhateverPlays) {
  StartSomeSound();
  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
  EXPECT_EQ(nullptr, PlayingSound());
  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
  EXPECT_EQ(2, SoundStopCount());
  EXPECT_EQ(1u, StartedSounds().size());
}

TEST_F(PlaySound, OtherWaysOfPlayingAreNotSupported) {
  auto playing = StartSomeSound();
  ExactBuffer sound(ConstantWave({}, 100, {0.5}));
  for (DWORD flags :
       {SND_MEMORY | SND_NODEFAULT, SND_MEMORY | SND_ASYNC | SND_LOOP,
        SND_MEMORY | SND_ASYNC | SND_NOSTOP, SND_FILENAME | SND_ASYNC, SND_ASYNC | SND_NODEFAULT}) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(FALSE, PlaySoundW(sound.Sound(), nullptr, flags)) << flags;
    EXPECT_EQ(ERROR_NOT_SUPPORTED, GetLastError()) << flags;
  }
  EXPECT_EQ(playing, PlayingSound());
  EXPECT_EQ(1u, StartedSounds().size());
}

TEST_F(PlaySound, ArrangedFailureReportsItsError) {
  StartSomeSound();
  platform_test::FailCall("PlaySoundW", ERROR_NOT_ENOUGH_MEMORY);
  ExpectRefused(ExactBuffer(ConstantWave({}, 100, {0.5})), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_TRUE(PlayFromMemory(ExactBuffer(ConstantWave({}, 100, {0.5}))));
}

TEST_F(PlaySound, ForeignDataIsRefused) {
  StartSomeSound();
  // "RIB" differs from the tag at its third byte, so nothing after it may be read.
  const std::vector<std::string> foreign = {"X", "RIB", std::string("RIFX\x24\0\0\0WAVE", 12),
                                            std::string("RIFF\x04\0\0\0AVI ", 12),
                                            "Hello, this is certainly no sound at all."};
  for (const std::string& text : foreign) {
    SCOPED_TRACE(text);
    ExpectRefused(ExactBuffer(std::vector<unsigned char>(text.begin(), text.end())),
                  ERROR_INVALID_DATA);
  }
  std::vector<unsigned char> garbage;
  std::uint32_t state = 12345;
  for (int i = 0; i < 256; ++i)
    garbage.push_back(static_cast<unsigned char>((state *= 69069u) >> 24));
  ExpectRefused(ExactBuffer(garbage), ERROR_INVALID_DATA);
}

TEST_F(PlaySound, UnplayableEncodingsAndRatesAreRefused) {
  auto mp3 = ConstantWave({}, 100, {0.5});
  PutUint16(mp3, formatTagOffset, 0x55);
  ExpectRefused(ExactBuffer(mp3), ERROR_INVALID_DATA);

  auto noChannels = ConstantWave({}, 100, {0.5});
  PutUint16(noChannels, channelsOffset, 0);
  ExpectRefused(ExactBuffer(noChannels), ERROR_INVALID_DATA);

  ExpectRefused(ExactBuffer(ConstantWave({pcmTag, 1, 10'000'000, 16}, 100, {0.5})),
                ERROR_INVALID_DATA);
  // One second of data at 1 Hz would be hours of output.
  ExpectRefused(ExactBuffer(ConstantWave({pcmTag, 1, 1, 8}, 44100, {0.5})),
                ERROR_NOT_ENOUGH_MEMORY);
}

// The file is cut after every byte, its RIFF header claiming just what is left: whatever is
// there is read safely, and whatever whole frames are there are played.
TEST_F(PlaySound, TruncatedFilesPlayTheFramesTheyHold) {
  const auto file = ConstantWave({pcmTag, 2, 44100, 16}, 50, {0.5, 0.5});
  for (std::size_t length = 8; length <= file.size(); ++length) {
    SCOPED_TRACE(length);
    auto cut = file;
    PutUint32(cut, riffSizeOffset, static_cast<std::uint32_t>(length - 8));
    platform_test::ClearSoundRecord();
    SetLastError(ERROR_SUCCESS);
    if (PlayFromMemory(ExactBuffer(cut, length))) {
      EXPECT_EQ((length - headerSize) / 4, PlayingSound()->FrameCount());
    } else {
      EXPECT_EQ(ERROR_INVALID_DATA, GetLastError());
      EXPECT_LT(length, headerSize + 4) << "a whole frame was there";
    }
  }
}

TEST_F(PlaySound, RiffLengthBeyondTheBufferStillReadsOnlyWhatTheChunksHold) {
  auto file = ConstantWave({pcmTag, 1, 44100, 16}, 300, {0.5});
  PutUint32(file, riffSizeOffset, static_cast<std::uint32_t>(file.size() + 1000));
  ASSERT_TRUE(PlayFromMemory(ExactBuffer(file)));
  EXPECT_EQ(300u, PlayingSound()->FrameCount());
}

TEST_F(PlaySound, ImpossibleRiffLengthIsRefusedBeforeReadingOn) {
  const std::vector<unsigned char> header = {'R', 'I', 'F', 'F', 0xff, 0xff, 0xff, 0xff};
  ExpectRefused(ExactBuffer(header), ERROR_NOT_ENOUGH_MEMORY);
}

TEST_F(PlaySound, NothingBeyondTheRiffLengthIsPlayed) {
  auto file = ConstantWave({pcmTag, 2, 44100, 16}, 100, {0.5, 0.5});
  PutUint32(file, riffSizeOffset, static_cast<std::uint32_t>(headerSize - 8 + 40 * 4));
  ASSERT_TRUE(PlayFromMemory(ExactBuffer(file)));
  EXPECT_EQ(40u, PlayingSound()->FrameCount());
  // The same claim with the buffer ending where the claim ends.
  ASSERT_TRUE(PlayFromMemory(ExactBuffer(file, headerSize + 40 * 4)));
  EXPECT_EQ(40u, PlayingSound()->FrameCount());
}

// Random damage to the header between the RIFF length and the data chunk's size: every call
// either plays or fails with a data error, and never reads outside the buffer. (The data size
// has its own test: SDL reserves what it claims, which is slow under the sanitizers.)
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
    platform_test::ClearSoundRecord();
    SetLastError(ERROR_SUCCESS);
    if (PlayFromMemory(ExactBuffer(damaged))) {
      EXPECT_EQ(1u, StartedSounds().size()) << round;
    } else {
      EXPECT_TRUE(GetLastError() == ERROR_INVALID_DATA || GetLastError() == ERROR_NOT_ENOUGH_MEMORY)
          << round << ": " << GetLastError();
    }
  }
}

TEST_F(PlaySound, DataChunkClaimingMoreThanTheFilePlaysWhatIsThere) {
  auto file = ConstantWave({pcmTag, 2, 44100, 16}, 100, {0.5, 0.5});
  PutUint32(file, dataSizeOffset, 0xfffffff0u);
  ASSERT_TRUE(PlayFromMemory(ExactBuffer(file)));
  EXPECT_EQ(100u, PlayingSound()->FrameCount());
}

}  // namespace
