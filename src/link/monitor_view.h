#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "i18n/text_table.h"
#include "link/colour.h"

namespace morvek::link {

// Every label of the live display and the monitor page that the monitor frame writes. The
// names are the controls' names.
enum class MonitorLabel : std::uint8_t {
  kLabelMonTlStartIn,
  kLabelMonClutchIn,
  kLabelMonNeutral,
  kLabelMonSideStand,
  kLabelMonStartLimiterIn,
  kLabelMonClutchMasterIn,
  kLabelMonRpmLambdaIn,
  kLabelMonPinEngine23In,
  kLabelMonPinBody11In,
  kLabelMonTlStartOut,
  kLabelMonStartLimiterOut,
  kLabelMonIgnLimiter,
  kLabelMonJetLimiter,
  kLabelMonRetardLimiter,
  kLabelMonRpmLambdaOut,
  kLabelN2oOn,
  kLabelMonClutchOut,
  kLabelSnimacCmps,
  kLabelEeDataErr,
  kLabelOilOk,
  kLabelMonLambdaHeat,
  kLabelMonFan1,
  kLabelMonFan2,
  kLabelMonBlokOut,
  kLabelMonFuelMv,
  kLabelVersion,
  kLabelMon_Ign1,
  kLabelMon_Ign2,
  kLabelMon_Ign,
  kLabelMon_Jet_1A,
  kLabelMon_Jet_2A,
  kLabelMon_Jet_A,
  kLabelMaxInjProcent,
  kLabelGear,
  kLabelMonPilotLight,
  kLabelLadeniMsg,
  kLabelMonPinEngine14In,
  kLabelRpm,
  kLabelTlak,
  kLabelTpsMon,
  kLabelLambda,
  kLabelVoda,
  kLabelVzduch,
  kLabelNapeti,
  kLabelPocetProgramovani,
  kLabelTest1,
  kLabelTest2,
  kLabelTest3,
  kLabelTest4,
  kLabelTest5,
  kLabelTest6,
  kLabelTest7,
  kLabelTest8,
  kLabelMon_PolohaA,
  kLabelKorVodaJet,
  kLabelKorVzduch,
  kLabelKorTlak,
  kLabelKorSytic,
  kLabelKorNapeti,
  kLabelKorVodaIgn,
  kLabelMonSpeed,
  kLabelMonPomerRpmSpeed,
  kLabelMonPomerRpmSpeedAuto1,
  kLabelMonPomerRpmSpeedAuto2,
  kLabelMonPomerRpmSpeedAuto3,
  kLabelMonPomerRpmSpeedAuto4,
  kLabelMonPomerRpmSpeedAuto5,
  kLabelMonPomerRpmSpeedAuto6,
  kLabelIdleKorAdv,
  kLabelKorAccJet,
  kCount
};
inline constexpr int kMonitorLabelCount = static_cast<int>(MonitorLabel::kCount);

// The bars of the live display, 0..100 each.
enum class MonitorGauge : std::uint8_t {
  kCGaugeRpm,
  kCGaugeTps,
  kCGaugeLambda,
  kCGaugeVoda,
  kCGaugeDuty,
  kCGaugeFuel,
  kCount
};
inline constexpr int kMonitorGaugeCount = static_cast<int>(MonitorGauge::kCount);

// Editing controls whose limiter, when active, colours them.
enum class MonitorEdit : std::uint8_t {
  kEditStartLimiter,
  kEditIgnLimiter,
  kEditJetLimiter,
  kEditRetardLimiterRpm,
  kCount
};
inline constexpr int kMonitorEditCount = static_cast<int>(MonitorEdit::kCount);

std::string_view ControlName(MonitorLabel label);
std::string_view ControlName(MonitorGauge gauge);
std::string_view ControlName(MonitorEdit edit);

// An empty text leaves the control's own caption in place (LabelEeDataErr).
struct LabelView {
  std::string text;
  Colour colour = Colour::kButtonFace;
  bool visible = true;
};

struct GaugeView {
  int value = 0;  // clamped to 0..100
  Colour colour = Colour::kButtonFace;
};

// What the monitor shows; the window renders it as it stands.
class MonitorView {
 public:
  MonitorView();

  LabelView& label(MonitorLabel l) { return labels_[static_cast<std::size_t>(l)]; }
  const LabelView& label(MonitorLabel l) const { return labels_[static_cast<std::size_t>(l)]; }
  GaugeView& gauge(MonitorGauge g) { return gauges_[static_cast<std::size_t>(g)]; }
  const GaugeView& gauge(MonitorGauge g) const { return gauges_[static_cast<std::size_t>(g)]; }
  Colour& edit_colour(MonitorEdit e) { return edits_[static_cast<std::size_t>(e)]; }
  Colour edit_colour(MonitorEdit e) const { return edits_[static_cast<std::size_t>(e)]; }

  // Counts decoded frames, so the window knows when to render again.
  int revision() const { return revision_; }
  void BumpRevision() { ++revision_; }

 private:
  std::array<LabelView, kMonitorLabelCount> labels_;
  std::array<GaugeView, kMonitorGaugeCount> gauges_;
  std::array<Colour, kMonitorEditCount> edits_;
  int revision_ = 0;
};

// The view as the window shows it while no controller answers: the last values, with every
// label, bar and limiter edit in the neutral colour, so that nothing looks live (a green
// "is running" of a controller that is gone).
MonitorView StaleView(MonitorView view);

// The "---" texts of the monitor labels while no controller is connected, in a language;
// the autotune text is emptied.
void WritePlaceholders(MonitorView& view, i18n::Language language);

}  // namespace morvek::link
