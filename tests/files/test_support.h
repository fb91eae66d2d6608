#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "files/file_io.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "model/note_area.h"

namespace morvek::files::testing {

inline std::string DataFile(const std::string& name) {
  std::optional<std::string> text = ReadWholeFile(std::string(MORVEK_TEST_DATA_DIR) + "/" + name);
  return text.value_or("");
}

// The editor as a fresh program holds it: the full defaults of a preset.
inline void ApplyPresetDefaults(model::Editor& editor, int preset) {
  model::SetStored(editor.image(), model::FieldId::kBike, preset);
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
}

// Every field the file carries gets an arbitrary value (the two flag-text fields 0 or 1).
inline void FillFieldsRandomly(model::ParameterImage& image, std::uint32_t seed) {
  std::mt19937 rng(seed);
  for (const model::Field& f : model::FieldTable()) {
    if (f.id == model::FieldId::kMemo) continue;
    for (int i = 0; i < f.count; ++i) {
      int value = static_cast<int>(rng() & 0xFFFF);
      if (f.id == model::FieldId::kN2oEnable || f.id == model::FieldId::kDisplay) value &= 1;
      model::SetStored(image, f.id, i, value);
    }
  }
  model::SetNoteLines(image, {"Note \xE8\xED\x9A", "second"});
}

}  // namespace morvek::files::testing
