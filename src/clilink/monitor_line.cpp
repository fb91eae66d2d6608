#include "clilink/monitor_line.h"

#include <cstdio>

namespace morvek::clilink {

std::string FormatMonitorLine(const link::LiveValues& v) {
  char line[200];
  std::snprintf(line, sizeof line,
                "rpm=%d tps=%d%% tps_mv=%d coolant=%dC air=%dC gear=%d lambda=%d.%d ratio=%d "
                "saving=%d",
                v.rpm, v.throttle_percent, v.throttle_mv, v.coolant_plus100 - 100,
                v.air_plus100 - 100, v.gear, v.lambda / 10, v.lambda % 10, v.rpm_speed_ratio,
                v.saving_counter);
  return line;
}

}  // namespace morvek::clilink
