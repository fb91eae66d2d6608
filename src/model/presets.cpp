#include "model/presets.h"

#include <array>

namespace morvek::model {
namespace {

// Engine sizes: presets 2 and 3 (and any unknown index) use the common value; 5 and 6 are
// one engine with and without a lambda sensor.
constexpr int kCommonEngineSize = 750;

constexpr std::array<Preset, kPresetCount> kPresets{{
    {"Twin 1000", 1, 1, 0, 996},
    {"Twin 900 Sport", 1, 1, 0, 904},
    {"Triple 750", 0, 0, 0, kCommonEngineSize},
    {"Triple 750 & Lambda", 0, 0, 1, kCommonEngineSize},
    {"Twin 1100 Tourer", 1, 1, 1, 1079},
    {"Twin 800", 0, 0, 0, 803},
    {"Twin 800 & Lambda", 0, 0, 1, 803},
    {"Four 600 Racing", 1, 1, 1, 600},
}};

}  // namespace

const Preset* FindPreset(int index) {
  if (index < 0 || index >= kPresetCount) return nullptr;
  return &kPresets[static_cast<std::size_t>(index)];
}

int EngineSizeConstant(int preset) {
  const Preset* p = FindPreset(preset);
  return p != nullptr ? p->engine_size : kCommonEngineSize;
}

}  // namespace morvek::model
