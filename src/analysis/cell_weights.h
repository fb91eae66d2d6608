#pragma once

#include <array>
#include <span>

#include "model/map_geometry.h"

namespace morvek::analysis {

// A sample's share of the map: up to four cells with their bilinear weights, which add up
// to 1. Unused entries have weight 0.
struct CellWeights {
  struct Share {
    int cell = 0;  // element 15 * row + column
    double weight = 0;
  };
  std::array<Share, 4> shares{};
};

// The shares of an operating point over a map's rpm axis (15 points in rpm) and the fixed
// throttle rows. Outside the axes the point belongs to the edge cells; between two equal axis
// points it belongs to the lower one.
CellWeights WeighSample(std::span<const int, model::kMapColumns> axis_rpm, double rpm,
                        double throttle_pct);

// Where a value lies on a rising axis: the lower index and the weight of the upper one.
struct AxisPosition {
  int index = 0;
  double upper_weight = 0;
};
AxisPosition LocateOnAxis(std::span<const double> axis, double x);

}  // namespace morvek::analysis
