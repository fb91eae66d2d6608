#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace morvek::cli {

enum ExitCode : int {
  kExitOk = 0,
  kExitOutOfRange = 1,
  kExitUsage = 2,
  kExitFileError = 3,
  kExitNotAParameterFile = 4,
  kExitWarnings = 5,  // check: the file is not a tune as written (the warnings say why)
};

// When and from what the tool was built; goes into the EXE line of written files.
struct BuildStamp {
  std::string date;  // "Jul  1 2009"
  std::string time;  // "hh:mm:ss"
};

// Runs morvek-cli with the arguments after the program name; reports go to out, errors and
// notes to err. Returns the exit code.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const BuildStamp& stamp);

}  // namespace morvek::cli
