#include "analysis/cell_grid_file.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <string_view>

#include "model/map_geometry.h"

namespace morvek::analysis {
namespace {

constexpr double kLowestAf = 8;
constexpr double kHighestAf = 25;

std::string Line(int n) { return "line " + std::to_string(n) + ": "; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

bool ParseNumber(std::string_view text, double& out) {
  text = Trim(text);
  if (text.empty()) return false;
  // from_chars for double is in GCC 12's library; it takes no leading '+'.
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

CellGridFile ParseCellGrid(const std::string& text) {
  CellGridFile file;
  int row = 0;
  int number = 0;
  std::string_view rest(text);
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = Trim(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    ++number;
    if (line.empty() || line.front() == '#') continue;
    if (row == model::kMapRows) {
      file.error = Line(number) + "more than " + std::to_string(model::kMapRows) + " rows";
      return file;
    }
    std::string_view fields = line;
    int column = 0;
    while (true) {
      const std::size_t comma = fields.find(',');
      const std::string_view field = fields.substr(0, comma);
      double value = 0;
      if (column == model::kMapColumns) {
        file.error = Line(number) + "more than " + std::to_string(model::kMapColumns) + " values";
        return file;
      }
      if (!ParseNumber(field, value)) {
        file.error = Line(number) + "\"" + std::string(Trim(field)) + "\" is not a number";
        return file;
      }
      file.values[static_cast<std::size_t>(model::MapElement(row, column))] = value;
      ++column;
      if (comma == std::string_view::npos) break;
      fields.remove_prefix(comma + 1);
    }
    if (column != model::kMapColumns) {
      file.error = Line(number) + std::to_string(column) + " values, a row needs " +
                   std::to_string(model::kMapColumns);
      return file;
    }
    ++row;
  }
  if (row != model::kMapRows)
    file.error = std::to_string(row) + " rows, the table needs " + std::to_string(model::kMapRows);
  return file;
}

CellGridFile ReadCellGrid(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad()) {
    CellGridFile file;
    file.error = "cannot be read";
    return file;
  }
  return ParseCellGrid(text.str());
}

CellGridFile ReadTargetTable(const std::string& path) {
  CellGridFile file = ReadCellGrid(path);
  if (!file.error.empty()) return file;
  for (int k = 0; k < model::kMapCells; ++k) {
    const double v = file.values[static_cast<std::size_t>(k)];
    if (v < kLowestAf || v > kHighestAf) {
      file.error = "row " + std::to_string(k / model::kMapColumns + 1) + ", column " +
                   std::to_string(k % model::kMapColumns + 1) + ": an A/F of 8 to 25 is needed";
      return file;
    }
  }
  return file;
}

LockFile ReadLockFile(const std::string& path) {
  LockFile lock;
  const CellGridFile file = ReadCellGrid(path);
  lock.error = file.error;
  if (!lock.error.empty()) return lock;
  for (int k = 0; k < model::kMapCells; ++k) {
    const double v = file.values[static_cast<std::size_t>(k)];
    if (v != 0 && v != 1) {
      lock.error = "row " + std::to_string(k / model::kMapColumns + 1) + ", column " +
                   std::to_string(k % model::kMapColumns + 1) + ": 0 or 1 is needed";
      return lock;
    }
    lock.locked[static_cast<std::size_t>(k)] = v == 1;
  }
  return lock;
}

}  // namespace morvek::analysis
