#include <benchmark/benchmark.h>

#include "tlib/Map.h"
#include "tlib/String.h"

// Registry lookups happen on every resource request; they should cost a hash
// and a short chain walk.
static void BM_MapLookup(benchmark::State& state) {
  tlib::TMap<int*> map;
  static int value = 0;
  for (int i = 0; i < 40; ++i) map.Add(tlib::TString::Format(u"Road%d", i), &value);
  tlib::TString key(u"Road17");
  for (auto _ : state) benchmark::DoNotOptimize(map.Get(key));
}
BENCHMARK(BM_MapLookup);
