#include <benchmark/benchmark.h>

#include "platform/Windows.h"
#include "platform/testing/HeadlessSound.h"
#include "platform/testing/TestControls.h"
#include "sound/WaveFile.h"

namespace {

// A 0.3 s effect at the given rate, like the game's own.
sound_test::ExactBuffer Effect(std::uint32_t rate) {
  return sound_test::ExactBuffer(
      sound_test::ConstantWave({sound_test::pcmTag, 1, rate, 16}, rate * 3 / 10, {0.5}));
}

BOOL Play(const sound_test::ExactBuffer& sound) {
  return PlaySoundW(sound.Sound(), nullptr, SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

}  // namespace

// What PlaySoundW costs the main thread in the middle of a game tick: checking the headers and
// copying the file. The player's thread is held, so its decoding does not share the time.
static void BM_PlaySoundCaller(benchmark::State& state) {
  const sound_test::ExactBuffer sound = Effect(static_cast<std::uint32_t>(state.range(0)));
  platform_test::HoldSoundDecoding(true);
  for (auto _ : state) benchmark::DoNotOptimize(Play(sound));
  platform_test::HoldSoundDecoding(false);
  platform_test::ClearSoundRecord();
}
BENCHMARK(BM_PlaySoundCaller)->Arg(22050)->Arg(44100)->Unit(benchmark::kMicrosecond);

// From the call to the sound starting: the player's thread decodes and converts the effect.
static void BM_PlaySoundUntilStarted(benchmark::State& state) {
  const sound_test::ExactBuffer sound = Effect(static_cast<std::uint32_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(Play(sound));
    platform_test::WaitForSoundDecoding();
  }
  platform_test::ClearSoundRecord();
}
BENCHMARK(BM_PlaySoundUntilStarted)->Arg(22050)->Arg(44100)->Unit(benchmark::kMicrosecond);

// The costliest sound the player accepts: five minutes of output from 1 kHz, converted a piece
// at a time on the player's thread. The headless record keeps every sound it started; it is
// cleared between runs so that a run of this alone shows the player's peak memory.
static void BM_PlaySoundLongestConversion(benchmark::State& state) {
  const sound_test::ExactBuffer sound(
      sound_test::ConstantWave({sound_test::pcmTag, 1, 1000, 8}, 299'000, {0.5}));
  for (auto _ : state) {
    benchmark::DoNotOptimize(Play(sound));
    platform_test::WaitForSoundDecoding();
    state.PauseTiming();
    platform_test::ClearSoundRecord();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PlaySoundLongestConversion)->Unit(benchmark::kMillisecond)->Iterations(3);
