#include "analysis/analysis_log.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string_view>

#include "analysis/sample_filter.h"
#include "logging/csv_log_reader.h"

namespace morvek::analysis {
namespace {

constexpr std::string_view kReplayColumn = "replay";

std::vector<std::string_view> HeaderNames(std::string_view text) {
  std::string_view line = text.substr(0, text.find('\n'));
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<std::string_view> names;
  while (true) {
    const std::size_t comma = line.find(',');
    names.push_back(line.substr(0, comma));
    if (comma == std::string_view::npos) return names;
    line.remove_prefix(comma + 1);
  }
}

// The replay column is not one the log reader knows, so its values are taken from the lines
// directly: the field at `column` of every row line, in the reader's order.
std::vector<bool> ReplayFlags(std::string_view text, std::size_t column, std::size_t rows) {
  std::vector<bool> flags;
  flags.reserve(rows);
  std::size_t start = text.find('\n');
  while (start != std::string_view::npos && flags.size() < rows) {
    ++start;
    const std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    start = end;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    std::string_view field;
    for (std::size_t i = 0; i <= column; ++i) {
      const std::size_t comma = line.find(',');
      field = line.substr(0, comma);
      line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
    }
    flags.push_back(!field.empty() && field != "0");
  }
  flags.resize(rows, false);
  return flags;
}

}  // namespace

const std::vector<std::string>& RequiredColumns() {
  // The time of each row and everything the filter judges a reading by.
  static const std::vector<std::string> kColumns = [] {
    std::vector<std::string> columns{"time_ms"};
    const std::vector<std::string>& judged = SampleFilter::ColumnNames();
    columns.insert(columns.end(), judged.begin(), judged.end());
    return columns;
  }();
  return kColumns;
}

AnalysisLog ParseAnalysisLog(const std::string& text, const std::string& name) {
  AnalysisLog log;
  log.name = name;
  logging::CsvLog csv = logging::ParseCsvLog(text);
  if (!csv.error.empty()) {
    log.error = csv.error;
    return log;
  }
  const std::vector<std::string_view> header = HeaderNames(text);
  for (const std::string& column : RequiredColumns()) {
    if (std::find(header.begin(), header.end(), column) == header.end()) {
      log.error = "the data log has no column " + column;
      return log;
    }
  }
  log.rows = std::move(csv.rows);
  const auto replay = std::find(header.begin(), header.end(), kReplayColumn);
  if (replay != header.end())
    log.replayed =
        ReplayFlags(text, static_cast<std::size_t>(replay - header.begin()), log.rows.size());
  return log;
}

AnalysisLog LoadAnalysisLog(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    AnalysisLog log;
    log.name = path;
    log.error = "cannot be opened";
    return log;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) {
    AnalysisLog log;
    log.name = path;
    log.error = "cannot be read";
    return log;
  }
  return ParseAnalysisLog(text.str(), path);
}

}  // namespace morvek::analysis
