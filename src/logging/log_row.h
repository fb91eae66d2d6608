#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "link/device_frame.h"

namespace morvek::logging {

// One column of a data log: a stable English name and the decimals its value is written
// with. Values are kept as whole numbers of the column's smallest step (a battery of
// 13.482 V is 13482 with three decimals), so writing and reading back loses nothing.
struct LogColumn {
  std::string_view name;
  int decimals = 0;
};

// The columns after the leading "time_ms".
inline constexpr int kLogValueCount = 85;

std::span<const LogColumn, kLogValueCount> LogColumns();
// The index of a column by its name, or nothing.
std::optional<int> LogColumnIndex(std::string_view name);

// One monitor frame as a row of the log: milliseconds since logging started and every value
// the live display shows, in its shown unit.
struct LogRow {
  std::int64_t time_ms = 0;
  std::array<std::int64_t, kLogValueCount> values{};

  std::int64_t value(std::string_view column) const;
  // The value in its unit (13482 with three decimals is 13.482).
  double unit_value(int column) const;
  friend bool operator==(const LogRow&, const LogRow&) = default;
};

// The row of a monitor frame. The injection duty, as on the display, uses the engine speed of
// the frame before (previous_rpm).
LogRow MakeLogRow(const link::DeviceFrame& frame, int previous_rpm, std::int64_t time_ms);

// The monitor frame that carries a row's values (checksum sealed): what the controller sent,
// apart from bits the display never reads. Out-of-range values are clamped to their bytes.
link::DeviceFrame MonitorFrameOf(const LogRow& row);

}  // namespace morvek::logging
