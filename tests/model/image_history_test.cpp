#include <gtest/gtest.h>

#include "model/editor.h"
#include "model/field_table.h"

namespace morvek::model {
namespace {

class HistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor.ApplyDefaults(DefaultsScope::kWholeImage);
    editor.ResetHistory();
  }
  // One recorded change: byte b set to value on the active page.
  bool Change(int b, int value) {
    editor.image().SetByte(b, static_cast<std::uint8_t>(value));
    return editor.RecordHistory();
  }
  Editor editor;
};

TEST_F(HistoryTest, StartsWithNothingToUndoOrRedo) {
  EXPECT_FALSE(editor.CanUndo());
  EXPECT_FALSE(editor.CanRedo());
  EXPECT_FALSE(editor.Undo().restored);
}

TEST_F(HistoryTest, RingKeeps199Undos) {
  for (int i = 1; i <= 250; ++i) ASSERT_TRUE(Change(700, i % 256 == 0 ? 1 : i % 256));
  int undos = 0;
  while (editor.Undo().restored) ++undos;
  EXPECT_EQ(undos, 199);
  EXPECT_FALSE(editor.CanUndo());
  // The oldest restorable state is change 51.
  EXPECT_EQ(editor.image().Byte(700), 51);
  int redos = 0;
  while (editor.Redo().restored) ++redos;
  EXPECT_EQ(redos, 199);
  EXPECT_EQ(editor.image().Byte(700), 250);
}

TEST_F(HistoryTest, NoChangeRecordsNothingAndKeepsRedo) {
  Change(10, 5);
  editor.Undo();
  EXPECT_TRUE(editor.CanRedo());
  EXPECT_FALSE(editor.RecordHistory());
  EXPECT_TRUE(editor.CanRedo());
}

TEST_F(HistoryTest, AnEditAfterUndoDropsRedo) {
  Change(10, 5);
  Change(10, 6);
  editor.Undo();
  ASSERT_TRUE(editor.CanRedo());
  Change(11, 9);
  EXPECT_FALSE(editor.CanRedo());
  EXPECT_FALSE(editor.Redo().restored);
  EXPECT_EQ(editor.image().Byte(10), 5);
}

TEST_F(HistoryTest, RecordingMarksTheChangedDevicePages) {
  editor.program_flags().ClearAll();
  editor.image().SetByte(149, 1);
  editor.image().SetByte(1004, 1);
  editor.RecordHistory();
  for (int p = 0; p < kDevicePageCount; ++p)
    EXPECT_EQ(editor.program_flags().Test(p), p == 1 || p == 7) << p;
}

TEST_F(HistoryTest, ChangesOutsideTheHistoryAreRecordedWithTheNextOne) {
  editor.image().SetByte(300, 42);  // e.g. a controller read
  editor.program_flags().ClearAll();
  Change(1300, 1);
  EXPECT_TRUE(editor.program_flags().Test(3));
  EXPECT_TRUE(editor.program_flags().Test(9));
  editor.Undo();
  EXPECT_NE(editor.image().Byte(300), 42);
}

TEST_F(HistoryTest, UndoSwitchesToThePageOfTheChange) {
  editor.set_active_page(9);  // Gear
  Change(300, 3);
  editor.set_active_page(12);  // Monitor
  Change(700, 3);
  // Undo back to the state recorded with the Gear page change switches to the Gear page.
  HistoryStep step = editor.Undo();
  EXPECT_TRUE(step.switch_page);
  EXPECT_EQ(step.page, 9);
  EXPECT_EQ(editor.active_page(), 9);
  step = editor.Undo();
  EXPECT_EQ(step.page, 0);
  step = editor.Redo();
  EXPECT_EQ(step.page, 9);
  EXPECT_TRUE(step.switch_page);
  step = editor.Redo();
  EXPECT_EQ(step.page, 12);
  EXPECT_EQ(editor.image().Byte(700), 3);
}

TEST_F(HistoryTest, ProgrammingAfterChange) {
  struct Case {
    bool program_after_change, autotune, record_programs, undo_programs;
  } cases[] = {
      {false, false, false, false},
      {true, false, true, true},
      {true, true, false, true},  // recording respects autotune, restoring does not
  };
  for (const Case& c : cases) {
    editor.program_after_change = c.program_after_change;
    editor.autotune_on = c.autotune;
    bool start = false;
    editor.image().SetByte(500, static_cast<std::uint8_t>(editor.image().Byte(500) + 1));
    EXPECT_TRUE(editor.RecordHistory(&start));
    EXPECT_EQ(start, c.record_programs);
    EXPECT_FALSE(editor.RecordHistory(&start));
    EXPECT_FALSE(start) << "nothing changed, nothing to program";
    EXPECT_EQ(editor.Undo().start_programming, c.undo_programs);
    editor.Redo();
  }
}

TEST_F(HistoryTest, UndoKeepsPercentViewsCurrent) {
  const int before = editor.percent_view(InjectionMap::k1A)[5];
  SetStored(editor.image(), FieldId::kJet1A, 5, 2 * Stored(editor.image(), FieldId::kJet1A, 5));
  editor.ImageChanged();
  editor.RecordHistory();
  EXPECT_EQ(editor.percent_view(InjectionMap::k1A)[5], 2 * before);
  editor.Undo();
  EXPECT_EQ(editor.percent_view(InjectionMap::k1A)[5], before);
}

}  // namespace
}  // namespace morvek::model
