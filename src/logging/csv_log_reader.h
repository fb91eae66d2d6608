#pragma once

#include <string>
#include <vector>

#include "logging/log_row.h"

namespace morvek::logging {

struct CsvLog {
  std::vector<LogRow> rows;
  // Empty when the whole file was read; otherwise why it was not (with the line number).
  std::string error;
};

// Reads a data log written by this program. Columns are found by their header names, so a
// log with columns missing (an older or a trimmed log) reads with those values at zero, and
// columns this program does not know are passed over. A last line that was cut off (the
// program or the machine stopped while writing it) is left out without complaint; any other
// line that is not a row is an error, and no rows are returned then.
CsvLog ReadCsvLog(const std::string& path);
// The same from the file's text.
CsvLog ParseCsvLog(const std::string& text);

}  // namespace morvek::logging
