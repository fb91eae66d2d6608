#include "files/code_page.h"

#include <gtest/gtest.h>

namespace morvek::files {
namespace {

TEST(CodePage, EveryByteSurvivesTheRoundTripThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (CodePage page : {CodePage::kWindows1250, CodePage::kWindows1252}) {
    bool lossless = false;
    EXPECT_EQ(FromUtf8(ToUtf8(all, page), page, &lossless), all);
    EXPECT_TRUE(lossless);
  }
}

TEST(CodePage, KnownCharacters) {
  struct Case {
    CodePage page;
    std::string bytes;
    std::string utf8;
  } cases[] = {
      // "Příliš žluťoučký kůň" in Windows-1250.
      {CodePage::kWindows1250, "P\xF8\xED\x6C\x69\x9A \x9Elu\x9Do\x75\xE8k\xFD k\xF9\xF2",
       "P\xC5\x99\xC3\xADli\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88"},
      {CodePage::kWindows1252, "Gr\xFC\xDF \x80 \xE9", "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xC3\xA9"},
      // Bytes the code page leaves undefined map to the C1 controls of the same value.
      {CodePage::kWindows1252, "\x81\x8D", "\xC2\x81\xC2\x8D"},
      {CodePage::kWindows1250, "\x98", "\xC2\x98"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToUtf8(c.bytes, c.page), c.utf8);
    EXPECT_EQ(FromUtf8(c.utf8, c.page), c.bytes);
  }
}

TEST(CodePage, UnrepresentableAndMalformedBecomeQuestionMarks) {
  bool lossless = true;
  // U+0159 (r with caron) exists in 1250 only; a lone continuation byte is malformed.
  EXPECT_EQ(FromUtf8("a\xC5\x99"
                     "b\x80"
                     "c",
                     CodePage::kWindows1252, &lossless),
            "a?b?c");
  EXPECT_FALSE(lossless);
  EXPECT_EQ(FromUtf8("\xC5\x99", CodePage::kWindows1250, &lossless), "\xF8");
  EXPECT_TRUE(lossless);
  EXPECT_EQ(FromUtf8("\xE2\x82", CodePage::kWindows1250), "??");  // cut short
}

TEST(CodePage, CzechUses1250) {
  EXPECT_EQ(CodePageForLanguage(i18n::Language::kCzech), CodePage::kWindows1250);
  EXPECT_EQ(CodePageForLanguage(i18n::Language::kGerman), CodePage::kWindows1252);
}

}  // namespace
}  // namespace morvek::files
