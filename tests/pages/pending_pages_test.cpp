#include "pages/pending_pages.h"

#include <gtest/gtest.h>

#include "i18n/own_texts.h"

namespace morvek::pages {
namespace {

TEST(PendingPages, NamesThePagesChangedAndNotProgrammed) {
  struct Case {
    std::vector<int> flagged;
    i18n::Language language;
    const char* text;
  } cases[] = {
      {{}, i18n::Language::kEnglish, ""},
      {{0}, i18n::Language::kEnglish, ""},  // the identification page is not edited
      {{1}, i18n::Language::kEnglish, "Not programmed: page 1"},
      {{2, 7, 9}, i18n::Language::kEnglish, "Not programmed: page 2, 7, 9"},
      {{5}, i18n::Language::kGerman, "Nicht programmiert: Seite 5"},
      {{8}, i18n::Language::kCzech, "Nenaprogramováno: stránka 8"},
  };
  for (const Case& c : cases) {
    model::PageProgramFlags flags;
    for (int p : c.flagged) flags.Set(p);
    EXPECT_EQ(PendingPagesText(flags, c.language), c.text);
  }
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
