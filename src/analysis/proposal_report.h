#pragma once

#include <string>

#include "analysis/map_proposal.h"
#include "model/parameter_image.h"

namespace morvek::analysis {

// The proposal as a CSV table, one line per cell: row, column, throttle %, rpm, hits, mean
// A/F, target A/F, old %, new %, clamped, locked.
std::string ProposalCsv(const MapProposal& proposal, const model::ParameterImage& image);

// The changes as lines of text, one per cell that changes or is locked with enough hits
// ("TPS  40 %  6000 rpm: 100 -> 108 %  hits 23.5  A/F 15.8  clamped"), then the readings
// rejected by reason.
std::string ProposalText(const MapProposal& proposal, const model::ParameterImage& image);

}  // namespace morvek::analysis
