#include "sim/map_lookup.h"

#include <array>
#include <cmath>

#include "model/map_geometry.h"

namespace morvek::sim {
namespace {

using model::FieldId;

// Index i of the interval [i-1, i] that holds x, as the program's own map lookups find it.
int UpperIndex(std::span<const double> xs, double x) {
  int i = 1;
  const int last = static_cast<int>(xs.size()) - 1;
  while (i < last && xs[static_cast<std::size_t>(i)] <= x) ++i;
  return i;
}

double Weight(double x, double x0, double x1) {
  if (x <= x0) return 0;
  if (x >= x1) return 1;
  return (x - x0) / (x1 - x0);
}

std::array<double, model::kMapColumns> RpmAxis(const model::ParameterImage& image, FieldId axis) {
  std::array<double, model::kMapColumns> rpm{};
  ShownValues(image, axis, rpm);
  return rpm;
}

double Cell(const model::ParameterImage& image, FieldId map, int row, int column) {
  return model::Shown(image, map, model::MapElement(row, column));
}

}  // namespace

double Curve(std::span<const double> xs, std::span<const double> ys, double x) {
  if (xs.empty() || ys.size() < xs.size()) return 0;
  if (xs.size() == 1) return ys[0];
  const auto i = static_cast<std::size_t>(UpperIndex(xs, x));
  const double w = Weight(x, xs[i - 1], xs[i]);
  return ys[i - 1] + (ys[i] - ys[i - 1]) * w;
}

void ShownValues(const model::ParameterImage& image, FieldId id, std::span<double> out) {
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = model::Shown(image, id, static_cast<int>(i));
}

MapPosition LocateOnMap(const model::ParameterImage& image, FieldId rpm_axis, double rpm,
                        double tps_percent) {
  MapPosition pos;
  const auto axis = RpmAxis(image, rpm_axis);
  const int c = UpperIndex(axis, rpm);
  pos.column0 = c - 1;
  pos.column1 = c;
  pos.column_weight =
      Weight(rpm, axis[static_cast<std::size_t>(c - 1)], axis[static_cast<std::size_t>(c)]);

  std::array<double, model::kMapRows> rows{};
  for (std::size_t r = 0; r < rows.size(); ++r) rows[r] = model::kMapRowTps[r] / 10.0;
  const int r = UpperIndex(rows, tps_percent);
  pos.row0 = r - 1;
  pos.row1 = r;
  pos.row_weight =
      Weight(tps_percent, rows[static_cast<std::size_t>(r - 1)], rows[static_cast<std::size_t>(r)]);
  return pos;
}

double MapValue(const model::ParameterImage& image, FieldId map, FieldId rpm_axis, double rpm,
                double tps_percent) {
  const MapPosition p = LocateOnMap(image, rpm_axis, rpm, tps_percent);
  const double low =
      Cell(image, map, p.row0, p.column0) +
      (Cell(image, map, p.row0, p.column1) - Cell(image, map, p.row0, p.column0)) * p.column_weight;
  const double high =
      Cell(image, map, p.row1, p.column0) +
      (Cell(image, map, p.row1, p.column1) - Cell(image, map, p.row1, p.column0)) * p.column_weight;
  return low + (high - low) * p.row_weight;
}

double AdvanceValue(const model::ParameterImage& image, double rpm, double tps_percent) {
  if (model::Stored(image, FieldId::kAdvanceMiscTpsMap) == 0) tps_percent = 100;
  return MapValue(image, FieldId::kAdvance, FieldId::kRpmAdv, rpm, tps_percent);
}

}  // namespace morvek::sim
