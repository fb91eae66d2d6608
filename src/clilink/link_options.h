#pragma once

#include <string>
#include <vector>

namespace morvek::clilink {

struct LinkOptions {
  std::string command;
  std::string port;                   // as given to --port
  std::string file;                   // the parameter file of verify and program
  std::string output;                 // -o of read
  int count = -1;                     // frames to print (monitor); -1 for no end
  int timeout_s = 60;                 // the whole command
  std::vector<std::string> bindings;  // --com N=PATH
};

// Parses the arguments of a link command (starting with the command word). Returns an error
// text, or empty on success.
std::string ParseLinkOptions(const std::vector<std::string>& args, LinkOptions& options);

}  // namespace morvek::clilink
