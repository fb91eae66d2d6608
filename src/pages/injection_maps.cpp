#include "pages/injection_maps.h"

#include <algorithm>

#include "model/field_table.h"
#include "pages/page_catalog.h"

namespace morvek::pages {
namespace {

using model::FieldId;
using model::InjectionMap;

constexpr int kAxisMinStored = 3;
constexpr int kAxisMaxStored = 250;
constexpr int kCoupledPercentMax = 1000;

std::size_t At(int k) { return static_cast<std::size_t>(k); }

}  // namespace

void WriteChangedTimes(model::Editor& editor, InjectionMap map,
                       const model::InjectionPercentView& view_before,
                       const model::BaseInjectionMap& base_before) {
  const auto& view = editor.percent_view(map);
  const auto& base = editor.base_map(map);
  for (int k = 0; k < model::kMapCells; ++k) {
    if (view[At(k)] == view_before[At(k)] && base[At(k)] == base_before[At(k)]) continue;
    model::SetStored(editor.image(), model::TimesField(map), k,
                     model::TimeFromPercent(view[At(k)], base[At(k)]));
  }
}

InjectionMap MapOfPage(int page) {
  return page == kInj2APage ? InjectionMap::k2A : InjectionMap::k1A;
}

int ShiftAxisPoint(int point, int delta) {
  return std::clamp(point + delta, kAxisMinStored, kAxisMaxStored);
}

int ShiftPercent(int percent, int delta) {
  return std::clamp(percent + delta, 0, std::max(kCoupledPercentMax, percent));
}

void CopyMap1AInto2A(model::Editor& editor) {
  model::ParameterImage& image = editor.image();
  for (int i = 0; i < model::kMapColumns; ++i)
    model::SetStored(image, FieldId::kRpmJet2A, i, model::Stored(image, FieldId::kRpmJet1A, i));
  for (int k = 0; k < model::kMapCells; ++k)
    model::SetStored(image, FieldId::kJet2A, k, model::Stored(image, FieldId::kJet1A, k));
  editor.ComputeBaseMaps();
  editor.PercentFromTimes(InjectionMap::k2A);
}

void CollectInjection1A(model::Editor& editor, const GridEdit& edit, int mode) {
  model::ParameterImage& image = editor.image();
  const auto view1_before = editor.percent_view(InjectionMap::k1A);
  const auto view2_before = editor.percent_view(InjectionMap::k2A);
  const auto base1_before = editor.base_map(InjectionMap::k1A);
  const auto base2_before = editor.base_map(InjectionMap::k2A);
  // 1. The rpm axis.
  for (int i = 0; i < model::kMapColumns; ++i) {
    const int current = model::Stored(image, FieldId::kRpmJet1A, i);
    const int next = edit.axis[At(i)];
    if (mode == kJetModeCoupled && next != current)
      model::SetStored(image, FieldId::kRpmJet2A, i,
                       ShiftAxisPoint(model::Stored(image, FieldId::kRpmJet2A, i), next - current));
    model::SetStored(image, FieldId::kRpmJet1A, i, next);
    if (mode == kJetModeSame) model::SetStored(image, FieldId::kRpmJet2A, i, next);
  }
  // 2. The bases of the new axes.
  editor.ComputeBaseTables();
  editor.ComputeBaseMaps();
  // 3. The cells.
  auto& view1 = editor.percent_view(InjectionMap::k1A);
  auto& view2 = editor.percent_view(InjectionMap::k2A);
  for (int k = 0; k < model::kMapCells; ++k) {
    const int next = edit.cells[At(k)];
    if (mode == kJetModeCoupled && next != view1[At(k)])
      view2[At(k)] = ShiftPercent(view2[At(k)], next - view1[At(k)]);
    view1[At(k)] = next;
  }
  // 4. The stored times.
  WriteChangedTimes(editor, InjectionMap::k1A, view1_before, base1_before);
  if (mode == kJetModeCoupled)
    WriteChangedTimes(editor, InjectionMap::k2A, view2_before, base2_before);
  if (mode == kJetModeSame) CopyMap1AInto2A(editor);
}

void CollectInjection2A(model::Editor& editor, const GridEdit& edit) {
  const auto view_before = editor.percent_view(InjectionMap::k2A);
  const auto base_before = editor.base_map(InjectionMap::k2A);
  for (int i = 0; i < model::kMapColumns; ++i)
    model::SetStored(editor.image(), FieldId::kRpmJet2A, i, edit.axis[At(i)]);
  editor.ComputeBaseTables();
  editor.ComputeBaseMaps();
  auto& view = editor.percent_view(InjectionMap::k2A);
  for (int k = 0; k < model::kMapCells; ++k) view[At(k)] = edit.cells[At(k)];
  WriteChangedTimes(editor, InjectionMap::k2A, view_before, base_before);
}

}  // namespace morvek::pages
