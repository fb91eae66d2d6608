#include "model/base_injection.h"

#include <algorithm>

#include "model/field_table.h"
#include "model/presets.h"

namespace morvek::model {
namespace {

constexpr std::array<unsigned, kBaseTableSize> kRpmPoints{1000, 2000,  3000,  4000,  6000,
                                                          8000, 10000, 12000, 14000, 16000};
constexpr std::array<unsigned, kBaseTableSize> kTpsPoints{0,   20,  50,  100, 200,
                                                          300, 400, 600, 800, 1000};

// Rows TPS 0 % ... 100 %, columns 1000 ... 16000 rpm, tens of microseconds.
constexpr std::array<std::uint16_t, 100> kBuiltIn1A{
    110, 80,  65,  65,  55,  45,  50,  50,  50,  50,   //
    120, 80,  65,  60,  50,  50,  50,  50,  50,  50,   //
    137, 95,  75,  63,  48,  43,  33,  21,  21,  21,   //
    163, 135, 113, 88,  58,  55,  55,  55,  55,  55,   //
    235, 195, 153, 138, 115, 100, 95,  95,  95,  95,   //
    287, 245, 200, 170, 143, 140, 130, 122, 122, 122,  //
    343, 303, 270, 230, 168, 185, 188, 188, 188, 188,  //
    355, 355, 353, 325, 248, 258, 243, 211, 211, 211,  //
    355, 345, 398, 445, 485, 475, 445, 385, 385, 385,  //
    360, 345, 395, 400, 475, 570, 550, 430, 430, 430,
};
constexpr std::array<std::uint16_t, 100> kBuiltIn2A{
    110, 80,  65,  65,  55,  45,  50,  50,  50,  50,   //
    120, 80,  65,  60,  50,  50,  50,  50,  50,  50,   //
    137, 95,  75,  63,  48,  43,  35,  15,  15,  15,   //
    163, 135, 113, 88,  58,  55,  55,  55,  55,  55,   //
    245, 170, 160, 148, 118, 90,  85,  85,  85,  85,   //
    305, 245, 213, 188, 160, 130, 125, 117, 117, 117,  //
    363, 288, 290, 248, 193, 165, 188, 188, 188, 188,  //
    375, 335, 395, 325, 255, 213, 260, 232, 232, 232,  //
    395, 290, 448, 505, 565, 440, 495, 535, 535, 535,  //
    395, 285, 465, 445, 510, 595, 575, 515, 515, 515,
};

constexpr unsigned kMinimumBase = 100;

// The upper end of the axis interval holding v: i grows from 1 while point i <= v (at most 9).
std::size_t IntervalEnd(const std::array<unsigned, kBaseTableSize>& points, unsigned v) {
  std::size_t i = 1;
  while (i < kBaseTableSize - 1 && points[i] <= v) ++i;
  return i;
}

}  // namespace

unsigned Interpolate(unsigned x, unsigned x0, unsigned x1, unsigned v0, unsigned v1) {
  if (x <= x0) return v0;
  if (x >= x1) return v1;
  if (v0 == v1) return v0;
  if (v0 < v1) return v0 + (v1 - v0) * (x - x0) / (x1 - x0);
  return v1 + (v0 - v1) * (x1 - x) / (x1 - x0);
}

BaseInjectionTable ComputeBaseTable(InjectionMap map, int preset) {
  const auto& built_in = map == InjectionMap::k1A ? kBuiltIn1A : kBuiltIn2A;
  const unsigned size = static_cast<unsigned>(EngineSizeConstant(preset));
  BaseInjectionTable table{};
  for (std::size_t i = 0; i < table.size(); ++i)
    table[i] = static_cast<std::uint16_t>(built_in[i] * size / 600);
  return table;
}

BaseInjectionMap ComputeBaseMap(const BaseInjectionTable& table, const ParameterImage& image,
                                InjectionMap map) {
  auto at = [&table](std::size_t row, std::size_t column) {
    return 10u * table[kBaseTableSize * row + column];
  };
  BaseInjectionMap base{};
  for (int c = 0; c < kMapColumns; ++c) {
    const unsigned x = static_cast<unsigned>(Stored(image, RpmAxisField(map), c)) * 100;
    const std::size_t i = IntervalEnd(kRpmPoints, x);
    for (int r = 0; r < kMapRows; ++r) {
      const unsigned y = static_cast<unsigned>(kMapRowTps[static_cast<std::size_t>(r)]);
      const std::size_t j = IntervalEnd(kTpsPoints, y);
      const unsigned a =
          Interpolate(x, kRpmPoints[i - 1], kRpmPoints[i], at(j - 1, i - 1), at(j - 1, i));
      const unsigned b = Interpolate(x, kRpmPoints[i - 1], kRpmPoints[i], at(j, i - 1), at(j, i));
      const unsigned value = Interpolate(y, kTpsPoints[j - 1], kTpsPoints[j], a, b);
      base[static_cast<std::size_t>(MapElement(r, c))] =
          static_cast<std::uint16_t>(std::max(value, kMinimumBase));
    }
  }
  return base;
}

std::uint16_t TimeFromPercent(int percent, std::uint16_t base) {
  if (percent <= 0) return 0;
  const long long t = (static_cast<long long>(percent) * base + 50) / 100;
  return static_cast<std::uint16_t>(std::min<long long>(t, 65535));
}

std::int32_t PercentFromTime(std::uint16_t time, std::uint16_t base) {
  if (base == 0) return 0;  // never for a computed base map (at least 100 us)
  return static_cast<std::int32_t>((static_cast<unsigned>(time) * 1000u / base + 5u) / 10u);
}

void TimesFromPercent(ParameterImage& image, InjectionMap map, const InjectionPercentView& view,
                      const BaseInjectionMap& base) {
  for (int e = 0; e < kMapCells; ++e) {
    const auto k = static_cast<std::size_t>(e);
    SetStored(image, TimesField(map), e, TimeFromPercent(view[k], base[k]));
  }
}

void PercentFromTimes(const ParameterImage& image, InjectionMap map, InjectionPercentView& view,
                      const BaseInjectionMap& base) {
  for (int e = 0; e < kMapCells; ++e) {
    const auto k = static_cast<std::size_t>(e);
    view[k] =
        PercentFromTime(static_cast<std::uint16_t>(Stored(image, TimesField(map), e)), base[k]);
  }
}

}  // namespace morvek::model
