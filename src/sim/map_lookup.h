#pragma once

#include <span>

#include "model/field_table.h"
#include "model/parameter_image.h"

namespace morvek::sim {

// Piecewise-linear value of the curve (xs, ys) at x, holding the edge values outside the
// points. The points are used in their stored order; an axis that does not rise never
// divides by zero, it only gives a coarser curve.
double Curve(std::span<const double> xs, std::span<const double> ys, double x);

// Where an operating point falls on a 10 x 15 map: the two neighbouring columns of the rpm
// axis and rows of the throttle axis, with the weight of the upper neighbour (0..1).
struct MapPosition {
  int column0 = 0;
  int column1 = 0;
  double column_weight = 0;
  int row0 = 0;
  int row1 = 0;
  double row_weight = 0;
};

MapPosition LocateOnMap(const model::ParameterImage& image, model::FieldId rpm_axis, double rpm,
                        double tps_percent);

// Bilinear value of a map (shown values) at the operating point.
double MapValue(const model::ParameterImage& image, model::FieldId map, model::FieldId rpm_axis,
                double rpm, double tps_percent);
// The advance map, or its 100 % row alone when ADVANCE_MISC.tps_map is off.
double AdvanceValue(const model::ParameterImage& image, double rpm, double tps_percent);

// Shown values of a field's elements as a curve's y values.
void ShownValues(const model::ParameterImage& image, model::FieldId id, std::span<double> out);

}  // namespace morvek::sim
