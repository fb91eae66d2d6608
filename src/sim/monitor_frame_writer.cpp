#include "sim/monitor_frame_writer.h"

#include <algorithm>
#include <cmath>

#include "model/field_table.h"
#include "sim/map_lookup.h"

namespace morvek::sim {
namespace {

using model::FieldId;

// Temperatures of the nine points of both temperature sensor characteristics.
constexpr std::array<double, 9> kSensorTemps{-10, 5, 20, 35, 50, 65, 80, 95, 110};
constexpr std::array<int, 6> kGearWords{122, 124, 126, 128, 130, 132};

class Writer {
 public:
  explicit Writer(link::DeviceFrame& frame) : bytes_(frame.bytes()) {}
  void Byte(int offset, double value) {
    bytes_[static_cast<std::size_t>(offset)] =
        static_cast<std::uint8_t>(std::clamp<long>(std::lround(value), 0, 255));
  }
  void Word(int offset, double value) {
    const auto v = static_cast<std::uint16_t>(std::clamp<long>(std::lround(value), 0, 65535));
    bytes_[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(v & 0xFF);
    bytes_[static_cast<std::size_t>(offset + 1)] = static_cast<std::uint8_t>(v >> 8);
  }

 private:
  link::DeviceFrame::Bytes& bytes_;
};

double SensorMillivolts(const model::ParameterImage& image, FieldId id, double temp) {
  std::array<double, 9> mv{};
  ShownValues(image, id, mv);
  return Curve(kSensorTemps, mv, temp);
}

double PressureMillivolts(const model::ParameterImage& image, double kpa) {
  const double p1 = model::Shown(image, FieldId::kApsPressure1);
  const double v1 = model::Shown(image, FieldId::kApsVoltage1);
  const double p2 = model::Shown(image, FieldId::kApsPressure2);
  const double v2 = model::Shown(image, FieldId::kApsVoltage2);
  if (p1 == p2) return v1;
  return v1 + (kpa - p1) * (v2 - v1) / (p2 - p1);
}

std::uint8_t Bit(bool set, int bit) { return set ? static_cast<std::uint8_t>(1u << bit) : 0; }

}  // namespace

link::DeviceFrame BuildMonitorFrame(const EngineState& s, const EngineOutputs& out,
                                    const model::ParameterImage& image,
                                    const MonitorExtras& extras) {
  link::DeviceFrame frame;
  frame.set_code(link::kReplyMonitor);
  Writer w(frame);

  // Inputs are active low, except the neutral switch.
  const bool neutral = s.gear == 0;
  std::uint8_t inputs = 0xFF & ~Bit(true, 2);
  inputs |= Bit(neutral, 2);
  if (s.clutch_master_cut) inputs &= static_cast<std::uint8_t>(~Bit(true, 5));
  w.Byte(1, inputs);

  const bool body11_fan = model::Stored(image, FieldId::kInputsPinBody11) == 0;
  const bool body11_on = body11_fan ? s.fan1 : s.running;  // fan 1 or lambda heating
  std::uint8_t outputs = Bit(!body11_on, 0) | Bit(out.limiter_ignition, 3) |
                         Bit(out.limiter_injection, 4) | Bit(out.limiter_retard, 5) |
                         Bit(model::Stored(image, FieldId::kInputsTachoLambda) != 0, 6);
  w.Byte(2, outputs);
  w.Byte(3, Bit(s.clutch_master_cut, 0) | Bit(s.running, 5) | Bit(extras.data_error, 6));
  w.Byte(4, Bit(s.running, 1) | Bit(s.running, 2) | Bit(s.fan1, 3) | Bit(s.fan2, 4) |
                Bit(extras.tests_inhibited, 7));

  const double tps_tenths = std::floor(s.tps_percent * 10 + 1e-6);
  w.Byte(9, std::floor(tps_tenths / 10));
  w.Byte(28, std::fmod(tps_tenths, 10));
  w.Byte(10, out.advance_deg[0]);
  w.Byte(11, out.advance_deg[1]);
  w.Byte(14, out.injection_us[0] / 100);
  w.Byte(15, out.injection_us[1] / 100);
  w.Byte(23, s.coolant_c + 100);
  w.Byte(24, s.air_c + 100);
  w.Byte(25, s.gear);
  w.Byte(27, out.shift_light);
  w.Byte(29, extras.autotune_status);
  w.Byte(30, out.lambda_af10);

  w.Word(44, 3100);  // fuel level
  const bool pin14_air = model::Stored(image, FieldId::kInputsPinEngine14) == 0;
  w.Word(46, pin14_air ? SensorMillivolts(image, FieldId::kAirTempSensor, s.air_c)
                       : (neutral ? 0 : 5000));
  w.Word(48, s.rpm);
  w.Word(50, PressureMillivolts(image, s.map_kpa));
  w.Word(52, s.map_kpa * 10);
  const double tps_v0 = model::Shown(image, FieldId::kTpsVoltage0);
  const double tps_v100 = model::Shown(image, FieldId::kTpsVoltage100);
  w.Word(56, tps_v0 + (tps_v100 - tps_v0) * s.tps_percent / 100);
  w.Word(58, out.lambda_mv);
  w.Word(60, SensorMillivolts(image, FieldId::kWaterTempSensor, s.coolant_c));
  w.Word(62, SensorMillivolts(image, FieldId::kAirTempSensor, s.air_c));
  w.Word(64, s.battery_mv);
  w.Word(76, extras.programming_count);
  for (int i = 0; i < 8; ++i) w.Word(78 + 2 * i, extras.test_values[static_cast<std::size_t>(i)]);
  w.Word(94, s.after_start_ms / 200);  // fifths of a second
  w.Word(96, out.injection_position_deg);
  w.Word(100, out.coolant_corr_percent * 10);
  w.Word(102, out.air_corr_percent * 10);
  w.Word(104, 1000);  // the simulated controller applies no pressure correction: 100 %
  w.Word(106, out.start_corr_percent * 10);
  w.Word(108, out.voltage_corr_us + 1000);
  w.Word(110, out.coolant_advance_corr_deg * 10 + 1000);
  w.Word(116, s.speed_kmh);
  w.Word(120, s.speed_kmh >= 1 ? s.rpm * 10 / s.speed_kmh : 0);
  for (int g = 1; g <= 6; ++g)
    w.Word(kGearWords[static_cast<std::size_t>(g - 1)], EngineModel::GearRatio(image, g));
  w.Word(134, 1000);  // no idle advance correction
  w.Word(136, s.acc_corr_percent * 10);
  w.Word(148, extras.saving_counter);
  w.Byte(150, extras.protocol_version);
  frame.Seal();
  return frame;
}

}  // namespace morvek::sim
