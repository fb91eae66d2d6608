#pragma once

#include <filesystem>

namespace morvek::files {

// Where the program looks for its help manuals (Morvek_en.pdf …) and keeps data.ign, the file
// of "Open from / Save to the program's folder".
struct ProgramFolders {
  std::filesystem::path manuals;
  std::filesystem::path data_directory;
};

// Run from its build folder or an unpacked copy, the program keeps both beside itself.
// Installed (PREFIX/bin/morvek with the folder PREFIX/share/morvek), the manuals are in
// PREFIX/share/morvek and data.ign in the user's configuration directory: the installed
// folders belong to the system, and saving there would fail for every user. Without a
// configuration directory data.ign stays beside the program.
ProgramFolders FindProgramFolders(const std::filesystem::path& program_directory,
                                  const std::filesystem::path& config_directory);

}  // namespace morvek::files
