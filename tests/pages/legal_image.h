#pragma once

#include <random>

#include "model/editor.h"
#include "model/field_table.h"
#include "model/note_area.h"

namespace morvek::pages::testing {

// A random image whose every field holds a value its control can show: stored values between
// the encoded ends of the field's range, flags 0/1, items within their lists, a note of short
// lines and injection times that are whole percentages of their base.
inline void FillLegal(model::Editor& editor, unsigned seed, int jet_mode) {
  std::mt19937 rng(seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  model::ParameterImage& image = editor.image();
  for (const model::Field& f : model::FieldTable()) {
    if (f.encoding == model::Encoding::kText) continue;
    int lo = model::EncodeShown(f, f.min);
    int hi = model::EncodeShown(f, f.max);
    if (f.id == model::FieldId::kBike) hi = 7;
    for (int e = 0; e < f.count; ++e) model::SetStored(image, f.id, e, pick(lo, hi));
  }
  model::SetStored(image, model::FieldId::kJet1MiscMode, jet_mode);
  // With no idle control the servo targets are shown as 0..100.
  if (model::Stored(image, model::FieldId::kIdleMode) == 0)
    for (int e = 0; e < 9; ++e)
      model::SetStored(image, model::FieldId::kIdleServoTarget, e, pick(0, 100));
  std::vector<std::string> note;
  for (int n = pick(0, 4); n > 0; --n)
    note.push_back(
        std::string(static_cast<std::size_t>(pick(0, 20)), static_cast<char>('A' + pick(0, 25))));
  model::SetNoteLines(image, note);
  editor.ComputeBaseTables();
  editor.ComputeBaseMaps();
  for (auto map : {model::InjectionMap::k1A, model::InjectionMap::k2A}) {
    for (auto& p : editor.percent_view(map)) p = pick(0, 400);
    editor.TimesFromPercent(map);
  }
}

}  // namespace morvek::pages::testing
