#pragma once

#include <array>
#include <cstdint>

#include "model/map_geometry.h"

namespace morvek::pages {

struct HeatRgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const HeatRgb&, const HeatRgb&) = default;
};

// A cell's colour by where its value lies between the map's lowest and highest value: deep
// blue at the lowest, through pale yellow in the middle, to deep red at the highest. No step of
// the scale is green, so the live cell's lime stays apart from every heat colour. A map of one
// value is all middle.
HeatRgb HeatColour(int value, int lowest, int highest);

// Whether text on that colour is drawn white (dark colours) rather than black.
bool NeedsLightText(HeatRgb colour);

// The colour of every cell of a map over the map's own range.
std::array<HeatRgb, model::kMapCells> HeatColours(const std::array<int, model::kMapCells>& cells);

}  // namespace morvek::pages
