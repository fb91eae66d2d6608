#include "files/program_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace morvek::files {
namespace {

namespace fs = std::filesystem;

class ProgramFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("morvek_program_folders_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
};

// The folders the program is started from, laid out as an install, a build tree or a copy.
TEST_F(ProgramFoldersTest, ManualsAndDataFileFollowTheLayoutAroundTheProgram) {
  const fs::path config = root_ / "config";
  struct Case {
    const char* what;
    const char* make_dir;   // created under root_ (empty: none)
    const char* make_file;  // created under root_ as a plain file (empty: none)
    const char* program;    // the program's directory under root_
    bool installed;
  };
  const Case cases[] = {
      {"installed under a prefix", "usr/share/morvek", "", "usr/bin", true},
      {"installed, trailing slash", "opt/m/share/morvek", "", "opt/m/bin/", true},
      {"installed, dotted path", "usr/share/morvek", "", "usr/lib/../bin", true},
      {"build tree", "build/default/src/app", "", "build/default/src/app", false},
      {"a bin folder without the shared folder", "home/u/bin", "", "home/u/bin", false},
      {"shared folder of another name", "usr/share/morvek-old", "", "usr/bin", false},
      {"share/morvek is a file, not a folder", "usr/share", "usr/share/morvek", "usr/bin", false},
      {"shared folder beside a folder not named bin", "x/share/morvek", "", "x/tools", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(root_);
    fs::create_directories(root_);
    if (*c.make_dir) fs::create_directories(root_ / c.make_dir);
    if (*c.make_file) std::ofstream(root_ / c.make_file) << "x";
    const fs::path program = root_ / c.program;
    fs::create_directories(program);
    const ProgramFolders folders = FindProgramFolders(program, config);
    if (c.installed) {
      EXPECT_TRUE(fs::equivalent(folders.manuals, program / ".." / "share" / "morvek"));
      EXPECT_EQ(folders.data_directory, config);
    } else {
      EXPECT_EQ(folders.manuals, program);
      EXPECT_EQ(folders.data_directory, program);
    }
  }
}

TEST_F(ProgramFoldersTest, InstalledWithoutConfigDirectoryKeepsDataBesideTheProgram) {
  fs::create_directories(root_ / "usr/share/morvek");
  fs::create_directories(root_ / "usr/bin");
  const ProgramFolders folders = FindProgramFolders(root_ / "usr/bin", fs::path());
  EXPECT_TRUE(fs::equivalent(folders.manuals, root_ / "usr/share/morvek"));
  EXPECT_EQ(folders.data_directory, root_ / "usr/bin");
}

TEST(ProgramFolders, RootAndEmptyProgramDirectoriesAreKeptAsGiven) {
  for (const char* dir : {"/", ""}) {
    SCOPED_TRACE(dir);
    const ProgramFolders folders = FindProgramFolders(dir, "/tmp/cfg");
    EXPECT_EQ(folders.manuals, fs::path(dir));
    EXPECT_EQ(folders.data_directory, fs::path(dir));
  }
}

}  // namespace
}  // namespace morvek::files
