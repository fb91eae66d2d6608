#include "analysis/cell_weights.h"

#include <vector>

namespace morvek::analysis {

AxisPosition LocateOnAxis(std::span<const double> axis, double x) {
  const int last = static_cast<int>(axis.size()) - 1;
  if (last <= 0 || x <= axis[0]) return {0, 0};
  if (x >= axis[static_cast<std::size_t>(last)]) return {last, 0};
  int i = 0;
  while (i + 1 < last && axis[static_cast<std::size_t>(i + 1)] <= x) ++i;
  const double x0 = axis[static_cast<std::size_t>(i)];
  const double x1 = axis[static_cast<std::size_t>(i + 1)];
  if (x1 <= x0) return {i, 0};
  return {i, (x - x0) / (x1 - x0)};
}

CellWeights WeighSample(std::span<const int, model::kMapColumns> axis_rpm, double rpm,
                        double throttle_pct) {
  std::array<double, model::kMapColumns> columns{};
  for (std::size_t i = 0; i < columns.size(); ++i) columns[i] = axis_rpm[i];
  std::array<double, model::kMapRows> rows{};
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = model::kMapRowTps[i] / 10.0;
  const AxisPosition c = LocateOnAxis(columns, rpm);
  const AxisPosition r = LocateOnAxis(rows, throttle_pct);
  const int c1 = c.upper_weight > 0 ? c.index + 1 : c.index;
  const int r1 = r.upper_weight > 0 ? r.index + 1 : r.index;
  CellWeights w;
  w.shares[0] = {model::MapElement(r.index, c.index), (1 - r.upper_weight) * (1 - c.upper_weight)};
  w.shares[1] = {model::MapElement(r.index, c1), (1 - r.upper_weight) * c.upper_weight};
  w.shares[2] = {model::MapElement(r1, c.index), r.upper_weight * (1 - c.upper_weight)};
  w.shares[3] = {model::MapElement(r1, c1), r.upper_weight * c.upper_weight};
  return w;
}

}  // namespace morvek::analysis
