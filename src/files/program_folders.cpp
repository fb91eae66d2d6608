#include "files/program_folders.h"

#include <system_error>

namespace morvek::files {

ProgramFolders FindProgramFolders(const std::filesystem::path& program_directory,
                                  const std::filesystem::path& config_directory) {
  std::filesystem::path dir = program_directory.lexically_normal();
  // "/usr/bin/" names the same folder as "/usr/bin".
  if (dir.filename().empty() && dir.has_parent_path() && dir != dir.root_path())
    dir = dir.parent_path();
  ProgramFolders folders{program_directory, program_directory};
  if (dir.filename() != "bin") return folders;
  const std::filesystem::path shared = dir.parent_path() / "share" / "morvek";
  std::error_code error;
  if (!std::filesystem::is_directory(shared, error)) return folders;
  folders.manuals = shared;
  if (!config_directory.empty()) folders.data_directory = config_directory;
  return folders;
}

}  // namespace morvek::files
