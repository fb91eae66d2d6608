#include "pages/tune_diff.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/field_table.h"
#include "model/note_area.h"
#include "pages/page_catalog.h"
#include "pages/page_commands.h"

namespace morvek::pages {
namespace {

using model::FieldId;

model::ParameterImage Defaults() {
  model::Editor editor;
  model::SetStored(editor.image(), FieldId::kBike, 0);
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  return editor.image();
}

std::vector<std::string> Names(const std::vector<DiffEntry>& entries) {
  std::vector<std::string> names;
  for (const DiffEntry& e : entries) names.push_back(e.name);
  return names;
}

TEST(TuneDiff, ThreeChangedFieldsAreListedWithPageControlValuesAndUnit) {
  const model::ParameterImage a = Defaults();
  model::ParameterImage b = a;
  // Byte 29, byte 450 + 52 and word 450 + 52 (bytes 1004/1005, controller page 7).
  b.SetByte(29, static_cast<std::uint8_t>(a.Byte(29) + 3));
  b.SetByte(502, static_cast<std::uint8_t>(a.Byte(502) + 1));
  b.SetWord(502, static_cast<std::uint16_t>(a.Word(502) + 300));
  const std::vector<DiffEntry> d = DiffImages(a, b);
  ASSERT_EQ(d.size(), 3u);

  struct Expected {
    const char* name;
    int page;
    const char* control;
    int device_page;
    std::string left, right;
    std::string_view unit;
  };
  const Expected expected[] = {
      {"LIMITER.ignition", 0, "UpDownIgnLimiter", 1, std::to_string(a.Byte(29) * 100),
       std::to_string((a.Byte(29) + 3) * 100), "rpm"},
      {"ADVANCE[52]", 1, "UpDown_Uni_3_7", 4, std::to_string(a.Byte(502)),
       std::to_string(a.Byte(502) + 1), "°"},
      {"JET_2A[52]", 3, "UpDown_Uni_3_7", 7, std::to_string(a.Word(502)),
       std::to_string(a.Word(502) + 300), "µs"},
  };
  for (std::size_t k = 0; k < 3; ++k) {
    SCOPED_TRACE(expected[k].name);
    EXPECT_EQ(d[k].name, expected[k].name);
    EXPECT_EQ(d[k].page, expected[k].page);
    EXPECT_EQ(d[k].control, expected[k].control);
    EXPECT_EQ(d[k].device_page, expected[k].device_page);
    EXPECT_EQ(d[k].left, expected[k].left);
    EXPECT_EQ(d[k].right, expected[k].right);
    EXPECT_EQ(d[k].unit, expected[k].unit);
  }
  EXPECT_EQ(PageName(3, i18n::Language::kEnglish), "Inj. 2");
  EXPECT_EQ(PageName(10, i18n::Language::kGerman), "Rennen");
}

TEST(TuneDiff, WhatCountsAsADifference) {
  const model::ParameterImage base = Defaults();
  struct Case {
    const char* what;
    void (*change)(model::ParameterImage&);
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"nothing", [](model::ParameterImage&) {}, {}},
      {"byte 1 is the controller's own", [](model::ParameterImage& i) { i.SetByte(1, 77); }, {}},
      {"the high byte of a word alone",
       [](model::ParameterImage& i) { i.SetByte(2 * 186 + 1, 9); },
       {"IDLE.start"}},
      {"a reserved byte", [](model::ParameterImage& i) { i.SetByte(191, 1); }, {"byte 191"}},
      {"two lines of note",
       [](model::ParameterImage& i) {
         model::SetNoteLines(i, {"new", "tune"});
       },
       {"MEMO"}},
      {"a rising rpm point and the note",
       [](model::ParameterImage& i) {
         i.SetByte(405 + 14, 251);
         i.SetByte(1349 - 1, 'x');
       },
       {"RPM_ADV[14]", "MEMO"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    model::ParameterImage other = base;
    c.change(other);
    EXPECT_EQ(Names(DiffImages(base, other)), c.names);
    EXPECT_EQ(Names(DiffImages(other, base)), c.names);
  }
}

TEST(TuneDiff, ValuesThatShowAlikeSayWhatIsStoredAndTheNoteShowsItsLines) {
  model::ParameterImage a = Defaults();
  model::ParameterImage b = a;
  a.SetByte(23, 1);  // BLOCK_ENABLE, a flag: any non-zero byte is "set"
  b.SetByte(23, 2);
  model::SetNoteLines(b, {"ride", "home"});
  const std::vector<DiffEntry> d = DiffImages(a, b);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].name, "BLOCK_ENABLE");
  EXPECT_EQ(d[0].left, "1 (stored 1)");
  EXPECT_EQ(d[0].right, "1 (stored 2)");
  EXPECT_EQ(d[1].control, "Memo1");
  EXPECT_TRUE(d[1].text);
  EXPECT_EQ(d[1].right, "ride | home");
  EXPECT_EQ(d[1].device_page, 9);
}

TEST(TuneDiff, OnePageOnlyListsTheFieldsOfThatControllerPage) {
  const model::ParameterImage a = Defaults();
  model::ParameterImage b = a;
  b.SetByte(29, static_cast<std::uint8_t>(a.Byte(29) + 1));      // page 1
  b.SetWord(502, static_cast<std::uint16_t>(a.Word(502) + 1));   // page 7
  b.SetByte(1000, static_cast<std::uint8_t>(a.Byte(1000) + 1));  // word 500, page 7
  EXPECT_EQ(Names(DiffImages(a, b, 7)), (std::vector<std::string>{"JET_2A[50]", "JET_2A[52]"}));
  EXPECT_EQ(Names(DiffImages(a, b, 1)), (std::vector<std::string>{"LIMITER.ignition"}));
  EXPECT_TRUE(DiffImages(a, b, 5).empty());
}

// Every element of every field: a change there is one entry, and the control it names shows
// exactly that element on the page it names, so double-clicking it lands on the right control.
TEST(TuneDiff, EveryElementLeadsToTheControlThatShowsIt) {
  const model::ParameterImage a = Defaults();
  std::vector<std::string> without_control;
  for (const model::Field& f : model::FieldTable()) {
    if (f.encoding == model::Encoding::kText) continue;
    for (int i = 0; i < f.count; ++i) {
      model::ParameterImage b = a;
      model::SetStored(b, f.id, i, model::Stored(a, f.id, i) ^ 1);
      const std::vector<DiffEntry> d = DiffImages(a, b);
      ASSERT_EQ(d.size(), 1u) << f.keyword << "." << f.member << "[" << i << "]";
      const DiffEntry& e = d[0];
      EXPECT_EQ(e.field, f.id);
      EXPECT_EQ(e.element, i);
      EXPECT_EQ(e.device_page, f.ByteOf(i) / 150 + 1);
      if (e.control.empty()) {
        without_control.push_back(e.name);
        EXPECT_EQ(e.page, f.page);
        continue;
      }
      const Control* c = FindControl(e.page, e.control);
      ASSERT_NE(c, nullptr) << e.name << " -> " << e.control;
      EXPECT_EQ(c->field, f.id) << e.name;
      EXPECT_EQ(c->element, i) << e.name;
      EXPECT_EQ(e.page, f.page) << e.name;
    }
  }
  // The injection-map mode is chosen from a menu, not a control of a page.
  EXPECT_EQ(without_control, (std::vector<std::string>{"JET1_MISC.mode"}));
}

class TakeOverTest : public ::testing::Test {
 protected:
  TakeOverTest() {
    editor.image() = Defaults();
    // Separate maps: the refresh must not renew map 2A from 1A.
    model::SetStored(editor.image(), FieldId::kJet1MiscMode, 0);
    editor.ImageChanged();
    editor.ApplyLimits();
    pages.RefreshActivePage(values);
    editor.ResetHistory();
    editor.program_flags().ClearAll();
  }
  model::Editor editor;
  PageEditor pages{editor};
  PageValues values;
};

TEST_F(TakeOverTest, ChosenDifferencesBecomeOneUndoableEdit) {
  const model::ParameterImage before = editor.image();
  model::ParameterImage other = before;
  model::SetShown(other, FieldId::kLimiterIgnition, 9000);
  model::SetShown(other, FieldId::kFanFan2, 101);
  model::SetStored(other, FieldId::kJet2A, 52, 4321);
  model::SetNoteLines(other, {"from the other tune"});
  const std::vector<DiffEntry> d = DiffImages(before, other);
  ASSERT_EQ(Names(d),
            (std::vector<std::string>{"LIMITER.ignition", "FAN.fan2", "JET_2A[52]", "MEMO"}));
  const std::vector<DiffEntry> chosen = {d[0], d[2], d[3]};
  const ChangeResult r = TakeOver(pages, values, other, chosen);
  EXPECT_TRUE(r.changed);

  EXPECT_EQ(model::Shown(editor.image(), FieldId::kLimiterIgnition), 9000);
  EXPECT_EQ(model::Stored(editor.image(), FieldId::kJet2A, 52), 4321);
  EXPECT_EQ(model::NoteLines(editor.image()), (std::vector<std::string>{"from the other tune"}));
  EXPECT_EQ(model::Stored(editor.image(), FieldId::kFanFan2),
            model::Stored(before, FieldId::kFanFan2));
  EXPECT_EQ(Names(DiffImages(editor.image(), other)), (std::vector<std::string>{"FAN.fan2"}));
  for (int p = 1; p <= 9; ++p)
    EXPECT_EQ(editor.program_flags().Test(p), p == 1 || p == 7 || p == 9) << p;
  // The page on screen shows what was taken over.
  EXPECT_EQ(values.Number("UpDownIgnLimiter"), 9000);

  Undo(pages, values);
  EXPECT_EQ(editor.image(), before);
}

TEST_F(TakeOverTest, NothingChosenRecordsNothing) {
  model::ParameterImage other = editor.image();
  model::SetShown(other, FieldId::kFanFan1, 99);
  EXPECT_FALSE(TakeOver(pages, values, other, {}).changed);
  EXPECT_FALSE(editor.CanUndo());
}

}  // namespace
}  // namespace morvek::pages
