#include "pages/bulk_tools.h"

#include <gtest/gtest.h>

#include "model/field_table.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"
#include "pages/page_commands.h"

namespace morvek::pages {
namespace {

using model::FieldId;
using model::InjectionMap;

class BulkToolsTest : public ::testing::Test {
 protected:
  BulkToolsTest() {
    ApplyNew(pages, values, model::DefaultsScope::kWholeImage);
    editor.ResetHistory();
  }
  void Show(int page, bool all = false) {
    editor.set_active_page(page);
    editor.all_flags()[static_cast<std::size_t>(page)] = all ? 1 : 0;
    pages.RefreshActivePage(values);
  }
  int Stored(FieldId id, int e = 0) const { return model::Stored(editor.image(), id, e); }

  model::Editor editor;
  PageEditor pages{editor};
  PageValues values;
  const LiveTarget running{5000, 3, 4, 6};
  const LiveTarget stopped{0, 3, 4, 6};
};

TEST_F(BulkToolsTest, AdvanceMapSteps) {
  Show(kAdvancePage);
  const model::ParameterImage before = editor.image();
  EXPECT_FALSE(MapStep(pages, values, kStepDown, stopped, false).changed);
  EXPECT_EQ(editor.image(), before);
  EXPECT_FALSE(editor.CanUndo());
  // The live cell only.
  const int live = model::MapElement(3, 4);
  MapStep(pages, values, kStepUp, running, false);
  for (int k = 0; k < 150; ++k)
    ASSERT_EQ(Stored(FieldId::kAdvance, k),
              model::Stored(before, FieldId::kAdvance, k) + (k == live))
        << k;
  // At the ends a step leaves the value: 60 is the map's top, 0 its bottom.
  model::SetStored(editor.image(), FieldId::kAdvance, live, 60);
  model::SetStored(editor.image(), FieldId::kAdvance, 0, 0);
  editor.RecordHistory();
  EXPECT_FALSE(MapStep(pages, values, kStepUp, running, false).changed);
  EXPECT_EQ(Stored(FieldId::kAdvance, live), 60);
  Show(kAdvancePage, true);
  MapStep(pages, values, kStepDown, stopped, false);  // "All" needs no running engine
  EXPECT_EQ(Stored(FieldId::kAdvance, 0), 0);
  EXPECT_EQ(Stored(FieldId::kAdvance, 1), model::Stored(before, FieldId::kAdvance, 1) - 1);
}

TEST_F(BulkToolsTest, CoupledInjectionMapsMoveTogether) {
  SetJetMode(pages, values, kJetModeCoupled);
  Show(kInj1APage, true);
  const auto view1 = editor.percent_view(InjectionMap::k1A);
  const auto view2 = editor.percent_view(InjectionMap::k2A);
  const model::ParameterImage before = editor.image();
  MapStep(pages, values, kStepUp, stopped, false);
  for (int k = 0; k < 150; ++k) {
    ASSERT_EQ(editor.percent_view(InjectionMap::k1A)[k], view1[k] + 1) << k;
    ASSERT_EQ(editor.percent_view(InjectionMap::k2A)[k], view2[k] + 1) << k;
    ASSERT_GT(Stored(FieldId::kJet1A, k), model::Stored(before, FieldId::kJet1A, k)) << k;
    ASSERT_GT(Stored(FieldId::kJet2A, k), model::Stored(before, FieldId::kJet2A, k)) << k;
  }
  // On the follower's page the tools do nothing.
  Show(kInj2APage, true);
  const model::ParameterImage after = editor.image();
  EXPECT_FALSE(MapStep(pages, values, kStepDown, running, false).changed);
  EXPECT_EQ(editor.image(), after);
}

TEST_F(BulkToolsTest, ColumnStepTouchesOneColumnOfOneMap) {
  SetJetMode(pages, values, kJetModeSeparate);
  Show(kInj2APage);
  const model::ParameterImage before = editor.image();
  ColumnStep(pages, values, 5, kStepDown);
  for (int k = 0; k < 150; ++k) {
    const bool in_column = k % 15 == 5;
    ASSERT_EQ(Stored(FieldId::kJet2A, k) != model::Stored(before, FieldId::kJet2A, k), in_column)
        << k;
    ASSERT_EQ(Stored(FieldId::kJet1A, k), model::Stored(before, FieldId::kJet1A, k)) << k;
  }
}

TEST_F(BulkToolsTest, InjectionAnglesAndIdleTargets) {
  Show(kPolohaPage);
  model::SetStored(editor.image(), FieldId::kPositionAAngle, 6, 144);
  model::SetStored(editor.image(), FieldId::kPositionAAngle, 7, 100);
  pages.RefreshActivePage(values);
  MapStep(pages, values, kStepUp, running, false);  // live column 6 only, at 720 degrees
  EXPECT_EQ(Stored(FieldId::kPositionAAngle, 6), 144);
  EXPECT_EQ(Stored(FieldId::kPositionAAngle, 7), 100);
  PositionStep(pages, values, kStepUp, true, 0);
  EXPECT_EQ(Stored(FieldId::kPositionAAngle, 6), 144);
  EXPECT_EQ(Stored(FieldId::kPositionAAngle, 7), 101);

  Show(kIdlePage);
  struct Case {
    int mode, before, step, after;
  } cases[] = {
      {1, 15, kStepDown, 5},      {1, 10, kStepDown, 10},     {1, 11995, kStepUp, 12000},
      {1, 12000, kStepUp, 12000}, {0, 1, kStepDown, 1},       {0, 100, kStepUp, 100},
      {0, 1800, kStepUp, 1800},   {0, 1800, kStepDown, 1799},
  };
  for (const Case& c : cases) {
    model::SetStored(editor.image(), FieldId::kIdleMode, c.mode);
    model::SetStored(editor.image(), FieldId::kIdleServoTarget, 4, c.before);
    IdleStep(pages, values, c.step);
    EXPECT_EQ(Stored(FieldId::kIdleServoTarget, 4), c.after) << c.mode << " " << c.before;
  }
}

}  // namespace
}  // namespace morvek::pages
