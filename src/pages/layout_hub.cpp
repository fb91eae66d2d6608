#include "pages/layout_hub.h"

#include <cstdio>

#include "model/field_table.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"
#include "pages/page_editor.h"

namespace morvek::pages {
namespace {

using F = model::FieldId;

constexpr int kGears = 6;

// Collects the named controls of one page.
class Names {
 public:
  explicit Names(std::vector<ControlLayout>& list) : list_(list) {}

  void Show(std::string name, bool visible) { list_.push_back({std::move(name), visible, true}); }
  void Enable(std::string name, bool enabled) { list_.push_back({std::move(name), true, enabled}); }
  // A designed edit and spinner pair with its caption: "UpDown" + topic, "Label" + topic.
  void ShowCaptioned(std::string_view topic, bool visible) {
    Show("UpDown" + std::string(topic), visible);
    Show("Label" + std::string(topic), visible);
  }

 private:
  std::vector<ControlLayout>& list_;
};

std::string Numbered(std::string_view base, int n) { return std::string(base) + std::to_string(n); }

GridDisplayMode ChooseGridMode(int page, int jet_mode, bool tps_map, bool milliseconds) {
  if (page == kAdvancePage)
    return tps_map ? GridDisplayMode::kEditable : GridDisplayMode::kSingleRow;
  // Map 2A follows map 1A in coupled mode and is not edited by hand.
  const bool read_only = page == kInj2APage && jet_mode == kJetModeCoupled;
  if (milliseconds)
    return read_only ? GridDisplayMode::kMillisecondsReadOnly
                     : GridDisplayMode::kMillisecondsEditable;
  return read_only ? GridDisplayMode::kReadOnly : GridDisplayMode::kEditable;
}

void LayoutMapPage(const model::ParameterImage& image, const LayoutFlags& flags,
                   PageLayout& layout) {
  const int page = layout.page;
  const int jet_mode = model::Stored(image, F::kJet1MiscMode);
  GridLayout grid;
  grid.mode = ChooseGridMode(page, jet_mode, model::Stored(image, F::kAdvanceMiscTpsMap) != 0,
                             flags.milliseconds);
  const bool same = jet_mode == kJetModeSame;
  grid.jet_mode_text = same ? "  1 = 2  " : "  1 -> 2  ";
  grid.jet_mode_colour = same ? LayoutColour::kAqua : LayoutColour::kYellow;

  Names names(layout.controls);
  const bool tools = grid.mode != GridDisplayMode::kReadOnly &&
                     grid.mode != GridDisplayMode::kMillisecondsReadOnly;
  names.Show("CSpinButtonTools_Uni", tools);
  names.Show("CheckBoxAll_Uni", tools);
  const bool advance = page == kAdvancePage;
  names.Show("CheckBoxTps_Uni", advance);
  names.Show("CheckBoxZobrMs_Uni", !advance);
  names.Show("LabelBaseAdvance_Uni", advance);
  names.Show("LabelCylCorr_Uni", advance);
  for (int k = 0; k < 3; ++k) names.Show(GridMiscName(k), advance);
  names.Show("LabelJetMode_Uni",
             !advance && (jet_mode == kJetModeCoupled || jet_mode == kJetModeSame));
  layout.grid = std::move(grid);
}

void LayoutIdlePage(const model::ParameterImage& image, PageLayout& layout) {
  const int m = model::Stored(image, F::kIdleMode);
  const bool a = model::Stored(image, F::kIdleAdvOn) != 0;
  Names names(layout.controls);
  names.Show("GroupBoxIdleServoPoz", m != 0);
  names.Show("CheckBoxIdleSmerReg", m != 0);
  names.ShowCaptioned("IdleStepPuls", m != 0);
  names.ShowCaptioned("IdleStepPerioda", m != 0);
  names.ShowCaptioned("IdleStart", m == 1);
  names.ShowCaptioned("IdleHyster", m == 1);
  names.Show("LabelIdleKorAdv", a);
  names.Show("GroupBoxIdleAdvPoz", a);
  names.ShowCaptioned("IdleAdvNaRpm", a);
  names.ShowCaptioned("IdleAdvNaCas", a);
  names.ShowCaptioned("IdleMaxAdv", a);
  names.ShowCaptioned("IdleRpmMez", a || m == 1);
  names.ShowCaptioned("IdleTpsMez", a || m == 1);
  const Control* servo = FindControl(kIdlePage, ArraySpinnerName("IdleServo", 0));
  if (servo != nullptr) layout.idle_servo_range = ControlRange(image, *servo);
}

// Two equal voltages give the air-pressure line no slope: both edits turn red until they differ.
void LayoutSensorsPage(const model::ParameterImage& image, PageLayout& layout) {
  const bool equal = model::Stored(image, F::kApsVoltage1) == model::Stored(image, F::kApsVoltage2);
  const LayoutColour colour = equal ? LayoutColour::kRed : LayoutColour::kWindow;
  layout.backgrounds.push_back({"UpDownApsNapeti1", colour});
  layout.backgrounds.push_back({"UpDownApsNapeti2", colour});
}

void LayoutGasPage(const model::ParameterImage& image, PageLayout& layout) {
  const bool on = model::Stored(image, F::kN2oEnable) != 0;
  Names names(layout.controls);
  names.Show("GroupBoxGas", on);
  names.Show("GroupBoxRetard", on);
  names.Enable("CheckBoxGas", true);
}

void LayoutGearPage(const model::ParameterImage& image, PageLayout& layout) {
  const int s = model::Stored(image, F::kGearSystem);
  const int n = model::Stored(image, F::kGearCount);
  Names names(layout.controls);
  names.Show("GroupBoxRpmSpeedProGear", s == 0);
  names.Show("ButtonGear1", s == 0);
  names.Show("LabelGearKor1", s != 2);
  for (int k = 2; k <= kGears; ++k) {
    names.Show(Numbered("ButtonGear", k), s == 0 && n >= k);
    names.Show(Numbered("LabelPomerRpmSpeed", k), n >= k);
    names.Show(Numbered("LabelMonPomerRpmSpeedAuto", k), n >= k);
    names.Show(Numbered("LabelMonGearAuto", k), n >= k);
    names.Show(Numbered("LabelGearKor", k), s != 2 && n >= k);
    names.Show(ArraySpinnerName("GearKorAdv", k - 1), n >= k);
    names.Show(ArraySpinnerName("GearKorJet", k - 1), n >= k);
  }
  // Every ratio can be taught, whatever the gear count; gear 1 is always there.
  names.Show("LabelPomerRpmSpeed1", true);
  names.Show(ArraySpinnerName("GearKorAdv", 0), true);
  names.Show(ArraySpinnerName("GearKorJet", 0), true);
  for (int k = 0; k < kGears; ++k) names.Show(ArraySpinnerName("PomerRpmSpeed", k), true);
  names.ShowCaptioned("PocetGear", s != 2);
  names.Show("GroupBoxGearKor", s != 2);
  names.Show("GroupBoxMonAutoGear", s == 1);
  names.Show("LabelMonPomerRpmSpeed", s == 0 || s == 1);
}

void LayoutRacePage(const model::ParameterImage& image, PageLayout& layout) {
  const int s = model::Stored(image, F::kGearSystem);
  const int n = model::Stored(image, F::kGearCount);
  Names names(layout.controls);
  names.Show("LabelRaceGear1", s != 2);
  for (int k = 1; k <= kGears; ++k) {
    // Row 0 holds the values used without gear detection.
    const bool row = k == 1 || (s != 2 && n >= k);
    if (k > 1) names.Show(Numbered("LabelRaceGear", k), row);
    for (std::string_view array : {"PilotLight1", "PilotLight2", "ClutchTime", "ClutchPause"})
      names.Show(ArraySpinnerName(array, k - 1), row);
  }
}

void LayoutTuningPage(const model::ParameterImage& image, const LayoutFlags& flags,
                      PageLayout& layout) {
  layout.backgrounds.push_back(
      {"CheckBoxLadeniPovoleno", flags.tuning_on ? LayoutColour::kRed : LayoutColour::kButtonFace});
  Names names(layout.controls);
  const bool points = model::Stored(image, F::kTuningMode) == 0;
  names.ShowCaptioned("LadeniRpm", points);
  names.ShowCaptioned("LadeniTps", points);
  // With both injectors driven alike there is only one map to tune; any other mode (a value
  // above 2 read from a controller or a file included) keeps the choice of channel.
  const int jet_mode = model::Stored(image, F::kJet1MiscMode);
  names.ShowCaptioned("LadeniKanal", jet_mode != kJetModeCoupled && jet_mode != kJetModeSame);
  const bool allowed = !flags.output_test_inhibit;
  for (std::string_view name :
       {"GroupBoxTestJet", "ButtonTestJet1A", "ButtonTestJet2A", "ButtonTestIgn1", "ButtonTestIgn2",
        "ButtonTestPilotLight", "ButtonTestFuelPump", "ButtonTestCooling", "ButtonTestGas",
        "ButtonTestRpm", "ButtonTestServoInPlus", "ButtonTestServoInMinus"})
    names.Enable(std::string(name), allowed);
  // Outputs this controller does not have.
  for (std::string_view name :
       {"ButtonTestJet3A", "ButtonTestJet4A", "ButtonTestJet1B", "ButtonTestJet2B",
        "ButtonTestJet3B", "ButtonTestJet4B", "ButtonTestIgn3", "ButtonTestIgn4",
        "ButtonTestServoExPlus", "ButtonTestServoExMinus"})
    names.Show(std::string(name), false);
}

}  // namespace

const ControlLayout* PageLayout::Find(std::string_view name) const {
  for (const ControlLayout& c : controls)
    if (c.name == name) return &c;
  return nullptr;
}

PageLayout LayoutPage(const model::ParameterImage& image, int page, const LayoutFlags& flags) {
  PageLayout layout;
  layout.page = page;
  const int jet_mode = model::Stored(image, F::kJet1MiscMode);
  layout.jet_mode_item = jet_mode == kJetModeCoupled ? 1 : jet_mode == kJetModeSame ? 2 : 0;
  layout.inj2a_tab_visible = jet_mode != kJetModeSame;
  // Defaults for map 2A alone make no sense while it follows map 1A. Decided on every page, so
  // that leaving an injection page gives the commands back.
  layout.new_act_page_enabled =
      !((page == kInj1APage || page == kInj2APage) && jet_mode == kJetModeCoupled);
  layout.open_act_page_enabled = layout.new_act_page_enabled;
  for (int k = 0; k < 4; ++k)
    layout.lambda_bar[static_cast<std::size_t>(k)] = model::Shown(image, F::kLambdaBar, k);

  switch (page) {
    case kAdvancePage:
    case kInj1APage:
    case kInj2APage:
      LayoutMapPage(image, flags, layout);
      break;
    case kIdlePage:
      LayoutIdlePage(image, layout);
      break;
    case kCidlaPage:
      LayoutSensorsPage(image, layout);
      break;
    case kGasPage:
      LayoutGasPage(image, layout);
      break;
    case kGearPage:
      LayoutGearPage(image, layout);
      break;
    case kRacePage:
      LayoutRacePage(image, layout);
      break;
    case kLadeniPage:
      LayoutTuningPage(image, flags, layout);
      break;
    default:
      break;
  }
  return layout;
}

LambdaStrips LambdaStripWidths(const std::array<int, 4>& bar, int width) {
  LambdaStrips strips;
  const int span = bar[3] - bar[0];
  if (width <= 0) return strips;
  if (span <= 0) {
    // The limits pass keeps the bar rising; should it not, three equal thirds.
    strips.blue = width / 3;
    strips.green = width / 3;
  } else {
    strips.blue = width * (bar[1] - bar[0]) / span;
    strips.green = (bar[2] - bar[1]) * width / span;
  }
  strips.red = width - strips.blue - strips.green;
  return strips;
}

std::string MillisecondText(int microseconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%5.3f ", microseconds * 0.001);
  return text;
}

}  // namespace morvek::pages
