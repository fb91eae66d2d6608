#pragma once

#include <array>
#include <cstdint>

#include "model/map_geometry.h"

namespace morvek::pages {

// A rectangle of map cells, both corners included. An empty selection selects nothing.
struct MapSelection {
  int top = 0;
  int left = 0;
  int bottom = -1;
  int right = -1;

  // The rectangle spanned by two cells, in any order.
  static MapSelection Spanning(int row_a, int column_a, int row_b, int column_b);
  static MapSelection WholeMap() { return {0, 0, model::kMapRows - 1, model::kMapColumns - 1}; }

  bool empty() const { return bottom < top || right < left; }
  int rows() const { return empty() ? 0 : bottom - top + 1; }
  int columns() const { return empty() ? 0 : right - left + 1; }
  bool Contains(int row, int column) const {
    return row >= top && row <= bottom && column >= left && column <= right;
  }
  bool whole_map() const {
    return top == 0 && left == 0 && bottom == model::kMapRows - 1 &&
           right == model::kMapColumns - 1;
  }
  // The part inside the map.
  MapSelection Clipped() const;

  friend bool operator==(const MapSelection&, const MapSelection&) = default;
};

// What an operation does to every cell of a selection.
enum class SelectionOperation : std::uint8_t {
  kSet,                  // the value
  kAdd,                  // plus the value (a negative one subtracts)
  kScale,                // times the value in percent
  kInterpolateH,         // each row straight from its left to its right cell
  kInterpolateV,         // each column straight from its top to its bottom cell
  kInterpolateBilinear,  // the surface through the four corner cells
  kSmooth,               // 3 x 3 weighted mean (1 2 1 / 2 4 2 / 1 2 1); the selection's edge kept
  kFill,                 // the value of the cell under the cursor
};

// The cells of a map as the grid shows them (degrees or percent), row by row.
using MapCells = std::array<int, model::kMapCells>;

struct SelectionRequest {
  SelectionOperation operation = SelectionOperation::kSet;
  MapSelection selection;
  double value = 0;  // set, add, scale
  // The cell under the cursor, for fill.
  int cursor_row = 0;
  int cursor_column = 0;
};

// Whole units, halves away from zero: 12.5 -> 13, 17.5 -> 18, -2.5 -> -3.
int RoundHalfAway(double value);

// The cells after the operation, before any range applies: a result may lie outside what
// the map can hold, so the caller sees what the limits changed. Cells outside the selection
// are returned as they are.
MapCells ApplyToCells(const MapCells& cells, const SelectionRequest& request);

}  // namespace morvek::pages
