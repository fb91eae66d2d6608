#include "pages/heat_scale.h"

#include <algorithm>
#include <cmath>

namespace morvek::pages {
namespace {

// Five stops, evenly spaced over the range.
constexpr std::array<HeatRgb, 5> kStops{{
    {44, 84, 182},    // lowest
    {150, 196, 230},  //
    {255, 250, 190},  // middle
    {250, 160, 90},   //
    {200, 30, 30},    // highest
}};

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, long part, long whole) {
  return static_cast<std::uint8_t>(
      std::lround(a + static_cast<double>(b - a) * static_cast<double>(part) / whole));
}

}  // namespace

HeatRgb HeatColour(int value, int lowest, int highest) {
  if (highest <= lowest) return kStops[2];
  const long span = static_cast<long>(highest) - lowest;
  const long at = std::clamp<long>(static_cast<long>(value) - lowest, 0, span);
  // The place on the scale in 1/(4 * span) steps, so every stop falls on a whole step.
  const long scaled = at * 4;
  const auto stop = static_cast<std::size_t>(std::min<long>(scaled / span, 3));
  const long part = scaled - static_cast<long>(stop) * span;
  const HeatRgb& a = kStops[stop];
  const HeatRgb& b = kStops[stop + 1];
  return {Mix(a.r, b.r, part, span), Mix(a.g, b.g, part, span), Mix(a.b, b.b, part, span)};
}

bool NeedsLightText(HeatRgb c) {
  // Relative luminance by the usual weights, in thousandths.
  return 299 * c.r + 587 * c.g + 114 * c.b < 140 * 1000;
}

std::array<HeatRgb, model::kMapCells> HeatColours(const std::array<int, model::kMapCells>& cells) {
  const auto [lo, hi] = std::minmax_element(cells.begin(), cells.end());
  std::array<HeatRgb, model::kMapCells> colours{};
  for (std::size_t k = 0; k < cells.size(); ++k) colours[k] = HeatColour(cells[k], *lo, *hi);
  return colours;
}

}  // namespace morvek::pages
