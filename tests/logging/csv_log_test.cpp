#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "logging/csv_log_reader.h"
#include "logging/csv_log_writer.h"

namespace morvek::logging {
namespace {

namespace fs = std::filesystem;

LogRow Row(std::int64_t time_ms, std::int64_t rpm) {
  LogRow row;
  row.time_ms = time_ms;
  row.values[static_cast<std::size_t>(*LogColumnIndex("rpm"))] = rpm;
  row.values[static_cast<std::size_t>(*LogColumnIndex("battery_v"))] = 13482;
  row.values[static_cast<std::size_t>(*LogColumnIndex("idle_advance_corr_deg"))] = -5;
  return row;
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class CsvLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/morvek-log-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(CsvLogTest, WrittenRowsAreOnDiskAtOnceAndReadBack) {
  const std::string path = (dir_ / "pull.csv").string();
  std::string error;
  auto writer = CsvLogWriter::Open(path, error);
  ASSERT_TRUE(writer) << error;
  ASSERT_TRUE(writer->Append(Row(0, 1200)));
  ASSERT_TRUE(writer->Append(Row(330, 4500)));
  // Still open: what a crash would leave is already in the file.
  const std::string text = Slurp(path);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
  EXPECT_NE(text.find("\n330,4500,"), std::string::npos);
  EXPECT_NE(text.find(",13.482,"), std::string::npos);
  EXPECT_NE(text.find(",-0.5,"), std::string::npos);
  writer->Close();
  EXPECT_EQ(writer->rows(), 2);
  const CsvLog log = ReadCsvLog(path);
  ASSERT_EQ(log.error, "");
  ASSERT_EQ(log.rows.size(), 2u);
  EXPECT_EQ(log.rows[0], Row(0, 1200));
  EXPECT_EQ(log.rows[1], Row(330, 4500));
}

TEST_F(CsvLogTest, TargetsThatCannotBeWrittenFailWithTheReason) {
  struct Case {
    std::string path;
    std::string reason;
  };
  fs::create_directory(dir_ / "folder");
  const Case cases[] = {
      {"/dev/full", "No space left on device"},
      {"/sys/kernel/notes", "Permission denied"},  // read-only, even for root
      {(dir_ / "folder").string(), "Is a directory"},
      {(dir_ / "missing" / "x.csv").string(), "No such file or directory"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(CsvLogWriter::Open(c.path, error)) << c.path;
    EXPECT_EQ(error, c.reason) << c.path;
  }
}

// A disk that fills up in the middle of a row: the log stops, the half row is cut away and
// every whole row written before stays readable.
TEST_F(CsvLogTest, FullDiskStopsTheLogAndKeepsTheWholeRows) {
  const std::string path = (dir_ / "full.csv").string();
  const std::size_t limit = CsvHeaderLine().size() + 2 * CsvRowLine(Row(0, 1200)).size() + 40;
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  struct sigaction ignore {
  }, previous{};
  ignore.sa_handler = SIG_IGN;
  ASSERT_EQ(sigaction(SIGXFSZ, &ignore, &previous), 0);
  rlimit small = old;
  small.rlim_cur = limit;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

  std::string error;
  auto writer = CsvLogWriter::Open(path, error);
  bool opened = writer != nullptr;
  int appended = 0;
  bool failed = false;
  for (int i = 0; opened && i < 10 && !failed; ++i) {
    if (writer->Append(Row(i * 330, 1000 + i)))
      ++appended;
    else
      failed = true;
  }
  setrlimit(RLIMIT_FSIZE, &old);
  sigaction(SIGXFSZ, &previous, nullptr);

  ASSERT_TRUE(opened) << error;
  EXPECT_TRUE(failed);
  EXPECT_EQ(appended, 2);
  EXPECT_FALSE(writer->open());
  EXPECT_EQ(writer->error(), "File too large");
  EXPECT_FALSE(writer->Append(Row(9999, 1)));
  const std::string text = Slurp(path);
  EXPECT_EQ(text.back(), '\n');  // no half row
  const CsvLog log = ParseCsvLog(text);
  ASSERT_EQ(log.error, "");
  ASSERT_EQ(log.rows.size(), 2u);
  EXPECT_EQ(log.rows[1], Row(330, 1001));
}

TEST(CsvLogReaderTest, ColumnsAreFoundByName) {
  const CsvLog log = ParseCsvLog(
      "time_ms,lambda_af,future_column,rpm\n"
      "0,14.7,abc,1200\n"
      "330,13.1,,2500\r\n");
  ASSERT_EQ(log.error, "");
  ASSERT_EQ(log.rows.size(), 2u);
  EXPECT_EQ(log.rows[1].time_ms, 330);
  EXPECT_EQ(log.rows[1].value("rpm"), 2500);
  EXPECT_EQ(log.rows[0].value("lambda_af"), 147);
  EXPECT_EQ(log.rows[0].value("battery_v"), 0);  // not in this log
}

TEST(CsvLogReaderTest, BadInputIsRefusedWithTheLine) {
  struct Case {
    std::string text;
    std::string error;
    std::size_t rows;
  };
  const Case cases[] = {
      {"rpm,time_ms\n1,2\n", "line 1: not a data log", 0},
      {"", "line 1: not a data log", 0},
      {"time_ms,rpm\n0,100\n330,1x0\n660,200\n", "line 3: \"1x0\" is not a value of rpm", 0},
      {"time_ms,rpm\n0,100\n330\n", "line 3: has 1 fields, the header names 2", 0},
      {"time_ms,lambda_af\n0,14.75\n", "line 2: \"14.75\" is not a value of lambda_af", 0},
      {"time_ms,rpm\n330,100\n0,200\n", "line 3: the time goes back", 0},
      {"time_ms,rpm\n0,-\n", "line 2: \"-\" is not a value of rpm", 0},
      // A last line cut off while it was written is left out.
      {"time_ms,rpm,lambda_af\n0,100,14.7\n330,20", "", 1},
      {"time_ms,rpm\n0,100\n\n330,200\n", "", 2},
      // More digits than 64 bits hold once the decimals are filled up.
      {"time_ms,battery_v\n0,9999999999999999\n",
       "line 2: \"9999999999999999\" is not a value of battery_v", 0},
      {"time_ms,rpm\n9999999999999999999,1\n",
       "line 2: \"9999999999999999999\" is not a value of time_ms", 0},
  };
  for (const Case& c : cases) {
    const CsvLog log = ParseCsvLog(c.text);
    EXPECT_EQ(log.error.substr(0, c.error.size()), c.error) << c.text;
    EXPECT_EQ(log.error.empty(), c.error.empty()) << c.text;
    EXPECT_EQ(log.rows.size(), c.rows) << c.text;
  }
}

// The widest numbers a log can hold come back exactly, with their decimals.
TEST(CsvLogReaderTest, EighteenDigitsReadExactly) {
  const CsvLog log = ParseCsvLog(
      "time_ms,battery_v,lambda_af\n"
      "999999999999999999,999999999999999.999,-99999999999999999.9\n");
  ASSERT_EQ(log.error, "");
  ASSERT_EQ(log.rows.size(), 1u);
  EXPECT_EQ(log.rows[0].time_ms, 999'999'999'999'999'999);
  EXPECT_EQ(log.rows[0].value("battery_v"), 999'999'999'999'999'999);
  EXPECT_EQ(log.rows[0].value("lambda_af"), -999'999'999'999'999'999);
}

TEST(CsvLogReaderTest, OnlyRegularFilesAreRead) {
  EXPECT_EQ(ReadCsvLog("/dev/zero").error, "not a file that can be read");
  EXPECT_EQ(ReadCsvLog("/tmp").error, "not a file that can be read");
  EXPECT_EQ(ReadCsvLog("/nonexistent/log.csv").error, "not a file that can be read");
}

}  // namespace
}  // namespace morvek::logging
