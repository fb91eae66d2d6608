#pragma once

#include <array>

namespace morvek::model {

// The three maps (advance, injection 1A, injection 2A) share one geometry: 10 throttle rows
// by 15 rpm columns, stored row by row.
inline constexpr int kMapRows = 10;
inline constexpr int kMapColumns = 15;
inline constexpr int kMapCells = kMapRows * kMapColumns;

constexpr int MapElement(int row, int column) { return kMapColumns * row + column; }

// Throttle position of each map row, in tenths of a percent (not stored in the image).
inline constexpr std::array<int, kMapRows> kMapRowTps{0,   20,  50,  100, 200,
                                                      300, 400, 600, 800, 1000};

}  // namespace morvek::model
