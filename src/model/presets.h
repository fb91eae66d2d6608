#pragma once

#include <string_view>

namespace morvek::model {

inline constexpr int kPresetCount = 8;
// The preset combo box holds the eight presets and this separator item after them.
inline constexpr int kPresetSeparatorIndex = 8;
inline constexpr std::string_view kPresetSeparatorText = "-------------";

struct Preset {
  std::string_view name;  // combo box item text
  int pin_engine23;
  int pin_engine14;
  int pin_body11;
  int engine_size;  // cubic centimetres, scales the base injection tables
};

// Preset 0..7; any other index has no preset entry.
const Preset* FindPreset(int index);
// The engine size used for an index: the preset's own value, the common value otherwise.
int EngineSizeConstant(int preset);

}  // namespace morvek::model
