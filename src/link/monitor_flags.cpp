#include "link/monitor_flags.h"

#include <string>

#include "i18n/own_texts.h"
#include "link/link_texts.h"

namespace morvek::link {
namespace {

using i18n::TextId;
using L = MonitorLabel;

bool Bit(std::uint8_t byte, int bit) { return (byte >> bit) & 1; }

class FlagWriter {
 public:
  FlagWriter(i18n::Language language, MonitorView& view) : language_(language), view_(view) {}

  std::string Word(TextId id) const { return LinkText(id, language_); }
  std::string Own(i18n::OwnText id) const { return std::string(i18n::Text(id, language_)); }
  std::string YesNo(bool yes) const { return Word(yes ? TextId::TxtYes : TextId::TxtNo); }

  // "<text> - YES" or "<text> - NO", coloured by the state.
  void Flag(L label, TextId text, bool yes, Colour when_yes,
            Colour otherwise = Colour::kButtonFace) {
    Raw(label, Word(text) + " - ", yes, when_yes, otherwise);
  }
  // A prefix that already ends in its separator.
  void Raw(L label, const std::string& prefix, bool yes, Colour when_yes,
           Colour otherwise = Colour::kButtonFace) {
    LabelView& v = view_.label(label);
    v.text = prefix + YesNo(yes);
    v.colour = yes ? when_yes : otherwise;
  }

 private:
  i18n::Language language_;
  MonitorView& view_;
};

void InputFlags(std::uint8_t a, FlagWriter& w) {
  // The inputs are active low, except the idle (neutral) switch.
  w.Flag(L::kLabelMonTlStartIn, TextId::TxtSwitchStart, !Bit(a, 0), Colour::kWhite);
  w.Flag(L::kLabelMonClutchIn, TextId::TxtClutch, !Bit(a, 1), Colour::kFuchsia);
  w.Flag(L::kLabelMonNeutral, TextId::TxtNeutral, Bit(a, 2), Colour::kAqua);
  w.Flag(L::kLabelMonSideStand, TextId::TxtSideStand, !Bit(a, 3), Colour::kFuchsia);
  w.Flag(L::kLabelMonStartLimiterIn, TextId::TxtStartLimiter, !Bit(a, 4), Colour::kFuchsia);
  w.Flag(L::kLabelMonClutchMasterIn, TextId::TxtClutchMaster, !Bit(a, 5), Colour::kLime);
  w.Flag(L::kLabelMonRpmLambdaIn, TextId::TxtTachoLambda, !Bit(a, 6), Colour::kAqua);
  w.Raw(L::kLabelMonPinEngine23In, w.Own(i18n::OwnText::kLivePinEngine23) + " - ", !Bit(a, 7),
        Colour::kAqua);
}

void OutputFlags(std::uint8_t b, bool nitrous_enabled, FlagWriter& w, MonitorView& view,
                 LiveValues& live) {
  w.Raw(L::kLabelMonPinBody11In, w.Own(i18n::OwnText::kLivePinBody11) + " - ", !Bit(b, 0),
        Colour::kAqua);
  w.Flag(L::kLabelMonTlStartOut, TextId::TxtSwitchStart, Bit(b, 1), Colour::kFuchsia);

  struct Limiter {
    int bit;
    L label;
    TextId text;
    MonitorEdit edit;
    bool LiveValues::*flag;
  };
  static constexpr Limiter kLimiters[] = {
      {2, L::kLabelMonStartLimiterOut, TextId::TxtStartLimiter, MonitorEdit::kEditStartLimiter,
       &LiveValues::start_limiter},
      {3, L::kLabelMonIgnLimiter, TextId::TxtLimiterByIgnition, MonitorEdit::kEditIgnLimiter,
       &LiveValues::ignition_limiter},
      {4, L::kLabelMonJetLimiter, TextId::TxtLimiterByInjection, MonitorEdit::kEditJetLimiter,
       &LiveValues::injection_limiter},
      {5, L::kLabelMonRetardLimiter, TextId::TxtLimiterByRetard, MonitorEdit::kEditRetardLimiterRpm,
       &LiveValues::retard_limiter},
  };
  for (const Limiter& limiter : kLimiters) {
    const bool active = Bit(b, limiter.bit);
    w.Flag(limiter.label, limiter.text, active, Colour::kFuchsia);
    view.edit_colour(limiter.edit) = active ? Colour::kFuchsia : Colour::kWindow;
    live.*limiter.flag = active;
  }

  LabelView& rpm_lambda = view.label(L::kLabelMonRpmLambdaOut);
  const bool tacho = Bit(b, 6);
  rpm_lambda.text = w.Word(TextId::TxtTachoLambda) + " - " + (tacho ? "Tacho" : "Lambda");
  rpm_lambda.colour = tacho ? Colour::kButtonFace : Colour::kAqua;

  w.Raw(L::kLabelN2oOn, "N2O  - ", Bit(b, 7), Colour::kLime);
  view.label(L::kLabelN2oOn).visible = nitrous_enabled;
}

void StatusFlagsC(std::uint8_t c, FlagWriter& w, MonitorView& view, LiveValues& live) {
  w.Flag(L::kLabelMonClutchOut, TextId::TxtClutchMaster, Bit(c, 0), Colour::kRed);
  live.base_advance = Bit(c, 3);
  LabelView& pickup = view.label(L::kLabelSnimacCmps);
  const bool running = Bit(c, 5);
  pickup.text =
      w.Word(TextId::TxtPickup) + " - " +
      w.Own(running ? i18n::OwnText::kLivePickupRunning : i18n::OwnText::kLivePickupNoSignal);
  pickup.colour = running ? Colour::kLime : Colour::kButtonFace;
  view.label(L::kLabelEeDataErr).visible = Bit(c, 6);
  live.throttle_sensor_error = Bit(c, 7);
}

void StatusFlagsD(std::uint8_t d, FlagWriter& w, MonitorView& view, LiveValues& live) {
  live.pressure_sensor_error = Bit(d, 0);
  w.Flag(L::kLabelOilOk, TextId::TxtOilOk, Bit(d, 1), Colour::kButtonFace, Colour::kRed);
  w.Flag(L::kLabelMonLambdaHeat, TextId::TxtLambdaHeat, Bit(d, 2), Colour::kFuchsia);
  w.Raw(L::kLabelMonFan1, w.Word(TextId::TxtFan) + " 1 - ", Bit(d, 3), Colour::kFuchsia);
  w.Raw(L::kLabelMonFan2, w.Word(TextId::TxtFan) + " 2 - ", Bit(d, 4), Colour::kFuchsia);
  w.Flag(L::kLabelMonBlokOut, TextId::TxtBlocking, Bit(d, 5), Colour::kRed);
  view.label(L::kLabelMonFuelMv).colour = Bit(d, 6) ? Colour::kFuchsia : Colour::kButtonFace;
  live.output_test_inhibit = Bit(d, 7);
}

}  // namespace

void DecodeMonitorFlags(const DeviceFrame& frame, i18n::Language language, bool nitrous_enabled,
                        MonitorView& view, LiveValues& live) {
  FlagWriter writer(language, view);
  InputFlags(frame.bytes()[1], writer);
  OutputFlags(frame.bytes()[2], nitrous_enabled, writer, view, live);
  StatusFlagsC(frame.bytes()[3], writer, view, live);
  StatusFlagsD(frame.bytes()[4], writer, view, live);
}

}  // namespace morvek::link
