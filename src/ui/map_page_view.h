#pragma once

#include <array>
#include <string>

#include "model/editor.h"
#include "model/map_geometry.h"

namespace morvek::ui {

// The page indexes of the three map pages.
inline constexpr int kAdvancePage = 1;
inline constexpr int kInj1APage = 2;
inline constexpr int kInj2APage = 3;
inline constexpr bool IsMapPage(int page) { return page >= kAdvancePage && page <= kInj2APage; }

// What the shared map grid shows for one map page: the advance map in degrees, an injection
// map as percentages of its base times (the editor's percent view), the page's rpm axis, and
// the injection times in milliseconds for the "Ms" display.
struct MapPageView {
  int page = kAdvancePage;
  std::array<int, model::kMapColumns> rpm{};
  std::array<int, model::kMapCells> cells{};
  int cell_maximum = 0;
  bool show_ms = false;
  std::array<std::string, model::kMapCells> ms_texts{};
  std::array<int, 3> advance_misc{};  // cyl1 correction, cyl2 correction, base advance
  bool tps_map = false;               // ADVANCE_MISC.tps_map, shown on all three map pages
  bool all_flag = false;              // the page's remembered "All" check box
};

// page must be a map page.
MapPageView BuildMapPageView(const model::Editor& editor, int page, bool milliseconds);

}  // namespace morvek::ui
