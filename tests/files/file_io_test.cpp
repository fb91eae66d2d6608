#include "files/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "files/parameter_file_writer.h"
#include "model/editor.h"

namespace morvek::files {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("morvek_file_io_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  int EntriesInDir() const {
    return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

  fs::path dir_;
};

TEST_F(FileIoTest, ReplacesTheFileAndLeavesNoTemporary) {
  const fs::path target = dir_ / "data.ign";
  ASSERT_EQ(WriteFileAtomically(target, "old"), FileError::kOk);
  ASSERT_EQ(WriteFileAtomically(target, "new\r\ntext"), FileError::kOk);
  EXPECT_EQ(ReadWholeFile(target), "new\r\ntext");
  EXPECT_EQ(EntriesInDir(), 1);
}

TEST_F(FileIoTest, MissingDirectoryIsReportedAndNothingIsCreated) {
  EXPECT_EQ(WriteFileAtomically(dir_ / "no_such_dir" / "x.ign", "text"), FileError::kCannotOpen);
  EXPECT_EQ(EntriesInDir(), 0);
}

TEST_F(FileIoTest, TargetThatIsADirectoryIsReportedAndKept) {
  fs::create_directories(dir_ / "taken" / "inner");
  EXPECT_EQ(WriteFileAtomically(dir_ / "taken", "text"), FileError::kRenameFailed);
  EXPECT_TRUE(fs::is_directory(dir_ / "taken" / "inner"));
  EXPECT_EQ(EntriesInDir(), 1);
}

TEST_F(FileIoTest, FullDiskKeepsTheOldFileWhole) {
  const fs::path target = dir_ / "data.ign";
  ASSERT_EQ(WriteFileAtomically(target, "the old parameter file"), FileError::kOk);
  // A file size limit makes every write beyond 100 bytes fail, as a full disk does.
  rlimit old_limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  auto old_handler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = old_limit;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  model::Editor editor;
  const FileError error = SaveParameterFile(target, editor.image(), VersionTexts{});
  setrlimit(RLIMIT_FSIZE, &old_limit);
  signal(SIGXFSZ, old_handler);
  EXPECT_EQ(error, FileError::kWriteFailed);
  EXPECT_EQ(ReadWholeFile(target), "the old parameter file");
  EXPECT_EQ(EntriesInDir(), 1);
}

TEST(FileIo, WriteAllReportsAFullDevice) {
  std::FILE* full = std::fopen("/dev/full", "wb");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full";
  EXPECT_FALSE(WriteAll(full, std::string(10000, 'x')));
  std::fclose(full);
}

TEST_F(FileIoTest, ReadWholeFileKeepsEveryByteAndRefusesWhatIsNoFile) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  ASSERT_EQ(WriteFileAtomically(dir_ / "bytes", bytes), FileError::kOk);
  EXPECT_EQ(ReadWholeFile(dir_ / "bytes"), bytes);
  EXPECT_FALSE(ReadWholeFile(dir_ / "missing").has_value());
  EXPECT_FALSE(ReadWholeFile(dir_).has_value());
}

}  // namespace
}  // namespace morvek::files
