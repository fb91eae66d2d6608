#pragma once

#include <array>

#include "model/editor.h"
#include "model/map_geometry.h"

namespace morvek::pages {

// JET1_MISC.mode: how map 2A follows map 1A.
inline constexpr int kJetModeSeparate = 0;
inline constexpr int kJetModeCoupled = 1;  // an edit of 1A moves 2A by the same amount
inline constexpr int kJetModeSame = 2;     // 2A is a copy of 1A

// The injection map of page 2 (1A) or 3 (2A).
model::InjectionMap MapOfPage(int page);

// Mode " 1 = 2": the axis and times of 1A copied into 2A, and 2A's view renewed.
void CopyMap1AInto2A(model::Editor& editor);

// What the grid of an injection page holds after an edit: the rpm axis in stored units and
// every cell in percent.
struct GridEdit {
  std::array<int, model::kMapColumns> axis{};
  std::array<int, model::kMapCells> cells{};
};

// Writes the grid into map 1A by the map mode (the coupled map 2A moves with it). The editor's
// views and base maps must be current when this is called.
void CollectInjection1A(model::Editor& editor, const GridEdit& edit, int mode);
void CollectInjection2A(model::Editor& editor, const GridEdit& edit);

// The times of a map from its view, cell by cell, where the percentage or the base time
// changed since `view_before` and `base_before`; other cells keep their stored time, so a time
// that is not a whole percentage of its base is not rounded by an edit of another cell.
void WriteChangedTimes(model::Editor& editor, model::InjectionMap map,
                       const model::InjectionPercentView& view_before,
                       const model::BaseInjectionMap& base_before);

// The coupled shift of a map-2A axis point, kept within the axis range 3..250 (300..25000 rpm).
int ShiftAxisPoint(int point, int delta);
// The coupled shift of a map-2A percentage: limited to 0..1000 %, and a cell already above
// 1000 % is never pulled down by a raise.
int ShiftPercent(int percent, int delta);

}  // namespace morvek::pages
