#include <gtest/gtest.h>

#include "model/editor.h"
#include "model/field_table.h"

namespace morvek::model {
namespace {

// The history around what the controller sends and confirms.
class ControllerHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor.ApplyDefaults(DefaultsScope::kWholeImage);
    editor.ResetHistory();
  }
  bool Edit(FieldId id, int element, int value) {
    SetStored(editor.image(), id, element, value);
    return editor.RecordHistory();
  }
  // The controller replaced image bytes, as a read or an autotune cycle does.
  void ControllerWrites(FieldId id, int element, int value) {
    SetStored(editor.image(), id, element, value);
    editor.controller().Confirm(editor.image(), DevicePageOf(id, element));
    editor.NoteControllerChange();
  }
  static int DevicePageOf(FieldId id, int element) {
    return ParameterImage::DevicePageOfByte(GetField(id).ByteOf(element));
  }
  Editor editor;
};

TEST_F(ControllerHistoryTest, ControllerChangeIsAnEntryOfItsOwnBeforeTheNextEdit) {
  const int tuned = Stored(editor.image(), FieldId::kJet1A, 20) + 7;
  ControllerWrites(FieldId::kJet1A, 20, tuned);
  ASSERT_TRUE(Edit(FieldId::kFanFan1, 0, 90));
  // The undo takes back the edit only; the controller's value stays.
  ASSERT_TRUE(editor.Undo().restored);
  EXPECT_EQ(Stored(editor.image(), FieldId::kJet1A, 20), tuned);
  EXPECT_NE(Stored(editor.image(), FieldId::kFanFan1), 90);
  // One more step goes back over the controller's change.
  ASSERT_TRUE(editor.Undo().restored);
  EXPECT_EQ(Stored(editor.image(), FieldId::kJet1A, 20), tuned - 7);
  EXPECT_FALSE(editor.CanUndo());
}

TEST_F(ControllerHistoryTest, UndoAndRedoTakeAPendingControllerChangeInFirst) {
  ASSERT_TRUE(Edit(FieldId::kFanFan1, 0, 90));
  ControllerWrites(FieldId::kJet1A, 3, 444);
  // Undo steps back over the controller's change, not over it and the edit together.
  ASSERT_TRUE(editor.Undo().restored);
  EXPECT_EQ(Stored(editor.image(), FieldId::kFanFan1), 90);
  EXPECT_NE(Stored(editor.image(), FieldId::kJet1A, 3), 444);
  ASSERT_TRUE(editor.Redo().restored);
  EXPECT_EQ(Stored(editor.image(), FieldId::kJet1A, 3), 444);
  EXPECT_FALSE(editor.CanRedo());
}

TEST_F(ControllerHistoryTest, ARecordedControllerChangeMarksNothingToProgram) {
  ControllerWrites(FieldId::kJet1A, 3, 444);
  EXPECT_TRUE(editor.RecordControllerChange());
  EXPECT_FALSE(editor.RecordControllerChange());  // recorded once
  EXPECT_TRUE(editor.CanUndo());
  EXPECT_FALSE(editor.program_flags().Any());
}

TEST_F(ControllerHistoryTest, FlagsOfKnownPagesFollowTheControllersCopy) {
  editor.controller().ConfirmAll(editor.image());
  ASSERT_TRUE(editor.controller().AllKnown());
  const int page = DevicePageOf(FieldId::kFanFan1, 0);
  ASSERT_TRUE(Edit(FieldId::kFanFan1, 0, 90));
  EXPECT_TRUE(editor.program_flags().Test(page));
  // Back to what the controller holds: nothing left to program.
  ASSERT_TRUE(editor.Undo().changed);
  EXPECT_FALSE(editor.program_flags().Any());
  ASSERT_TRUE(editor.Redo().changed);
  EXPECT_TRUE(editor.program_flags().Test(page));
  // Edited back by hand to the controller's value: nothing to program either.
  SetStored(editor.image(), FieldId::kFanFan1, 0,
            Stored(editor.controller().image(), FieldId::kFanFan1));
  ASSERT_TRUE(editor.RecordHistory());
  EXPECT_FALSE(editor.program_flags().Any());
}

TEST_F(ControllerHistoryTest, PagesNotKnownStayFlaggedOnceChanged) {
  const int page = DevicePageOf(FieldId::kFanFan1, 0);
  ASSERT_TRUE(Edit(FieldId::kFanFan1, 0, 90));
  ASSERT_TRUE(editor.Undo().changed);
  // The controller may hold anything there: the page is still to be programmed.
  EXPECT_TRUE(editor.program_flags().Test(page));
  EXPECT_FALSE(editor.controller().AllKnown());
  editor.controller().Confirm(editor.image(), page);
  editor.SettleProgramFlags();
  EXPECT_FALSE(editor.program_flags().Test(page));
}

TEST_F(ControllerHistoryTest, ForgettingKeepsFlagsAndNeedsEveryPageAgain) {
  editor.controller().ConfirmAll(editor.image());
  ASSERT_TRUE(Edit(FieldId::kFanFan1, 0, 90));
  editor.controller().Forget();
  EXPECT_FALSE(editor.controller().AllKnown());
  EXPECT_TRUE(editor.program_flags().Test(DevicePageOf(FieldId::kFanFan1, 0)));
  for (int p = kFirstImagePage; p < kLastImagePage; ++p)
    editor.controller().Confirm(editor.image(), p);
  EXPECT_FALSE(editor.controller().AllKnown());
  editor.controller().Confirm(editor.image(), kLastImagePage);
  EXPECT_TRUE(editor.controller().AllKnown());
  // Page 0 and pages past the image are not image pages.
  editor.controller().Forget();
  editor.controller().Confirm(editor.image(), 0);
  editor.controller().Confirm(editor.image(), 10);
  EXPECT_FALSE(editor.controller().Known(0));
}

}  // namespace
}  // namespace morvek::model
