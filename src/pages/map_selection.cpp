#include "pages/map_selection.h"

#include <algorithm>
#include <cmath>

namespace morvek::pages {
namespace {

using model::MapElement;

std::size_t At(int row, int column) { return static_cast<std::size_t>(MapElement(row, column)); }

// Straight from a at position 0 to b at position n; n == 0 gives a.
double Between(double a, double b, int i, int n) { return n == 0 ? a : a + (b - a) * i / n; }

// One weight of the 1 2 1 kernel along a side of the selection: a side of one cell has no
// neighbours to mix in, so its kernel is the cell alone.
int Weight(int offset, int extent) {
  if (extent == 1) return offset == 0 ? 1 : 0;
  return offset == 0 ? 2 : 1;
}

void Smooth(const MapCells& in, const MapSelection& s, MapCells& out) {
  for (int j = s.top; j <= s.bottom; ++j) {
    for (int i = s.left; i <= s.right; ++i) {
      // A cell on the selection's edge keeps its value, so the smoothed block still meets the
      // cells around it; a side of one cell has no edge across it.
      const bool edge_row = s.rows() > 1 && (j == s.top || j == s.bottom);
      const bool edge_column = s.columns() > 1 && (i == s.left || i == s.right);
      if (edge_row || edge_column) continue;
      double sum = 0;
      int weights = 0;
      for (int dj = -1; dj <= 1; ++dj) {
        for (int di = -1; di <= 1; ++di) {
          const int w = Weight(dj, s.rows()) * Weight(di, s.columns());
          if (w == 0) continue;
          sum += w * in[At(j + dj, i + di)];
          weights += w;
        }
      }
      out[At(j, i)] = RoundHalfAway(sum / weights);
    }
  }
}

}  // namespace

MapSelection MapSelection::Spanning(int row_a, int column_a, int row_b, int column_b) {
  return {std::min(row_a, row_b), std::min(column_a, column_b), std::max(row_a, row_b),
          std::max(column_a, column_b)};
}

MapSelection MapSelection::Clipped() const {
  MapSelection c{std::max(top, 0), std::max(left, 0), std::min(bottom, model::kMapRows - 1),
                 std::min(right, model::kMapColumns - 1)};
  if (c.empty()) return {};
  return c;
}

int RoundHalfAway(double value) { return static_cast<int>(std::lround(value)); }

MapCells ApplyToCells(const MapCells& cells, const SelectionRequest& request) {
  MapCells out = cells;
  const MapSelection s = request.selection.Clipped();
  if (s.empty()) return out;
  const auto corner = [&](int row, int column) {
    return static_cast<double>(cells[At(row, column)]);
  };
  if (request.operation == SelectionOperation::kSmooth) {
    Smooth(cells, s, out);
    return out;
  }
  const int fill_row = std::clamp(request.cursor_row, 0, model::kMapRows - 1);
  const int fill_column = std::clamp(request.cursor_column, 0, model::kMapColumns - 1);
  for (int j = s.top; j <= s.bottom; ++j) {
    for (int i = s.left; i <= s.right; ++i) {
      const double v = cells[At(j, i)];
      const int di = i - s.left;
      const int dj = j - s.top;
      const int ni = s.right - s.left;
      const int nj = s.bottom - s.top;
      double next = v;
      switch (request.operation) {
        case SelectionOperation::kSet:
          next = request.value;
          break;
        case SelectionOperation::kAdd:
          next = v + request.value;
          break;
        case SelectionOperation::kScale:
          next = v * request.value / 100.0;
          break;
        case SelectionOperation::kInterpolateH:
          next = Between(corner(j, s.left), corner(j, s.right), di, ni);
          break;
        case SelectionOperation::kInterpolateV:
          next = Between(corner(s.top, i), corner(s.bottom, i), dj, nj);
          break;
        case SelectionOperation::kInterpolateBilinear:
          next =
              Between(Between(corner(s.top, s.left), corner(s.top, s.right), di, ni),
                      Between(corner(s.bottom, s.left), corner(s.bottom, s.right), di, ni), dj, nj);
          break;
        case SelectionOperation::kFill:
          next = cells[At(fill_row, fill_column)];
          break;
        case SelectionOperation::kSmooth:
          break;
      }
      out[At(j, i)] = RoundHalfAway(next);
    }
  }
  return out;
}

}  // namespace morvek::pages
