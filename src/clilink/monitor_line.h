#pragma once

#include <string>

#include "link/live_values.h"

namespace morvek::clilink {

// One line of `morvek-cli monitor`: the decoded live values of a monitor frame.
std::string FormatMonitorLine(const link::LiveValues& live);

}  // namespace morvek::clilink
