#include "files/file_io.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <chrono>
#include <filesystem>
#include <fstream>

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

#ifndef _WIN32  // FIFOs and device nodes
// Whatever is not a regular file is never replaced: a device stays a device.
TEST_F(FileIoTest, TargetThatIsNoRegularFileIsRefusedAndKept) {
  fs::create_directories(dir_ / "taken" / "inner");
  ASSERT_EQ(mkfifo((dir_ / "fifo").c_str(), 0644), 0);
  // A device node of our own (as /dev/full), so that a fault never reaches the real one.
  const bool device = mknod((dir_ / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0;
  fs::create_symlink(dir_ / "fifo", dir_ / "link_to_fifo");
  struct Case {
    const char* name;
    fs::file_type type;  // of the thing itself, after the write
  } cases[] = {
      {"taken", fs::file_type::directory},
      {"fifo", fs::file_type::fifo},
      {"link_to_fifo", fs::file_type::fifo},
      {"full", fs::file_type::character},
  };
  for (const Case& c : cases) {
    if (std::string(c.name) == "full" && !device) continue;  // mknod needs privileges
    std::string reason;
    EXPECT_EQ(WriteFileAtomically(dir_ / c.name, "text", &reason), FileError::kNotARegularFile)
        << c.name;
    EXPECT_NE(reason.find(" is a "), std::string::npos) << reason;
    EXPECT_EQ(fs::status(dir_ / c.name).type(), c.type) << c.name;
  }
  EXPECT_TRUE(fs::is_directory(dir_ / "taken" / "inner"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link_to_fifo"));
  EXPECT_EQ(EntriesInDir(), device ? 4 : 3) << "no temporary file is left";
}
#endif

#ifndef _WIN32  // links need privileges there
TEST_F(FileIoTest, SymbolicLinksAreFollowedToTheirTarget) {
  fs::create_directories(dir_ / "real");
  ASSERT_EQ(WriteFileAtomically(dir_ / "real" / "bike.ign", "old"), FileError::kOk);
  fs::create_symlink("real/bike.ign", dir_ / "relative");
  fs::create_symlink(dir_ / "relative", dir_ / "chain");
  fs::create_symlink("real/new.ign", dir_ / "dangling");
  for (const char* name : {"relative", "chain"}) {
    ASSERT_EQ(WriteFileAtomically(dir_ / name, name), FileError::kOk) << name;
    EXPECT_TRUE(fs::is_symlink(dir_ / name)) << name << ": the link stays a link";
    EXPECT_EQ(ReadWholeFile(dir_ / "real" / "bike.ign"), name);
  }
  ASSERT_EQ(WriteFileAtomically(dir_ / "dangling", "made"), FileError::kOk);
  EXPECT_TRUE(fs::is_symlink(dir_ / "dangling"));
  EXPECT_EQ(ReadWholeFile(dir_ / "real" / "new.ign"), "made");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "real"), fs::directory_iterator()), 2);
}
#endif

#ifndef _WIN32  // permission bits and umask
TEST_F(FileIoTest, ReadOnlyFileIsRefusedAndPermissionBitsAreKept) {
  const fs::path locked = dir_ / "locked.ign";
  ASSERT_EQ(WriteFileAtomically(locked, "tuned"), FileError::kOk);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
  std::string reason;
  EXPECT_EQ(WriteFileAtomically(locked, "other", &reason), FileError::kReadOnly);
  EXPECT_NE(reason.find("0440"), std::string::npos) << reason;
  EXPECT_EQ(ReadWholeFile(locked), "tuned");

  const fs::path shared = dir_ / "shared.ign";
  ASSERT_EQ(WriteFileAtomically(shared, "one"), FileError::kOk);
  const auto odd = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write |
                   fs::perms::others_read;
  fs::permissions(shared, odd);
  ASSERT_EQ(WriteFileAtomically(shared, "two"), FileError::kOk);
  EXPECT_EQ(fs::status(shared).permissions(), odd);
  EXPECT_EQ(ReadWholeFile(shared), "two");

  // A new file gets what the user's file-creation mask allows, as any program's new file.
  const mode_t mask = umask(022);
  ASSERT_EQ(WriteFileAtomically(dir_ / "fresh.ign", "x"), FileError::kOk);
  umask(mask);
  EXPECT_EQ(fs::status(dir_ / "fresh.ign").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
}
#endif

// The same refusals on every system: a file without write permission and a device.
TEST_F(FileIoTest, ReadOnlyFilesAndDevicesAreNeverReplaced) {
  const fs::path locked = dir_ / "locked.ign";
  ASSERT_EQ(WriteFileAtomically(locked, "tuned"), FileError::kOk);
  fs::permissions(locked, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  std::string reason;
  EXPECT_EQ(WriteFileAtomically(locked, "other", &reason), FileError::kReadOnly);
  EXPECT_NE(reason.find("allow no writing"), std::string::npos) << reason;
  EXPECT_EQ(ReadWholeFile(locked), "tuned");
#ifdef _WIN32
  const fs::path device = "NUL";
#else
  const fs::path device = "/dev/null";
#endif
  EXPECT_EQ(WriteFileAtomically(device, "text", &reason), FileError::kNotARegularFile);
  EXPECT_NE(reason.find("a character device"), std::string::npos) << reason;
  FileError error = FileError::kOk;
  EXPECT_FALSE(ReadWholeFile(device, &error, &reason).has_value());
  EXPECT_EQ(error, FileError::kNotARegularFile);
  EXPECT_EQ(reason, "not a regular file: a character device");
  fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(EntriesInDir(), 1) << "no temporary file is left";
}

TEST_F(FileIoTest, StaleTemporaryFilesDoNotStandInTheWay) {
  const fs::path target = dir_ / "data.ign";
  for (int i = 0; i < 100; ++i) {
    const fs::path stale = dir_ / ("data.ign.tmp" + std::to_string(i));
    ASSERT_EQ(WriteFileAtomically(stale, "stale"), FileError::kOk);
  }
  EXPECT_EQ(WriteFileAtomically(target, "fresh"), FileError::kOk);
  EXPECT_EQ(ReadWholeFile(target), "fresh");
  EXPECT_EQ(EntriesInDir(), 101);
}

// What an interrupted save left behind goes with the next save into the folder once it is a day
// old; anything else, and what a save still running may be writing, stays.
TEST_F(FileIoTest, StaleTemporaryFilesOfInterruptedSavesAreRemoved) {
  const auto now = fs::file_time_type::clock::now();
  struct Case {
    const char* name;
    std::chrono::hours age;
    bool kept;
  } cases[] = {
      {".data.ign.4242-0-981276.tmp", std::chrono::hours(25), false},
      {".other.ign.17-3-5.tmp", std::chrono::hours(24 * 30), false},  // any file of the folder
      {".data.ign.4242-1-981276.tmp", std::chrono::hours(23), true},  // maybe a save running
      {".data.ign.tmp", std::chrono::hours(48), true},
      {"data.ign.4242-0-981276.tmp", std::chrono::hours(48), true},  // not hidden: not ours
      {".data.ign.42x-0-981276.tmp", std::chrono::hours(48), true},
      {".data.ign.4242-0.tmp", std::chrono::hours(48), true},
      {".data.ign.4242-0-981276.tmp.bak", std::chrono::hours(48), true},
      {"..1-2-3.tmp", std::chrono::hours(48), true},
  };
  for (const Case& c : cases) {
    std::ofstream(dir_ / c.name) << "half a save";
    fs::last_write_time(dir_ / c.name, now - c.age);
  }
  fs::create_directory(dir_ / ".folder.ign.1-2-3.tmp");
  std::error_code ec;  // not every system lets a folder's time be set
  fs::last_write_time(dir_ / ".folder.ign.1-2-3.tmp", now - std::chrono::hours(48), ec);

  ASSERT_EQ(WriteFileAtomically(dir_ / "data.ign", "fresh"), FileError::kOk);
  for (const Case& c : cases) EXPECT_EQ(fs::exists(dir_ / c.name), c.kept) << c.name;
  EXPECT_TRUE(fs::is_directory(dir_ / ".folder.ign.1-2-3.tmp"));
  EXPECT_EQ(ReadWholeFile(dir_ / "data.ign"), "fresh");
}

TEST(FileIo, TemporaryFileNamesAreRecognised) {
  EXPECT_TRUE(IsTemporaryFileName(".bike.ign.1-0-7.tmp"));
  EXPECT_TRUE(IsTemporaryFileName(".a.b.c.99999-12-1000000006.tmp"));
  for (const char* name :
       {"bike.ign.1-0-7.tmp", ".bike.ign.1-0-7", ".bike.ign.1-0-.tmp", ".bike.ign.-0-7.tmp",
        ".bike.ign.1-0-7-8.tmp", ".1-0-7.tmp", ".tmp", "", ".bike.ign.1_0_7.tmp"})
    EXPECT_FALSE(IsTemporaryFileName(name)) << name;
}

#ifndef _WIN32  // file size limits
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
#endif

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

#ifndef _WIN32  // FIFOs
// Input is bounded: what is no regular file or far larger than any tune is refused with a
// reason, without waiting for a writer and without reading it into memory.
TEST_F(FileIoTest, ReadRefusesDevicesFifosAndHugeFiles) {
  ASSERT_EQ(mkfifo((dir_ / "fifo").c_str(), 0644), 0);
  const fs::path huge = dir_ / "huge.ign";
  ASSERT_EQ(WriteFileAtomically(huge, "x"), FileError::kOk);
  fs::resize_file(huge, kMaxInputBytes + 1);
  const fs::path largest = dir_ / "largest.ign";
  ASSERT_EQ(WriteFileAtomically(largest, "x"), FileError::kOk);
  fs::resize_file(largest, kMaxInputBytes);
  struct Case {
    fs::path path;
    FileError error;
    const char* reason;
  } cases[] = {
      {"/dev/zero", FileError::kNotARegularFile, "not a regular file: a character device"},
      {dir_ / "fifo", FileError::kNotARegularFile, "not a regular file: a FIFO"},
      {dir_, FileError::kNotARegularFile, "not a regular file: a directory"},
      {huge, FileError::kTooLarge, "larger than 4 MB"},
      {dir_ / "missing", FileError::kCannotOpen, "No such file or directory"},
  };
  for (const Case& c : cases) {
    FileError error = FileError::kOk;
    std::string reason;
    EXPECT_FALSE(ReadWholeFile(c.path, &error, &reason).has_value()) << c.path;
    EXPECT_EQ(error, c.error) << c.path;
    EXPECT_NE(reason.find(c.reason), std::string::npos) << c.path << ": " << reason;
  }
  EXPECT_EQ(ReadWholeFile(largest).value_or("").size(), kMaxInputBytes);
}
#endif

}  // namespace
}  // namespace morvek::files
