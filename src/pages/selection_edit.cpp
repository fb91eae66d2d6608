#include "pages/selection_edit.h"

#include <algorithm>
#include <optional>

#include "model/base_injection.h"
#include "model/field_table.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"

namespace morvek::pages {
namespace {

// In a map page's control list the rpm axis comes first, then the cells row by row.
constexpr int kFirstCell = model::kMapColumns;

std::size_t At(int k) { return static_cast<std::size_t>(k); }

struct Wanted {
  std::array<std::optional<int>, model::kMapCells> cells{};
  std::array<std::optional<int>, model::kMapColumns> rpm{};
};

SelectionEditResult Write(PageEditor& pages, PageValues& values, const Wanted& wanted) {
  SelectionEditResult result;
  const int page = pages.active_page();
  if (!CanEditMap(pages.editor()) || values.page() != page) {
    result.refused = true;
    return result;
  }
  const auto controls = PageControls(page);
  const auto put = [&](int index, int v) {
    const Range range = pages.ControlRange(controls[At(index)]);
    values.SetAt(index, std::clamp(v, range.min, range.max));
  };
  for (int i = 0; i < model::kMapColumns; ++i)
    if (wanted.rpm[At(i)]) put(i, *wanted.rpm[At(i)]);
  for (int k = 0; k < model::kMapCells; ++k)
    if (wanted.cells[At(k)]) put(kFirstCell + k, *wanted.cells[At(k)]);
  result.change = pages.Edit(values);
  for (int k = 0; k < model::kMapCells; ++k) {
    if (!wanted.cells[At(k)]) continue;
    const int kept = values.At(kFirstCell + k);
    if (kept != *wanted.cells[At(k)])
      result.limited.push_back(
          {k / model::kMapColumns, k % model::kMapColumns, *wanted.cells[At(k)], kept});
  }
  return result;
}

// A time in milliseconds as the percentage of the cell's base it stands for.
int PercentOfBase(const model::Editor& editor, int page, int k, double milliseconds) {
  const double us = std::clamp(milliseconds * 1000.0, 0.0, 65535.0);
  const auto base = editor.base_map(MapOfPage(page))[At(k)];
  return model::PercentFromTime(static_cast<std::uint16_t>(RoundHalfAway(us)), base);
}

}  // namespace

bool CanEditMap(const model::Editor& editor) {
  const int page = editor.active_page();
  if (!IsMapPage(page)) return false;
  return !(page == kInj2APage &&
           model::Stored(editor.image(), model::FieldId::kJet1MiscMode) != kJetModeSeparate);
}

MapCells ShownCells(const PageValues& values) {
  MapCells cells{};
  for (int k = 0; k < model::kMapCells; ++k)
    cells[At(k)] = values.HasAt(kFirstCell + k) ? values.At(kFirstCell + k) : 0;
  return cells;
}

SelectionEditResult ApplySelection(PageEditor& pages, PageValues& values,
                                   const SelectionRequest& request) {
  const MapCells before = ShownCells(values);
  const MapCells after = ApplyToCells(before, request);
  Wanted wanted;
  const MapSelection s = request.selection.Clipped();
  for (int j = s.top; j <= s.bottom && !s.empty(); ++j)
    for (int i = s.left; i <= s.right; ++i) {
      const int k = model::MapElement(j, i);
      wanted.cells[At(k)] = after[At(k)];
    }
  return Write(pages, values, wanted);
}

SelectionEditResult ApplyPaste(PageEditor& pages, PageValues& values, const PastePlan& plan,
                               bool milliseconds) {
  if (plan.problem != PasteProblem::kNone) return {{}, {}, true};
  const int page = pages.active_page();
  const bool times = milliseconds && page != kAdvancePage;
  if (times) {
    // The percentages are taken over the bases the image holds now.
    pages.editor().ComputeBaseTables();
    pages.editor().ComputeBaseMaps();
  }
  Wanted wanted;
  for (int r = 0; r < plan.rows; ++r) {
    for (int c = 0; c < plan.columns; ++c) {
      const int k = model::MapElement(plan.top + r, plan.left + c);
      const double v = plan.values[At(r)][At(c)];
      wanted.cells[At(k)] = times ? PercentOfBase(pages.editor(), page, k, v) : RoundHalfAway(v);
    }
  }
  if (plan.rpm)
    for (int i = 0; i < model::kMapColumns; ++i)
      wanted.rpm[At(i)] = RoundHalfAway((*plan.rpm)[At(i)]);
  return Write(pages, values, wanted);
}

}  // namespace morvek::pages
