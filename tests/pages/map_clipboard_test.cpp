#include "pages/map_clipboard.h"

#include <gtest/gtest.h>

namespace morvek::pages {
namespace {

TEST(MapClipboardTest, CellNumbersFromSpreadsheets) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"12", 12.0},
      {" 12,5 ", 12.5},
      {"12.5", 12.5},
      {"-3", -3.0},
      {"+4", 4.0},
      {"110%", 110.0},
      {"\xC2\xA0"
       "7",
       7.0},
      {"1.234,5", std::nullopt},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"1e3", std::nullopt},
      {"12 5", std::nullopt},
      {"-", std::nullopt},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseCellNumber(text), expected) << text;
}

TEST(MapClipboardTest, CopyGivesTabsAndTheAxesOnlyForTheWholeMap) {
  ShownMap map;
  for (int i = 0; i < 15; ++i) map.rpm[static_cast<std::size_t>(i)] = std::to_string(100 * (i + 1));
  for (int k = 0; k < 150; ++k) map.cells[static_cast<std::size_t>(k)] = std::to_string(k);
  // The "Ms" texts carry a trailing space; a spreadsheet gets the number alone.
  map.cells[16] = "1.250 ";
  EXPECT_EQ(CopyText(map, {1, 1, 2, 3}), "1.250\t17\t18\n31\t32\t33\n");
  const std::string whole = CopyText(map, MapSelection::WholeMap());
  EXPECT_EQ(whole.substr(0, whole.find('\n')),
            "\t100\t200\t300\t400\t500\t600\t700\t800\t900\t1000\t1100\t1200\t1300\t1400\t1500");
  EXPECT_EQ(whole.substr(whole.rfind('\n', whole.size() - 2) + 1, 10), "100\t135\t13");
  EXPECT_EQ(CopyText(map, {}), "");
}

TEST(MapClipboardTest, PastedBlocksAreRefusedWithTheirPlace) {
  struct Case {
    const char* text;
    int row, column;  // cursor
    PasteProblem problem;
    int at_row, at_column;
  };
  const Case cases[] = {
      {"1\t2\n3\t4\n", 0, 0, PasteProblem::kNone, 0, 0},
      {"1;2,5\r\n3;4\r\n", 8, 13, PasteProblem::kNone, 0, 0},
      {"1\t2\t\n3\t4\t\n", 0, 13, PasteProblem::kNone, 0, 0},  // rows ending in a tab
      {"1\t2\n3\tx7\n", 0, 0, PasteProblem::kNotANumber, 2, 2},
      {"1\t\n3\t4\n", 0, 0, PasteProblem::kNotANumber, 1, 2},
      {"1\t2\n3\t4\n", 9, 0, PasteProblem::kDoesNotFit, 10, 1},
      {"1\t2\t3\n", 0, 13, PasteProblem::kDoesNotFit, 1, 14},
      {"1\t2\n3\n", 0, 0, PasteProblem::kRagged, 2, 1},
      {"\n\n", 0, 0, PasteProblem::kEmpty, 0, 0},
  };
  for (const Case& c : cases) {
    const PastePlan plan = PlanPaste(c.text, c.row, c.column);
    EXPECT_EQ(plan.problem, c.problem) << c.text;
    if (c.problem != PasteProblem::kNone && c.problem != PasteProblem::kEmpty) {
      EXPECT_EQ(plan.row, c.at_row) << c.text;
      EXPECT_EQ(plan.column, c.at_column) << c.text;
    }
  }
  const PastePlan semicolons = PlanPaste("1;2,5\r\n3;4\r\n", 8, 13);
  EXPECT_EQ(semicolons.values, (std::vector<std::vector<double>>{{1, 2.5}, {3, 4}}));
  EXPECT_EQ(semicolons.top, 8);
  EXPECT_EQ(semicolons.left, 13);
  EXPECT_EQ(PlanPaste("1\t2\n3\tx7\n", 0, 0).text, "x7");
  // The advance map without throttle rows shows row 9 alone.
  EXPECT_EQ(PlanPaste("5\t6\n", 0, 0, 9, 9).problem, PasteProblem::kDoesNotFit);
  EXPECT_EQ(PlanPaste("5\t6\n", 9, 0, 9, 9).problem, PasteProblem::kNone);
}

}  // namespace
}  // namespace morvek::pages
