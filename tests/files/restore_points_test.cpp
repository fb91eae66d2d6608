#include "files/restore_points.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace morvek::files {
namespace {

namespace fs = std::filesystem;

class RestorePointsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder of its own per test, wherever the system keeps temporary files.
    const fs::path base =
        fs::temp_directory_path() /
        ("morvek-restore-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(base);
    fs::create_directories(base);
    dir_ = base / "restore-points";
  }
  void TearDown() override { fs::remove_all(dir_.parent_path()); }

  static RestorePoint Point(std::int64_t time_ms, std::uint8_t fill,
                            RestoreKind kind = RestoreKind::kRead) {
    RestorePoint p;
    p.time_ms = time_ms;
    p.kind = kind;
    p.port = "COM3 (/dev/ttyUSB0)";
    p.controller = "TRV07";
    p.controller_date = " 5. 2.2009";
    p.controller_time = "12:30";
    p.pages = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    p.image.bytes().fill(fill);
    return p;
  }

  std::vector<fs::path> Files() const {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(dir_)) files.push_back(e.path());
    return files;
  }

  fs::path dir_;
};

TEST_F(RestorePointsTest, StoredPointReadsBackWithEveryField) {
  RestorePointStore store(dir_);
  RestorePoint p = Point(1765297279123, 0);
  for (int i = 0; i < model::kImageSize; ++i) p.image.bytes()[i] = static_cast<std::uint8_t>(i * 7);
  p.kind = RestoreKind::kProgram;
  p.pages = {3, 7};
  ASSERT_EQ(store.Add(p), FileError::kOk);
  EXPECT_FALSE(p.id.empty());

  const std::vector<RestorePoint> list = store.List();
  ASSERT_EQ(list.size(), 1u);
  const RestorePoint& r = list[0];
  EXPECT_EQ(r.id, p.id);
  EXPECT_EQ(r.time_ms, 1765297279123);
  EXPECT_EQ(r.kind, RestoreKind::kProgram);
  EXPECT_EQ(r.port, "COM3 (/dev/ttyUSB0)");
  EXPECT_EQ(r.controller, "TRV07");
  EXPECT_EQ(r.controller_date, " 5. 2.2009");  // the leading space is part of the text
  EXPECT_EQ(r.controller_time, "12:30");
  EXPECT_EQ(r.pages, (std::vector<int>{3, 7}));
  EXPECT_EQ(r.image, p.image);
  EXPECT_EQ(p.id, "20251209-162119-123");  // UTC stamp of the time
}

TEST_F(RestorePointsTest, TextFieldsStayOneLineAndEmptyFieldsSurvive) {
  RestorePointStore store(dir_);
  RestorePoint p = Point(1000, 1);
  p.controller = "evil\nKIND program";
  p.port = "";
  p.pages = {};
  ASSERT_EQ(store.Add(p), FileError::kOk);
  const auto list = store.List();
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].controller, "evil KIND program");
  EXPECT_EQ(list[0].kind, RestoreKind::kRead);
  EXPECT_EQ(list[0].port, "");
  EXPECT_TRUE(list[0].pages.empty());
}

TEST_F(RestorePointsTest, NewestFirstAndPointsOfTheSameMomentKeptApart) {
  RestorePointStore store(dir_);
  for (std::int64_t t : {5000, 9000, 1000, 9000}) {
    RestorePoint p = Point(t, static_cast<std::uint8_t>(t / 1000));
    ASSERT_EQ(store.Add(p), FileError::kOk);
  }
  const auto list = store.List();
  ASSERT_EQ(list.size(), 4u);
  std::vector<std::int64_t> times;
  for (const auto& p : list) times.push_back(p.time_ms);
  EXPECT_EQ(times, (std::vector<std::int64_t>{9000, 9000, 5000, 1000}));
  // The later of two points of one millisecond is listed first.
  EXPECT_EQ(list[0].id, list[1].id + "-2");
  // By number (1 = newest) and by id.
  EXPECT_EQ(store.Find("3")->time_ms, 5000);
  EXPECT_EQ(store.Find(list[3].id)->time_ms, 1000);
  for (const char* missing : {"0", "5", "nope", ""}) EXPECT_FALSE(store.Find(missing)) << missing;
}

TEST_F(RestorePointsTest, PruningKeepsTheNewestWithinCountAndSize) {
  struct Case {
    const char* name;
    RestoreLimits limits;
    int added;
    std::size_t kept;
  };
  // One point's file is about 3 kB.
  const Case cases[] = {
      {"count", {3, 1u << 30}, 5, 3},
      {"size", {200, 10000}, 5, 3},
      {"newest kept even when alone too large", {200, 100}, 3, 1},
      {"within both", {200, 1u << 30}, 4, 4},
  };
  for (const Case& c : cases) {
    fs::remove_all(dir_);
    RestorePointStore store(dir_, c.limits);
    for (int i = 1; i <= c.added; ++i) {
      RestorePoint p = Point(i * 1000, static_cast<std::uint8_t>(i));
      ASSERT_EQ(store.Add(p), FileError::kOk) << c.name;
    }
    const auto list = store.List();
    ASSERT_EQ(list.size(), c.kept) << c.name;
    EXPECT_EQ(Files().size(), c.kept) << c.name;
    for (std::size_t k = 0; k < list.size(); ++k)
      EXPECT_EQ(list[k].time_ms, (c.added - static_cast<int>(k)) * 1000) << c.name;
  }
}

TEST_F(RestorePointsTest, DamagedAndForeignFilesAreSkippedAndLeftAlone) {
  RestorePointStore store(dir_);
  RestorePoint good = Point(2000, 0x42);
  ASSERT_EQ(store.Add(good), FileError::kOk);
  const std::string text = SerializeRestorePoint(good);

  std::string flipped = text;
  flipped[flipped.find("IMAGE") + 10] = flipped[flipped.find("IMAGE") + 10] == '0' ? '1' : '0';
  std::string bad_kind = text;
  bad_kind.replace(bad_kind.find("KIND read"), 9, "KIND xxxx");
  const std::pair<const char*, std::string> bad[] = {
      {"empty.mrp", ""},
      {"truncated.mrp", text.substr(0, text.size() / 2)},
      {"no-last-newline.mrp", text.substr(0, text.size() - 1)},
      {"flipped.mrp", flipped},
      {"bad-kind.mrp", bad_kind},  // check sum no longer fits either
      {"binary.mrp", std::string("\0\xFF\x01CHECK 00000000\n", 17)},
      {"other.txt", text},  // not a point's name
  };
  for (const auto& [name, content] : bad) std::ofstream(dir_ / name, std::ios::binary) << content;
  fs::create_directory(dir_ / "subdir.mrp");

  const auto list = store.List();
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].image, good.image);
  // Adding (and pruning) never removes what it cannot read.
  RestorePoint next = Point(3000, 1);
  ASSERT_EQ(store.Add(next), FileError::kOk);
  for (const auto& [name, content] : bad) EXPECT_TRUE(fs::exists(dir_ / name)) << name;
  EXPECT_EQ(store.List().size(), 2u);
}

TEST_F(RestorePointsTest, ParsingRejectsAWrongCheckSumEvenWhenTheBodyIsWellFormed) {
  std::string text = SerializeRestorePoint(Point(1, 0));
  ASSERT_TRUE(ParseRestorePoint(text));
  text.replace(text.find("PORT COM3"), 9, "PORT COM4");
  EXPECT_FALSE(ParseRestorePoint(text));
}

TEST_F(RestorePointsTest, AStoreThatCannotCreateItsDirectoryFailsWithAReason) {
  fs::create_directories(dir_.parent_path());
  std::ofstream(dir_.parent_path() / "blocker") << "x";
  RestorePointStore store(dir_.parent_path() / "blocker" / "restore-points");
  RestorePoint p = Point(1, 0);
  std::string reason;
  EXPECT_NE(store.Add(p, &reason), FileError::kOk);
  EXPECT_FALSE(reason.empty());
  EXPECT_TRUE(p.id.empty());
  EXPECT_TRUE(store.List().empty());
}

TEST(RestorePointTexts, PagesAndKinds) {
  const std::pair<std::vector<int>, const char*> cases[] = {
      {{1, 2, 3, 4, 5, 6, 7, 8, 9}, "1-9"},
      {{3, 7}, "3, 7"},
      {{1, 2}, "1, 2"},
      {{0, 1, 2, 5}, "0-2, 5"},
      {{}, ""},
  };
  for (const auto& [pages, text] : cases) EXPECT_EQ(PagesText(pages), text);
  EXPECT_EQ(KindWord(RestoreKind::kRead), "read");
  EXPECT_EQ(KindWord(RestoreKind::kVerify), "verify");
  EXPECT_EQ(KindWord(RestoreKind::kProgram), "program");
}

}  // namespace
}  // namespace morvek::files
