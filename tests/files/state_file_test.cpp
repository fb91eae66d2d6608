#include "files/state_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "files/config_paths.h"
#include "files/debug_switch_file.h"

namespace morvek::files {
namespace {

model::ParameterImage Counting() {
  model::ParameterImage image;
  for (int b = 0; b < model::kImageSize; ++b) image.SetByte(b, static_cast<std::uint8_t>(b * 7));
  return image;
}

TEST(StateFile, Layout) {
  model::ParameterImage image;
  for (int b = 0; b < model::kImageSize; ++b) image.SetByte(b, static_cast<std::uint8_t>(b % 251));
  AllFlags flags{};
  flags[0] = 1;
  flags[12] = 255;
  const std::string text = FormatStateFile(image, flags);
  EXPECT_EQ(text.substr(0, 62), "    0     1     2     3     4     5     6     7     8     9 \r\n");
  // Line 10 ends the first hundred, line 11 is empty.
  EXPECT_EQ(text.substr(9 * 62, 64),
            "   90    91    92    93    94    95    96    97    98    99 \r\n\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 135 + 13);
  // The last block holds only 50 values, so no empty line precedes the flags.
  EXPECT_EQ(text.substr(text.size() - 80),
            "\r\n    1     0     0     0     0     0     0     0     0     0     0     0   255 ");
}

TEST(StateFile, RoundTrip) {
  const model::ParameterImage image = Counting();
  AllFlags flags{};
  for (std::size_t i = 0; i < flags.size(); ++i) flags[i] = static_cast<std::uint8_t>(i % 2);
  model::ParameterImage back;
  AllFlags back_flags{};
  EXPECT_EQ(ParseStateFile(FormatStateFile(image, flags), back, back_flags), 1363);
  EXPECT_EQ(back, image);
  EXPECT_EQ(back_flags, flags);
}

TEST(StateFile, ShortOrBrokenFilesKeepTheRest) {
  struct Case {
    const char* text;
    int count;
    std::vector<int> first_bytes;  // bytes 0..3 afterwards; the image held 0, 7, 14, 21
  } cases[] = {
      {"1 2 3", 3, {1, 2, 3, 21}},
      {"1 2 x 4", 2, {1, 2, 14, 21}},  // stops at the non-number, nothing repeated
      {"-1\r\n300\n+5 9", 4, {255, 44, 5, 9}},
      {"12abc 13", 1, {12, 7, 14, 21}},
      {"", 0, {0, 7, 14, 21}},
  };
  for (const Case& c : cases) {
    model::ParameterImage image = Counting();
    AllFlags flags{};
    flags.fill(9);
    EXPECT_EQ(ParseStateFile(c.text, image, flags), c.count) << c.text;
    for (int b = 0; b < 4; ++b)
      EXPECT_EQ(image.Byte(b), c.first_bytes[static_cast<std::size_t>(b)]);
    EXPECT_EQ(image.Byte(1349), Counting().Byte(1349));
    EXPECT_EQ(flags[0], 9);
  }
}

TEST(StateFile, FilesInTheConfigDirectory) {
  const auto dir = std::filesystem::temp_directory_path() / "morvek_state_test" / "Morvek";
  std::filesystem::remove_all(dir.parent_path());
  const ConfigPaths paths{dir};
  model::ParameterImage image = Counting();
  AllFlags flags{};
  EXPECT_FALSE(ReadStateFile(paths.StateFile(), image, flags));  // first run: nothing there
  EXPECT_EQ(image, Counting());
  EXPECT_FALSE(ReadDebugSwitchFile(paths.DebugSwitchFile()));
  ASSERT_TRUE(paths.EnsureDirectory());
  flags[3] = 1;
  ASSERT_EQ(WriteStateFile(paths.StateFile(), image, flags), FileError::kOk);
  model::ParameterImage back;
  AllFlags back_flags{};
  EXPECT_TRUE(ReadStateFile(paths.StateFile(), back, back_flags));
  EXPECT_EQ(back, image);
  EXPECT_EQ(back_flags, flags);
  EXPECT_EQ(paths.StateFile().filename(), "_Morvek_v84.ini");
  EXPECT_EQ(paths.SettingsFile().filename(), "Morvek_v84.ini");
  EXPECT_EQ(paths.DebugSwitchFile().filename(), "test_qarnet.txt");
  std::filesystem::remove_all(dir.parent_path());
}

TEST(DebugSwitchFile, WholeWordCaseSensitive) {
  struct Case {
    const char* text;
    bool on;
  } cases[] = {{"TEST_ENABLE", true},     {"x\r\n\tTEST_ENABLE\r\n", true}, {"test_enable", false},
               {"MY_TEST_ENABLE", false}, {"TEST_ENABLED", false},          {"", false}};
  for (const Case& c : cases) EXPECT_EQ(HasDebugSwitch(c.text), c.on) << c.text;
}

TEST(ConfigPaths, EnvironmentChoosesTheDirectory) {
  struct Case {
    const char* morvek;
    const char* xdg;
    const char* home;
    const char* expected;
  } cases[] = {
      {"/tmp/cfg", "/xdg", "/home/u", "/tmp/cfg"},
      {"", "/xdg", "/home/u", "/xdg/Morvek"},
      {nullptr, nullptr, "/home/u", "/home/u/.config/Morvek"},
      {nullptr, nullptr, nullptr, ""},
  };
  for (const Case& c : cases) {
    const auto lookup = [&c](const char* name) -> const char* {
      const std::string n = name;
      return n == "MORVEK_CONFIG_DIR" ? c.morvek
             : n == "XDG_CONFIG_HOME" ? c.xdg
             : n == "HOME"            ? c.home
                                      : nullptr;
    };
    EXPECT_EQ(ConfigDirectory(lookup), std::filesystem::path(c.expected));
  }
}

}  // namespace
}  // namespace morvek::files
