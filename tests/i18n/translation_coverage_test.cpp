// A German, French or Czech text that is merely the English one is a forgotten translation,
// unless the program has always shown the English text there or the word is the same in that
// language. Those places are listed here one by one.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "i18n/text_table.h"
#include "i18n/window_text.h"

namespace morvek::i18n {
namespace {

constexpr Language kEn = Language::kEnglish;
constexpr Language kDe = Language::kGerman;
constexpr Language kFr = Language::kFrench;
constexpr Language kCz = Language::kCzech;
constexpr Language kOthers[] = {kDe, kFr, kCz};

enum class Kind { kText, kCaption, kHint, kItems, kPlaceholder };

struct Place {
  Kind kind;
  std::string key;  // control name, or the entry number for the text table
  Language language;
  bool operator<(const Place& o) const {
    return std::tie(kind, key, language) < std::tie(o.kind, o.key, o.language);
  }
};

std::string Entry(TextId id) { return std::to_string(static_cast<int>(id)); }

const std::set<Place>& AllowedSameAsEnglish() {
  static const std::set<Place> allowed = {
      // The program name.
      {Kind::kText, Entry(TextId::TxtTitlePrefix), kDe},
      {Kind::kText, Entry(TextId::TxtTitlePrefix), kFr},
      {Kind::kText, Entry(TextId::TxtTitlePrefix), kCz},
      // The tuning mark and a symbol: "T: " is the French mark too.
      {Kind::kText, Entry(TextId::TuneMsgRpmZero), kFr},
      // Same word in that language.
      {Kind::kCaption, "CheckBoxAktRpm", kDe},
      {Kind::kCaption, "LabelPolohaA_2", kFr},
      {Kind::kCaption, "LabelPolohaA_2b", kFr},
      // The air temperature sensor input, by its symbol.
      {Kind::kItems, "RadioGroupPinEngine14", kDe},
      {Kind::kItems, "RadioGroupPinEngine14", kFr},
      {Kind::kItems, "RadioGroupPinEngine14", kCz},
      {Kind::kText, Entry(TextId::TuneMsgOk), kFr},
      {Kind::kText, Entry(TextId::TxtPosition), kFr},
      {Kind::kText, Entry(TextId::TxtTachoLambda), kDe},
      {Kind::kPlaceholder, "LabelMon_PolohaA", kFr},
      {Kind::kCaption, "TabSheet_Poloha", kFr},
      {Kind::kCaption, "TabSheet_Korekce", kFr},
      {Kind::kCaption, "LabelRpmKorekce", kFr},
      {Kind::kCaption, "LabelVzduch1", kFr},
      {Kind::kCaption, "TabSheet_Inj1A", kFr},
      {Kind::kCaption, "TabSheet_Inj2A", kFr},
      {Kind::kCaption, "GroupBoxRetard", kFr},
      {Kind::kCaption, "LabelRetardLimiterAdv", kFr},
      {Kind::kCaption, "GroupBoxMonInj", kFr},
      // Symbols and names.
      {Kind::kCaption, "TabSheet_Gas", kDe},
      {Kind::kCaption, "TabSheet_Gas", kFr},
      {Kind::kCaption, "TabSheet_Gas", kCz},
      {Kind::kCaption, "GroupBoxGas", kDe},
      {Kind::kCaption, "GroupBoxGas", kFr},
      {Kind::kCaption, "GroupBoxGas", kCz},
      {Kind::kCaption, "LabelLadeniLambda", kDe},
      {Kind::kCaption, "LabelLadeniLambda", kFr},
      {Kind::kCaption, "LabelLadeniLambda", kCz},
      {Kind::kCaption, "MenuCom", kDe},
      {Kind::kCaption, "MenuCom", kFr},
      {Kind::kCaption, "MenuCom", kCz},
      {Kind::kCaption, "LabelExit", kDe},
      {Kind::kCaption, "LabelExit", kFr},
      {Kind::kCaption, "LabelExit", kCz},
  };
  return allowed;
}

// Every place whose text equals the English one, over all kinds of texts.
std::set<Place> PlacesSameAsEnglish() {
  std::set<Place> same;
  for (int n = 0; n < kTextTableSize; ++n) {
    const auto id = static_cast<TextId>(n);
    if (Text(id, kEn).empty()) continue;
    for (Language l : kOthers) {
      if (Text(id, l) == Text(id, kEn)) same.insert({Kind::kText, std::to_string(n), l});
    }
  }
  for (CaptionGroup g : kCaptionGroups) {
    for (std::string_view key : CaptionKeys(g)) {
      for (Language l : kOthers) {
        if (Caption(key, l) == Caption(key, kEn))
          same.insert({Kind::kCaption, std::string(key), l});
      }
    }
  }
  for (std::string_view key : HintKeys()) {
    for (Language l : kOthers) {
      // A hint half left in English is as much a forgotten translation as a whole one.
      const std::string_view hint = Hint(key, l), english = Hint(key, kEn);
      if (ShortHint(hint) == ShortHint(english) || LongHint(hint) == LongHint(english)) {
        same.insert({Kind::kHint, std::string(key), l});
      }
    }
  }
  for (std::string_view key : ItemKeys()) {
    const auto english = Items(key, kEn);
    for (Language l : kOthers) {
      const auto items = Items(key, l);
      for (std::size_t i = 0; i < items.size() && i < english.size(); ++i) {
        if (items[i] == english[i]) same.insert({Kind::kItems, std::string(key), l});
      }
    }
  }
  for (std::string_view key : PlaceholderKeys()) {
    if (Placeholder(key, kEn).empty()) continue;
    for (Language l : kOthers) {
      if (Placeholder(key, l) == Placeholder(key, kEn)) {
        same.insert({Kind::kPlaceholder, std::string(key), l});
      }
    }
  }
  return same;
}

std::string Describe(const Place& p) {
  static const char* kinds[] = {"text", "caption", "hint", "items", "placeholder"};
  static const char* langs[] = {"en", "de", "fr", "cz"};
  return std::string(kinds[static_cast<int>(p.kind)]) + " " + p.key + " " +
         langs[static_cast<int>(p.language)];
}

TEST(TranslationCoverage, NoTextIsAForgottenCopyOfTheEnglishOne) {
  const std::set<Place> same = PlacesSameAsEnglish();
  for (const Place& p : same) {
    EXPECT_TRUE(AllowedSameAsEnglish().count(p)) << "left in English: " << Describe(p);
  }
  // The list stays honest: each place on it really shows the English text.
  for (const Place& p : AllowedSameAsEnglish()) {
    EXPECT_TRUE(same.count(p)) << "translated after all, drop from the list: " << Describe(p);
  }
}

TEST(TranslationCoverage, EveryRadioGroupHasItemsOfItsOwnInFrench) {
  // French once showed most radio items in English; each group now has its own wording.
  for (std::string_view key : ItemKeys()) {
    const auto en = Items(key, kEn);
    const auto fr = Items(key, kFr);
    ASSERT_EQ(en.size(), fr.size()) << key;
    EXPECT_NE(std::vector<std::string_view>(en.begin(), en.end()),
              std::vector<std::string_view>(fr.begin(), fr.end()))
        << key;
  }
}

}  // namespace
}  // namespace morvek::i18n
