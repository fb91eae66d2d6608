#include "model/base_injection.h"

#include <gtest/gtest.h>

#include "model/editor.h"
#include "model/field_table.h"
#include "model/presets.h"

namespace morvek::model {
namespace {

TEST(Interpolate, Cases) {
  struct Case {
    unsigned x, x0, x1, v0, v1, want;
  } cases[] = {
      {500, 1000, 2000, 10, 20, 10},   // below the interval: left value
      {2500, 1000, 2000, 10, 20, 20},  // above: right value
      {1500, 1000, 2000, 7, 7, 7},     // flat
      {1500, 1000, 2000, 1000, 2000, 1500},
      {1250, 1000, 2000, 2000, 1000, 1750},  // falling: from the right end
      {1001, 1000, 2000, 1000, 0, 999},      // falling truncates toward the right value
      {1001, 1000, 2000, 0, 1000, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Interpolate(c.x, c.x0, c.x1, c.v0, c.v1), c.want)
        << c.x << " " << c.v0 << "->" << c.v1;
}

TEST(Conversions, PercentAndTime) {
  EXPECT_EQ(PercentFromTime(1000, 1370), 73);
  EXPECT_EQ(TimeFromPercent(73, 1370), 1000);
  EXPECT_EQ(PercentFromTime(1001, 1370), 73);
  EXPECT_EQ(TimeFromPercent(100, 1234), 1234);
  EXPECT_EQ(TimeFromPercent(0, 1234), 0);
  EXPECT_EQ(TimeFromPercent(32000, 10000), 65535);
  EXPECT_EQ(TimeFromPercent(-5, 1000), 0);
  // 60000 us over the smallest base is 60000 %: it must not wrap.
  EXPECT_EQ(PercentFromTime(60000, 100), 60000);
  EXPECT_EQ(TimeFromPercent(60000, 100), 60000);
}

TEST(BaseTable, ScaledByEngineSize) {
  const BaseInjectionTable t = ComputeBaseTable(InjectionMap::k2A, 0);
  const int size = EngineSizeConstant(0);
  EXPECT_EQ(t[0], 110 * size / 600);
  EXPECT_EQ(t[99], 515 * size / 600);
  EXPECT_EQ(ComputeBaseTable(InjectionMap::k1A, 2), ComputeBaseTable(InjectionMap::k1A, 3));
  EXPECT_EQ(ComputeBaseTable(InjectionMap::k1A, 5), ComputeBaseTable(InjectionMap::k1A, 6));
  EXPECT_EQ(ComputeBaseTable(InjectionMap::k1A, 42), ComputeBaseTable(InjectionMap::k1A, 2));
}

TEST(BaseMap, AtTablePointsAndBetween) {
  ParameterImage image;
  // Engine size 600: the base is ten times the built-in value.
  SetStored(image, FieldId::kBike, 7);
  ASSERT_EQ(EngineSizeConstant(7), 600);
  const int axis[15] = {10, 20, 30, 40, 50, 60, 80, 100, 120, 140, 160, 200, 250, 3, 15};
  for (int c = 0; c < 15; ++c) SetStored(image, FieldId::kRpmJet1A, c, axis[c]);
  const BaseInjectionMap base =
      ComputeBaseMap(ComputeBaseTable(InjectionMap::k1A, 7), image, InjectionMap::k1A);
  struct Case {
    int row, column;
    int want;
  } cases[] = {
      {0, 0, 1100},                  // 1000 rpm, TPS 0
      {9, 1, 3450},                  // 2000 rpm, TPS 100
      {9, 4, 4375},                  // 5000 rpm: between 4000 (4000) and 6000 (4750)
      {4, 6, 1000},                  // 8000 rpm, TPS 20
      {9, 11, 4300},                 // 20000 rpm holds the 16000 column
      {9, 12, 4300}, {0, 13, 1100},  // 300 rpm holds the 1000 column
      {2, 14, 1160},                 // 1500 rpm, TPS 5 %: 950 + (1370 - 950) * 500 / 1000
  };
  for (const Case& c : cases)
    EXPECT_EQ(base[MapElement(c.row, c.column)], c.want) << c.row << "," << c.column;
}

TEST(BaseMap, NeverBelow100) {
  ParameterImage image;
  SetStored(image, FieldId::kBike, 7);
  for (int c = 0; c < 15; ++c) SetStored(image, FieldId::kRpmJet2A, c, 250);
  const BaseInjectionMap base =
      ComputeBaseMap(ComputeBaseTable(InjectionMap::k2A, 7), image, InjectionMap::k2A);
  // TPS 5 % at 25000 rpm holds the smallest built-in value, 15 tens of microseconds.
  EXPECT_EQ(base[MapElement(2, 0)], 150);
  for (auto b : base) EXPECT_GE(b, 100);
}

TEST(Editor, ShowAndStoreRoundsToWholePercent) {
  Editor editor;
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  const int b = editor.base_map(InjectionMap::k1A)[17];
  SetStored(editor.image(), FieldId::kJet1A, 17, b * 3 / 4 + 1);
  editor.PercentFromTimes(InjectionMap::k1A);
  editor.TimesFromPercent(InjectionMap::k1A);
  const int p = editor.percent_view(InjectionMap::k1A)[17];
  EXPECT_EQ(Stored(editor.image(), FieldId::kJet1A, 17), (p * b + 50) / 100);
}

TEST(Editor, HugePercentIsClampedByTheLimitsPassAndTheViewFollows) {
  Editor editor;
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  editor.percent_view(InjectionMap::k1A)[0] = 32000;
  editor.TimesFromPercent(InjectionMap::k1A);
  EXPECT_EQ(Stored(editor.image(), FieldId::kJet1A, 0), 65535);
  editor.ApplyLimits();
  EXPECT_EQ(Stored(editor.image(), FieldId::kJet1A, 0), 60000);
  const int b = editor.base_map(InjectionMap::k1A)[0];
  EXPECT_EQ(editor.percent_view(InjectionMap::k1A)[0], (60000 * 1000 / b + 5) / 10);
}

TEST(Editor, ViewsFollowTimesChangedOutsideTheGrid) {
  Editor editor;
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  // A controller read or a file brings new times for map 2A.
  SetStored(editor.image(), FieldId::kJet2A, 30, 5000);
  editor.ImageChanged();
  // A page-scope default elsewhere recomputes both maps from their views: the new time stays.
  editor.set_active_page(5);
  editor.ApplyDefaults(DefaultsScope::kActivePage);
  const int b = editor.base_map(InjectionMap::k2A)[30];
  const int p = (5000 * 1000 / b + 5) / 10;
  EXPECT_EQ(Stored(editor.image(), FieldId::kJet2A, 30), (p * b + 50) / 100);
  EXPECT_NEAR(Stored(editor.image(), FieldId::kJet2A, 30), 5000, b / 100 + 1);
}

TEST(Editor, LoweringAnAxisPointMovesTheWholeColumn) {
  Editor editor;
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  const int before = Stored(editor.image(), FieldId::kJet1A, MapElement(9, 5));
  SetStored(editor.image(), FieldId::kRpmJet1A, 5, 45);
  editor.ComputeBaseMaps();
  editor.TimesFromPercent(InjectionMap::k1A);
  for (int r = 0; r < kMapRows; ++r)
    EXPECT_EQ(editor.percent_view(InjectionMap::k1A)[MapElement(r, 5)], 100);
  EXPECT_NE(Stored(editor.image(), FieldId::kJet1A, MapElement(9, 5)), before);
}

}  // namespace
}  // namespace morvek::model
