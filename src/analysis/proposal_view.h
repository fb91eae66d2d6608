#pragma once

#include <string>

#include "analysis/map_proposal.h"
#include "i18n/text_table.h"

namespace morvek::analysis {

// A cell's colour in the analysis window.
struct Shade {
  int red = 255;
  int green = 255;
  int blue = 255;
  friend bool operator==(const Shade&, const Shade&) = default;
};

// The proposal: red for more fuel, blue for less, the deeper the larger the change (full at
// `max_change_pct`); white for a covered cell that stays, grey for a locked one, pale grey
// where the logs have no data, pale yellow where they have too little.
Shade ChangeShade(const CellResult& cell, double max_change_pct);
// Where the logs have data: pale grey none, yellow some, green enough.
Shade CoverageShade(const CellResult& cell);

// What a cell shows: the proposed percentage, or in the coverage view the hits (rounded).
std::string CellText(const CellResult& cell, bool coverage);
// The cell's tool tip: hits, mean A/F, old -> new percentage, limited, locked.
std::string CellToolTip(const CellResult& cell, i18n::Language language);
// "Cells covered: 4, changed: 3; readings used: 150 of 480".
std::string SummaryText(const MapProposal& proposal, i18n::Language language);
// The rejections, one "reason: count" line each for the reasons that have any.
std::string RejectionText(const MapProposal& proposal, i18n::Language language);

}  // namespace morvek::analysis
