#include "pages/map_selection.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvek::pages {
namespace {

using Op = SelectionOperation;

MapCells Filled(int v) {
  MapCells cells{};
  cells.fill(v);
  return cells;
}

int At(const MapCells& cells, int row, int column) {
  return cells[static_cast<std::size_t>(model::MapElement(row, column))];
}
void Put(MapCells& cells, int row, int column, int v) {
  cells[static_cast<std::size_t>(model::MapElement(row, column))] = v;
}

std::vector<int> Row(const MapCells& cells, int row, int from, int to) {
  std::vector<int> out;
  for (int i = from; i <= to; ++i) out.push_back(At(cells, row, i));
  return out;
}

TEST(MapSelectionTest, RoundsHalvesAwayFromZero) {
  for (auto [in, out] : std::vector<std::pair<double, int>>{
           {12.5, 13}, {17.5, 18}, {12.49, 12}, {-2.5, -3}, {-2.4, -2}, {0.5, 1}, {0, 0}})
    EXPECT_EQ(RoundHalfAway(in), out) << in;
}

TEST(MapSelectionTest, SpanningAndClippingNormaliseTheRectangle) {
  EXPECT_EQ(MapSelection::Spanning(4, 7, 1, 2), (MapSelection{1, 2, 4, 7}));
  EXPECT_EQ((MapSelection{-3, -1, 20, 30}).Clipped(), MapSelection::WholeMap());
  EXPECT_TRUE((MapSelection{12, 0, 14, 3}).Clipped().empty());
  EXPECT_TRUE(MapSelection{}.empty());
  EXPECT_EQ(MapSelection::Spanning(2, 3, 2, 3).rows(), 1);
  EXPECT_TRUE(MapSelection::WholeMap().whole_map());
  EXPECT_FALSE((MapSelection{0, 0, 9, 13}).whole_map());
}

// Interpolating from 10 to 20 over five cells: 12.5 and 17.5 round up.
TEST(MapSelectionTest, InterpolatesAlongRowsColumnsAndBilinearly) {
  MapCells cells = Filled(7);
  Put(cells, 2, 3, 10);
  Put(cells, 2, 7, 20);
  const MapCells h = ApplyToCells(cells, {Op::kInterpolateH, {2, 3, 2, 7}});
  EXPECT_EQ(Row(h, 2, 2, 8), (std::vector<int>{7, 10, 13, 15, 18, 20, 7}));
  EXPECT_EQ(At(h, 1, 5), 7);
  EXPECT_EQ(At(h, 3, 5), 7);

  MapCells v = Filled(0);
  Put(v, 0, 4, 20);
  Put(v, 4, 4, 10);
  const MapCells vv = ApplyToCells(v, {Op::kInterpolateV, {0, 4, 4, 4}});
  std::vector<int> column;
  for (int j = 0; j <= 5; ++j) column.push_back(At(vv, j, 4));
  EXPECT_EQ(column, (std::vector<int>{20, 18, 15, 13, 10, 0}));

  // Corners 0, 40 on top and 80, 120 below, a 3 x 5 block: the centre is their mean, 60.
  MapCells b = Filled(5);
  Put(b, 1, 1, 0);
  Put(b, 1, 5, 40);
  Put(b, 3, 1, 80);
  Put(b, 3, 5, 120);
  const MapCells bb = ApplyToCells(b, {Op::kInterpolateBilinear, {1, 1, 3, 5}});
  EXPECT_EQ(Row(bb, 1, 1, 5), (std::vector<int>{0, 10, 20, 30, 40}));
  EXPECT_EQ(Row(bb, 2, 1, 5), (std::vector<int>{40, 50, 60, 70, 80}));
  EXPECT_EQ(Row(bb, 3, 1, 5), (std::vector<int>{80, 90, 100, 110, 120}));
  EXPECT_EQ(At(bb, 0, 1), 5);
  EXPECT_EQ(At(bb, 4, 3), 5);
}

TEST(MapSelectionTest, SmoothingKeepsTheSelectionsEdge) {
  // A spike of 160 in a field of 0: the 3 x 3 kernel gives it 4/16 of itself.
  MapCells cells = Filled(0);
  Put(cells, 4, 6, 160);
  const MapCells s = ApplyToCells(cells, {Op::kSmooth, {3, 5, 5, 7}});
  EXPECT_EQ(At(s, 4, 6), 40);
  // Only the centre of a 3 x 3 block is inside its edge.
  EXPECT_EQ(At(s, 3, 5), 0);
  EXPECT_EQ(At(s, 5, 7), 0);

  // Over the whole map the outer ring is the edge and keeps its values.
  MapCells ramp{};
  for (int k = 0; k < model::kMapCells; ++k) ramp[static_cast<std::size_t>(k)] = (k * 37) % 50;
  const MapCells w = ApplyToCells(ramp, {Op::kSmooth, MapSelection::WholeMap()});
  for (int i = 0; i < model::kMapColumns; ++i) {
    EXPECT_EQ(At(w, 0, i), At(ramp, 0, i));
    EXPECT_EQ(At(w, 9, i), At(ramp, 9, i));
  }
  for (int j = 0; j < model::kMapRows; ++j) {
    EXPECT_EQ(At(w, j, 0), At(ramp, j, 0));
    EXPECT_EQ(At(w, j, 14), At(ramp, j, 14));
  }
  // An inner cell by hand: neighbours of (1,1) weighted 1 2 1 / 2 4 2 / 1 2 1.
  int sum = 0;
  const int weights[3][3] = {{1, 2, 1}, {2, 4, 2}, {1, 2, 1}};
  for (int dj = -1; dj <= 1; ++dj)
    for (int di = -1; di <= 1; ++di) sum += weights[dj + 1][di + 1] * At(ramp, 1 + dj, 1 + di);
  EXPECT_EQ(At(w, 1, 1), RoundHalfAway(sum / 16.0));

  // One row: the 1 2 1 mean along it, its two ends kept.
  MapCells line = Filled(0);
  Put(line, 6, 2, 0);
  Put(line, 6, 3, 100);
  Put(line, 6, 4, 0);
  Put(line, 6, 5, 0);
  const MapCells l = ApplyToCells(line, {Op::kSmooth, {6, 2, 6, 5}});
  EXPECT_EQ(Row(l, 6, 2, 5), (std::vector<int>{0, 50, 25, 0}));
}

TEST(MapSelectionTest, SetAddScaleAndFillTouchOnlyTheSelection) {
  MapCells cells{};
  for (int k = 0; k < model::kMapCells; ++k) cells[static_cast<std::size_t>(k)] = 20 + k % 7;
  const MapSelection block{2, 3, 4, 6};
  struct Case {
    Op op;
    double value;
    int (*expected)(int before, int fill);
  };
  const Case cases[] = {
      {Op::kSet, 12.5, [](int, int) { return 13; }},
      {Op::kAdd, -3, [](int b, int) { return b - 3; }},
      {Op::kScale, 110, [](int b, int) { return RoundHalfAway(b * 1.1); }},
      {Op::kScale, 50, [](int b, int) { return RoundHalfAway(b * 0.5); }},
      {Op::kFill, 0, [](int, int fill) { return fill; }},
  };
  const int fill = At(cells, 8, 1);
  for (const Case& c : cases) {
    SelectionRequest request{c.op, block, c.value, 8, 1};
    const MapCells out = ApplyToCells(cells, request);
    for (int j = 0; j < model::kMapRows; ++j)
      for (int i = 0; i < model::kMapColumns; ++i) {
        const int before = At(cells, j, i);
        ASSERT_EQ(At(out, j, i), block.Contains(j, i) ? c.expected(before, fill) : before)
            << static_cast<int>(c.op) << " at " << j << "," << i;
      }
  }
  // A result the map cannot hold is handed on as computed: the edit path reports the limit.
  EXPECT_EQ(At(ApplyToCells(Filled(50), {Op::kScale, block, 130}), 3, 4), 65);
  EXPECT_EQ(ApplyToCells(cells, {Op::kSet, MapSelection{}, 1}), cells);
}

}  // namespace
}  // namespace morvek::pages
