#include "logging/csv_log_reader.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>

#include "files/platform_file.h"

namespace morvek::logging {
namespace {

constexpr std::int64_t kMaxLogBytes = std::int64_t{512} << 20;

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(
        start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

// "13.482" with 3 decimals is 13482; fewer decimals are filled up ("13.5" is 13500), more are
// refused, as is anything that is not a number.
std::optional<std::int64_t> ParseFixed(std::string_view text, int decimals) {
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view fraction =
      dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  if (whole.empty() || static_cast<int>(fraction.size()) > decimals) return std::nullopt;
  if (dot != std::string_view::npos && fraction.empty()) return std::nullopt;
  // Eighteen digits, the decimals filled up included, always fit 64 bits; no column holds more.
  if (whole.size() + static_cast<std::size_t>(decimals) > 18) return std::nullopt;
  std::int64_t value = 0;
  for (std::string_view part : {whole, fraction})
    for (char c : part) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
    }
  for (int i = static_cast<int>(fraction.size()); i < decimals; ++i) value *= 10;
  return negative ? -value : value;
}

std::string Line(int number) { return "line " + std::to_string(number) + ": "; }

}  // namespace

CsvLog ParseCsvLog(const std::string& text) {
  CsvLog log;
  std::vector<std::string_view> lines;
  std::string_view rest(text);
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    lines.push_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  const bool last_is_whole = !text.empty() && text.back() == '\n';
  auto trim = [](std::string_view s) {
    if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
    return s;
  };
  if (lines.empty() || trim(lines[0]).substr(0, 7) != "time_ms") {
    log.error = Line(1) + "not a data log (the first line must name the columns, from time_ms)";
    return log;
  }
  // Where each field of a line goes: -1 the time, -2 a column this program does not know.
  const std::vector<std::string_view> header = SplitFields(trim(lines[0]));
  std::vector<int> target;
  for (std::string_view name : header) {
    if (name == "time_ms") {
      target.push_back(-1);
    } else {
      const std::optional<int> index = LogColumnIndex(name);
      target.push_back(index ? *index : -2);
    }
  }
  const auto columns = LogColumns();
  for (std::size_t n = 1; n < lines.size(); ++n) {
    const std::string_view line = trim(lines[n]);
    if (line.empty()) continue;
    const bool last = n + 1 == lines.size();
    const std::vector<std::string_view> fields = SplitFields(line);
    std::string problem;
    LogRow row;
    if (fields.size() != header.size()) {
      problem = "has " + std::to_string(fields.size()) + " fields, the header names " +
                std::to_string(header.size());
    }
    for (std::size_t i = 0; problem.empty() && i < fields.size(); ++i) {
      const int t = target[i];
      if (t == -2) continue;
      const int decimals = t < 0 ? 0 : columns[static_cast<std::size_t>(t)].decimals;
      const std::optional<std::int64_t> value = ParseFixed(fields[i], decimals);
      if (!value) {
        problem = "\"" + std::string(fields[i]) + "\" is not a value of " + std::string(header[i]);
      } else if (t < 0) {
        row.time_ms = *value;
      } else {
        row.values[static_cast<std::size_t>(t)] = *value;
      }
    }
    if (problem.empty() && !log.rows.empty() && row.time_ms < log.rows.back().time_ms)
      problem = "the time goes back";
    if (!problem.empty()) {
      if (last && !last_is_whole) break;  // cut off while it was written
      log.rows.clear();
      log.error = Line(static_cast<int>(n) + 1) + problem;
      return log;
    }
    log.rows.push_back(row);
  }
  return log;
}

CsvLog ReadCsvLog(const std::string& path) {
  files::FileStatus st;
  if (!files::StatusOf(path, true, st) || st.kind != files::FileKind::kRegular) {
    CsvLog log;
    log.error = "not a file that can be read";
    return log;
  }
  if (st.size > static_cast<std::uint64_t>(kMaxLogBytes)) {
    CsvLog log;
    log.error = "larger than 512 MB";
    return log;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in && !in.eof()) {
    CsvLog log;
    log.error = "cannot be read";
    return log;
  }
  return ParseCsvLog(text.str());
}

}  // namespace morvek::logging
