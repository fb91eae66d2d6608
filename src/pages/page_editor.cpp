#include "pages/page_editor.h"

#include <algorithm>

#include "model/field_table.h"
#include "model/note_area.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"

namespace morvek::pages {
namespace {

using F = model::FieldId;

int Clamp(int v, const Range& r) { return std::clamp(v, r.min, r.max); }

}  // namespace

Range ControlRange(const model::ParameterImage& image, const Control& control) {
  if (control.binding == Binding::kField && control.field == F::kIdleServoTarget &&
      model::Stored(image, F::kIdleMode) == 0)
    return Range{0, 100, 1};
  return control.range;
}

int PageEditor::ShownValue(const Control& control) const {
  const model::ParameterImage& image = editor_.image();
  switch (control.binding) {
    case Binding::kAllFlag:
      return editor_.all_flags()[static_cast<std::size_t>(editor_.active_page())] != 0 ? 1 : 0;
    case Binding::kNote:
      return 0;
    case Binding::kPercentView: {
      const auto map =
          control.field == F::kJet1A ? model::InjectionMap::k1A : model::InjectionMap::k2A;
      return Clamp(editor_.percent_view(map)[static_cast<std::size_t>(control.element)],
                   control.range);
    }
    case Binding::kField:
      break;
  }
  const int stored = model::Stored(image, control.field, control.element);
  switch (control.kind) {
    case ControlKind::kCheckBox:
      return stored != 0 ? 1 : 0;
    case ControlKind::kRadioGroup:
      return stored < control.items ? stored : -1;
    case ControlKind::kComboBox:
      return stored <= model::GetField(F::kBike).max ? stored : kBikeSeparatorItem;
    case ControlKind::kSpinner:
      return Clamp(model::Shown(image, control.field, control.element), ControlRange(control));
    case ControlKind::kMemo:
      break;
  }
  return 0;
}

RefreshReport PageEditor::RefreshActivePage(PageValues& values) {
  refreshing_ = true;
  RefreshReport report;
  model::Editor& e = editor_;
  if (model::Stored(e.image(), F::kJet1MiscMode) == kJetModeSame) CopyMap1AInto2A(e);
  const int page = e.active_page();
  if (IsMapPage(page)) {
    e.ComputeBaseTables();
    e.ComputeBaseMaps();
    if (page != kAdvancePage) e.PercentFromTimes(MapOfPage(page));
  }
  values.SetPage(page);
  const auto controls = PageControls(page);
  for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
    const Control& c = controls[static_cast<std::size_t>(i)];
    if (c.kind == ControlKind::kMemo) {
      values.set_memo(model::NoteLines(e.image()));
      continue;
    }
    values.SetAt(i, ShownValue(c));
  }
  if (page == kBikePage)
    report.bike_not_for_preset = values.Number(kBikeComboName) == kBikeSeparatorItem;
  refreshing_ = false;
  return report;
}

void PageEditor::CollectField(const Control& control, int index, const PageValues& values) {
  if (!control.collected || !values.HasAt(index)) return;
  const int value = values.At(index);
  if (value == ShownValue(control)) return;
  model::ParameterImage& image = editor_.image();
  switch (control.kind) {
    case ControlKind::kSpinner:
      model::SetShown(image, control.field, control.element, Clamp(value, ControlRange(control)));
      break;
    case ControlKind::kCheckBox:
      model::SetStored(image, control.field, control.element, value != 0 ? 1 : 0);
      break;
    case ControlKind::kRadioGroup:
      if (value >= 0 && value < control.items)
        model::SetStored(image, control.field, control.element, value);
      break;
    case ControlKind::kComboBox:
    case ControlKind::kMemo:
      break;
  }
}

void PageEditor::CollectBike(const PageValues& values) {
  // BIKE only from a preset item, never from the separator.
  if (values.Has(kBikeComboName)) {
    const int item = values.Number(kBikeComboName);
    if (item >= 0 && item < kBikeSeparatorItem && item != model::Stored(editor_.image(), F::kBike))
      model::SetStored(editor_.image(), F::kBike, item);
  }
  if (values.memo() != model::NoteLines(editor_.image()))
    model::SetNoteLines(editor_.image(), values.memo());
}

void PageEditor::CollectActivePage(const PageValues& values) {
  const int page = editor_.active_page();
  // Values of another page say nothing about this one.
  if (refreshing_ || values.page() != page) return;
  if (IsMapPage(page)) {
    CollectMapPage(page, values);
    return;
  }
  if (page == kBikePage) CollectBike(values);
  CollectFields(page, values);
}

void PageEditor::CollectFields(int page, const PageValues& values) {
  const auto controls = PageControls(page);
  for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
    const Control& c = controls[static_cast<std::size_t>(i)];
    if (c.binding == Binding::kField && c.kind != ControlKind::kComboBox)
      CollectField(c, i, values);
  }
}

void PageEditor::CollectMapPage(int page, const PageValues& values) {
  model::Editor& e = editor_;
  const int mode = model::Stored(e.image(), F::kJet1MiscMode);
  if (page == kAdvancePage) {
    CollectFields(page, values);
    e.ComputeBaseTables();
    e.ComputeBaseMaps();
  } else {
    // The views and bases as the image holds them now: a cell the user left alone keeps its
    // stored time.
    e.ComputeBaseTables();
    e.ComputeBaseMaps();
    e.PercentFromTimes(model::InjectionMap::k1A);
    e.PercentFromTimes(model::InjectionMap::k2A);
    GridEdit edit;
    const auto& controls = PageControls(page);
    const model::ParameterImage& image = e.image();
    for (int i = 0; i < model::kMapColumns; ++i) {
      const Control& c = controls[static_cast<std::size_t>(i)];
      int stored = model::Stored(image, c.field, i);
      if (values.HasAt(i) && values.At(i) != ShownValue(c))
        stored = model::EncodeShown(model::GetField(c.field), Clamp(values.At(i), c.range));
      edit.axis[static_cast<std::size_t>(i)] = stored;
    }
    const auto& view = e.percent_view(MapOfPage(page));
    for (int k = 0; k < model::kMapCells; ++k) {
      const int i = model::kMapColumns + k;
      const Control& c = controls[static_cast<std::size_t>(i)];
      int percent = view[static_cast<std::size_t>(k)];
      if (values.HasAt(i) && values.At(i) != ShownValue(c)) percent = Clamp(values.At(i), c.range);
      edit.cells[static_cast<std::size_t>(k)] = percent;
    }
    if (page == kInj1APage) {
      CollectInjection1A(e, edit, mode);
    } else {
      CollectInjection2A(e, edit);
    }
  }
  if (values.Has(kGridAllName))
    e.all_flags()[static_cast<std::size_t>(page)] = values.Number(kGridAllName) != 0 ? 1 : 0;
}

ChangeResult PageEditor::AfterChange(PageValues& values) {
  ChangeResult result;
  editor_.ApplyLimits();
  // One refresh gives what the double refresh of the controls gave: the values are computed
  // from the image, not read back from the widgets.
  result.refresh = RefreshActivePage(values);
  result.changed = editor_.RecordHistory(&result.start_programming);
  return result;
}

}  // namespace morvek::pages
