// Timings of the edit path of the editing pages: what one keystroke in the grid costs.
#include <benchmark/benchmark.h>

#include "model/editor.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"
#include "pages/page_commands.h"
#include "pages/page_editor.h"
#include "pages/selection_edit.h"

namespace morvek::pages {
namespace {

// One injection-map cell typed in and committed: collect, limits pass, refresh, history.
void BM_MapCellEdit(benchmark::State& state) {
  model::Editor editor;
  PageEditor pages(editor);
  PageValues values;
  ApplyNew(pages, values, model::DefaultsScope::kWholeImage);
  editor.ResetHistory();
  editor.set_active_page(static_cast<int>(state.range(0)));
  pages.RefreshActivePage(values);
  const std::string cell = GridCellName(4, 7);
  int delta = 1;
  for (auto _ : state) {
    values.SetNumber(cell, values.Number(cell) + delta);
    delta = -delta;
    benchmark::DoNotOptimize(pages.Edit(values).changed);
  }
}
BENCHMARK(BM_MapCellEdit)->Arg(kAdvancePage)->Arg(kInj1APage);

// One operation on the whole 150-cell map through the edit path (one history entry each), in
// the coupled mode on map 1A so map 2A moves with it.
void BM_WholeMapOperation(benchmark::State& state) {
  model::Editor editor;
  PageEditor pages(editor);
  PageValues values;
  ApplyNew(pages, values, model::DefaultsScope::kWholeImage);
  SetJetMode(pages, values, kJetModeCoupled);
  editor.ResetHistory();
  editor.set_active_page(static_cast<int>(state.range(0)));
  pages.RefreshActivePage(values);
  const auto operation = static_cast<SelectionOperation>(state.range(1));
  double value = operation == SelectionOperation::kScale ? 110 : 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ApplySelection(pages, values, {operation, MapSelection::WholeMap(), value}).change.changed);
    // Back and forth, so every round changes the map.
    value = operation == SelectionOperation::kScale ? 10000 / value : -value;
  }
}
BENCHMARK(BM_WholeMapOperation)
    ->Args({kAdvancePage, static_cast<int>(SelectionOperation::kAdd)})
    ->Args({kInj1APage, static_cast<int>(SelectionOperation::kAdd)})
    ->Args({kInj1APage, static_cast<int>(SelectionOperation::kScale)})
    ->Args({kInj1APage, static_cast<int>(SelectionOperation::kSmooth)})
    ->Unit(benchmark::kMicrosecond);

// A page switch: the refresh of a whole page's values.
void BM_RefreshPage(benchmark::State& state) {
  model::Editor editor;
  PageEditor pages(editor);
  PageValues values;
  ApplyNew(pages, values, model::DefaultsScope::kWholeImage);
  editor.set_active_page(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    pages.RefreshActivePage(values);
    benchmark::DoNotOptimize(values.Size());
  }
}
BENCHMARK(BM_RefreshPage)->Arg(kBikePage)->Arg(kInj1APage)->Arg(kIdlePage);

}  // namespace
}  // namespace morvek::pages
