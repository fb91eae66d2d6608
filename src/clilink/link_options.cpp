#include "clilink/link_options.h"

#include <cstdlib>

namespace morvek::clilink {
namespace {

bool ParseCount(const std::string& text, int lo, int& out) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < lo || v > 1000000) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

bool TimeIsUp(const LinkOptions& options, long long elapsed_ms, int frames) {
  if (elapsed_ms < options.timeout_s * 1000LL) return false;
  return options.timeout_given || options.command != "monitor" || frames == 0;
}

std::string ParseLinkOptions(const std::vector<std::string>& args, LinkOptions& options) {
  if (args.empty()) return "missing command";
  options.command = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto next = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string value;
    if (arg == "--port") {
      if (!options.port.empty())
        return options.command == "diff" ? "diff compares with one controller at a time"
                                         : "--port given twice";
      if (!next(options.port)) return "--port needs a device path, COMn or auto";
      options.port_first = options.file.empty();
    } else if (arg == "-o") {
      if (!options.output.empty()) return "-o given twice";
      if (!next(options.output) || options.output.empty()) return "-o needs a file name";
    } else if (arg == "--csv") {
      if (!options.csv.empty()) return "--csv given twice";
      if (!next(options.csv) || options.csv.empty()) return "--csv needs a file name";
    } else if (arg == "--count") {
      if (!next(value) || !ParseCount(value, 1, options.count)) return "--count needs a number";
    } else if (arg == "--timeout") {
      if (!next(value) || !ParseCount(value, 1, options.timeout_s))
        return "--timeout needs a number of seconds";
      options.timeout_given = true;
    } else if (arg == "-v") {
      options.verbose = true;
    } else if (arg == "--force" && options.command == "program") {
      options.force = true;
    } else if (arg == "--com") {
      if (!next(value)) return "--com needs N=PATH";
      options.bindings.push_back(value);
    } else if (!arg.empty() && arg[0] == '-') {
      return "unknown option " + arg;
    } else if (options.file.empty()) {
      options.file = arg;
    } else {
      return "unexpected argument " + arg;
    }
  }
  if (options.port.empty()) return "--port is required";
  const std::string& c = options.command;
  if (c == "read" && options.output.empty()) return "read needs -o FILE.ign";
  if ((c == "verify" || c == "program") && options.file.empty()) return c + " needs FILE.ign";
  if (!options.csv.empty() && c != "monitor") return "--csv belongs to monitor";
  if (c == "diff" && options.file.empty()) return "diff needs a parameter file and --port PORT";
  if (c == "diff" && !options.output.empty()) return "diff writes no file";
  if ((c == "read" || c == "monitor") && !options.file.empty())
    return "unexpected argument " + options.file;
  return {};
}

}  // namespace morvek::clilink
