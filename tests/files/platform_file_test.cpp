#include "files/platform_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace morvek::files {
namespace {

namespace fs = std::filesystem;

// The same contract on every system: these tests run natively and, on the Windows build, under
// Wine.
class PlatformFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("morvek_platform_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Put(const fs::path& path, const std::string& text) const {
    std::ofstream(path, std::ios::binary) << text;
  }

  fs::path dir_;
};

// A device on this system: what no file write or read may ever treat as a file.
fs::path Device() {
#ifdef _WIN32
  return "NUL";
#else
  return "/dev/null";
#endif
}

TEST_F(PlatformFileTest, ANewFileIsMadeOnlyWhereNoNameExists) {
  Put(dir_ / "taken", "keep");
  SystemFailure failure;
  PlatformFile taken = PlatformFile::CreateNew(dir_ / "taken", 0644, &failure);
  EXPECT_FALSE(taken.is_open());
  EXPECT_TRUE(failure.exists_already);
  EXPECT_FALSE(failure.reason.empty());
  EXPECT_EQ(Slurp(dir_ / "taken"), "keep");

  failure = {};
  PlatformFile nowhere = PlatformFile::CreateNew(dir_ / "no" / "x", 0644, &failure);
  EXPECT_FALSE(nowhere.is_open());
  EXPECT_TRUE(failure.missing);
  EXPECT_FALSE(failure.exists_already);
  EXPECT_EQ(failure.reason, "No such file or directory");

  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  bytes += "\r\n\n\r";
  PlatformFile file = PlatformFile::CreateNew(dir_ / "new", 0644);
  ASSERT_TRUE(file.is_open());
  EXPECT_TRUE(file.Write(bytes));
  EXPECT_TRUE(file.Sync());
  FileStatus status;
  ASSERT_TRUE(file.Status(status));
  EXPECT_EQ(status.kind, FileKind::kRegular);
  EXPECT_EQ(status.size, bytes.size());
  EXPECT_TRUE(file.Truncate(10));
  EXPECT_TRUE(file.Close());
  EXPECT_FALSE(file.is_open());
  EXPECT_EQ(Slurp(dir_ / "new"), bytes.substr(0, 10)) << "no byte is translated";
}

TEST_F(PlatformFileTest, ReadingGivesEveryByteAndNamesWhatIsNoFile) {
  const std::string text(20000, 'x');
  Put(dir_ / "file", text);
  PlatformFile file = PlatformFile::OpenForReading(dir_ / "file");
  ASSERT_TRUE(file.is_open());
  std::string read;
  char buffer[4096];
  for (long long n; (n = file.Read(buffer, sizeof buffer)) > 0;)
    read.append(buffer, static_cast<std::size_t>(n));
  EXPECT_EQ(read, text);

  struct Case {
    fs::path path;
    FileKind kind;
  };
  for (const Case& c :
       {Case{dir_, FileKind::kDirectory}, Case{Device(), FileKind::kCharacterDevice},
        Case{dir_ / "file", FileKind::kRegular}}) {
    PlatformFile open = PlatformFile::OpenForReading(c.path);
    ASSERT_TRUE(open.is_open()) << c.path;
    FileStatus status;
    ASSERT_TRUE(open.Status(status)) << c.path;
    EXPECT_EQ(status.kind, c.kind) << c.path;
  }
  SystemFailure failure;
  EXPECT_FALSE(PlatformFile::OpenForReading(dir_ / "absent", &failure).is_open());
  EXPECT_TRUE(failure.missing);
}

TEST_F(PlatformFileTest, StatusSaysWhatANameIs) {
  Put(dir_ / "file", "12345");
  fs::create_directory(dir_ / "folder");
  Put(dir_ / "locked", "x");
  fs::permissions(dir_ / "locked",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  struct Case {
    fs::path path;
    FileKind kind;
    bool writable_bits;
  };
  for (const Case& c : {Case{dir_ / "file", FileKind::kRegular, true},
                        Case{dir_ / "folder", FileKind::kDirectory, true},
                        Case{dir_ / "locked", FileKind::kRegular, false},
                        Case{dir_ / "absent", FileKind::kMissing, false}}) {
    for (bool follow : {true, false}) {
      FileStatus status;
      ASSERT_TRUE(StatusOf(c.path, follow, status)) << c.path;
      EXPECT_EQ(status.kind, c.kind) << c.path;
      EXPECT_EQ((status.mode & 0222) != 0, c.writable_bits) << c.path;
    }
  }
  fs::permissions(dir_ / "locked", fs::perms::owner_write, fs::perm_options::add);
  FileStatus file;
  ASSERT_TRUE(StatusOf(dir_ / "file", true, file));
  EXPECT_EQ(file.size, 5u);
  FileStatus device;
  ASSERT_TRUE(StatusOf(Device(), true, device));
  EXPECT_EQ(device.kind, FileKind::kCharacterDevice);
}

// The finished file takes the target's place in one step; a failed move leaves the target.
TEST_F(PlatformFileTest, MoveIntoPlaceReplacesOrCreatesTheTarget) {
  Put(dir_ / "target", "old content");
  Put(dir_ / "finished", "new");
  ASSERT_TRUE(MoveIntoPlace(dir_ / "finished", dir_ / "target"));
  EXPECT_EQ(Slurp(dir_ / "target"), "new");
  EXPECT_FALSE(fs::exists(dir_ / "finished"));

  Put(dir_ / "finished", "first");
  ASSERT_TRUE(MoveIntoPlace(dir_ / "finished", dir_ / "fresh"));
  EXPECT_EQ(Slurp(dir_ / "fresh"), "first");

  SystemFailure failure;
  EXPECT_FALSE(MoveIntoPlace(dir_ / "absent", dir_ / "target", &failure));
  EXPECT_FALSE(failure.reason.empty());
  EXPECT_EQ(Slurp(dir_ / "target"), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);

  EXPECT_TRUE(RemoveFile(dir_ / "fresh"));
  EXPECT_FALSE(RemoveFile(dir_ / "fresh"));
  fs::create_directory(dir_ / "folder");
  EXPECT_FALSE(RemoveFile(dir_ / "folder")) << "a folder is never removed";
  EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
}

TEST(PlatformFile, CalendarTimeAndProcessNumber) {
  std::tm calendar{};
  ASSERT_TRUE(CalendarTime(86400 * 366 + 3661, false, calendar));
  EXPECT_EQ(calendar.tm_year, 71);
  EXPECT_EQ(calendar.tm_yday, 1);
  EXPECT_EQ(calendar.tm_hour, 1);
  EXPECT_EQ(calendar.tm_min, 1);
  EXPECT_EQ(calendar.tm_sec, 1);
  EXPECT_NE(ProcessNumber(), 0u);
}

}  // namespace
}  // namespace morvek::files
