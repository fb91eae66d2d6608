#include "pages/pending_pages.h"

#include <gtest/gtest.h>

#include <functional>

#include "i18n/own_texts.h"
#include "model/field_table.h"
#include "model/note_area.h"

namespace morvek::pages {
namespace {

using F = model::FieldId;

TEST(PendingPages, SaysWhatTheControllerDoesNotHoldInTheTabsWords) {
  struct Case {
    const char* what;
    bool controller_known;
    std::function<void(model::Editor&)> edit;
    i18n::Language language;
    const char* text;
  } cases[] = {
      {"known, nothing changed", true, [](model::Editor&) {}, i18n::Language::kEnglish, ""},
      {"not known since start", false, [](model::Editor&) {}, i18n::Language::kEnglish,
       "Not verified since start"},
      {"a fan setting", true,
       [](model::Editor& e) { model::SetStored(e.image(), F::kFanFan1, 0, 91); },
       i18n::Language::kEnglish, "Not programmed: Bike"},
      {"the note lives on the bike tab", true,
       [](model::Editor& e) { model::SetNoteLines(e.image(), {"new note"}); },
       i18n::Language::kEnglish, "Not programmed: Bike"},
      {"two maps, tab order", true,
       [](model::Editor& e) {
         model::SetStored(e.image(), F::kJet1A, 5, model::Stored(e.image(), F::kJet1A, 5) + 1);
         model::SetStored(e.image(), F::kAdvance, 5, model::Stored(e.image(), F::kAdvance, 5) + 1);
       },
       i18n::Language::kEnglish, "Not programmed: Advance, Inj. 1"},
      {"not known and changed", false,
       [](model::Editor& e) { model::SetStored(e.image(), F::kFanFan1, 0, 91); },
       i18n::Language::kGerman, "Seit dem Start nicht geprüft; Nicht programmiert: "},
      {"Czech", false, [](model::Editor&) {}, i18n::Language::kCzech, "Od spuštění neověřeno"},
      {"French", false, [](model::Editor&) {}, i18n::Language::kFrench,
       "Non vérifié depuis le démarrage"},
  };
  for (const Case& c : cases) {
    model::Editor editor;
    editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
    editor.ResetHistory();
    if (c.controller_known) editor.controller().ConfirmAll(editor.image());
    c.edit(editor);
    editor.RecordHistory();
    const std::string text = PendingPagesText(editor, c.language);
    // The German tab caption is the page table's; the test checks the start of the list.
    if (std::string_view(c.text).ends_with(": "))
      EXPECT_TRUE(text.starts_with(c.text) && text.size() > std::string_view(c.text).size())
          << c.what << ": " << text;
    else
      EXPECT_EQ(text, c.text) << c.what;
  }
}

TEST(PendingPages, UndoBackToTheControllersImageClearsTheList) {
  model::Editor editor;
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  editor.ResetHistory();
  editor.controller().ConfirmAll(editor.image());
  model::SetStored(editor.image(), F::kFanFan1, 0, 91);
  editor.RecordHistory();
  ASSERT_FALSE(PendingPagesText(editor, i18n::Language::kEnglish).empty());
  editor.Undo();
  EXPECT_EQ(PendingPagesText(editor, i18n::Language::kEnglish), "");
}

TEST(OwnTexts, CompareLineTakesTheNounsFormForTheCount) {
  struct Case {
    int count;
    i18n::Language language;
    const char* text;
  } cases[] = {
      {0, i18n::Language::kEnglish, "Compare: 0 differences"},
      {1, i18n::Language::kEnglish, "Compare: 1 difference"},
      {3, i18n::Language::kEnglish, "Compare: 3 differences"},
      {1, i18n::Language::kCzech, "Porovnání: 1 rozdíl"},
      {4, i18n::Language::kCzech, "Porovnání: 4 rozdíly"},
      {5, i18n::Language::kCzech, "Porovnání: 5 rozdílů"},
      {12, i18n::Language::kGerman, "Vergleich: 12 Unterschiede"},
      {2, i18n::Language::kFrench, "Comparaison : 2 différences"},
  };
  for (const Case& c : cases) EXPECT_EQ(i18n::CompareLineText(c.count, c.language), c.text);
}

TEST(OwnTexts, EveryTextInEveryLanguage) {
  for (int id = 0; id < static_cast<int>(i18n::OwnText::kCount); ++id) {
    for (int l = 0; l < i18n::kLanguageCount; ++l) {
      const auto text = i18n::Text(static_cast<i18n::OwnText>(id), static_cast<i18n::Language>(l));
      EXPECT_FALSE(text.empty()) << id << " " << l;
      // A language that falls back to English is a forgotten translation.
      if (l != 0) {
        EXPECT_NE(text, i18n::Text(static_cast<i18n::OwnText>(id), i18n::Language::kEnglish))
            << id << " " << l;
      }
    }
  }
}

}  // namespace
}  // namespace morvek::pages
