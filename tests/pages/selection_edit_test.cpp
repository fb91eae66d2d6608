#include "pages/selection_edit.h"

#include <gtest/gtest.h>

#include "model/field_table.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"
#include "pages/page_commands.h"

namespace morvek::pages {
namespace {

using model::FieldId;
using model::InjectionMap;
using Op = SelectionOperation;

class SelectionEditTest : public ::testing::Test {
 protected:
  SelectionEditTest() {
    ApplyNew(pages, values, model::DefaultsScope::kWholeImage);
    editor.ResetHistory();
  }
  void Show(int page) {
    editor.set_active_page(page);
    pages.RefreshActivePage(values);
  }
  int Cell(int row, int column) const { return values.Number(GridCellName(row, column)); }
  int Stored(FieldId id, int e) const { return model::Stored(editor.image(), id, e); }
  // Undo steps until none is left.
  int HistorySteps() {
    int steps = 0;
    while (editor.CanUndo()) {
      Undo(pages, values);
      ++steps;
    }
    return steps;
  }

  model::Editor editor;
  PageEditor pages{editor};
  PageValues values;
};

// Scaling advance cells past 60 degrees: the limits keep 60 and say which cells they kept.
TEST_F(SelectionEditTest, ScaleOnTheAdvanceMapReportsTheCap) {
  Show(kAdvancePage);
  const MapSelection block{1, 2, 2, 4};
  SelectionRequest set{Op::kSet, block, 50};
  ASSERT_TRUE(ApplySelection(pages, values, set).limited.empty());
  values.SetNumber(GridCellName(1, 2), 40);
  pages.Edit(values);
  const model::ParameterImage before = editor.image();
  const SelectionEditResult result = ApplySelection(pages, values, {Op::kScale, block, 130});
  EXPECT_TRUE(result.change.changed);
  ASSERT_EQ(result.limited.size(), 5u);  // 40 * 1.3 = 52 fits, 50 * 1.3 = 65 does not
  EXPECT_EQ(result.limited[0].row, 1);
  EXPECT_EQ(result.limited[0].column, 3);
  EXPECT_EQ(result.limited[0].wanted, 65);
  EXPECT_EQ(result.limited[0].kept, 60);
  EXPECT_EQ(Stored(FieldId::kAdvance, model::MapElement(1, 2)), 52);
  for (int j = 0; j < 10; ++j)
    for (int i = 0; i < 15; ++i) {
      const int k = model::MapElement(j, i);
      if (!block.Contains(j, i)) {
        ASSERT_EQ(Stored(FieldId::kAdvance, k), model::Stored(before, FieldId::kAdvance, k)) << k;
      } else if (!(j == 1 && i == 2)) {
        ASSERT_EQ(Stored(FieldId::kAdvance, k), 60) << k;
      }
    }
}

TEST_F(SelectionEditTest, EachOperationIsOneHistoryEntry) {
  Show(kAdvancePage);
  const model::ParameterImage start = editor.image();
  const MapSelection block{0, 0, 4, 6};
  const SelectionRequest requests[] = {{Op::kSet, block, 20},
                                       {Op::kAdd, block, 3},
                                       {Op::kScale, block, 90},
                                       {Op::kInterpolateH, {2, 0, 2, 14}},
                                       {Op::kSmooth, MapSelection::WholeMap()},
                                       {Op::kFill, block, 0, 9, 14}};
  int changed = 0;
  for (const SelectionRequest& r : requests)
    changed += ApplySelection(pages, values, r).change.changed;
  EXPECT_EQ(changed, 6);
  EXPECT_EQ(HistorySteps(), 6);
  EXPECT_EQ(editor.image(), start);
  // An operation that changes nothing leaves no entry.
  ApplySelection(pages, values, {Op::kAdd, block, 0});
  EXPECT_FALSE(editor.CanUndo());
}

TEST_F(SelectionEditTest, CoupledModeMovesMap2ABySameAmount) {
  SetJetMode(pages, values, kJetModeCoupled);
  Show(kInj1APage);
  editor.ResetHistory();
  editor.PercentFromTimes(InjectionMap::k2A);
  const auto view2 = editor.percent_view(InjectionMap::k2A);
  const auto view1 = editor.percent_view(InjectionMap::k1A);
  const MapSelection block{3, 5, 6, 9};
  const SelectionEditResult r = ApplySelection(pages, values, {Op::kAdd, block, 12});
  EXPECT_TRUE(r.change.changed);
  EXPECT_TRUE(r.limited.empty());
  editor.PercentFromTimes(InjectionMap::k2A);
  for (int j = 0; j < 10; ++j)
    for (int i = 0; i < 15; ++i) {
      const auto k = static_cast<std::size_t>(model::MapElement(j, i));
      const int d = block.Contains(j, i) ? 12 : 0;
      ASSERT_EQ(editor.percent_view(InjectionMap::k1A)[k], view1[k] + d) << k;
      ASSERT_EQ(editor.percent_view(InjectionMap::k2A)[k], view2[k] + d) << k;
    }
  EXPECT_EQ(HistorySteps(), 1);
  // Map 2A follows and is not edited by hand.
  Show(kInj2APage);
  const model::ParameterImage now = editor.image();
  EXPECT_FALSE(CanEditMap(editor));
  EXPECT_TRUE(ApplySelection(pages, values, {Op::kSet, block, 1}).refused);
  EXPECT_EQ(editor.image(), now);
}

TEST_F(SelectionEditTest, PasteLandsAtTheCursorAndMillisecondsBecomePercent) {
  SetJetMode(pages, values, kJetModeSeparate);
  Show(kInj2APage);
  editor.ResetHistory();
  const PastePlan plan = PlanPaste("101\t102,5\n103\t104\n", 4, 6);
  ASSERT_EQ(plan.problem, PasteProblem::kNone);
  const SelectionEditResult r = ApplyPaste(pages, values, plan, false);
  EXPECT_TRUE(r.change.changed);
  EXPECT_EQ(Cell(4, 6), 101);
  EXPECT_EQ(Cell(4, 7), 103);  // 102.5 rounds up
  EXPECT_EQ(Cell(5, 6), 103);
  EXPECT_EQ(Cell(5, 7), 104);
  EXPECT_EQ(HistorySteps(), 1);

  // In the "Ms" view the block holds times: twice the base time is 200 %.
  Show(kInj2APage);
  const int base =
      editor.base_map(InjectionMap::k2A)[static_cast<std::size_t>(model::MapElement(0, 0))];
  const std::string ms = std::to_string(base * 2 / 1000) + "." + [&] {
    std::string f = std::to_string(base * 2 % 1000);
    return std::string(3 - f.size(), '0') + f;
  }();
  ApplyPaste(pages, values, PlanPaste(ms, 0, 0), true);
  EXPECT_EQ(Cell(0, 0), 200);
  EXPECT_EQ(Stored(FieldId::kJet2A, 0), base * 2);
}

TEST_F(SelectionEditTest, WholeMapWithAxesPastesTheRpmAxisToo) {
  Show(kAdvancePage);
  ShownMap shown;
  for (int i = 0; i < 15; ++i)
    shown.rpm[static_cast<std::size_t>(i)] = std::to_string(1000 + 500 * i);
  for (int k = 0; k < 150; ++k) shown.cells[static_cast<std::size_t>(k)] = std::to_string(k % 41);
  const PastePlan plan = PlanPaste(CopyText(shown, MapSelection::WholeMap()), 7, 7);
  ASSERT_EQ(plan.problem, PasteProblem::kNone);
  ApplyPaste(pages, values, plan, false);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(values.Number(GridRpmName(i)), 1000 + 500 * i);
  for (int k = 0; k < 150; ++k) ASSERT_EQ(Stored(FieldId::kAdvance, k), k % 41) << k;
}

}  // namespace
}  // namespace morvek::pages
