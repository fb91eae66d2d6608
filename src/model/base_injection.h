#pragma once

#include <array>
#include <cstdint>

#include "model/field_table.h"
#include "model/map_geometry.h"
#include "model/parameter_image.h"

namespace morvek::model {

// The two injection maps: 1A (JET_1A over RPM_JET_1A) and 2A (JET_2A over RPM_JET_2A).
enum class InjectionMap : std::uint8_t { k1A = 0, k2A = 1 };
inline constexpr int kInjectionMapCount = 2;

// The image fields of a map: its rpm axis and its injection times.
constexpr FieldId RpmAxisField(InjectionMap map) {
  return map == InjectionMap::k1A ? FieldId::kRpmJet1A : FieldId::kRpmJet2A;
}
constexpr FieldId TimesField(InjectionMap map) {
  return map == InjectionMap::k1A ? FieldId::kJet1A : FieldId::kJet2A;
}

inline constexpr int kBaseTableSize = 10;
// Base injection times per (TPS row, rpm column), tens of microseconds, scaled to the engine.
using BaseInjectionTable = std::array<std::uint16_t, kBaseTableSize * kBaseTableSize>;
// Base injection time of every map cell in microseconds (at least 100).
using BaseInjectionMap = std::array<std::uint16_t, kMapCells>;
// What the grid shows and edits: every cell as a percentage of its base time. Held in 32 bits:
// a legal 60000 us over the smallest base of 100 us is 60000 %, which 16 bits cannot carry,
// and a view that wrapped would write a wrong time back into the map.
using InjectionPercentView = std::array<std::int32_t, kMapCells>;

// The interpolation between two axis points, in unsigned arithmetic; holds the edge values
// outside [x0, x1].
unsigned Interpolate(unsigned x, unsigned x0, unsigned x1, unsigned v0, unsigned v1);

// Built-in table of map k scaled by the engine size of the preset: value * size / 600.
BaseInjectionTable ComputeBaseTable(InjectionMap map, int preset);
// Base time of every cell of a map from its table and its rpm axis in the image.
BaseInjectionMap ComputeBaseMap(const BaseInjectionTable& table, const ParameterImage& image,
                                InjectionMap map);

// t = (p * b + 50) / 100, at most 65535 (and 0 for a negative percentage).
std::uint16_t TimeFromPercent(int percent, std::uint16_t base);
// p = (t * 1000 / b + 5) / 10: the percentage rounded to the nearest whole number.
std::int32_t PercentFromTime(std::uint16_t time, std::uint16_t base);

void TimesFromPercent(ParameterImage& image, InjectionMap map, const InjectionPercentView& view,
                      const BaseInjectionMap& base);
void PercentFromTimes(const ParameterImage& image, InjectionMap map, InjectionPercentView& view,
                      const BaseInjectionMap& base);

}  // namespace morvek::model
