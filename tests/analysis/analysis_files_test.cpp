#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "analysis/analysis_log.h"
#include "analysis/cell_grid_file.h"
#include "analysis/cell_weights.h"
#include "logging/csv_log_writer.h"

namespace morvek::analysis {
namespace {

std::string Grid(const std::string& value, int rows = 10, int columns = 15) {
  std::string text;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) text += (c ? "," : "") + value;
    text += "\n";
  }
  return text;
}

TEST(AnalysisLog, RefusesWhatIsNotAWholeDataLog) {
  const std::string header = logging::CsvHeaderLine();
  auto without = [&](const std::string& column) {
    std::string h = header;
    const std::size_t at = h.find("," + column + ",");
    h.erase(at, column.size() + 1);
    return h;
  };
  struct Case {
    std::string text;
    std::string error_has;
  };
  for (const Case& c : {Case{"rpm,lambda\n1,2\n", "not a data log"}, Case{"", "not a data log"},
                        Case{without("lambda_af"), "no column lambda_af"},
                        Case{without("accel_corr_pct"), "no column accel_corr_pct"},
                        Case{header + "12,x\n13\n", "line 2"}}) {
    const AnalysisLog log = ParseAnalysisLog(c.text, "t.csv");
    EXPECT_NE(log.error.find(c.error_has), std::string::npos) << log.error;
    EXPECT_TRUE(log.rows.empty());
  }
  const AnalysisLog missing = LoadAnalysisLog("/nonexistent/ride.csv");
  EXPECT_FALSE(missing.error.empty());
}

TEST(AnalysisLog, TheReplayColumnMarksRows) {
  logging::LogRow row;
  std::string text = logging::CsvHeaderLine();
  text.insert(text.size() - 1, ",replay");
  for (int n = 0; n < 4; ++n) {
    row.time_ms = n * 100;
    std::string line = logging::CsvRowLine(row);
    line.insert(line.size() - 1, n == 2 ? ",1" : ",0");
    text += line;
  }
  const AnalysisLog log = ParseAnalysisLog(text, "t.csv");
  ASSERT_TRUE(log.error.empty()) << log.error;
  EXPECT_EQ(log.replayed, (std::vector<bool>{false, false, true, false}));
}

TEST(CellGridFile, ReadsTenRowsOfFifteen) {
  const CellGridFile ok = ParseCellGrid("# target\n" + Grid("14.5") + "\n");
  ASSERT_TRUE(ok.error.empty()) << ok.error;
  EXPECT_DOUBLE_EQ(ok.values[149], 14.5);
  struct Case {
    std::string text;
    std::string error_has;
  };
  for (const Case& c : {Case{Grid("14.5", 9), "9 rows"}, Case{Grid("14.5", 11), "line 11"},
                        Case{Grid("14.5", 10, 14), "14 values"},
                        Case{Grid("14.5", 10, 16), "more than 15"}, Case{Grid("1a"), "\"1a\""}}) {
    EXPECT_NE(ParseCellGrid(c.text).error.find(c.error_has), std::string::npos) << c.error_has;
  }
  const std::string path =
      (std::filesystem::temp_directory_path() / "morvek_grid_test.csv").string();
  for (const auto& [value, target_ok, lock_ok] :
       {std::tuple{"14.5", true, false}, std::tuple{"1", false, true},
        std::tuple{"30", false, false}}) {
    std::ofstream(path) << Grid(value);
    EXPECT_EQ(ReadTargetTable(path).error.empty(), target_ok) << value;
    const LockFile lock = ReadLockFile(path);
    EXPECT_EQ(lock.error.empty(), lock_ok) << value;
    if (lock_ok) {
      EXPECT_TRUE(lock.locked[77]);
    }
  }
  std::remove(path.c_str());
}

TEST(CellWeights, BilinearOverTheAxesAndTheEdges) {
  const std::array<int, 15> axis{1000, 2000, 3000, 4000, 5000, 5500,  6000, 6500,
                                 7000, 7500, 8000, 9000, 9000, 11000, 12000};
  struct Case {
    double rpm;
    double tps;
    std::vector<std::pair<int, double>> expected;  // cell, weight
  };
  for (const Case& c : {
           Case{1500,
                15,
                {{15 * 3 + 0, 0.25}, {15 * 3 + 1, 0.25}, {15 * 4 + 0, 0.25}, {15 * 4 + 1, 0.25}}},
           Case{5000, 30, {{15 * 5 + 4, 1.0}}}, Case{500, -5, {{0, 1.0}}},
           Case{20000, 120, {{149, 1.0}}}, Case{5250, 100, {{15 * 9 + 4, 0.5}, {15 * 9 + 5, 0.5}}},
           Case{9000, 2, {{15 * 1 + 12, 1.0}}},  // equal points: the upper one of the pair
       }) {
    const CellWeights w = WeighSample(axis, c.rpm, c.tps);
    std::array<double, 150> got{};
    double sum = 0;
    for (const auto& s : w.shares) {
      got[static_cast<std::size_t>(s.cell)] += s.weight;
      sum += s.weight;
    }
    EXPECT_NEAR(sum, 1.0, 1e-12);
    for (const auto& [cell, weight] : c.expected)
      EXPECT_NEAR(got[static_cast<std::size_t>(cell)], weight, 1e-12) << c.rpm << " " << c.tps;
  }
}

}  // namespace
}  // namespace morvek::analysis
