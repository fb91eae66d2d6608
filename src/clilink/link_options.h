#pragma once

#include <string>
#include <vector>

namespace morvek::clilink {

struct LinkOptions {
  std::string command;
  std::string port;                   // as given to --port
  std::string file;                   // the parameter file of verify, program and diff
  bool port_first = false;            // diff: the controller is the left side
  std::string output;                 // -o of read
  std::string csv;                    // --csv of monitor: every frame as a row of a data log
  int count = -1;                     // frames to print (monitor); -1 for no end
  int timeout_s = 60;                 // the whole command
  bool timeout_given = false;         // --timeout was on the command line
  bool verbose = false;               // -v: debug lines on stderr
  bool force = false;                 // program: also a file that is not a complete tune
  std::vector<std::string> bindings;  // --com N=PATH
};

// Whether a command without result gives up after elapsed_ms, having seen `frames` monitor
// frames: every command at its --timeout. Without --timeout the default applies, except that a
// monitor that has had a frame goes on until --count or until it is stopped.
bool TimeIsUp(const LinkOptions& options, long long elapsed_ms, int frames);

// Parses the arguments of a link command (starting with the command word). Returns an error
// text, or empty on success.
std::string ParseLinkOptions(const std::vector<std::string>& args, LinkOptions& options);

}  // namespace morvek::clilink
