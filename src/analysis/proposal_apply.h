#pragma once

#include "analysis/map_proposal.h"
#include "pages/page_editor.h"
#include "pages/page_values.h"

namespace morvek::analysis {

// Writes the changed cells of a proposal into the editor's map as one edit: the page on
// screen is collected first, the cells go in as percentages through the map's coupling (in
// mode coupled map 2A moves by the same amount, in mode " 1 = 2" it becomes the copy), the
// times follow from the percentages, then the limits pass, the refresh and one history
// entry, which flags the changed pages as not programmed. Cells the proposal leaves alone
// keep their stored times.
pages::ChangeResult ApplyProposal(pages::PageEditor& pages, pages::PageValues& values,
                                  const MapProposal& proposal);

}  // namespace morvek::analysis
