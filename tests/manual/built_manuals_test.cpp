// The four manuals as the build leaves them beside the program: each has its table of contents
// whose page numbers are the pages the chapters really start on, its pictures, and its own
// language's letters.

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "pdf_text.h"

namespace {

using morvek::testing::BodyFollows;
using morvek::testing::Lines;
using morvek::testing::PageTexts;
using morvek::testing::PictureCount;
using morvek::testing::Trimmed;

struct Manual {
  const char* file;
  const char* first_chapter;  // the first row of the contents, in the manual's language
  const char* last_chapter;
};

void PrintTo(const Manual& manual, std::ostream* out) { *out << manual.file; }

class BuiltManual : public ::testing::TestWithParam<Manual> {};

TEST_P(BuiltManual, ContentsPointAtTheChaptersAndThePicturesAreIn) {
  const std::string pdf = std::string(MORVEK_PROGRAM_DIR) + "/" + GetParam().file;
  const std::vector<std::string> pages = PageTexts(pdf);
  ASSERT_GE(pages.size(), 4u) << pdf;
  EXPECT_LE(pages.size(), 10u);

  // Contents rows: a title, a gap, a page number at the end of the line.
  const std::regex row(R"(^\s*(\S.*\S)\s{3,}(\d+)\s*$)");
  std::vector<std::pair<std::string, int>> contents;
  for (const std::string& line : Lines(pages[0])) {
    std::smatch m;
    if (std::regex_match(line, m, row)) contents.emplace_back(m[1], std::stoi(m[2]));
  }
  ASSERT_GE(contents.size(), 10u);
  EXPECT_EQ(contents.front().first, GetParam().first_chapter);
  EXPECT_EQ(contents.back().first, GetParam().last_chapter);

  int previous = 1;
  for (const auto& [title, page] : contents) {
    EXPECT_GE(page, previous) << title;
    previous = page;
    ASSERT_LE(page, static_cast<int>(pages.size())) << title;
    // The heading stands on a line of its own on the page the contents name (the contents
    // row carries its number, so only the heading matches the bare title), and body text
    // follows it on that page: a heading is never left alone above the page's foot line.
    const std::vector<std::string> lines = Lines(pages[page - 1]);
    std::size_t at = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (Trimmed(lines[i]) == title) at = i;
    ASSERT_LT(at, lines.size()) << title << " is not on page " << page;
    EXPECT_TRUE(BodyFollows(lines, at)) << title << " ends page " << page;
  }

  // The screenshots: the main window, the heat colours, the 3D map, the tuning page and the log
  // analysis twice.
  EXPECT_EQ(PictureCount(pdf), 6);
}

INSTANTIATE_TEST_SUITE_P(
    AllLanguages, BuiltManual,
    ::testing::Values(Manual{"Morvek_en.pdf", "Connecting a controller", "Analysing logs"},
                      Manual{"Morvek_de.pdf", "Steuergerät anschließen", "Logs auswerten"},
                      Manual{"Morvek_fr.pdf", "Brancher le boîtier", "Analyser les journaux"},
                      Manual{"Morvek_cz.pdf", "Připojení jednotky", "Vyhodnocení záznamů"}),
    [](const ::testing::TestParamInfo<Manual>& info) {
      return std::string(info.param.file).substr(7, 2);
    });

}  // namespace
