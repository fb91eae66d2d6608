#include "link/monitor_view.h"

#include "i18n/window_text.h"

namespace morvek::link {
namespace {

constexpr std::array<std::string_view, kMonitorLabelCount> kLabelNames{
    "LabelMonTlStartIn",
    "LabelMonClutchIn",
    "LabelMonNeutral",
    "LabelMonSideStand",
    "LabelMonStartLimiterIn",
    "LabelMonClutchMasterIn",
    "LabelMonRpmLambdaIn",
    "LabelMonPinEngine23In",
    "LabelMonPinBody11In",
    "LabelMonTlStartOut",
    "LabelMonStartLimiterOut",
    "LabelMonIgnLimiter",
    "LabelMonJetLimiter",
    "LabelMonRetardLimiter",
    "LabelMonRpmLambdaOut",
    "LabelN2oOn",
    "LabelMonClutchOut",
    "LabelSnimacCmps",
    "LabelEeDataErr",
    "LabelOilOk",
    "LabelMonLambdaHeat",
    "LabelMonFan1",
    "LabelMonFan2",
    "LabelMonBlokOut",
    "LabelMonFuelMv",
    "LabelVersion",
    "LabelMon_Ign1",
    "LabelMon_Ign2",
    "LabelMon_Ign",
    "LabelMon_Jet_1A",
    "LabelMon_Jet_2A",
    "LabelMon_Jet_A",
    "LabelMaxInjProcent",
    "LabelGear",
    "LabelMonPilotLight",
    "LabelLadeniMsg",
    "LabelMonPinEngine14In",
    "LabelRpm",
    "LabelTlak",
    "LabelTpsMon",
    "LabelLambda",
    "LabelVoda",
    "LabelVzduch",
    "LabelNapeti",
    "LabelPocetProgramovani",
    "LabelTest1",
    "LabelTest2",
    "LabelTest3",
    "LabelTest4",
    "LabelTest5",
    "LabelTest6",
    "LabelTest7",
    "LabelTest8",
    "LabelMon_PolohaA",
    "LabelKorVodaJet",
    "LabelKorVzduch",
    "LabelKorTlak",
    "LabelKorSytic",
    "LabelKorNapeti",
    "LabelKorVodaIgn",
    "LabelMonSpeed",
    "LabelMonPomerRpmSpeed",
    "LabelMonPomerRpmSpeedAuto1",
    "LabelMonPomerRpmSpeedAuto2",
    "LabelMonPomerRpmSpeedAuto3",
    "LabelMonPomerRpmSpeedAuto4",
    "LabelMonPomerRpmSpeedAuto5",
    "LabelMonPomerRpmSpeedAuto6",
    "LabelIdleKorAdv",
    "LabelKorAccJet",
};

constexpr std::array<std::string_view, kMonitorGaugeCount> kGaugeNames{
    "CGaugeRpm", "CGaugeTps", "CGaugeLambda", "CGaugeVoda", "CGaugeDuty", "CGaugeFuel",
};

constexpr std::array<std::string_view, kMonitorEditCount> kEditNames{
    "EditStartLimiter",
    "EditIgnLimiter",
    "EditJetLimiter",
    "EditRetardLimiterRpm",
};

}  // namespace

std::string_view ControlName(MonitorLabel label) {
  return kLabelNames[static_cast<std::size_t>(label)];
}
std::string_view ControlName(MonitorGauge gauge) {
  return kGaugeNames[static_cast<std::size_t>(gauge)];
}
std::string_view ControlName(MonitorEdit edit) {
  return kEditNames[static_cast<std::size_t>(edit)];
}

MonitorView::MonitorView() {
  label(MonitorLabel::kLabelEeDataErr).visible = false;
  for (int i = 0; i < 8; ++i)
    labels_[static_cast<std::size_t>(MonitorLabel::kLabelTest1) + static_cast<std::size_t>(i)]
        .visible = false;
  label(MonitorLabel::kLabelVersion).colour = Colour::kWhite;
  // The bars' designed colours.
  gauge(MonitorGauge::kCGaugeRpm).colour = Colour::kFuchsia;
  gauge(MonitorGauge::kCGaugeTps).colour = Colour::kDesktop;
  gauge(MonitorGauge::kCGaugeLambda).colour = Colour::kBlack;
  gauge(MonitorGauge::kCGaugeVoda).colour = Colour::kAqua;
  gauge(MonitorGauge::kCGaugeDuty).colour = Colour::kBlue;
  gauge(MonitorGauge::kCGaugeFuel).colour = Colour::kBlue;
  edits_.fill(Colour::kWindow);
}

void WritePlaceholders(MonitorView& view, i18n::Language language) {
  for (std::string_view key : i18n::PlaceholderKeys()) {
    for (int i = 0; i < kMonitorLabelCount; ++i) {
      const auto label = static_cast<MonitorLabel>(i);
      if (ControlName(label) == key)
        view.label(label).text = std::string(i18n::Placeholder(key, language));
    }
  }
  view.label(MonitorLabel::kLabelLadeniMsg).text.clear();
}

MonitorView StaleView(MonitorView view) {
  for (int i = 0; i < kMonitorLabelCount; ++i)
    view.label(static_cast<MonitorLabel>(i)).colour = Colour::kButtonFace;
  for (int i = 0; i < kMonitorGaugeCount; ++i)
    view.gauge(static_cast<MonitorGauge>(i)).colour = Colour::kButtonFace;
  for (int i = 0; i < kMonitorEditCount; ++i)
    view.edit_colour(static_cast<MonitorEdit>(i)) = Colour::kWindow;
  return view;
}

}  // namespace morvek::link
