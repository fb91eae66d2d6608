#include "pages/page_commands.h"

#include "model/field_table.h"
#include "model/note_area.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"

namespace morvek::pages {
namespace {

using F = model::FieldId;

constexpr int kTps0MinMv = 300;
constexpr int kTpsSplitMv = 2500;
constexpr int kTps100MaxMv = 4900;
constexpr int kGearSystemRatio = 0;

bool ShowsPreset(const model::Editor& editor) {
  return model::Stored(editor.image(), F::kBike) < kBikeSeparatorItem;
}

// A radio group's new item into its field, when it is one of the group's items.
bool WriteRadio(PageEditor& pages, const PageValues& values, std::string_view name) {
  const Control* c = FindControl(pages.active_page(), name);
  if (c == nullptr || c->kind != ControlKind::kRadioGroup || !values.Has(name)) return false;
  const int item = values.Number(name);
  if (item < 0 || item >= c->items) return false;
  model::SetStored(pages.editor().image(), c->field, c->element, item);
  return true;
}

ChangeResult Record(PageEditor& pages) {
  ChangeResult r;
  r.changed = pages.editor().RecordHistory(&r.start_programming);
  return r;
}

model::HistoryStep AfterRestore(PageEditor& pages, PageValues& values, model::HistoryStep step) {
  if (step.restored) pages.RefreshActivePage(values);
  return step;
}

}  // namespace

bool CanApplyDefaults(const model::Editor& editor, model::DefaultsScope scope) {
  if (!ShowsPreset(editor)) return false;
  if (scope == model::DefaultsScope::kActivePage) {
    const int page = editor.active_page();
    if ((page == kInj1APage || page == kInj2APage) &&
        model::Stored(editor.image(), F::kJet1MiscMode) == kJetModeCoupled)
      return false;
  }
  return true;
}

ChangeResult ApplyNew(PageEditor& pages, PageValues& values, model::DefaultsScope scope) {
  if (!CanApplyDefaults(pages.editor(), scope)) return {};
  // The defaults recompute both maps from their views: the views must say what is stored.
  pages.editor().ImageChanged();
  pages.editor().ApplyDefaults(scope);
  return pages.AfterChange(values);
}

ChangeResult ChangeBike(PageEditor& pages, PageValues& values, int item, bool reset) {
  model::Editor& editor = pages.editor();
  editor.ImageChanged();
  if (item >= 0 && item < kBikeSeparatorItem) model::SetStored(editor.image(), F::kBike, item);
  if (reset && ShowsPreset(editor)) editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  // EXITATION and the stored times follow the preset whatever the answer; done before the
  // history entry so that the entry, and programming after change, hold them.
  editor.RescaleForPreset();
  return pages.AfterChange(values);
}

ChangeResult SetJetMode(PageEditor& pages, PageValues& values, int mode) {
  model::Editor& editor = pages.editor();
  model::ParameterImage& image = editor.image();
  model::SetStored(image, F::kJet1MiscMode, mode);
  if (mode == kJetModeCoupled || mode == kJetModeSame) {
    for (int i = 0; i < model::kMapColumns; ++i)
      model::SetStored(image, F::kRpmJet2A, i, model::Stored(image, F::kRpmJet1A, i));
  }
  if (mode == kJetModeSame && editor.active_page() == kInj2APage)
    editor.set_active_page(kInj1APage);
  return pages.AfterChange(values);
}

ChangeResult RadioGroupClicked(PageEditor& pages, PageValues& values, std::string_view name) {
  model::Editor& editor = pages.editor();
  if (name == "RadioGroupIdleMode") {
    // The idle spinner ranges follow the mode; no history entry of its own.
    if (WriteRadio(pages, values, name)) pages.RefreshActivePage(values);
    return {};
  }
  if (name == "RadioGroupCidloLambdaMode") {
    if (!WriteRadio(pages, values, name)) return {};
    editor.ApplyLambdaType(model::Stored(editor.image(), F::kSensorLambdaType));
    pages.RefreshActivePage(values);
    return Record(pages);
  }
  if (name == "RadioGroupGearSystem" || name == "RadioGroupSpeedMode" ||
      name == "RadioGroupClutchMode") {
    // Every mode group of the page on screen; the groups of other pages show the image.
    for (std::string_view group : {"RadioGroupGearSystem", "RadioGroupClutchMode",
                                   "RadioGroupSpeedMode", "RadioGroupIdleMode"})
      WriteRadio(pages, values, group);
    return Record(pages);
  }
  if (!WriteRadio(pages, values, name)) return {};
  return Record(pages);
}

ChangeResult TakeTps0(PageEditor& pages, PageValues& values, int throttle_mv) {
  if (throttle_mv < kTps0MinMv || throttle_mv > kTpsSplitMv) return {};
  model::SetShown(pages.editor().image(), F::kTpsVoltage0, throttle_mv);
  return pages.AfterChange(values);
}

ChangeResult TakeTps100(PageEditor& pages, PageValues& values, int throttle_mv) {
  if (throttle_mv < kTpsSplitMv || throttle_mv > kTps100MaxMv) return {};
  model::SetShown(pages.editor().image(), F::kTpsVoltage100, throttle_mv);
  return pages.AfterChange(values);
}

ChangeResult TakeGearRatio(PageEditor& pages, PageValues& values, int gear, int ratio) {
  model::Editor& editor = pages.editor();
  if (gear >= 1 && gear <= 6 && model::Stored(editor.image(), F::kGearSystem) == kGearSystemRatio)
    model::SetShown(editor.image(), F::kGearRatio, gear - 1, ratio);
  return pages.AfterChange(values);
}

ChangeResult CollectNote(PageEditor& pages, const PageValues& values) {
  if (pages.refreshing() || pages.active_page() != kBikePage) return {};
  if (values.memo() == model::NoteLines(pages.editor().image())) return {};
  model::SetNoteLines(pages.editor().image(), values.memo());
  return Record(pages);
}

model::HistoryStep Undo(PageEditor& pages, PageValues& values) {
  return AfterRestore(pages, values, pages.editor().Undo());
}

model::HistoryStep Redo(PageEditor& pages, PageValues& values) {
  return AfterRestore(pages, values, pages.editor().Redo());
}

}  // namespace morvek::pages
