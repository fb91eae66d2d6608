#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_log.h"
#include "logging/csv_log_writer.h"
#include "logging/log_row.h"

namespace morvek::analysis::synth {

// A warm engine running on its map: every flag clear, no enrichment, autotune off.
inline logging::LogRow WarmRow(std::int64_t time_ms, double rpm, double throttle_pct, double af) {
  logging::LogRow row;
  row.time_ms = time_ms;
  auto set = [&](std::string_view name, std::int64_t v) {
    row.values[static_cast<std::size_t>(*logging::LogColumnIndex(name))] = v;
  };
  set("rpm", static_cast<std::int64_t>(rpm + 0.5));
  set("throttle_pct", static_cast<std::int64_t>(throttle_pct));
  set("throttle_pct_fine", static_cast<std::int64_t>(throttle_pct * 10 + 0.5));
  set("lambda_af", static_cast<std::int64_t>(af * 10 + 0.5));
  set("coolant_c", 88);
  set("injection_us", 3200);
  set("after_start_corr_pct", 1000);
  set("accel_corr_pct", 0);
  set("tuning_state", 2);
  return row;
}

inline void Set(logging::LogRow& row, std::string_view name, std::int64_t v) {
  row.values[static_cast<std::size_t>(*logging::LogColumnIndex(name))] = v;
}

// The rows as a log file's text, read back the way a file is.
inline AnalysisLog AsLog(const std::vector<logging::LogRow>& rows,
                         const std::vector<int>& replay = {}) {
  std::string text = logging::CsvHeaderLine();
  if (!replay.empty()) text.insert(text.size() - 1, ",replay");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string line = logging::CsvRowLine(rows[i]);
    if (!replay.empty()) line.insert(line.size() - 1, "," + std::to_string(replay[i]));
    text += line;
  }
  return ParseAnalysisLog(text, "synthetic");
}

}  // namespace morvek::analysis::synth
