#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace morvek::clilink {

// Exit codes of the link commands, for scripts.
enum ExitCode : int {
  kExitOk = 0,
  kExitTransactionFailed = 1,  // "Read error!", "Verify error!", "Program error!"
  kExitUsage = 2,              // bad arguments
  kExitPortError = 3,          // the port cannot be opened
  kExitVersionMismatch = 4,    // the controller speaks another protocol version
  kExitFileError = 5,          // the parameter file cannot be read or written
  kExitTimeout = 6,            // no answer within the time limit
  kExitNotRead = 7,            // diff: the controller could not be read (diff's 1 is "different")
};

// Whether a morvek-cli command word is one of the link commands below.
bool IsLinkCommand(const std::string& command);
// Whether the arguments (starting with the command word) are a diff with a controller.
bool IsLinkDiff(const std::vector<std::string>& args);

// Runs one link command on a real serial port, driven by 55 ms ticks on the Qt event loop
// (a QCoreApplication must exist):
//   read    --port PORT -o FILE.ign     read the controller (with its verify pass) into a file
//   verify  FILE.ign --port PORT        compare a parameter file with the controller
//   program FILE.ign --port PORT        program it, verify it and wait for the saving
//   monitor --port PORT [--count N] [--csv FILE]
//                                       print the live values, one line per frame, and
//                                       record every frame as a row of a data log
//   diff FILE.ign --port PORT           list the differences (--port first: controller left)
// PORT is a device path, COMn (1..20) or auto; --com N=PATH binds COM n to a device.
// `args` starts with the command word. Progress goes to err, results to out.
int RunLinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const std::string& build_date, const std::string& build_time);

}  // namespace morvek::clilink
