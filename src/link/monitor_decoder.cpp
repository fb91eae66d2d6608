#include "link/monitor_decoder.h"

#include <algorithm>
#include <string>

#include "i18n/own_texts.h"
#include "link/link_texts.h"
#include "link/monitor_flags.h"
#include "link/text_format.h"
#include "model/field_table.h"

namespace morvek::link {
namespace {

using i18n::TextId;
using L = MonitorLabel;
using G = MonitorGauge;
using model::FieldId;

constexpr int kDutyRpmDivisor = 12000;
constexpr int kCoolantErrorValue = 180;
constexpr int kAirSensorErrorLimit = 60;
constexpr int kAirErrorTemperature = 50;
constexpr int kCoolantHotPlus100 = 200;

int ClampGauge(int value) { return std::clamp(value, 0, 100); }

// Frame bytes and little-endian words, by frame offset.
class FrameReader {
 public:
  explicit FrameReader(const DeviceFrame& frame) : bytes_(frame.bytes()) {}
  int Byte(int offset) const { return bytes_[static_cast<std::size_t>(offset)]; }
  int Word(int offset) const { return Byte(offset) | (Byte(offset + 1) << 8); }

 private:
  const DeviceFrame::Bytes& bytes_;
};

struct Decoder {
  const FrameReader& f;
  const MonitorContext& ctx;
  MonitorView& view;
  LiveValues& live;

  std::string Word(TextId id) const { return LinkText(id, ctx.language); }
  std::string Own(i18n::OwnText id) const { return std::string(i18n::Text(id, ctx.language)); }
  LabelView& Label(L l) { return view.label(l); }
  void Set(L l, std::string text, Colour colour = Colour::kButtonFace) {
    Label(l).text = std::move(text);
    Label(l).colour = colour;
  }
  void SetText(L l, std::string text) { Label(l).text = std::move(text); }
  int Image(FieldId id, int i = 0) const {
    return ctx.image != nullptr ? model::Stored(*ctx.image, id, i) : 0;
  }

  void Version() {
    const int version = f.Byte(150);
    live.controller_version = version;
    if (version == model::kProgramVersion) {
      Set(L::kLabelVersion, Printf("PC-%d, IGN-%d", model::kProgramVersion, version),
          Colour::kWhite);
    } else {
      Set(L::kLabelVersion, UnmatchedVersionText(ctx.language, version), Colour::kRed);
    }
  }

  void Advance() {
    const std::string advance = Word(TextId::TxtAdvance);
    const char* s = advance.c_str();
    if (live.base_advance) {
      const std::string base = Own(i18n::OwnText::kLiveBaseAdvance);
      SetText(L::kLabelMon_Ign1, Printf("%s 1= %s", s, base.c_str()));
      SetText(L::kLabelMon_Ign2, Printf("%s 2= %s", s, base.c_str()));
      SetText(L::kLabelMon_Ign, Printf("%s = %s", s, base.c_str()));
    } else {
      SetText(L::kLabelMon_Ign1, Printf("%s 1= %2d °", s, f.Byte(10)));
      SetText(L::kLabelMon_Ign2, Printf("%s 2= %2d °", s, f.Byte(11)));
      SetText(L::kLabelMon_Ign, Printf("%s = %2d °", s, (f.Byte(10) + f.Byte(11)) / 2));
    }
    Label(L::kLabelMon_Ign2).visible = true;
  }

  void Injection() {
    const std::string word = Word(TextId::TxtInjectionTime);
    const char* s = word.c_str();
    SetText(L::kLabelMon_Jet_1A, Printf("%s 1 = %d us", s, f.Byte(14) * 100));
    SetText(L::kLabelMon_Jet_2A, Printf("%s 2 = %d us", s, f.Byte(15) * 100));
    Label(L::kLabelMon_Jet_2A).visible = true;
    SetText(L::kLabelMon_Jet_A, Printf("%s = %d us", s, (f.Byte(14) + f.Byte(15)) * 100 / 2));
  }

  // Uses the rpm of the previous frame: this frame's rpm is taken in afterwards.
  void Duty() {
    const int duty = std::max(f.Byte(14), f.Byte(15)) * live.rpm / kDutyRpmDivisor;
    SetText(L::kLabelMaxInjProcent,
            Printf("%s = %d [%%]", Word(TextId::TxtMaxInjection).c_str(), duty));
    GaugeView& bar = view.gauge(G::kCGaugeDuty);
    bar.value = ClampGauge(duty);
    bar.colour = duty > 100 ? Colour::kYellow : Colour::kBlue;
  }

  void Gear() {
    SetText(L::kLabelGear, Printf("%s = %d ", Word(TextId::TxtGear).c_str(), f.Byte(25)));
    const int light = f.Byte(27);
    const std::string state = light == 2   ? Word(TextId::TxtYes)
                              : light == 0 ? Word(TextId::TxtNo)
                                           : Word(TextId::TxtTwinkle);
    Set(L::kLabelMonPilotLight, Word(TextId::TxtGearShiftLight) + " - " + state,
        light == 0 ? Colour::kButtonFace : Colour::kFuchsia);
  }

  void AutotuneStatus() {
    struct Status {
      TextId text;
      Colour colour;
    };
    static constexpr Status kStatus[] = {
        {TextId::TuneMsgRpmZero, Colour::kFuchsia},
        {TextId::TuneMsgNoTpsNoIap, Colour::kFuchsia},
        {TextId::TuneMsgOff, Colour::kFuchsia},
        {TextId::TuneMsgAccelTooBig, Colour::kFuchsia},
        {TextId::TuneMsgTpsAndIapMap, Colour::kFuchsia},
        {TextId::TuneMsgNotInPoint, Colour::kFuchsia},
        {TextId::TuneMsgLambdaVoltage, Colour::kFuchsia},
        {TextId::TuneMsgRpmLow, Colour::kFuchsia},
        {TextId::TuneMsgRpmHigh, Colour::kFuchsia},
        {TextId::TuneMsgLoadLow, Colour::kFuchsia},
        {TextId::TuneMsgLoadHigh, Colour::kFuchsia},
        {TextId::TuneMsgAdding, Colour::kAqua},
        {TextId::TuneMsgDecrease, Colour::kYellow},
        {TextId::TuneMsgOk, Colour::kLime},
        {TextId::TuneMsgCoupled, Colour::kFuchsia},
    };
    const auto code = static_cast<std::size_t>(f.Byte(29));
    if (code < std::size(kStatus)) {
      Set(L::kLabelLadeniMsg, Word(kStatus[code].text), kStatus[code].colour);
    } else {
      Label(L::kLabelLadeniMsg).colour = Colour::kFuchsia;  // the text stays
    }
  }

  void FuelPinRpm() {
    const int fuel_mv = f.Word(44);
    SetText(L::kLabelMonFuelMv, Printf("%s = %d mV", Word(TextId::TxtFuel).c_str(), fuel_mv));
    view.gauge(G::kCGaugeFuel).value = ClampGauge((fuel_mv * 100 - 160000) / 2400);
    const int pin_mv = f.Word(46);
    Set(L::kLabelMonPinEngine14In,
        Printf("%s = %d mV", Own(i18n::OwnText::kLivePinEngine14).c_str(), pin_mv),
        pin_mv > 2000 ? Colour::kButtonFace : Colour::kAqua);

    live.rpm = f.Word(48);
    const int limiters =
        int{live.ignition_limiter} + int{live.injection_limiter} + int{live.retard_limiter};
    Set(L::kLabelRpm, Printf("RPM = %d ", live.rpm),
        limiters == 3  ? Colour::kRed
        : limiters > 0 ? Colour::kFuchsia
                       : Colour::kButtonFace);
    const int ignition_limiter = Image(FieldId::kLimiterIgnition);  // in 100 rpm
    if (ignition_limiter != 0)
      view.gauge(G::kCGaugeRpm).value = ClampGauge(live.rpm / ignition_limiter);
  }

  void Pressure() {
    const double kpa = f.Word(52) * 0.1;
    SetText(L::kLabelTlak, ctx.extended ? Printf("AP = %4.1f kPa= %d mV", kpa, f.Word(50))
                                        : Printf("AP = %4.1f kPa", kpa));
    Label(L::kLabelTlak).colour = live.pressure_sensor_error ? Colour::kRed : Colour::kButtonFace;
  }

  void Throttle() {
    live.throttle_mv = f.Word(56);
    live.throttle_percent = f.Byte(9);
    GaugeView& bar = view.gauge(G::kCGaugeTps);
    if (live.throttle_sensor_error) {
      Set(L::kLabelTpsMon,
          Printf("TP = %s = %d mV", Own(i18n::OwnText::kLiveSensorError).c_str(), live.throttle_mv),
          Colour::kRed);
      bar.value = 0;
      return;
    }
    const double percent = f.Byte(9) + (f.Byte(28) + 0.005) * 0.1;
    Set(L::kLabelTpsMon, ctx.extended ? Printf("TP = %4.1f %%=%d mV", percent, live.throttle_mv)
                                      : Printf("TP = %d %%", f.Byte(9)));
    bar.value = ClampGauge(f.Byte(9));
  }

  void Lambda() {
    live.lambda = f.Byte(30);
    const double af = live.lambda * 0.1;
    SetText(L::kLabelLambda, ctx.extended ? Printf("LAMBDA = %4.1f [A/F] = %d mV", af, f.Word(58))
                                          : Printf("LAMBDA = %4.1f [A/F]", af));
    view.gauge(G::kCGaugeLambda).value =
        LambdaBarValue(live.lambda, Image(FieldId::kLambdaBar, 0), Image(FieldId::kLambdaBar, 3));
  }

  void Coolant() {
    const std::string word = Word(TextId::TxtCoolant);
    const char* s = word.c_str();
    const int raw = f.Byte(23);
    GaugeView& bar = view.gauge(G::kCGaugeVoda);
    if (raw == 0) {
      Set(L::kLabelVoda,
          ctx.extended ? Printf("%s = %s = %d mV", s, Own(i18n::OwnText::kLiveSensorError).c_str(),
                                f.Word(60))
                       : Printf("%s = %s", s, Own(i18n::OwnText::kLiveSensorError).c_str()),
          Colour::kRed);
      live.coolant_plus100 = kCoolantErrorValue;
      bar.colour = Colour::kRed;
      bar.value = kCoolantErrorValue - 100;
      return;
    }
    live.coolant_plus100 = raw;
    const int celsius = raw - 100;
    const bool hot = raw >= kCoolantHotPlus100;
    Set(L::kLabelVoda,
        ctx.extended ? Printf("%s = %d °C= %d mV", s, celsius, f.Word(60))
                     : Printf("%s= %d °C", s, celsius),
        hot ? Colour::kYellow : Colour::kButtonFace);
    bar.colour = hot ? Colour::kYellow : Colour::kAqua;
    bar.value = ClampGauge(celsius);
  }

  void Air() {
    live.air_plus100 = f.Byte(24);
    const bool valid = live.air_plus100 > kAirSensorErrorLimit;
    const int celsius = valid ? live.air_plus100 - 100 : kAirErrorTemperature;
    Set(L::kLabelVzduch,
        ctx.extended ? Printf("AT = %d °C= %d mV", celsius, f.Word(62))
                     : Printf("AT = %d °C", celsius),
        valid ? Colour::kButtonFace : Colour::kRed);
  }

  void Battery() {
    const int mv = f.Word(64);
    const Colour colour = (mv > 11000 && mv < 14999)  ? Colour::kButtonFace
                          : (mv > 7000 && mv < 17999) ? Colour::kYellow
                                                      : Colour::kRed;
    Set(L::kLabelNapeti, Printf("U = %4.1f V", mv * 0.001), colour);
  }

  void Counters() {
    SetText(L::kLabelPocetProgramovani,
            Word(TextId::TxtProgrammingCount) + Printf("%d", f.Word(76)));
    static constexpr const char* kTestFormats[] = {"Test1= %d", "Test2= %d", "Test3= %d ",
                                                   "Test4=%d",  "Test5= %d", "Test6= %d",
                                                   "Test7= %d", "Test8= %d"};
    for (int i = 0; i < 8; ++i) {
      LabelView& label = Label(static_cast<L>(static_cast<int>(L::kLabelTest1) + i));
      label.text = Printf(kTestFormats[i], f.Word(78 + 2 * i));
      label.visible = ctx.debug_display;
    }
    SetText(L::kLabelMon_PolohaA,
            Printf("%s = %d °", Word(TextId::TxtPosition).c_str(), f.Word(96)));
  }

  void Corrections() {
    SetText(L::kLabelKorVodaJet,
            Printf("%s = %4.1f %%", Own(i18n::OwnText::kLiveWaterCorrection).c_str(),
                   f.Word(100) * 0.1));
    SetText(
        L::kLabelKorVzduch,
        Printf("%s = %4.1f %%", Own(i18n::OwnText::kLiveAirCorrection).c_str(), f.Word(102) * 0.1));
    SetText(L::kLabelKorTlak,
            Printf("%s = %4.1f %%", Own(i18n::OwnText::kLivePressureCorrection).c_str(),
                   f.Word(104) * 0.1));
    SetText(L::kLabelKorSytic,
            Printf("%s = %4.1f %%", Own(i18n::OwnText::kLiveStartCorrection).c_str(),
                   f.Word(106) * 0.1));
    SetText(L::kLabelKorNapeti,
            Printf("%s = %d us", Own(i18n::OwnText::kLiveVoltageCorrection).c_str(),
                   f.Word(108) - 1000));
    live.after_start_timer = f.Word(94);
    live.saving_counter = f.Word(148);
    live.programming_count = f.Word(76);
    SetText(L::kLabelKorVodaIgn,
            Printf("%s = %4.1f °", Own(i18n::OwnText::kLiveWaterCorrection).c_str(),
                   f.Word(110) * 0.1 - 100));
    SetText(L::kLabelMonSpeed,
            Printf("%s = %d [km/h]", Word(TextId::TxtSpeed).c_str(), f.Word(116)));
    live.rpm_speed_ratio = f.Word(120);
    SetText(L::kLabelMonPomerRpmSpeed,
            Printf("%s = %4.1f ", Own(i18n::OwnText::kLiveRpmSpeed).c_str(),
                   live.rpm_speed_ratio * 0.1));
    for (int i = 0; i < 6; ++i)
      SetText(static_cast<L>(static_cast<int>(L::kLabelMonPomerRpmSpeedAuto1) + i),
              Printf("%4.1f ", f.Word(122 + 2 * i) * 0.1));
    SetText(L::kLabelIdleKorAdv,
            Printf("%s = %4.1f °", Own(i18n::OwnText::kLiveIdleCorrection).c_str(),
                   (f.Word(134) - 1000) * 0.1));
    SetText(
        L::kLabelKorAccJet,
        Printf("%s = %4.1f %%", Own(i18n::OwnText::kLiveAccCorrection).c_str(), f.Word(136) * 0.1));
  }
};

}  // namespace

int LambdaBarValue(int lambda, int beginning, int ending) {
  if (lambda < beginning) return 0;
  if (lambda > ending) return 100;
  if (ending <= beginning) return 100;  // a bar without width: the value sits at its end
  return ClampGauge((lambda - beginning) * 100 / (ending - beginning));
}

bool DecodeMonitorFrame(const DeviceFrame& frame, const MonitorContext& context, MonitorView& view,
                        LiveValues& live) {
  if (frame.code() != kReplyMonitor || !frame.IsValid()) return false;
  const FrameReader reader(frame);
  const bool nitrous =
      context.image != nullptr && model::Stored(*context.image, FieldId::kN2oEnable) != 0;
  DecodeMonitorFlags(frame, context.language, nitrous, view, live);

  Decoder d{reader, context, view, live};
  d.Version();
  d.Advance();
  d.Injection();
  d.Duty();
  d.Gear();
  d.AutotuneStatus();
  live.gear = reader.Byte(25);
  d.FuelPinRpm();
  d.Pressure();
  d.Throttle();
  d.Lambda();
  d.Coolant();
  d.Air();
  d.Battery();
  d.Counters();
  d.Corrections();
  view.BumpRevision();
  return true;
}

}  // namespace morvek::link
