#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace morvek::files {

// Reads an environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The directory of the settings, state and debug switch files: $MORVEK_CONFIG_DIR when set,
// else $XDG_CONFIG_HOME/Morvek, else $HOME/.config/Morvek (on Windows %APPDATA%\Morvek).
// Empty when none of these is known.
std::filesystem::path ConfigDirectory(const EnvironmentLookup& lookup);
std::filesystem::path ConfigDirectory();

// "Morvek_v84.ini", from the program version.
std::string SettingsFileName();

struct ConfigPaths {
  std::filesystem::path directory;

  std::filesystem::path SettingsFile() const { return directory / SettingsFileName(); }
  std::filesystem::path StateFile() const { return directory / ("_" + SettingsFileName()); }
  std::filesystem::path DebugSwitchFile() const { return directory / "test_qarnet.txt"; }
  // Creates the directory when it is missing; false when that fails.
  bool EnsureDirectory() const;
};

}  // namespace morvek::files
