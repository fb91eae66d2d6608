#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/map_geometry.h"
#include "pages/map_selection.h"

namespace morvek::pages {

// The texts of the map as the grid shows them, and its rpm axis, for a copy.
struct ShownMap {
  std::array<std::string, model::kMapCells> cells{};
  std::array<std::string, model::kMapColumns> rpm{};
};

// The selection as a spreadsheet takes it: cells by tabs, rows by new lines. With the whole
// map selected the rpm axis comes first (after an empty corner) and every row starts with its
// throttle position, as a spreadsheet shows a map with its axes.
std::string CopyText(const ShownMap& map, const MapSelection& selection);

// Why a paste is refused.
enum class PasteProblem : std::uint8_t {
  kNone,
  kEmpty,       // no cell at all
  kNotANumber,  // row/column (1-based, in the pasted block) hold `text`
  kDoesNotFit,  // the block of rows x columns at the cursor runs past the map's edge
  kRagged,      // row `row` has `columns` cells where the first has another count
  kReadOnly,    // the map shown is not edited by hand
};

// A block taken apart, every cell a number in the units the grid shows.
struct PastePlan {
  PasteProblem problem = PasteProblem::kNone;
  int row = 0;
  int column = 0;
  std::string text;
  int rows = 0;
  int columns = 0;
  // Where the block lands, and its numbers row by row.
  int top = 0;
  int left = 0;
  std::vector<std::vector<double>> values;
  // A whole map with its axes: the rpm axis it carries.
  std::optional<std::array<double, model::kMapColumns>> rpm;
};

// One cell of a spreadsheet: "12.5", "12,5" (decimal comma), " 12 ", "110%".
std::optional<double> ParseCellNumber(std::string_view text);

// Takes tab- or semicolon-separated text apart (a trailing new line is no row) and places it
// with its top left cell at the cursor. A block of the whole map with its axes (an empty corner,
// rpm row, throttle column) lands on the whole map whatever the cursor, and brings the rpm axis.
// `first_row` / `last_row` are the rows the grid shows (the advance map without throttle rows
// shows its last row only).
PastePlan PlanPaste(std::string_view text, int cursor_row, int cursor_column, int first_row = 0,
                    int last_row = model::kMapRows - 1);

}  // namespace morvek::pages
