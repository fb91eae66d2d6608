#pragma once

#include <string>
#include <vector>

#include "logging/log_row.h"

namespace morvek::analysis {

// A data log as the analysis reads it: its rows, and which of them a replay produced (only
// when the log has a "replay" column; empty otherwise).
struct AnalysisLog {
  std::string name;
  std::vector<logging::LogRow> rows;
  std::vector<bool> replayed;
  // Why the log cannot be analysed (not a data log, a needed column missing, a bad line);
  // empty when it can.
  std::string error;
};

// The columns a log must have for the analysis.
const std::vector<std::string>& RequiredColumns();

// Reads a log from its text; the name is used in messages only.
AnalysisLog ParseAnalysisLog(const std::string& text, const std::string& name);
// Reads a log file.
AnalysisLog LoadAnalysisLog(const std::string& path);

}  // namespace morvek::analysis
