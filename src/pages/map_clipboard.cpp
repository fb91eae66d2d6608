#include "pages/map_clipboard.h"

#include <charconv>

namespace morvek::pages {
namespace {

std::string_view Trimmed(std::string_view s) {
  // Spaces, and the no-break space (UTF-8 C2 A0) a spreadsheet writes between digit groups.
  for (;;) {
    if (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
      s.remove_prefix(1);
    } else if (s.size() >= 2 && s[0] == '\xC2' && s[1] == '\xA0') {
      s.remove_prefix(2);
    } else if (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\t')) {
      s.remove_suffix(1);
    } else if (s.size() >= 2 && s[s.size() - 2] == '\xC2' && s.back() == '\xA0') {
      s.remove_suffix(2);
    } else {
      return s;
    }
  }
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto at = s.find(separator);
    parts.push_back(s.substr(0, at));
    if (at == std::string_view::npos) return parts;
    s.remove_prefix(at + 1);
  }
}

std::string TpsText(int row) {
  const int tenths = model::kMapRowTps[static_cast<std::size_t>(row)];
  return std::to_string(tenths / 10);
}

}  // namespace

std::string CopyText(const ShownMap& map, const MapSelection& selection) {
  const MapSelection s = selection.Clipped();
  std::string text;
  if (s.empty()) return text;
  const bool axes = s.whole_map();
  if (axes) {
    for (int i = 0; i < model::kMapColumns; ++i)
      text += '\t' + map.rpm[static_cast<std::size_t>(i)];
    text += '\n';
  }
  for (int j = s.top; j <= s.bottom; ++j) {
    if (axes) text += TpsText(j) + '\t';
    for (int i = s.left; i <= s.right; ++i) {
      if (i > s.left) text += '\t';
      text += Trimmed(map.cells[static_cast<std::size_t>(model::MapElement(j, i))]);
    }
    text += '\n';
  }
  return text;
}

std::optional<double> ParseCellNumber(std::string_view text) {
  std::string cell(Trimmed(text));
  if (!cell.empty() && cell.back() == '%')
    cell = std::string(Trimmed(cell.substr(0, cell.size() - 1)));
  if (cell.empty() || cell.size() > 32) return std::nullopt;
  int separators = 0;
  for (char& c : cell) {
    if (c == ',' || c == '.') {
      c = '.';
      ++separators;
    } else if (!(c >= '0' && c <= '9') && c != '-' && c != '+') {
      return std::nullopt;
    }
  }
  // "1.234,5" could be a thousand or one and a bit: a block is better refused than guessed.
  if (separators > 1) return std::nullopt;
  // from_chars does not depend on the process's locale, whose decimal mark may be a comma.
  std::string_view digits = cell;
  if (digits.front() == '+') digits.remove_prefix(1);
  double v = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return v;
}

PastePlan PlanPaste(std::string_view text, int cursor_row, int cursor_column, int first_row,
                    int last_row) {
  PastePlan plan;
  std::vector<std::string_view> lines = Split(text, '\n');
  while (!lines.empty() && Trimmed(lines.back()).empty()) lines.pop_back();
  if (lines.empty()) {
    plan.problem = PasteProblem::kEmpty;
    return plan;
  }
  const char separator = text.find('\t') != std::string_view::npos  ? '\t'
                         : text.find(';') != std::string_view::npos ? ';'
                                                                    : '\t';
  std::vector<std::vector<std::string_view>> cells;
  for (std::string_view line : lines) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    cells.push_back(Split(line, separator));
  }
  // A spreadsheet may end each row with a separator: an empty last column throughout is none.
  const auto empty_last = [&] {
    for (const auto& row : cells)
      if (row.size() < 2 || !Trimmed(row.back()).empty()) return false;
    return true;
  };
  while (empty_last())
    for (auto& row : cells) row.pop_back();
  for (std::size_t r = 0; r < cells.size(); ++r) {
    if (cells[r].size() != cells[0].size()) {
      plan.problem = PasteProblem::kRagged;
      plan.row = static_cast<int>(r) + 1;
      plan.column = static_cast<int>(cells[r].size());
      plan.columns = static_cast<int>(cells[0].size());
      return plan;
    }
  }
  const int rows = static_cast<int>(cells.size());
  const int columns = static_cast<int>(cells[0].size());
  const bool with_axes = rows == model::kMapRows + 1 && columns == model::kMapColumns + 1 &&
                         Trimmed(cells[0][0]).empty();
  const int skip = with_axes ? 1 : 0;
  plan.rows = rows - skip;
  plan.columns = columns - skip;
  plan.top = with_axes ? 0 : cursor_row;
  plan.left = with_axes ? 0 : cursor_column;
  for (int r = 0; r < rows; ++r) {
    std::vector<double> numbers;
    for (int c = 0; c < columns; ++c) {
      if (r == 0 && c == 0 && with_axes) continue;
      const auto v =
          ParseCellNumber(cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
      if (!v) {
        plan.problem = PasteProblem::kNotANumber;
        plan.row = r + 1;
        plan.column = c + 1;
        plan.text =
            std::string(Trimmed(cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
        return plan;
      }
      if (with_axes && r == 0) {
        if (!plan.rpm) plan.rpm.emplace();
        (*plan.rpm)[static_cast<std::size_t>(c - 1)] = *v;
      } else if (!(with_axes && c == 0)) {
        numbers.push_back(*v);
      }
    }
    if (!(with_axes && r == 0)) plan.values.push_back(std::move(numbers));
  }
  const bool fits = plan.top >= first_row && plan.top + plan.rows - 1 <= last_row &&
                    plan.left >= 0 && plan.left + plan.columns <= model::kMapColumns;
  if (!fits) {
    plan.problem = PasteProblem::kDoesNotFit;
    plan.row = plan.top + 1;
    plan.column = plan.left + 1;
  }
  return plan;
}

}  // namespace morvek::pages
