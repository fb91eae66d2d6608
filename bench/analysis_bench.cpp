// Timings of the log analysis: six hours of riding at three monitor frames a second (65 000
// rows) read from a file, and analysed into a proposal.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "analysis/analysis_log.h"
#include "analysis/map_proposal.h"
#include "logging/csv_log_writer.h"
#include "model/editor.h"
#include "model/field_table.h"

namespace morvek::analysis {
namespace {

constexpr int kRows = 65000;

// A ride of pulls, cruising and coasting through the whole map, warm, with every column the
// monitor writes.
std::string RideText() {
  std::string text = logging::CsvHeaderLine();
  for (int n = 0; n < kRows; ++n) {
    logging::LogRow row;
    row.time_ms = static_cast<std::int64_t>(n) * 330;
    const double s = n * 0.33;
    const double tps = 50 + 45 * std::sin(s / 23);
    const double rpm = 6500 + 5000 * std::sin(s / 7.3);
    auto set = [&](const char* column, std::int64_t v) {
      row.values[static_cast<std::size_t>(*logging::LogColumnIndex(column))] = v;
    };
    set("rpm", static_cast<std::int64_t>(rpm));
    set("throttle_pct", static_cast<std::int64_t>(tps));
    set("throttle_pct_fine", static_cast<std::int64_t>(tps * 10));
    set("lambda_af", 130 + n % 30);
    set("coolant_c", 88);
    set("injection_us", 4000);
    set("after_start_corr_pct", 1000);
    set("accel_corr_pct", n % 40 == 0 ? 50 : 0);
    set("tuning_state", 2);
    set("battery_v", 13800);
    text += logging::CsvRowLine(row);
  }
  return text;
}

const std::string& RidePath() {
  static const std::string path = [] {
    const std::string p =
        (std::filesystem::temp_directory_path() / "morvek_bench_ride.csv").string();
    std::ofstream(p, std::ios::binary) << RideText();
    return p;
  }();
  return path;
}

void BM_LoadLog(benchmark::State& state) {
  const std::string& path = RidePath();
  for (auto _ : state) {
    const AnalysisLog log = LoadAnalysisLog(path);
    if (!log.error.empty() || log.rows.size() != kRows) state.SkipWithError("log not read");
    benchmark::DoNotOptimize(log.rows.data());
  }
  state.counters["rows"] = kRows;
}
BENCHMARK(BM_LoadLog)->Unit(benchmark::kMillisecond);

void BM_AnalyseLog(benchmark::State& state) {
  const AnalysisLog log = LoadAnalysisLog(RidePath());
  model::Editor editor;
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  AnalysisOptions options;
  for (auto _ : state) {
    const MapProposal p = ProposeMap(std::span(&log, 1), editor.image(), options);
    if (p.readings != kRows) state.SkipWithError("rows missing");
    benchmark::DoNotOptimize(p.cells.data());
  }
  state.counters["rows"] = kRows;
}
BENCHMARK(BM_AnalyseLog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvek::analysis
