#pragma once

#include "pages/page_editor.h"
#include "pages/page_values.h"

namespace morvek::pages {

// Where the engine runs now, as the live highlight finds it: the map cell of the page shown
// and the column of the injection-angle table. An rpm of 0 means there is no operating point.
struct LiveTarget {
  int rpm = 0;
  int map_row = 0;
  int map_column = 0;
  int position_column = 0;
};

// A step of one stored unit: -1 lowers, +1 raises; a value at its limit stays.
inline constexpr int kStepDown = -1;
inline constexpr int kStepUp = 1;

// Tools "Minus" / "Plus" (F4 / F5): the whole map of the page shown when its "All" is set,
// otherwise the live cell; on the injection-angle page the angle tool. A map page whose
// "All" is clear does nothing while the engine stands (no history entry).
ChangeResult MapStep(PageEditor& pages, PageValues& values, int step, const LiveTarget& live,
                     bool all_position_angles);

// The spin buttons under the grid: the ten cells of one column of the map shown.
ChangeResult ColumnStep(PageEditor& pages, PageValues& values, int column, int step);

// The injection angles: all fifteen with "All", else the live column; 0 ... 720 degrees. The
// page is collected first, so a number typed and not yet stored is kept.
ChangeResult PositionStep(PageEditor& pages, PageValues& values, int step, bool all,
                          int live_column);

// The nine idle servo targets, by the idle spinners' step: minus leaves a target that the
// step would take to zero or below, plus stops at the spinners' maximum.
ChangeResult IdleStep(PageEditor& pages, PageValues& values, int step);

}  // namespace morvek::pages
