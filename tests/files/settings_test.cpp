#include "files/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/limits_pass.h"

namespace morvek::files {
namespace {

constexpr const char* kAllKeys =
    "[BASIC]\r\n"
    "Left=10\r\n"
    "Top=-20\r\n"
    "Height=600\r\n"
    "Width=800\r\n"
    "ComPort=4\r\n"
    "ComPortAuto=21\r\n"
    "Language=3\r\n"
    "File=/home/u/bike.ign\r\n"
    "IniDir=/home/u\r\n"
    "PageControl1->ActivePageIndex=7\r\n"
    "CheckBoxZobrMs_Uni->Checked=1\r\n"
    "CheckBoxExtMonitor->Checked=0\r\n"
    "CheckBoxAll_PolohaA->Checked=1\r\n";

TEST(Settings, WrittenInTableOrderIntoAnEmptyFile) {
  Settings s;
  s.left = 10;
  s.top = -20;
  s.height = 600;
  s.width = 800;
  s.com_port_index = 3;
  s.com_auto_index = 20;
  s.language_index = 3;
  s.file = "/home/u/bike.ign";
  s.ini_dir = "/home/u";
  s.active_page = 7;
  s.zobr_ms = true;
  s.all_poloha_a = true;
  IniFile ini;
  SaveSettings(ini, s);
  EXPECT_EQ(ini.Text(), kAllKeys);
  const Settings back = LoadSettings(IniFile::Parse(kAllKeys), Settings{});
  EXPECT_EQ(back.com_port_index, 3);
  EXPECT_EQ(back.com_auto_index, 20);
  EXPECT_EQ(back.file, "/home/u/bike.ign");
  EXPECT_EQ(back.active_page, 7);
  EXPECT_TRUE(back.zobr_ms);
  EXPECT_FALSE(back.ext_monitor);
  EXPECT_EQ(back.top, -20);
}

TEST(Settings, FirstRunAndOddPortValues) {
  struct Case {
    const char* text;
    int com_port, com_auto, com_port_after_limits, com_auto_after_limits;
  } cases[] = {
      {"", 0, 255, 0, 0},  // no file: COM1; the missing "ComPortAuto" gives 255
      {"[BASIC]\nComPort=21\nComPortAuto=1\n", 20, 0, 20, 0},  // 20: automatic scanning
      {"[BASIC]\nComPort=0\nComPortAuto=0\n", 255, 255, 0, 0},
      {"[basic]\ncomport = \"5\"\n", 4, 255, 4, 0},  // case and quotes as Windows reads them
      {"[BASIC]\nComPort=abc\n", 0, 255, 0, 0},      // not a number: the default
  };
  for (const Case& c : cases) {
    Settings current;  // start-up: port index 1, scanning index 0
    current.active_page = 4;
    current.ext_monitor = true;
    const Settings s = LoadSettings(IniFile::Parse(c.text), current);
    EXPECT_EQ(s.com_port_index, c.com_port) << c.text;
    EXPECT_EQ(s.com_auto_index, c.com_auto) << c.text;
    EXPECT_EQ(s.active_page, 4);
    EXPECT_TRUE(s.ext_monitor);
    model::LimitedSettings limited{s.language_index, s.com_port_index, s.com_auto_index};
    model::ParameterImage image;
    model::ApplyLimits(image, &limited);
    EXPECT_EQ(limited.com_port_index, c.com_port_after_limits) << c.text;
    EXPECT_EQ(limited.com_auto_index, c.com_auto_after_limits) << c.text;
  }
}

TEST(Settings, IntegersAsWindowsReadsThemAndNothingElse) {
  struct Case {
    const char* value;
    int read;  // 99: not a number, the default
  } cases[] = {
      {"-5", -5},
      {"+5", 5},
      {"0x1F", 31},
      {"-0x10", -16},
      {"007", 7},
      {"--5", 99},
      {"+-5", 99},
      {"-+5", 99},
      {"++5", 99},
      {"0x-5", 99},
      {"0x+5", 99},
      {"- 5", 99},
      {"-", 99},
      {"0x", 99},
      {"5x", 99},
      {"", 99},
      {"2147483647", 2147483647},
      {"2147483648", 99},
  };
  for (const Case& c : cases) {
    const IniFile ini = IniFile::Parse(std::string("[BASIC]\nLeft=") + c.value + "\n");
    EXPECT_EQ(ini.ReadInteger("BASIC", "Left", 99), c.read) << "Left=" << c.value;
  }
}

TEST(Settings, OtherSectionsAndKeysAreKept) {
  IniFile ini = IniFile::Parse(
      "; user comment\n[Other]\nLeft=1\n\n[BASIC]\nExtra=keep\nLanguage=2\n\n[Tail]\nx=y\n");
  Settings s;
  s.language_index = 1;
  SaveSettings(ini, s);
  const std::string text = ini.Text();
  const std::string head =
      "; user "
      "comment\r\n[Other]\r\nLeft=1\r\n\r\n[BASIC]\r\nExtra=keep\r\nLanguage=1\r\nLeft=0\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_NE(text.find("CheckBoxAll_PolohaA->Checked=0\r\n\r\n[Tail]\r\nx=y\r\n"),
            std::string::npos);
  EXPECT_EQ(ini.ReadInteger("Other", "Left", 99), 1);
  EXPECT_EQ(ini.ReadString("Tail", "x", ""), "y");
}

TEST(Settings, SavedAtomicallyAndLoadedBack) {
  const auto path = std::filesystem::temp_directory_path() / "morvek_settings_test.ini";
  IniFile ini;
  Settings s;
  s.file = "C:\\bikes\\race.ign";
  SaveSettings(ini, s);
  ASSERT_EQ(ini.Save(path), FileError::kOk);
  EXPECT_EQ(LoadSettings(IniFile::Load(path), Settings{}).file, "C:\\bikes\\race.ign");
  std::filesystem::remove(path);
  EXPECT_EQ(ini.Save(path.parent_path() / "missing_dir" / "x.ini"), FileError::kCannotOpen);
}

TEST(Settings, HeatColoursHaveTheirOwnSectionOnceSwitchedOn) {
  IniFile ini = IniFile::Parse("");
  Settings s;
  SaveSettings(ini, s);
  EXPECT_EQ(ini.Text().find("VIEW"), std::string::npos);  // never on: the file as before
  s.heat_colours = true;
  SaveSettings(ini, s);
  EXPECT_NE(ini.Text().find("[VIEW]\r\nHeatColours=1\r\n"), std::string::npos);
  EXPECT_TRUE(LoadSettings(ini, Settings{}).heat_colours);
  s.heat_colours = false;
  SaveSettings(ini, s);
  EXPECT_NE(ini.Text().find("[VIEW]\r\nHeatColours=0\r\n"), std::string::npos);
  EXPECT_FALSE(LoadSettings(ini, Settings{}).heat_colours);
}

}  // namespace
}  // namespace morvek::files
