#include "model/editor.h"

#include "model/field_table.h"
#include "model/fixed_bytes.h"

namespace morvek::model {
namespace {

bool FieldDiffers(const ParameterImage& a, const ParameterImage& b, FieldId id) {
  for (int e = 0; e < GetField(id).count; ++e)
    if (Stored(a, id, e) != Stored(b, id, e)) return true;
  return false;
}

}  // namespace

Editor::Editor() { ComputeBaseTables(); }

void Editor::ComputeBaseTables() {
  const int preset = Stored(image_, FieldId::kBike);
  base_tables_[Index(InjectionMap::k1A)] = ComputeBaseTable(InjectionMap::k1A, preset);
  base_tables_[Index(InjectionMap::k2A)] = ComputeBaseTable(InjectionMap::k2A, preset);
}

void Editor::ComputeBaseMaps() {
  for (InjectionMap map : {InjectionMap::k1A, InjectionMap::k2A})
    base_maps_[Index(map)] = ComputeBaseMap(base_tables_[Index(map)], image_, map);
}

void Editor::TimesFromPercent(InjectionMap map) {
  model::TimesFromPercent(image_, map, views_[Index(map)], base_maps_[Index(map)]);
}

void Editor::PercentFromTimes(InjectionMap map) {
  model::PercentFromTimes(image_, map, views_[Index(map)], base_maps_[Index(map)]);
}

void Editor::ImageChanged() {
  ComputeBaseTables();
  ComputeBaseMaps();
  PercentFromTimes(InjectionMap::k1A);
  PercentFromTimes(InjectionMap::k2A);
}

void Editor::RescaleForPreset() {
  WriteFixedHeaderBytes(image_);
  ComputeBaseTables();
  ComputeBaseMaps();
  TimesFromPercent(InjectionMap::k1A);
  TimesFromPercent(InjectionMap::k2A);
}

LimitsReport Editor::ApplyLimits(LimitedSettings* settings) {
  const ParameterImage before = image_;
  const LimitsReport report = model::ApplyLimits(image_, settings);
  // A clamped injection time, or a corrected axis under it, must show as what is now stored,
  // or the next recomputation from the view would write a wrong time back.
  for (InjectionMap map : {InjectionMap::k1A, InjectionMap::k2A}) {
    if (FieldDiffers(image_, before, TimesField(map)) ||
        FieldDiffers(image_, before, RpmAxisField(map))) {
      ComputeBaseMaps();
      PercentFromTimes(map);
    }
  }
  return report;
}

void Editor::ResetHistory() {
  history_.Reset(image_, active_page_);
  controller_change_noted_ = false;
  controller_.Start(image_);
}

void Editor::NoteControllerChange() {
  controller_change_ = image_;
  controller_change_noted_ = true;
}

bool Editor::RecordControllerChange() {
  if (!controller_change_noted_) return false;
  controller_change_noted_ = false;
  // The controller's own values are not to be programmed back into it.
  PageProgramFlags untouched;
  return history_.Record(controller_change_, active_page_, untouched);
}

bool Editor::RecordHistory(bool* start_programming) {
  RecordControllerChange();
  const bool changed = history_.Record(image_, active_page_, program_flags_);
  SettleProgramFlags();
  if (start_programming != nullptr)
    *start_programming = changed && program_after_change && !autotune_on && program_flags_.Any();
  return changed;
}

HistoryStep Editor::Undo() {
  RecordControllerChange();
  return AfterRestore(history_.Undo(image_, program_flags_));
}

HistoryStep Editor::Redo() {
  RecordControllerChange();
  return AfterRestore(history_.Redo(image_, program_flags_));
}

HistoryStep Editor::AfterRestore(const ImageHistory::RestoreResult& result) {
  HistoryStep step;
  if (!result.restored) {
    step.page = active_page_;
    return step;
  }
  step.restored = true;
  SettleProgramFlags();
  step.changed = result.changed;
  step.page = result.page;
  step.switch_page = result.page != active_page_;
  active_page_ = result.page;
  // Restoring does not look at the autotune check box, unlike recording.
  step.start_programming = result.changed && program_after_change && program_flags_.Any();
  if (result.changed) ImageChanged();
  return step;
}

}  // namespace morvek::model
