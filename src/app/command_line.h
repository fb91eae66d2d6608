#pragma once

#include <string>
#include <vector>

namespace morvek::app {

// The program's own options; everything else (the language word first of all) is passed on
// to start-up as it stands.
struct CommandLine {
  bool demo = false;
  bool quit_after_show = false;
  std::vector<std::string> com_bindings;  // "N=PATH", as given
  std::vector<std::string> arguments;     // the rest, in order
  std::string error;                      // a malformed option
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace morvek::app
