#include "pages/bulk_tools.h"

#include <algorithm>

#include "model/field_table.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"

namespace morvek::pages {
namespace {

using F = model::FieldId;
using model::InjectionMap;

constexpr int kAdvanceToolMax = 255;  // the byte; the limits pass then keeps the map's range
constexpr int kPercentToolMax = 65535;
constexpr int kAngleMaxStored = 144;  // 720 degrees

std::size_t At(int k) { return static_cast<std::size_t>(k); }

int Stepped(int value, int step, int max) {
  return std::clamp(value + step, 0, std::max(max, value));
}

void StepAdvanceCells(model::ParameterImage& image, int first, int stride, int count, int step) {
  for (int n = 0, k = first; n < count; ++n, k += stride)
    model::SetStored(image, F::kAdvance, k,
                     Stepped(model::Stored(image, F::kAdvance, k), step, kAdvanceToolMax));
}

// The percent view of a map, cells first .. by stride, one step; the stored times follow for
// the cells that moved.
void StepPercentCells(model::Editor& editor, InjectionMap map, int first, int stride, int count,
                      int step) {
  const auto before = editor.percent_view(map);
  auto& view = editor.percent_view(map);
  for (int n = 0, k = first; n < count; ++n, k += stride)
    view[At(k)] = Stepped(view[At(k)], step, kPercentToolMax);
  WriteChangedTimes(editor, map, before, editor.base_map(map));
}

// The views say what is stored before a tool steps them.
void FreshViews(model::Editor& editor) {
  editor.ComputeBaseTables();
  editor.ComputeBaseMaps();
  editor.PercentFromTimes(InjectionMap::k1A);
  editor.PercentFromTimes(InjectionMap::k2A);
}

bool Coupled(const model::Editor& editor) {
  return model::Stored(editor.image(), F::kJet1MiscMode) == kJetModeCoupled;
}

}  // namespace

ChangeResult MapStep(PageEditor& pages, PageValues& values, int step, const LiveTarget& live,
                     bool all_position_angles) {
  model::Editor& editor = pages.editor();
  const int page = editor.active_page();
  if (page == kPolohaPage)
    return PositionStep(pages, values, step, all_position_angles, live.position_column);
  if (IsMapPage(page)) {
    const bool all = editor.all_flags()[At(page)] != 0;
    if (page == kInj2APage && Coupled(editor)) return {};
    if (!all && live.rpm == 0) return {};
    const int first = all ? 0 : model::MapElement(live.map_row, live.map_column);
    const int count = all ? model::kMapCells : 1;
    if (page == kAdvancePage) {
      StepAdvanceCells(editor.image(), first, 1, count, step);
    } else {
      FreshViews(editor);
      StepPercentCells(editor, MapOfPage(page), first, 1, count, step);
      if (page == kInj1APage && Coupled(editor))
        StepPercentCells(editor, InjectionMap::k2A, first, 1, count, step);
    }
  }
  return pages.AfterChange(values);
}

ChangeResult ColumnStep(PageEditor& pages, PageValues& values, int column, int step) {
  model::Editor& editor = pages.editor();
  const int page = editor.active_page();
  if (column < 0 || column >= model::kMapColumns) return {};
  if (page == kAdvancePage) {
    StepAdvanceCells(editor.image(), column, model::kMapColumns, model::kMapRows, step);
  } else if (page == kInj1APage || page == kInj2APage) {
    FreshViews(editor);
    StepPercentCells(editor, MapOfPage(page), column, model::kMapColumns, model::kMapRows, step);
    if (page == kInj1APage && Coupled(editor))
      StepPercentCells(editor, InjectionMap::k2A, column, model::kMapColumns, model::kMapRows,
                       step);
  }
  return pages.AfterChange(values);
}

ChangeResult PositionStep(PageEditor& pages, PageValues& values, int step, bool all,
                          int live_column) {
  pages.CollectActivePage(values);
  model::ParameterImage& image = pages.editor().image();
  for (int k = 0; k < model::kMapColumns; ++k) {
    if (!all && k != live_column) continue;
    model::SetStored(image, F::kPositionAAngle, k,
                     Stepped(model::Stored(image, F::kPositionAAngle, k), step, kAngleMaxStored));
  }
  return pages.AfterChange(values);
}

ChangeResult IdleStep(PageEditor& pages, PageValues& values, int step) {
  model::ParameterImage& image = pages.editor().image();
  const bool idle_control = model::Stored(image, F::kIdleMode) != 0;
  const int s = idle_control ? 10 : 1;
  const int max = idle_control ? model::GetField(F::kIdleServoTarget).max : 100;
  for (int k = 0; k < model::GetField(F::kIdleServoTarget).count; ++k) {
    const int v = model::Stored(image, F::kIdleServoTarget, k);
    int next = v;
    if (step < 0 && v > s) next = v - s;
    if (step > 0 && v < max) next = std::min(v + s, max);
    model::SetStored(image, F::kIdleServoTarget, k, next);
  }
  return pages.AfterChange(values);
}

}  // namespace morvek::pages
