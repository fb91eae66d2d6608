#pragma once

#include <string>
#include <vector>

namespace morvek::app {

// The program's own options; everything else (the language word first of all) is passed on
// to start-up as it stands.
struct CommandLine {
  bool help = false;
  bool version = false;  // --version: print the version, build date and license
  bool demo = false;
  bool quit_after_show = false;
  std::vector<std::string> com_bindings;  // "N=PATH", as given
  std::vector<std::string> arguments;     // [LANGUAGE] [file.ign], in order
  std::string error;                      // an unknown or malformed argument
};

// The words after the program's name. The toolkit's own options (-platform offscreen, -style
// Fusion, …) are let through untouched: the toolkit takes them when the window starts.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// What `morvek --help` prints.
const char* CommandLineUsage();

}  // namespace morvek::app
