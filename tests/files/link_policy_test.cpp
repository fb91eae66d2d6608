#ifndef _WIN32
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/file_io.h"
#include "files/ini_file.h"
#include "files/restore_points.h"
#include "files/state_file.h"
#include "model/editor.h"

namespace morvek::files {
namespace {

namespace fs = std::filesystem;

// Two users besides root: "nobody" and one more number that owns nothing else.
constexpr uid_t kRoot = 0;
constexpr uid_t kNobody = 65534;
constexpr uid_t kStranger = 65533;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class LinkPolicyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("morvek_links_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // Other users must reach the folders below.
    fs::permissions(dir_, static_cast<fs::perms>(0755));
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

// WriteFileAtomically as the given user, in a child process; its result as the exit code.
int WriteAs(uid_t user, const fs::path& path, const std::string& text) {
  const pid_t child = fork();
  if (child == 0) {
    if (user != kRoot && (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0))
      _exit(100);
    _exit(static_cast<int>(WriteFileAtomically(path, text)));
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

// A link in a shared folder (sticky and writable by everybody, as /tmp) is followed only when
// it belongs to the writer or to the folder's owner; one planted by a third user is not.
TEST_F(LinkPolicyTest, LinksInSharedFoldersAreFollowedOnlyAsTheKernelWould) {
  if (geteuid() != 0) GTEST_SKIP() << "links of other users can be made only by root";
  struct Case {
    unsigned folder_mode;
    uid_t folder_owner;
    uid_t link_owner;
    uid_t writer;
    bool followed;
  } cases[] = {
      {01777, kRoot, kNobody, kRoot, false},      // someone else's link in root's /tmp
      {01777, kRoot, kRoot, kRoot, true},         // one's own link
      {01777, kNobody, kNobody, kRoot, true},     // the folder owner's link
      {00777, kRoot, kNobody, kRoot, true},       // not sticky
      {01775, kRoot, kNobody, kRoot, true},       // sticky, but not writable by everybody
      {01777, kRoot, kRoot, kNobody, true},       // the second user writes through root's link
      {01777, kRoot, kStranger, kNobody, false},  // … but not through a third user's
      {01777, kRoot, kNobody, kNobody, true},     // … and through its own
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string what = "case " + std::to_string(n);
    const fs::path real = dir_ / ("real" + std::to_string(n));
    const fs::path shared = dir_ / ("shared" + std::to_string(n));
    ++n;
    fs::create_directory(real);
    fs::permissions(real, static_cast<fs::perms>(0777));
    std::ofstream(real / "bike.ign") << "old";
    fs::permissions(real / "bike.ign", static_cast<fs::perms>(0666));
    fs::create_directory(shared);
    ASSERT_EQ(chown(shared.c_str(), c.folder_owner, c.folder_owner), 0);
    ASSERT_EQ(chmod(shared.c_str(), c.folder_mode), 0);
    const fs::path link = shared / "bike.ign";
    fs::create_symlink(real / "bike.ign", link);
    ASSERT_EQ(lchown(link.c_str(), c.link_owner, c.link_owner), 0);

    const int result = WriteAs(c.writer, link, "new");
    EXPECT_EQ(result, static_cast<int>(c.followed ? FileError::kOk : FileError::kCannotOpen))
        << what;
    EXPECT_EQ(Slurp(real / "bike.ign"), c.followed ? "new" : "old") << what;
    EXPECT_TRUE(fs::is_symlink(link)) << what;
    EXPECT_EQ(std::distance(fs::directory_iterator(real), fs::directory_iterator()), 1) << what;
  }

  fs::create_directory(dir_ / "tmp");
  ASSERT_EQ(chmod((dir_ / "tmp").c_str(), 01777), 0);
  fs::create_symlink(dir_ / "victim", dir_ / "tmp" / "log");
  ASSERT_EQ(lchown((dir_ / "tmp" / "log").c_str(), kNobody, kNobody), 0);
  std::string reason;
  EXPECT_EQ(WriteFileAtomically(dir_ / "tmp" / "log", "x", &reason), FileError::kCannotOpen);
  EXPECT_EQ(reason, (dir_ / "tmp" / "log").string() +
                        " is a symbolic link of another user in the shared folder " +
                        (dir_ / "tmp").string() + ", so it is not followed");
  EXPECT_FALSE(fs::exists(dir_ / "victim")) << "a dangling link creates nothing either";
}

// Settings, state and restore points are the program's own: a link at their name, whoever made
// it, is never written through, and the file it points to stays as it was.
TEST_F(LinkPolicyTest, TheProgramsOwnFilesAreNeverWrittenThroughALink) {
  std::ofstream(dir_ / "elsewhere") << "keep";
  const fs::path points = dir_ / "restore-points";
  fs::create_directory(points);
  fs::create_symlink(dir_ / "elsewhere", dir_ / "morvek.ini");
  fs::create_symlink(dir_ / "elsewhere", dir_ / "state.ign");
  // The name the first restore point at time 0 gets; a dangling link there would make a file.
  fs::create_symlink(dir_ / "made_by_link", points / "19700101-000000-000.mrp");

  IniFile ini;
  ini.WriteInteger("Settings", "Com", 3);
  EXPECT_EQ(ini.Save(dir_ / "morvek.ini"), FileError::kNotARegularFile);
  model::Editor editor;
  EXPECT_EQ(WriteStateFile(dir_ / "state.ign", editor.image(), editor.all_flags()),
            FileError::kNotARegularFile);
  RestorePoint point;
  point.time_ms = 0;
  point.pages = {1};
  // The restore point is kept under the next free name, and the link is not followed.
  EXPECT_EQ(RestorePointStore(points).Add(point), FileError::kOk);
  EXPECT_EQ(point.id, "19700101-000000-000-2");
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(points / "19700101-000000-000-2.mrp")));
  EXPECT_TRUE(fs::is_symlink(points / "19700101-000000-000.mrp"));
  // Written directly at a link's name, a restore point is refused.
  std::string reason;
  EXPECT_EQ(
      WriteFileAtomically(points / "19700101-000000-000.mrp", "x", &reason, LinkPolicy::kNever),
      FileError::kNotARegularFile);
  EXPECT_NE(reason.find("is a symbolic link"), std::string::npos) << reason;

  EXPECT_EQ(Slurp(dir_ / "elsewhere"), "keep");
  EXPECT_FALSE(fs::exists(dir_ / "made_by_link"));
  for (const fs::path& link : {dir_ / "morvek.ini", dir_ / "state.ign"})
    EXPECT_TRUE(fs::is_symlink(link)) << link;
  // Where no link stands, they are written as before.
  fs::remove(dir_ / "morvek.ini");
  EXPECT_EQ(ini.Save(dir_ / "morvek.ini"), FileError::kOk);
}

}  // namespace
}  // namespace morvek::files
#endif
