#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "files/config_paths.h"

namespace morvek::cli {

// morvek-cli restore list | restore export ID -o OUT.ign: the restore points of the
// configuration directory. `args` starts with the word "restore".
int RunRestoreCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const BuildStamp& stamp,
                      const std::filesystem::path& config_directory = files::ConfigDirectory());

}  // namespace morvek::cli
