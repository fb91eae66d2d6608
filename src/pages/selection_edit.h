#pragma once

#include <vector>

#include "pages/map_clipboard.h"
#include "pages/map_selection.h"
#include "pages/page_editor.h"

namespace morvek::pages {

// A cell the map could not take as asked: the limits (or the map's resolution) kept another
// value. Row and column count from 0.
struct LimitedCell {
  int row = 0;
  int column = 0;
  int wanted = 0;
  int kept = 0;
};

struct SelectionEditResult {
  ChangeResult change;
  std::vector<LimitedCell> limited;
  bool refused = false;  // not a map page, or a map that follows another and is not edited
};

// Whether the map shown takes selection operations and pastes: a map page whose grid is not
// read-only (map 2A follows 1A in coupled mode).
bool CanEditMap(const model::Editor& editor);

// The cells of the map page as its values hold them (degrees or percent).
MapCells ShownCells(const PageValues& values);

// An operation on the selection of the map shown, through the one edit path: the page's values
// take the new cells, then collect (coupling), limits pass, refresh and one history entry.
SelectionEditResult ApplySelection(PageEditor& pages, PageValues& values,
                                   const SelectionRequest& request);

// A planned paste (no problem) through the same path. `milliseconds`: the block holds the
// injection times as the "Ms" view shows them, and lands on the cells as percentages of
// their base times.
SelectionEditResult ApplyPaste(PageEditor& pages, PageValues& values, const PastePlan& plan,
                               bool milliseconds);

}  // namespace morvek::pages
