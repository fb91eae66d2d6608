#include "cli/analyze_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/parameter_file_reader.h"
#include "logging/csv_log_writer.h"
#include "model/editor.h"
#include "model/field_table.h"

namespace morvek::cli {
namespace {

namespace fs = std::filesystem;
using model::FieldId;

class AnalyzeCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder of its own per test, wherever the system keeps temporary files.
    dir_ = fs::temp_directory_path() /
           ("morvek-analyze-cli-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    tune_ = Path("ridden.ign");
    ASSERT_EQ(RunCli({"new", "--bike", "0", "-o", tune_}, out_, err_, {"Dec  9 2026", "10:00:00"}),
              0);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  int Run(std::vector<std::string> args) {
    out_.str({});
    err_.str({});
    args.insert(args.begin(), "analyze");
    return RunAnalyzeCommand(args, out_, err_, {"Dec  9 2026", "10:00:00"});
  }

  // A warm engine held at 6000 rpm and 30 % throttle, running lean at 16.0.
  std::string WriteLog(const std::string& name, int rows, const std::string& drop = "") {
    std::string header = logging::CsvHeaderLine();
    std::string text;
    for (int n = 0; n < rows; ++n) {
      logging::LogRow row;
      row.time_ms = n * 330;
      auto set = [&](const char* column, std::int64_t v) {
        row.values[static_cast<std::size_t>(*logging::LogColumnIndex(column))] = v;
      };
      set("rpm", 6000);
      set("throttle_pct", 30);
      set("throttle_pct_fine", 300);
      set("lambda_af", 160);
      set("coolant_c", 90);
      set("injection_us", 3000);
      set("after_start_corr_pct", 1000);
      set("tuning_state", 2);
      text += logging::CsvRowLine(row);
    }
    if (!drop.empty()) {
      // The column and its value in every row go: the header has fewer names than a row then,
      // so the file is cut down to the header alone.
      header.erase(header.find("," + drop + ","), drop.size() + 1);
      text.clear();
    }
    std::ofstream(Path(name)) << header << text;
    return Path(name);
  }

  model::ParameterImage Load(const std::string& path) {
    model::Editor editor;
    const files::ReadResult r = files::OpenParameterFile(path, editor, false);
    EXPECT_NE(r.version, 0);
    return editor.image();
  }

  fs::path dir_;
  std::string tune_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(AnalyzeCommandTest, BadArgumentsAreRefused) {
  const std::string log = WriteLog("ride.csv", 30);
  const std::string out = Path("out.ign");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--tune", tune_, "-o", out},
           {log, "-o", out},
           {log, "--tune", tune_},
           {log, "--tune", tune_, "-o", out, "--map", "3"},
           {log, "--tune", tune_, "-o", out, "--target", "30"},
           {log, "--tune", tune_, "-o", out, "--delay-ms", "-1"},
           {log, "--tune", tune_, "-o", out, "--delay-ms", "2.5"},
           {log, "--tune", tune_, "-o", out, "--max-change", "0"},
           {log, "--tune", tune_, "-o", out, "--target", "14", "--target-table", log},
           {log, "--tune", tune_, "-o", out, "--frobnicate", "1"},
           {log, "--tune", tune_, "-o", out, "--min-hits"},
       }) {
    EXPECT_EQ(Run(args), kExitUsage) << args.back();
    EXPECT_FALSE(fs::exists(out));
  }
}

TEST_F(AnalyzeCommandTest, WritesTheTuneWithTheProposal) {
  const std::string log = WriteLog("ride.csv", 40);
  const std::string out = Path("out.ign");
  const std::string report = Path("report.csv");
  ASSERT_EQ(Run({log, "--tune", tune_, "-o", out, "--target", "14.5", "--report", report}), kExitOk)
      << err_.str();
  // 16.0 / 14.5 asks for 10.3 %: one pass moves the cell by 10 %.
  EXPECT_NE(out_.str().find(" 100 ->  110 %"), std::string::npos) << out_.str();
  EXPECT_NE(out_.str().find("clamped"), std::string::npos);
  const model::ParameterImage before = Load(tune_);
  const model::ParameterImage after = Load(out);
  const int cell = model::MapElement(5, 6);  // 30 %, 6000 rpm
  EXPECT_NEAR(model::Stored(after, FieldId::kJet1A, cell),
              model::Stored(before, FieldId::kJet1A, cell) * 1.10, 1.0);
  EXPECT_EQ(model::Stored(after, FieldId::kJet1A, cell + 1),
            model::Stored(before, FieldId::kJet1A, cell + 1));
  std::ifstream in(report);
  std::string header;
  std::getline(in, header);
  EXPECT_EQ(header,
            "row,column,throttle_pct,rpm,hits,mean_af,target_af,old_pct,new_pct,clamped,locked");
  int lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  EXPECT_EQ(lines, 150);
}

TEST_F(AnalyzeCommandTest, LockedCellsAndTooFewHits) {
  const std::string log = WriteLog("ride.csv", 40);
  const std::string out = Path("out.ign");
  std::string grid;
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 15; ++c) grid += std::string(c ? "," : "") + (r == 5 && c == 6 ? "1" : "0");
    grid += "\n";
  }
  std::ofstream(Path("lock.csv")) << grid;
  ASSERT_EQ(Run({log, "--tune", tune_, "-o", out, "--lock", Path("lock.csv")}), kExitOk);
  EXPECT_EQ(Load(out), Load(tune_));
  EXPECT_NE(out_.str().find("locked"), std::string::npos);

  fs::remove(out);
  EXPECT_EQ(Run({log, "--tune", tune_, "-o", out, "--min-hits", "50"}), kExitNoCoverage);
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(AnalyzeCommandTest, FilesThatAreNotWhatTheyShouldBe) {
  const std::string log = WriteLog("ride.csv", 40);
  const std::string out = Path("out.ign");
  std::ofstream(Path("notes.txt")) << "rpm,lambda\n1,2\n";
  std::ofstream(Path("table.csv")) << "14.5,14.5\n";
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string says;
  };
  for (const Case& c : {
           Case{{WriteLog("short.csv", 0, "lambda_af"), "--tune", tune_, "-o", out},
                4,
                "no column lambda_af"},
           Case{{Path("notes.txt"), "--tune", tune_, "-o", out}, 4, "not a data log"},
           Case{{Path("missing.csv"), "--tune", tune_, "-o", out}, 3, "missing.csv"},
           Case{{log, "--tune", Path("missing.ign"), "-o", out}, 3, "missing.ign"},
           Case{{log, "--tune", log, "-o", out}, 4, "not a parameter file"},
           Case{{log, "--tune", tune_, "-o", out, "--target-table", Path("table.csv")},
                4,
                "2 values"},
           Case{
               {log, "--tune", tune_, "-o", Path("no/such/dir/out.ign")}, 3, "nothing was written"},
       }) {
    EXPECT_EQ(Run(c.args), c.code) << c.says;
    EXPECT_NE(err_.str().find(c.says), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists(out));
  }
}

}  // namespace
}  // namespace morvek::cli
