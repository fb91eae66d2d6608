#include "logging/log_row.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "logging/csv_log_reader.h"
#include "logging/csv_log_writer.h"

namespace morvek::logging {
namespace {

link::DeviceFrame Frame(std::initializer_list<std::pair<int, int>> bytes) {
  link::DeviceFrame frame;
  frame.bytes()[0] = 0xB0;
  frame.bytes()[150] = 84;
  for (auto [offset, value] : bytes)
    frame.bytes()[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
  frame.Seal();
  return frame;
}

// Every offset the live display reads; the others carry nothing a log keeps.
const std::set<int>& ReadOffsets() {
  static const std::set<int> offsets = [] {
    std::set<int> s{1, 2, 3, 4, 9, 10, 11, 14, 15, 23, 24, 25, 27, 28, 29, 30, 150};
    for (int w : {44,  46,  48,  50,  52,  56,  58,  60,  62,  64,  76,  78,  80,
                  82,  84,  86,  88,  90,  92,  94,  96,  100, 102, 104, 106, 108,
                  110, 116, 120, 122, 124, 126, 128, 130, 132, 134, 136, 148}) {
      s.insert(w);
      s.insert(w + 1);
    }
    return s;
  }();
  return offsets;
}

TEST(LogRowTest, ColumnNamesAreUniqueAndStable) {
  std::set<std::string_view> names;
  for (const LogColumn& c : LogColumns()) EXPECT_TRUE(names.insert(c.name).second) << c.name;
  EXPECT_EQ(CsvHeaderLine().rfind("time_ms,rpm,throttle_pct,throttle_pct_fine,throttle_mv,", 0),
            0u);
  EXPECT_EQ(LogColumnIndex("battery_v"), 12);
  EXPECT_FALSE(LogColumnIndex("time_ms"));
}

TEST(LogRowTest, ValuesInTheirShownUnits) {
  struct Case {
    std::initializer_list<std::pair<int, int>> bytes;
    int previous_rpm;
    std::string_view column;
    std::int64_t value;
  };
  const Case cases[] = {
      {{{48, 0x70}, {49, 0x17}}, 0, "rpm", 6000},
      {{{9, 20}, {28, 7}}, 0, "throttle_pct_fine", 207},   // 20.7 %
      {{{52, 0xD9}, {53, 0x03}}, 0, "pressure_kpa", 985},  // 98.5 kPa
      {{{64, 0xAA}, {65, 0x34}}, 0, "battery_v", 13482},   // 13.482 V
      {{{23, 185}}, 0, "coolant_c", 85},
      {{{23, 0}}, 0, "coolant_sensor_error", 1},
      {{{24, 60}}, 0, "air_sensor_error", 1},
      {{{24, 61}}, 0, "air_c", -39},
      {{{24, 61}}, 0, "air_sensor_error", 0},
      {{{10, 20}, {11, 25}}, 0, "advance_deg", 22},
      {{{14, 40}, {15, 30}}, 6000, "injection_duty_pct", 20},
      {{{14, 250}}, 6000, "injection_duty_pct", 125},
      {{{14, 40}, {15, 30}}, 0, "injection_us", 3500},
      {{{14, 40}}, 0, "injection_1_us", 4000},
      {{{30, 147}}, 0, "lambda_af", 147},
      {{{134, 0xE3}, {135, 0x03}}, 0, "idle_advance_corr_deg", -5},  // 995: -0.5 degrees
      {{{108, 0xE8}, {109, 0x03}}, 0, "voltage_corr_us", 0},
      {{{1, 0xFF}}, 0, "in_neutral", 1},
      {{{1, 0xFF}}, 0, "in_clutch", 0},
      {{{1, 0x00}}, 0, "in_clutch", 1},
      {{{2, 0x10}}, 0, "injection_limiter", 1},
      {{{2, 0x00}}, 0, "in_pin_body_11", 1},
      {{{4, 0x80}}, 0, "output_test_inhibit", 1},
      {{{29, 13}}, 0, "tuning_state", 13},
      {{{150, 83}}, 0, "controller_version", 83},
  };
  for (const Case& c : cases) {
    const LogRow row = MakeLogRow(Frame(c.bytes), c.previous_rpm, 330);
    EXPECT_EQ(row.value(c.column), c.value) << c.column;
    EXPECT_EQ(row.time_ms, 330);
  }
}

TEST(LogRowTest, InputsOfAFrameWithEveryBitSetAreOffExceptNeutral) {
  const LogRow row = MakeLogRow(Frame({{1, 0xFF}}), 0, 0);
  for (std::string_view in : {"in_switch_start", "in_clutch", "in_side_stand", "in_start_limiter",
                              "in_clutch_master", "in_tacho_lambda", "in_pin_engine_23"})
    EXPECT_EQ(row.value(in), 0) << in;
  EXPECT_EQ(row.value("in_neutral"), 1);
}

TEST(LogRowTest, RowGivesBackTheFrameItCameFrom) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    link::DeviceFrame frame;
    frame.bytes()[0] = 0xB0;
    for (int offset : ReadOffsets())
      frame.bytes()[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(random());
    frame.bytes()[3] &= 0b1110'1001;  // bits 1, 2 and 4 of the status byte mean nothing here
    frame.Seal();
    const LogRow row = MakeLogRow(frame, 5000, round);
    EXPECT_EQ(MonitorFrameOf(row), frame) << "round " << round;
    // And through the text of the file.
    const CsvLog log = ParseCsvLog(CsvHeaderLine() + CsvRowLine(row));
    ASSERT_EQ(log.error, "");
    ASSERT_EQ(log.rows.size(), 1u);
    EXPECT_EQ(log.rows[0], row);
  }
}

TEST(LogRowTest, ValuesOutsideTheirBytesAreClampedNotWrapped) {
  LogRow row;
  row.values[static_cast<std::size_t>(*LogColumnIndex("rpm"))] = 70000;
  row.values[static_cast<std::size_t>(*LogColumnIndex("coolant_c"))] = 200;
  row.values[static_cast<std::size_t>(*LogColumnIndex("air_c"))] = -150;
  const link::DeviceFrame frame = MonitorFrameOf(row);
  EXPECT_TRUE(frame.IsValid());
  EXPECT_EQ(frame.bytes()[48] | (frame.bytes()[49] << 8), 65535);
  EXPECT_EQ(frame.bytes()[23], 255);
  EXPECT_EQ(frame.bytes()[24], 0);
}

}  // namespace
}  // namespace morvek::logging
