#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <vector>
#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    dir_ = fs::temp_directory_path() /
           ("morvek-log-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
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

// A log is written only to a name that is new: nothing that exists is emptied or written into,
// and no parameter file is ever taken for a log.
TEST_F(CsvLogTest, ALogNeverTakesThePlaceOfAnything) {
  const fs::path tune = dir_ / "tune.csv";
  std::ofstream(tune, std::ios::binary) << "KALVORIN_KEY";
  fs::create_directory(dir_ / "folder");
  std::error_code no_links;  // Windows makes links only with a privilege
  fs::create_symlink(dir_ / "nowhere.csv", dir_ / "link.csv", no_links);
  const std::string kNew = "; a data log is written only to a new file";
  using Refusal = CsvLogWriter::Refusal;
  const std::string kIgn = "a name ending in .ign is a parameter file, never a data log";
  struct Case {
    std::string path;
    Refusal refusal;
    std::string reason;
  };
  std::vector<Case> cases = {
      {tune.string(), Refusal::kNameTaken, "the file exists already" + kNew},
      {(dir_ / "folder").string(), Refusal::kNameTaken, "it is a directory" + kNew},
      {(dir_ / "tune.ign").string(), Refusal::kParameterName, kIgn},
      {(dir_ / "TUNE.Ign").string(), Refusal::kParameterName, kIgn},
      {(dir_ / "missing" / "x.csv").string(), Refusal::kSystem, "No such file or directory"},
  };
  if (!no_links)
    cases.push_back(
        {(dir_ / "link.csv").string(), Refusal::kNameTaken, "it is a symbolic link" + kNew});
#ifdef _WIN32
  cases.push_back({"NUL", Refusal::kNameTaken, "it is a character device" + kNew});
#else
  cases.push_back({"/dev/null", Refusal::kNameTaken, "it is a character device" + kNew});
  cases.push_back({"/dev/full", Refusal::kNameTaken, "it is a character device" + kNew});
#endif
  for (const Case& c : cases) {
    std::string error;
    Refusal refusal = Refusal::kNone;
    EXPECT_FALSE(CsvLogWriter::Open(c.path, error, &refusal)) << c.path;
    EXPECT_EQ(refusal, c.refusal) << c.path;
    EXPECT_EQ(error, c.reason) << c.path;
  }
  EXPECT_EQ(Slurp(tune), "KALVORIN_KEY");
  EXPECT_FALSE(fs::exists(dir_ / "tune.ign"));
  EXPECT_FALSE(fs::exists(dir_ / "nowhere.csv")) << "the link is not followed";
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()),
            no_links ? 2 : 3);
}

#ifndef _WIN32
// Opening a FIFO for writing waits for a reader that may never come; the log refuses it at once.
TEST_F(CsvLogTest, AFifoIsRefusedWithoutWaiting) {
  const fs::path fifo = dir_ / "pipe.csv";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  auto opening = std::async(std::launch::async, [&] {
    std::string error;
    const bool opened = CsvLogWriter::Open(fifo.string(), error) != nullptr;
    return std::make_pair(opened, error);
  });
  if (opening.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    // Let the waiting open go, so the test can end.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    opening.wait();
    ::close(reader);
    FAIL() << "opening the log waited for a reader of the FIFO";
  }
  const auto [opened, error] = opening.get();
  EXPECT_FALSE(opened);
  EXPECT_EQ(error, "it is a FIFO; a data log is written only to a new file");
}
#endif

#ifndef _WIN32
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

#endif

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
