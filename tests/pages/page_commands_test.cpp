#include "pages/page_commands.h"

#include <gtest/gtest.h>

#include "legal_image.h"
#include "model/base_injection.h"
#include "model/field_table.h"
#include "model/note_area.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"
#include "pages/page_editor.h"

namespace morvek::pages {
namespace {

using model::FieldId;
using model::InjectionMap;

class PagesTest : public ::testing::Test {
 protected:
  PagesTest() {
    model::SetStored(editor.image(), FieldId::kBike, 0);
    editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
    editor.ImageChanged();
    editor.ApplyLimits();
    pages.RefreshActivePage(values);  // as at start-up: " 1 = 2" makes 2A a copy of 1A
    editor.ResetHistory();
  }
  void Show(int page) {
    editor.set_active_page(page);
    pages.RefreshActivePage(values);
  }
  int Stored(FieldId id, int e = 0) const { return model::Stored(editor.image(), id, e); }

  model::Editor editor;
  PageEditor pages{editor};
  PageValues values;
};

TEST_F(PagesTest, CoupledEditMovesMap2AByTheSameAmountUpTo1000Percent) {
  model::SetStored(editor.image(), FieldId::kJet1MiscMode, kJetModeCoupled);
  Show(kInj2APage);
  values.SetNumber(GridCellName(0, 0), 995);
  values.SetNumber(GridCellName(0, 1), 120);
  pages.Edit(values);
  Show(kInj1APage);
  const int before_1 = values.Number(GridCellName(0, 1));
  values.SetNumber(GridCellName(0, 0), values.Number(GridCellName(0, 0)) + 10);
  values.SetNumber(GridCellName(0, 1), before_1 + 10);
  pages.Edit(values);
  EXPECT_EQ(editor.percent_view(InjectionMap::k1A)[0], 110);
  Show(kInj2APage);
  EXPECT_EQ(values.Number(GridCellName(0, 0)), 1000);
  EXPECT_EQ(values.Number(GridCellName(0, 1)), 130);
  EXPECT_EQ(ShiftPercent(1500, 10), 1500);  // never pulled down by a raise
  EXPECT_EQ(ShiftPercent(1500, -10), 1490);
  EXPECT_EQ(ShiftAxisPoint(245, 10), 250);
  EXPECT_EQ(ShiftAxisPoint(5, -10), 3);
}

TEST_F(PagesTest, ModeSameKeepsMap2AEqualTo1A) {
  ASSERT_EQ(Stored(FieldId::kJet1MiscMode), kJetModeSame);  // the default after New
  Show(kInj1APage);
  values.SetNumber(GridRpmName(3), 4200);
  values.SetNumber(GridCellName(4, 3), 137);
  pages.Edit(values);
  for (int i = 0; i < 15; ++i)
    EXPECT_EQ(Stored(FieldId::kRpmJet2A, i), Stored(FieldId::kRpmJet1A, i));
  for (int k = 0; k < 150; ++k) ASSERT_EQ(Stored(FieldId::kJet2A, k), Stored(FieldId::kJet1A, k));
  EXPECT_EQ(Stored(FieldId::kRpmJet1A, 3), 42);
  // New sets " 1 = 2": the maps it leaves must already be equal.
  model::SetStored(editor.image(), FieldId::kJet2A, 5, 9);
  ApplyNew(pages, values, model::DefaultsScope::kWholeImage);
  for (int k = 0; k < 150; ++k) ASSERT_EQ(Stored(FieldId::kJet2A, k), Stored(FieldId::kJet1A, k));
}

TEST_F(PagesTest, AnEditRewritesOnlyTheCellsItChanges) {
  model::SetStored(editor.image(), FieldId::kJet1MiscMode, kJetModeSeparate);
  // Times the controller tuned, not whole percentages of their base.
  for (int k = 0; k < 150; ++k) model::SetStored(editor.image(), FieldId::kJet1A, k, 1001 + 7 * k);
  const model::ParameterImage before = editor.image();
  Show(kInj1APage);
  values.SetNumber(GridCellName(2, 2), values.Number(GridCellName(2, 2)) + 5);
  const ChangeResult r = pages.Edit(values);
  EXPECT_TRUE(r.changed);
  for (int k = 0; k < 150; ++k) {
    if (k == model::MapElement(2, 2)) {
      EXPECT_NE(Stored(FieldId::kJet1A, k), model::Stored(before, FieldId::kJet1A, k));
    } else {
      ASSERT_EQ(Stored(FieldId::kJet1A, k), model::Stored(before, FieldId::kJet1A, k)) << k;
    }
  }
}

TEST_F(PagesTest, ViewsFollowAnAxisTheLimitsPassCorrected) {
  // A controller read with an empty 1A axis: the limits pass rebuilds the axis, and the
  // percentages must be those of the stored times over the new axis.
  for (int i = 0; i < 15; ++i) model::SetStored(editor.image(), FieldId::kRpmJet1A, i, 0);
  editor.ImageChanged();
  editor.ApplyLimits();
  const auto& view = editor.percent_view(InjectionMap::k1A);
  const auto& base = editor.base_map(InjectionMap::k1A);
  editor.ComputeBaseMaps();
  for (int k = 0; k < 150; ++k)
    ASSERT_EQ(view[static_cast<std::size_t>(k)],
              model::PercentFromTime(static_cast<std::uint16_t>(Stored(FieldId::kJet1A, k)),
                                     base[static_cast<std::size_t>(k)]))
        << k;
  // A page-scope New elsewhere then keeps the times (up to whole percentages).
  const model::ParameterImage before = editor.image();
  editor.set_active_page(kKorekcePage);
  ApplyNew(pages, values, model::DefaultsScope::kActivePage);
  for (int k = 0; k < 150; ++k) {
    const int b = base[static_cast<std::size_t>(k)];
    ASSERT_LE(std::abs(Stored(FieldId::kJet1A, k) - model::Stored(before, FieldId::kJet1A, k)),
              b / 200 + 1)
        << k;
  }
}

TEST_F(PagesTest, NoAfterABikeChangeKeepsAllButBikeExcitationAndTimes) {
  model::SetStored(editor.image(), FieldId::kFanFan1, 77);
  model::SetStored(editor.image(), FieldId::kLimiterIgnition, 99);
  const model::ParameterImage before = editor.image();
  ChangeBike(pages, values, 2, false);
  EXPECT_EQ(Stored(FieldId::kBike), 2);
  EXPECT_EQ(Stored(FieldId::kExitation), 30);
  const auto in = [](int b, FieldId id) {
    const auto& f = model::GetField(id);
    return b >= f.ByteOf(0) && b < f.ByteOf(0) + f.ByteCount();
  };
  bool times_changed = false;
  for (int b = 0; b < model::kImageSize; ++b) {
    if (in(b, FieldId::kJet1A) || in(b, FieldId::kJet2A)) {
      times_changed |= editor.image().Byte(b) != before.Byte(b);
      continue;
    }
    if (in(b, FieldId::kBike) || in(b, FieldId::kExitation)) continue;
    ASSERT_EQ(editor.image().Byte(b), before.Byte(b)) << b;
  }
  EXPECT_TRUE(times_changed);
  // Yes resets everything to the new preset's defaults.
  ChangeBike(pages, values, 3, true);
  EXPECT_EQ(Stored(FieldId::kFanFan1), 102);
  EXPECT_EQ(Stored(FieldId::kInputsPinBody11), 1);
}

TEST_F(PagesTest, UndoToAGearPageChangeShowsTheGearPage) {
  Show(kGearPage);
  values.SetNumber("UpDownPocetGear", 3);
  ASSERT_TRUE(pages.Edit(values).changed);
  Show(kMonitorPage);
  values.SetNumber("UpDownLambdaBar3", 190);
  ASSERT_TRUE(pages.Edit(values).changed);
  // Back to the state after the gear change, made on the gear page.
  const model::HistoryStep step = Undo(pages, values);
  EXPECT_TRUE(step.switch_page);
  EXPECT_EQ(editor.active_page(), kGearPage);
  EXPECT_EQ(values.Number("UpDownPocetGear"), 3);
  EXPECT_EQ(Stored(FieldId::kLambdaBar, 3), 180);
  Undo(pages, values);
  EXPECT_EQ(Stored(FieldId::kGearCount), 6);
  EXPECT_FALSE(editor.CanUndo());
  Redo(pages, values);
  EXPECT_EQ(values.Number("UpDownPocetGear"), 3);
}

TEST_F(PagesTest, NothingChangedRecordsNoHistory) {
  model::SetStored(editor.image(), FieldId::kAdvance, 0, 60);
  editor.ResetHistory();
  EXPECT_NE(model::Stored(editor.image(), FieldId::kJet2A, 0), 0);
  Show(kAdvancePage);
  values.SetNumber(GridCellName(0, 0), 61);  // the spinner at its maximum
  EXPECT_FALSE(pages.Edit(values).changed);
  EXPECT_FALSE(editor.CanUndo());
}

TEST_F(PagesTest, LiveValueButtons) {
  Show(kCidlaPage);
  struct Case {
    ChangeResult (*take)(PageEditor&, PageValues&, int);
    int mv;
    FieldId field;
    int stored;  // -1: unchanged
  } cases[] = {
      {TakeTps100, 4950, FieldId::kTpsVoltage100, -1},
      {TakeTps100, 4900, FieldId::kTpsVoltage100, 240},
      {TakeTps100, 2490, FieldId::kTpsVoltage100, -1},
      {TakeTps0, 299, FieldId::kTpsVoltage0, -1},
      {TakeTps0, 300, FieldId::kTpsVoltage0, 30},
      {TakeTps0, 2510, FieldId::kTpsVoltage0, -1},
  };
  for (const Case& c : cases) {
    const int before = Stored(c.field);
    const ChangeResult r = c.take(pages, values, c.mv);
    EXPECT_EQ(Stored(c.field), c.stored < 0 ? before : c.stored) << c.mv;
    EXPECT_EQ(r.changed, c.stored >= 0 && c.stored != before) << c.mv;
  }
  Show(kGearPage);
  TakeGearRatio(pages, values, 2, 777);  // GEAR.system 2: no ratio taken
  EXPECT_EQ(Stored(FieldId::kGearRatio, 1), 1000);
  model::SetStored(editor.image(), FieldId::kGearSystem, 0);
  TakeGearRatio(pages, values, 2, 777);
  EXPECT_EQ(Stored(FieldId::kGearRatio, 1), 777);
  EXPECT_EQ(values.Number(ArraySpinnerName("PomerRpmSpeed", 1)), 777);
}

TEST_F(PagesTest, BikePageNoteAndPresetItems) {
  Show(kBikePage);
  EXPECT_TRUE(values.memo().empty());
  values.set_memo({"AB", "C"});
  pages.Edit(values);
  const int expected[] = {65, 66, 0, 67, 0, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(editor.image().Byte(1200 + i), expected[i]);
  // A BIKE above 7 shows the separator, is reported and stays when the page is collected.
  model::SetStored(editor.image(), FieldId::kBike, 200);
  EXPECT_TRUE(pages.RefreshActivePage(values).bike_not_for_preset);
  EXPECT_EQ(values.Number(kBikeComboName), kBikeSeparatorItem);
  values.SetNumber("UpDownFan1", 90);
  pages.Edit(values);
  EXPECT_EQ(Stored(FieldId::kBike), 200);
  EXPECT_EQ(Stored(FieldId::kFanFan1), 90);
  EXPECT_FALSE(CanApplyDefaults(editor, model::DefaultsScope::kWholeImage));
}

TEST_F(PagesTest, IdleTargetsAboveTheModeRangeSurviveAnotherEdit) {
  // No idle control: the targets show as 0..100, but the stored 1800 are kept.
  Show(kIdlePage);
  ASSERT_EQ(Stored(FieldId::kIdleMode), 0);
  EXPECT_EQ(values.Number(ArraySpinnerName("IdleServo", 0)), 100);
  values.SetNumber("UpDownIdleStepPerioda", 9);
  pages.Edit(values);
  EXPECT_EQ(Stored(FieldId::kIdleServoTarget, 0), 1800);
  EXPECT_EQ(Stored(FieldId::kIdleStepPeriod), 9);
  // The mode radio group widens the range and shows the stored targets.
  values.SetNumber("RadioGroupIdleMode", 1);
  RadioGroupClicked(pages, values, "RadioGroupIdleMode");
  EXPECT_EQ(values.Number(ArraySpinnerName("IdleServo", 0)), 1800);
  EXPECT_EQ(pages.ControlRange(*FindControl(kIdlePage, ArraySpinnerName("IdleServo", 0))).max,
            12000);
}

TEST_F(PagesTest, RadioGroups) {
  Show(kCidlaPage);
  values.SetNumber("RadioGroupCidloLambdaMode", 1);
  EXPECT_TRUE(RadioGroupClicked(pages, values, "RadioGroupCidloLambdaMode").changed);
  EXPECT_EQ(Stored(FieldId::kSensorLambdaVoltage, 1), 1190);  // the UEGO characteristic
  EXPECT_EQ(values.Number(ArraySpinnerName("LambdaNap", 1)), 1190);
  Show(kLadeniPage);
  values.SetNumber("RadioGroupLadeniMode", 0);
  values.SetNumber("UpDownLadeniKrok", 9);
  pages.Edit(values);  // collecting leaves the tuning mode to its click handler
  EXPECT_EQ(Stored(FieldId::kTuningMode), 1);
  values.SetNumber("RadioGroupLadeniMode", 0);
  EXPECT_TRUE(RadioGroupClicked(pages, values, "RadioGroupLadeniMode").changed);
  EXPECT_EQ(Stored(FieldId::kTuningMode), 0);
}

TEST_F(PagesTest, JetModeSameMovesFromTheInj2APage) {
  model::SetStored(editor.image(), FieldId::kJet1MiscMode, kJetModeSeparate);
  Show(kInj2APage);
  values.SetNumber(GridCellName(1, 1), 250);
  pages.Edit(values);
  SetJetMode(pages, values, kJetModeSame);
  EXPECT_EQ(editor.active_page(), kInj1APage);
  for (int k = 0; k < 150; ++k) ASSERT_EQ(Stored(FieldId::kJet2A, k), Stored(FieldId::kJet1A, k));
  EXPECT_FALSE(CanApplyDefaults(editor, model::DefaultsScope::kActivePage) &&
               Stored(FieldId::kJet1MiscMode) == kJetModeCoupled);
  SetJetMode(pages, values, kJetModeCoupled);
  EXPECT_FALSE(CanApplyDefaults(editor, model::DefaultsScope::kActivePage));
}

}  // namespace
}  // namespace morvek::pages
