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

// What the shared map grid shows for one map page besides the values of its controls (those
// come with the page values): which page it stands on and, for the "Ms" display, the stored
// injection times in milliseconds.
struct MapPageView {
  int page = kAdvancePage;
  bool show_ms = false;
  std::array<std::string, model::kMapCells> ms_texts{};
  // The cells as the grid shows them (degrees, percent, or microseconds with show_ms) and the
  // rpm axis in rpm: what the heat colours and the 3D map are drawn from.
  std::array<int, model::kMapCells> cells{};
  std::array<int, model::kMapColumns> rpm{};
};

// page must be a map page.
MapPageView BuildMapPageView(const model::Editor& editor, int page, bool milliseconds);

}  // namespace morvek::ui
