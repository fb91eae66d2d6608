#include "cli/restore_command.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>

#include "files/parameter_file_reader.h"
#include "files/restore_points.h"
#include "model/editor.h"
#include "model/field_table.h"

namespace morvek::cli {
namespace {

namespace fs = std::filesystem;

class RestoreCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder of its own per test, wherever the system keeps temporary files.
    const fs::path base =
        fs::temp_directory_path() /
        ("morvek-restore-cli-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(base);
    fs::create_directories(base);
    dir_ = base;
  }
  void TearDown() override { fs::remove_all(dir_); }

  int Run(std::vector<std::string> args) {
    out_.str({});
    err_.str({});
    args.insert(args.begin(), "restore");
    return RunRestoreCommand(args, out_, err_, {"Dec  9 2026", "10:00:00"}, dir_);
  }
  // A legal image with one recognisable value.
  static model::ParameterImage Image(int fan) {
    model::Editor editor;
    editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
    model::SetShown(editor.image(), model::FieldId::kFanFan1, fan);
    editor.ApplyLimits();
    return editor.image();
  }
  std::string AddPoint(std::int64_t time_ms, files::RestoreKind kind, int fan) {
    files::RestorePoint p;
    p.time_ms = time_ms;
    p.kind = kind;
    p.port = "/dev/ttyUSB0";
    p.controller = kind == files::RestoreKind::kVerify ? "" : "TRV07";
    p.controller_date = "31. 1.2008";
    p.controller_time = "12:30";
    p.pages = kind == files::RestoreKind::kProgram ? std::vector<int>{2, 7}
                                                   : std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    p.image = Image(fan);
    files::RestorePointStore store(files::RestorePointStore::DirectoryIn(dir_));
    EXPECT_EQ(store.Add(p), files::FileError::kOk);
    return p.id;
  }
  std::vector<std::string> OutLines() const {
    std::vector<std::string> lines;
    std::istringstream in(out_.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  fs::path dir_;
  std::ostringstream out_, err_;
};

TEST_F(RestoreCommandTest, ListShowsNewestFirstInAlignedColumns) {
  ASSERT_EQ(Run({"list"}), kExitOk);
  EXPECT_NE(out_.str().find("no restore points"), std::string::npos) << out_.str();

  const std::string read = AddPoint(1'000'000, files::RestoreKind::kRead, 91);
  const std::string program = AddPoint(3'000'000, files::RestoreKind::kProgram, 95);
  const std::string verify = AddPoint(2'000'000, files::RestoreKind::kVerify, 93);
  ASSERT_EQ(Run({"list"}), kExitOk) << err_.str();
  const auto lines = OutLines();
  ASSERT_EQ(lines.size(), 4u) << out_.str();
  const std::size_t kind_column = lines[0].find("KIND");
  const std::size_t pages_column = lines[0].find("PAGES");
  const struct {
    std::string id;
    const char* kind;
    const char* controller;
    const char* pages;
  } expected[] = {{program, "program", "TRV07", "2, 7"},
                  {verify, "verify", "-", "1-9"},
                  {read, "read", "TRV07", "1-9"}};
  for (std::size_t k = 0; k < 3; ++k) {
    const std::string& line = lines[k + 1];
    EXPECT_EQ(line.rfind(std::to_string(k + 1) + "  " + expected[k].id, 0), 0u) << line;
    EXPECT_EQ(line.substr(kind_column, std::string(expected[k].kind).size()), expected[k].kind)
        << line;
    EXPECT_EQ(line.substr(pages_column), expected[k].pages) << line;
    EXPECT_NE(line.find(std::string(" ") + expected[k].controller + " "), std::string::npos)
        << line;
    EXPECT_NE(line.find("/dev/ttyUSB0"), std::string::npos) << line;
  }
}

TEST_F(RestoreCommandTest, ExportWritesThePointsImageByNumberOrId) {
  const std::string older = AddPoint(1'000'000, files::RestoreKind::kRead, 91);
  AddPoint(2'000'000, files::RestoreKind::kProgram, 95);
  const std::pair<std::string, int> cases[] = {{"1", 95}, {"2", 91}, {older, 91}};
  for (const auto& [id, fan] : cases) {
    const fs::path out = dir_ / ("out-" + id + ".ign");
    ASSERT_EQ(Run({"export", id, "-o", out.string()}), kExitOk) << err_.str();
    EXPECT_NE(out_.str().find(out.string()), std::string::npos) << out_.str();
    model::Editor editor;
    editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
    const files::ReadResult r = files::OpenParameterFile(out.string(), editor, false);
    ASSERT_EQ(r.version, 84) << id;
    EXPECT_EQ(editor.image(), Image(fan)) << id;
  }
  // The controller's texts go into the file's VERSIONS section.
  const std::optional<std::string> text = files::ReadWholeFile(dir_ / "out-1.ign");
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("TRV07"), std::string::npos);
  EXPECT_NE(text->find("31. 1.2008"), std::string::npos);
}

TEST_F(RestoreCommandTest, BadRequestsFailWithTheirExitCodeAndWriteNothing) {
  AddPoint(1'000'000, files::RestoreKind::kRead, 91);
  const std::string out = (dir_ / "out.ign").string();
  const struct {
    std::vector<std::string> args;
    int code;
    const char* says;
  } cases[] = {
      {{}, kExitUsage, "list or export"},
      {{"remove"}, kExitUsage, "unknown restore command"},
      {{"list", "extra"}, kExitUsage, "no arguments"},
      {{"export", "-o", out}, kExitUsage, "needs an ID"},
      {{"export", "1"}, kExitUsage, "needs -o"},
      {{"export", "1", "2", "-o", out}, kExitUsage, "one ID"},
      {{"export", "1", "--force", "-o", out}, kExitUsage, "unknown option"},
      {{"export", "1", "-o", out, "-o", out}, kExitUsage, "-o given twice"},
      {{"export", "2", "-o", out}, kExitFileError, "no restore point 2"},
      {{"export", "0", "-o", out}, kExitFileError, "no restore point 0"},
      {{"export", "19700101-000000-000", "-o", out}, kExitFileError, "no restore point"},
      {{"export", "1", "-o", (dir_ / "missing" / "out.ign").string()},
       kExitFileError,
       "nothing was written"},
  };
  EXPECT_EQ(Run({"export", "--help"}), kExitOk);
  EXPECT_EQ(out_.str().rfind("usage: morvek-cli restore list", 0), 0u) << out_.str();
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.args), c.code) << c.says;
    EXPECT_NE(err_.str().find(c.says), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists(out)) << c.says;
  }
}

}  // namespace
}  // namespace morvek::cli
