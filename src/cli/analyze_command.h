#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace morvek::cli {

// No cell of the map reached the minimum hits: there is nothing to propose, nothing written.
inline constexpr int kExitNoCoverage = 8;

// morvek-cli analyze LOG.csv [LOG.csv...] --tune IN.ign -o OUT.ign [options]: a corrected
// injection map from data logs, written as IN.ign with the proposal applied. `args` starts
// with the word "analyze".
int RunAnalyzeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const BuildStamp& stamp);

std::string_view AnalyzeUsageText();

}  // namespace morvek::cli
