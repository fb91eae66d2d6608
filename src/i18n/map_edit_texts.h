#pragma once

#include <cstdint>
#include <string_view>

#include "i18n/text_table.h"

namespace morvek::i18n {

// Texts of the map editing tools: the selection's commands, their value prompts, the
// messages of the limits and of a refused paste, the View menu and the 3D map. In the
// messages %N, %M stand for counts, %R for a row, %C for a column, %X for a cell's text,
// %W for the value asked and %K for the value kept.
enum class MapEditText : std::uint8_t {
  kSelectionMenu,  // Tools submenu and the cells' context menu
  kSet,
  kAdd,
  kSubtract,
  kScale,
  kInterpolateH,
  kInterpolateV,
  kInterpolateBilinear,
  kSmooth,
  kFill,
  kCopy,
  kPaste,
  kSelectAll,
  kPromptSet,  // before the value box
  kPromptAdd,
  kPromptSubtract,
  kPromptScale,
  kLimited,          // cells the limits kept at another value
  kPasteNotANumber,  // %R %C %X
  kPasteDoesNotFit,  // %N rows %M columns at %R %C
  kPasteRagged,      // %R has %N cells, the first row %M
  kPasteEmpty,
  kMapFollows,  // map 2A follows 1A and is not edited here
  kViewMenu,
  kHeatColours,
  kMap3D,  // View menu item and the window's title
  kAxisRpm,
  kAxisTps,
  kAxisAdvance,
  kAxisPercent,
  kAxisMilliseconds,
  kCount
};

std::string_view Text(MapEditText id, Language language);

}  // namespace morvek::i18n
