#include "files/settings.h"

#include "model/editor.h"

namespace morvek::files {
namespace {

constexpr std::string_view kLeft = "Left";
constexpr std::string_view kTop = "Top";
constexpr std::string_view kHeight = "Height";
constexpr std::string_view kWidth = "Width";
constexpr std::string_view kComPort = "ComPort";
constexpr std::string_view kComPortAuto = "ComPortAuto";
constexpr std::string_view kLanguage = "Language";
constexpr std::string_view kFile = "File";
constexpr std::string_view kIniDir = "IniDir";
constexpr std::string_view kActivePage = "PageControl1->ActivePageIndex";
constexpr std::string_view kZobrMs = "CheckBoxZobrMs_Uni->Checked";
constexpr std::string_view kExtMonitor = "CheckBoxExtMonitor->Checked";
constexpr std::string_view kAllPolohaA = "CheckBoxAll_PolohaA->Checked";
constexpr std::string_view kHeatColours = "HeatColours";

std::uint8_t LowByte(int v) { return static_cast<std::uint8_t>(v & 0xFF); }

}  // namespace

Settings LoadSettings(const IniFile& ini, const Settings& current) {
  const std::string_view s = kSettingsSection;
  Settings r = current;
  r.left = ini.ReadInteger(s, kLeft, current.left);
  r.top = ini.ReadInteger(s, kTop, current.top);
  r.height = ini.ReadInteger(s, kHeight, current.height);
  r.width = ini.ReadInteger(s, kWidth, current.width);
  // The default is the raw index, not the index + 1 that is written.
  r.com_port_index = LowByte(ini.ReadInteger(s, kComPort, current.com_port_index) - 1);
  r.com_auto_index = LowByte(ini.ReadInteger(s, kComPortAuto, current.com_auto_index) - 1);
  r.language_index = LowByte(ini.ReadInteger(s, kLanguage, current.language_index));
  r.file = ini.ReadString(s, kFile, "");
  r.ini_dir = ini.ReadString(s, kIniDir, "");
  const int page = ini.ReadInteger(s, kActivePage, current.active_page);
  if (page >= 0 && page < model::kPageCount) r.active_page = page;
  r.zobr_ms = ini.ReadInteger(s, kZobrMs, current.zobr_ms ? 1 : 0) != 0;
  r.ext_monitor = ini.ReadInteger(s, kExtMonitor, current.ext_monitor ? 1 : 0) != 0;
  r.all_poloha_a = ini.ReadInteger(s, kAllPolohaA, current.all_poloha_a ? 1 : 0) != 0;
  r.heat_colours = ini.ReadInteger(kViewSection, kHeatColours, current.heat_colours ? 1 : 0) != 0;
  return r;
}

void SaveSettings(IniFile& ini, const Settings& settings) {
  const std::string_view s = kSettingsSection;
  ini.WriteInteger(s, kLeft, settings.left);
  ini.WriteInteger(s, kTop, settings.top);
  ini.WriteInteger(s, kHeight, settings.height);
  ini.WriteInteger(s, kWidth, settings.width);
  ini.WriteInteger(s, kComPort, settings.com_port_index + 1);
  ini.WriteInteger(s, kComPortAuto, settings.com_auto_index + 1);
  ini.WriteInteger(s, kLanguage, settings.language_index);
  ini.WriteString(s, kFile, settings.file);
  ini.WriteString(s, kIniDir, settings.ini_dir);
  ini.WriteInteger(s, kActivePage, settings.active_page);
  ini.WriteInteger(s, kZobrMs, settings.zobr_ms ? 1 : 0);
  ini.WriteInteger(s, kExtMonitor, settings.ext_monitor ? 1 : 0);
  ini.WriteInteger(s, kAllPolohaA, settings.all_poloha_a ? 1 : 0);
  const bool written_before = ini.ReadInteger(kViewSection, kHeatColours, -1) != -1;
  if (settings.heat_colours || written_before)
    ini.WriteInteger(kViewSection, kHeatColours, settings.heat_colours ? 1 : 0);
}

}  // namespace morvek::files
