#include <benchmark/benchmark.h>

#include "platform/HeadlessSound.h"
#include "platform/Windows.h"
#include "sound/WaveFile.h"

// PlaySoundW decodes and converts the whole sound on the calling thread, which is the main
// thread in the middle of a game tick: a short effect must cost far less than the 20 ms tick.
static void BM_PlaySoundShortEffect(benchmark::State& state) {
  const auto rate = static_cast<std::uint32_t>(state.range(0));
  const sound_test::ExactBuffer sound(
      sound_test::ConstantWave({sound_test::pcmTag, 1, rate, 16}, rate * 3 / 10, {0.5}));
  for (auto _ : state) {
    benchmark::DoNotOptimize(sound_test::PlayFromMemory(sound));
    platform_test::ClearSoundRecord();
  }
}
BENCHMARK(BM_PlaySoundShortEffect)->Arg(22050)->Arg(44100)->Unit(benchmark::kMicrosecond);
