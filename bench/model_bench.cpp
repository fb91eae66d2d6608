// Timings of the model's routines that run on every edit.
#include <benchmark/benchmark.h>

#include "model/editor.h"
#include "model/field_table.h"

namespace morvek::model {
namespace {

void BM_ApplyDefaultsWholeImage(benchmark::State& state) {
  Editor editor;
  for (auto _ : state) {
    editor.ApplyDefaults(DefaultsScope::kWholeImage);
    benchmark::DoNotOptimize(editor.image().bytes().data());
  }
}
BENCHMARK(BM_ApplyDefaultsWholeImage);

void BM_LimitsPass(benchmark::State& state) {
  Editor editor;
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  for (auto _ : state) {
    editor.ApplyLimits();
    benchmark::DoNotOptimize(editor.image().bytes().data());
  }
}
BENCHMARK(BM_LimitsPass);

void BM_RecordHistory(benchmark::State& state) {
  Editor editor;
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  editor.ResetHistory();
  std::uint8_t v = 0;
  for (auto _ : state) {
    editor.image().SetByte(700, ++v);  // a real change every time: compare and store
    benchmark::DoNotOptimize(editor.RecordHistory());
  }
}
BENCHMARK(BM_RecordHistory);

void BM_BaseMapsAndTimes(benchmark::State& state) {
  Editor editor;
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  for (auto _ : state) {
    editor.ComputeBaseMaps();
    editor.TimesFromPercent(InjectionMap::k1A);
    editor.TimesFromPercent(InjectionMap::k2A);
    benchmark::DoNotOptimize(editor.image().bytes().data());
  }
}
BENCHMARK(BM_BaseMapsAndTimes);

}  // namespace
}  // namespace morvek::model
