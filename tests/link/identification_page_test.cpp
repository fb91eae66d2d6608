#include "link/identification_page.h"

#include <gtest/gtest.h>

#include <cstring>

namespace morvek::link {
namespace {

IdentificationArea Page(const char* id, int number, int day, int month_code, int year, int hour,
                        int minute, int version) {
  IdentificationArea page{};
  std::memcpy(page.data(), id, 3);
  page[3] = static_cast<std::uint8_t>(number);
  page[4] = static_cast<std::uint8_t>(day);
  page[5] = static_cast<std::uint8_t>(month_code);
  page[6] = static_cast<std::uint8_t>(year);
  page[7] = static_cast<std::uint8_t>(hour);
  page[8] = static_cast<std::uint8_t>(minute);
  page[10] = static_cast<std::uint8_t>(version);
  return page;
}

TEST(IdentificationPage, Texts) {
  struct Case {
    int number, day, month_code, year, hour, minute;
    const char* identification;
    const char* date;
    const char* time;
  } cases[] = {
      {7, 5, 13, 9, 8, 5, "TRV07", " 5. 2.2009", "08:05"},
      {42, 31, 25, 8, 23, 59, "TRV42", "31. 1.2008", "23:59"},
      {99, 10, 12, 15, 0, 0, "TRV99", "10.12.2015", "00:00"},
      {0, 1, 77, 0, 12, 30, "TRV00", " 1.00.2000", "12:30"},  // unknown month code
  };
  for (const Case& c : cases) {
    const IdentificationTexts t = DecodeIdentificationPage(
        Page("TRV", c.number, c.day, c.month_code, c.year, c.hour, c.minute, 84));
    EXPECT_EQ(t.identification, c.identification);
    EXPECT_EQ(t.date, c.date);
    EXPECT_EQ(t.time, c.time);
    EXPECT_EQ(t.version, 84);
  }
}

TEST(IdentificationPage, EveryMonthCode) {
  const std::pair<int, const char*> months[] = {
      {25, " 1"}, {13, " 2"}, {32, " 3"}, {35, " 4"}, {39, " 5"}, {45, " 6"}, {43, " 7"},
      {29, " 8"}, {40, " 9"}, {38, "10"}, {51, "11"}, {12, "12"}, {0, "00"},  {255, "00"}};
  for (const auto& [code, text] : months)
    EXPECT_EQ(MonthText(static_cast<std::uint8_t>(code)), text) << code;
}

TEST(IdentificationPage, NameReplacesCharactersAndNumber) {
  IdentificationArea page = Page("TRV", 7, 1, 25, 10, 0, 0, 83);
  const char* name = "Race bike, left cylinder bank 2";  // 31 characters: cut at 30
  std::memcpy(page.data() + 16, name, 30);
  EXPECT_EQ(DecodeIdentificationPage(page).identification, "Race bike, left cylinder bank ");
  EXPECT_EQ(DecodeIdentificationPage(page).version, 83);

  page[16 + 5] = 0;  // the name ends at the first zero byte
  EXPECT_EQ(DecodeIdentificationPage(page).identification, "Race ");
}

TEST(IdentificationPage, CharactersStayTheControllersBytes) {
  // 0xE8 is c with caron in the Central European code page and e grave in the Western one:
  // only the window, knowing its language, can tell; a saved file carries the byte itself.
  IdentificationArea page = Page(
      "\xE8\x9A"
      "1",
      2, 1, 25, 10, 0, 0, 84);
  EXPECT_EQ(DecodeIdentificationPage(page).identification,
            "\xE8\x9A"
            "102");
  const char name[] = "Mot\xF6r \xA9";
  std::memcpy(page.data() + 16, name, sizeof name - 1);
  EXPECT_EQ(DecodeIdentificationPage(page).identification, name);
}

}  // namespace
}  // namespace morvek::link
