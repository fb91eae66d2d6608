#pragma once

#include <string>

#include "analysis/analysis_options.h"

namespace morvek::analysis {

// A table of one value per map cell as a CSV file: ten lines, from the 0 % throttle row up to
// the 100 % row, of fifteen comma-separated numbers, one per rpm column. Empty lines and lines
// starting with '#' are passed over.
struct CellGridFile {
  CellGrid values{};
  std::string error;  // empty when the file held a whole table
};

CellGridFile ParseCellGrid(const std::string& text);
CellGridFile ReadCellGrid(const std::string& path);

// A target table: every value an A/F between 8 and 25.
CellGridFile ReadTargetTable(const std::string& path);
// Locked cells: 1 locks a cell, 0 leaves it free.
struct LockFile {
  CellFlags locked{};
  std::string error;
};
LockFile ReadLockFile(const std::string& path);

}  // namespace morvek::analysis
