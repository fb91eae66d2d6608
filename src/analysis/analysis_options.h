#pragma once

#include <array>
#include <optional>

#include "model/base_injection.h"
#include "model/map_geometry.h"

namespace morvek::analysis {

// One value per map cell, element 15 * row + column (row 0 is the 0 % throttle row).
using CellGrid = std::array<double, model::kMapCells>;
using CellFlags = std::array<bool, model::kMapCells>;

// What the user chooses for one analysis; every member has the value a first pass wants.
struct AnalysisOptions {
  // The map to correct; by default the one TUNING.channel names. In the coupled modes the
  // proposal is always for map 1A, which carries the change over to 2A.
  std::optional<model::InjectionMap> map;
  // The air/fuel ratio wanted: one value (by default TUNING.lambda / 10) or one per cell.
  std::optional<double> target_af;
  std::optional<CellGrid> target_table;
  // A reading is paired with the operating point this long before it: the time the exhaust
  // takes from the cylinder to the sensor.
  int delay_ms = 300;
  // A cell changes only with at least this much total sample weight.
  double min_hits = 10;
  // One pass moves a cell by at most this percentage of its value.
  double max_change_pct = 10;
  CellFlags locked{};

  double coolant_floor_c = 70;
  int rpm_floor = 800;
  // Steady running: throttle and rpm change no faster than this within the delay window.
  double max_throttle_rate = 25;  // % per second
  double max_rpm_rate = 3000;     // rpm per second
};

}  // namespace morvek::analysis
