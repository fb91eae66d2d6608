#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "files/ini_file.h"

namespace morvek::files {

inline constexpr std::string_view kSettingsSection = "BASIC";

// What the settings file keeps between runs (section "BASIC").
struct Settings {
  int left = 0;
  int top = 0;
  int height = 0;
  int width = 0;
  // Stored as bytes; out-of-range values (255 from a missing or zero key) are left for the
  // limits pass to reset.
  std::uint8_t com_port_index = 1;  // start-up sets 1, so a missing "ComPort" loads as COM1
  std::uint8_t com_auto_index = 0;
  std::uint8_t language_index = 0;
  std::string file;     // CurrentFileName
  std::string ini_dir;  // LastFilePath
  int active_page = 0;
  bool zobr_ms = false;
  bool ext_monitor = false;
  bool all_poloha_a = false;
  // The map grid's heat colours, in a section of their own ("VIEW", "HeatColours"). Written
  // once the switch has been on, so the thirteen keys stand as they were until then.
  bool heat_colours = false;
};

inline constexpr std::string_view kViewSection = "VIEW";

// Reads every key with the value in current as its default; "ComPort" and "ComPortAuto" are
// stored one above their index. An active page outside the editing pages keeps current.
Settings LoadSettings(const IniFile& ini, const Settings& current);
// Writes the thirteen keys in their fixed order, then the view section.
void SaveSettings(IniFile& ini, const Settings& settings);

}  // namespace morvek::files
