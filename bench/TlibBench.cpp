#include <benchmark/benchmark.h>

#include "tlib/Array.h"
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

// Strings are passed by value everywhere (map keys, paths): a copy must cost a
// counter increment whatever the length.
static void BM_StringCopy(benchmark::State& state) {
  tlib::TString text = tlib::TString::Repeat(u'x', static_cast<int>(state.range(0)));
  for (auto _ : state) {
    tlib::TString copy = text;
    benchmark::DoNotOptimize(copy.CStr());
  }
}
BENCHMARK(BM_StringCopy)->Arg(8)->Arg(4096);

// The game appends its frogs, cars and road blocks one by one.
static void BM_ArrayAppend(benchmark::State& state) {
  for (auto _ : state) {
    tlib::TArray<int> array;
    for (int i = 0; i < state.range(0); ++i) array.Append(i);
    benchmark::DoNotOptimize(array.Last());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ArrayAppend)->Arg(100);
