#include "logging/log_row.h"

#include <algorithm>
#include <cmath>

namespace morvek::logging {
namespace {

enum class Kind : std::uint8_t {
  kByte,           // value = byte × scale + add
  kWord,           // value = word × scale + add
  kBitSet,         // 1 when the bit is set
  kBitClear,       // 1 when the bit is clear (inputs that are active low)
  kThrottleFine,   // tenths of a percent: byte 9 and its tenths digit, byte 28
  kAdvanceMean,    // (byte 10 + byte 11) / 2
  kInjectionMean,  // (byte 14 + byte 15) × 100 / 2
  kDuty,           // max(byte 14, byte 15) × previous rpm / 12000
  kCoolantError,   // byte 23 is 0
  kAirError,       // byte 24 is 60 or less
};

struct ColumnLayout {
  LogColumn column;
  Kind kind;
  int offset = 0;
  int scale_or_bit = 1;
  int add = 0;
};

constexpr int kDutyRpmDivisor = 12000;
constexpr int kAirSensorErrorLimit = 60;

constexpr ColumnLayout Byte(std::string_view name, int offset, int decimals = 0, int scale = 1,
                            int add = 0) {
  return {{name, decimals}, Kind::kByte, offset, scale, add};
}
constexpr ColumnLayout Word(std::string_view name, int offset, int decimals = 0, int add = 0) {
  return {{name, decimals}, Kind::kWord, offset, 1, add};
}
constexpr ColumnLayout Set(std::string_view name, int offset, int bit) {
  return {{name, 0}, Kind::kBitSet, offset, bit, 0};
}
constexpr ColumnLayout Clear(std::string_view name, int offset, int bit) {
  return {{name, 0}, Kind::kBitClear, offset, bit, 0};
}
constexpr ColumnLayout Derived(std::string_view name, Kind kind, int decimals = 0) {
  return {{name, decimals}, kind, 0, 1, 0};
}

// The order of the columns in the file; names never change, so scripts can rely on them.
constexpr std::array<ColumnLayout, kLogValueCount> kLayouts{{
    Word("rpm", 48),
    Byte("throttle_pct", 9),
    Derived("throttle_pct_fine", Kind::kThrottleFine, 1),
    Word("throttle_mv", 56),
    Word("pressure_kpa", 52, 1),
    Word("pressure_mv", 50),
    Byte("lambda_af", 30, 1),
    Word("lambda_mv", 58),
    Byte("coolant_c", 23, 0, 1, -100),
    Word("coolant_mv", 60),
    Byte("air_c", 24, 0, 1, -100),
    Word("air_mv", 62),
    Word("battery_v", 64, 3),
    Derived("advance_deg", Kind::kAdvanceMean),
    Byte("advance_1_deg", 10),
    Byte("advance_2_deg", 11),
    Derived("injection_us", Kind::kInjectionMean),
    Byte("injection_1_us", 14, 0, 100),
    Byte("injection_2_us", 15, 0, 100),
    Derived("injection_duty_pct", Kind::kDuty),
    Byte("gear", 25),
    Byte("shift_light", 27),
    Word("speed_kmh", 116),
    Word("rpm_speed_ratio", 120, 1),
    Word("gear_1_ratio", 122, 1),
    Word("gear_2_ratio", 124, 1),
    Word("gear_3_ratio", 126, 1),
    Word("gear_4_ratio", 128, 1),
    Word("gear_5_ratio", 130, 1),
    Word("gear_6_ratio", 132, 1),
    Word("injection_angle_deg", 96),
    Word("coolant_corr_pct", 100, 1),
    Word("air_corr_pct", 102, 1),
    Word("pressure_corr_pct", 104, 1),
    Word("after_start_corr_pct", 106, 1),
    Word("voltage_corr_us", 108, 0, -1000),
    Word("coolant_advance_corr_deg", 110, 1, -1000),
    Word("idle_advance_corr_deg", 134, 1, -1000),
    Word("accel_corr_pct", 136, 1),
    Word("fuel_mv", 44),
    Word("pin_engine_14_mv", 46),
    Word("after_start_timer", 94),
    Byte("tuning_state", 29),
    Word("saving_counter", 148),
    Word("programming_count", 76),
    Byte("controller_version", 150),
    Word("test_1", 78),
    Word("test_2", 80),
    Word("test_3", 82),
    Word("test_4", 84),
    Word("test_5", 86),
    Word("test_6", 88),
    Word("test_7", 90),
    Word("test_8", 92),
    Clear("in_switch_start", 1, 0),
    Clear("in_clutch", 1, 1),
    Set("in_neutral", 1, 2),
    Clear("in_side_stand", 1, 3),
    Clear("in_start_limiter", 1, 4),
    Clear("in_clutch_master", 1, 5),
    Clear("in_tacho_lambda", 1, 6),
    Clear("in_pin_engine_23", 1, 7),
    Clear("in_pin_body_11", 2, 0),
    Set("out_switch_start", 2, 1),
    Set("out_start_limiter", 2, 2),
    Set("ignition_limiter", 2, 3),
    Set("injection_limiter", 2, 4),
    Set("retard_limiter", 2, 5),
    Set("out_tacho", 2, 6),
    Set("out_n2o", 2, 7),
    Set("out_clutch_master", 3, 0),
    Set("base_advance", 3, 3),
    Set("cmps_running", 3, 5),
    Set("data_error", 3, 6),
    Set("throttle_sensor_error", 3, 7),
    Set("pressure_sensor_error", 4, 0),
    Set("oil_ok", 4, 1),
    Set("lambda_heat", 4, 2),
    Set("fan_1", 4, 3),
    Set("fan_2", 4, 4),
    Set("blocking", 4, 5),
    Set("fuel_valve", 4, 6),
    Set("output_test_inhibit", 4, 7),
    Derived("coolant_sensor_error", Kind::kCoolantError),
    Derived("air_sensor_error", Kind::kAirError),
}};

constexpr std::array<LogColumn, kLogValueCount> MakeColumns() {
  std::array<LogColumn, kLogValueCount> columns{};
  for (std::size_t i = 0; i < kLayouts.size(); ++i) columns[i] = kLayouts[i].column;
  return columns;
}
constexpr std::array<LogColumn, kLogValueCount> kColumns = MakeColumns();

struct Bytes {
  const link::DeviceFrame::Bytes& b;
  int Byte(int offset) const { return b[static_cast<std::size_t>(offset)]; }
  int Word(int offset) const { return Byte(offset) | (Byte(offset + 1) << 8); }
  bool Bit(int offset, int bit) const { return ((Byte(offset) >> bit) & 1) != 0; }
};

std::int64_t ValueOf(const ColumnLayout& s, const Bytes& f, int previous_rpm) {
  switch (s.kind) {
    case Kind::kByte:
      return std::int64_t{f.Byte(s.offset)} * s.scale_or_bit + s.add;
    case Kind::kWord:
      return std::int64_t{f.Word(s.offset)} * s.scale_or_bit + s.add;
    case Kind::kBitSet:
      return f.Bit(s.offset, s.scale_or_bit) ? 1 : 0;
    case Kind::kBitClear:
      return f.Bit(s.offset, s.scale_or_bit) ? 0 : 1;
    case Kind::kThrottleFine:
      return f.Byte(9) * 10 + f.Byte(28);
    case Kind::kAdvanceMean:
      return (f.Byte(10) + f.Byte(11)) / 2;
    case Kind::kInjectionMean:
      return (f.Byte(14) + f.Byte(15)) * 100 / 2;
    case Kind::kDuty:
      return std::int64_t{std::max(f.Byte(14), f.Byte(15))} * previous_rpm / kDutyRpmDivisor;
    case Kind::kCoolantError:
      return f.Byte(23) == 0 ? 1 : 0;
    case Kind::kAirError:
      return f.Byte(24) <= kAirSensorErrorLimit ? 1 : 0;
  }
  return 0;
}

void PutByte(link::DeviceFrame::Bytes& b, int offset, std::int64_t value) {
  b[static_cast<std::size_t>(offset)] =
      static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 255));
}

void PutWord(link::DeviceFrame::Bytes& b, int offset, std::int64_t value) {
  const auto word = static_cast<std::uint16_t>(std::clamp<std::int64_t>(value, 0, 65535));
  b[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(word & 0xFF);
  b[static_cast<std::size_t>(offset + 1)] = static_cast<std::uint8_t>(word >> 8);
}

void PutBit(link::DeviceFrame::Bytes& b, int offset, int bit, bool set) {
  auto& byte = b[static_cast<std::size_t>(offset)];
  const auto mask = static_cast<std::uint8_t>(1u << bit);
  byte = static_cast<std::uint8_t>(set ? (byte | mask) : (byte & ~mask));
}

}  // namespace

std::span<const LogColumn, kLogValueCount> LogColumns() { return kColumns; }

std::optional<int> LogColumnIndex(std::string_view name) {
  for (int i = 0; i < kLogValueCount; ++i)
    if (kColumns[static_cast<std::size_t>(i)].name == name) return i;
  return std::nullopt;
}

std::int64_t LogRow::value(std::string_view column) const {
  const std::optional<int> index = LogColumnIndex(column);
  return index ? values[static_cast<std::size_t>(*index)] : 0;
}

double LogRow::unit_value(int column) const {
  const int decimals = kColumns[static_cast<std::size_t>(column)].decimals;
  return static_cast<double>(values[static_cast<std::size_t>(column)]) / std::pow(10.0, decimals);
}

LogRow MakeLogRow(const link::DeviceFrame& frame, int previous_rpm, std::int64_t time_ms) {
  LogRow row;
  row.time_ms = time_ms;
  const Bytes f{frame.bytes()};
  for (std::size_t i = 0; i < kLayouts.size(); ++i)
    row.values[i] = ValueOf(kLayouts[i], f, previous_rpm);
  return row;
}

link::DeviceFrame MonitorFrameOf(const LogRow& row) {
  link::DeviceFrame frame;
  link::DeviceFrame::Bytes& b = frame.bytes();
  b[0] = link::kReplyMonitor;
  for (std::size_t i = 0; i < kLayouts.size(); ++i) {
    const ColumnLayout& s = kLayouts[i];
    const std::int64_t v = row.values[i];
    switch (s.kind) {
      case Kind::kByte:
        PutByte(b, s.offset, (v - s.add) / s.scale_or_bit);
        break;
      case Kind::kWord:
        PutWord(b, s.offset, (v - s.add) / s.scale_or_bit);
        break;
      case Kind::kBitSet:
        PutBit(b, s.offset, s.scale_or_bit, v != 0);
        break;
      case Kind::kBitClear:
        PutBit(b, s.offset, s.scale_or_bit, v == 0);
        break;
      case Kind::kThrottleFine:
        // Follows throttle_pct in the table, so byte 9 is already in place.
        PutByte(b, 28, v - std::int64_t{b[9]} * 10);
        break;
      default:  // worked out from the other columns
        break;
    }
  }
  frame.Seal();
  return frame;
}

}  // namespace morvek::logging
