#include "pages/heat_scale.h"

#include <gtest/gtest.h>

namespace morvek::pages {
namespace {

int Green(HeatRgb c) { return c.g - std::max(c.r, c.b); }

TEST(HeatScaleTest, BlueToRedOverTheMapsRange) {
  const HeatRgb low = HeatColour(10, 10, 50);
  const HeatRgb high = HeatColour(50, 10, 50);
  EXPECT_GT(low.b, low.r);
  EXPECT_GT(high.r, high.b);
  // Beyond the range the ends hold; a flat map is all middle.
  EXPECT_EQ(HeatColour(-5, 10, 50), low);
  EXPECT_EQ(HeatColour(90, 10, 50), high);
  EXPECT_EQ(HeatColour(7, 7, 7), HeatColour(30, 10, 50));
  // Red over blue grows with the value, step by step.
  HeatRgb last = low;
  for (int v = 11; v <= 50; ++v) {
    const HeatRgb c = HeatColour(v, 10, 50);
    EXPECT_GT(c.r - c.b, last.r - last.b) << v;
    // Never the live cell's green.
    EXPECT_LT(Green(c), 40) << v;
    last = c;
  }
  // Ranges as wide as the injection percentages do not overflow.
  EXPECT_EQ(HeatColour(32000, 0, 32000), high);
}

TEST(HeatScaleTest, TextStaysReadableAndColoursFollowTheValues) {
  EXPECT_TRUE(NeedsLightText(HeatColour(0, 0, 100)));
  EXPECT_FALSE(NeedsLightText(HeatColour(50, 0, 100)));
  EXPECT_TRUE(NeedsLightText(HeatColour(100, 0, 100)));
  std::array<int, model::kMapCells> cells{};
  cells.fill(20);
  cells[3] = 5;
  cells[140] = 35;
  const auto colours = HeatColours(cells);
  EXPECT_EQ(colours[3], HeatColour(0, 0, 1));
  EXPECT_EQ(colours[140], HeatColour(1, 0, 1));
  EXPECT_EQ(colours[0], HeatColour(20, 5, 35));
}

}  // namespace
}  // namespace morvek::pages
