#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvek::cli {

enum class Command : std::uint8_t { kHelp, kNew, kConvert, kCheck, kDiff, kVersion };

struct CommandLine {
  Command command = Command::kHelp;
  int bike = -1;       // new: the preset
  std::string input;   // convert, check; diff: the left file
  std::string input2;  // diff: the right file
  std::string output;  // new, convert
  bool force = false;  // convert: also a file that is not a complete tune
};

// The parsed command line, or the reason it is not one (error set).
struct ParseResult {
  std::optional<CommandLine> command_line;
  std::string error;
};

// args: the arguments after the program name.
ParseResult ParseCommandLine(const std::vector<std::string>& args);

std::string_view UsageText();

}  // namespace morvek::cli
