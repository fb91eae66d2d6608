#include "pages/layout_hub.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/field_table.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"

namespace morvek::pages {
namespace {

using model::FieldId;
using Mode = GridDisplayMode;

bool Visible(const PageLayout& layout, const std::string& name) {
  const ControlLayout* c = layout.Find(name);
  EXPECT_NE(c, nullptr) << name << " is not laid out on page " << layout.page;
  return c != nullptr && c->visible;
}

bool Enabled(const PageLayout& layout, const std::string& name) {
  const ControlLayout* c = layout.Find(name);
  EXPECT_NE(c, nullptr) << name << " is not laid out on page " << layout.page;
  return c != nullptr && c->enabled;
}

// The names of a numbered series, 1-based, that the layout shows.
std::vector<int> ShownNumbers(const PageLayout& layout, const std::string& base, int first,
                              int last) {
  std::vector<int> shown;
  for (int k = first; k <= last; ++k)
    if (Visible(layout, base + std::to_string(k))) shown.push_back(k);
  return shown;
}

struct GridCase {
  const char* what;
  int page;
  int jet_mode;
  int tps_map;
  bool milliseconds;
  Mode mode;
  bool tools;            // tools spin button and "All"
  bool new_act_enabled;  // New / Open for actual page
};

TEST(LayoutHubTest, GridModeToolsAndActualPageCommandsFollowPageCouplingTpsAndMs) {
  const GridCase cases[] = {
      {"advance with TPS axis", kAdvancePage, kJetModeSeparate, 1, false, Mode::kEditable, true,
       true},
      {"advance without TPS axis", kAdvancePage, kJetModeSeparate, 0, false, Mode::kSingleRow, true,
       true},
      {"Ms has no say on advance", kAdvancePage, kJetModeCoupled, 0, true, Mode::kSingleRow, true,
       true},
      {"1A separate", kInj1APage, kJetModeSeparate, 1, false, Mode::kEditable, true, true},
      {"1A coupled", kInj1APage, kJetModeCoupled, 1, false, Mode::kEditable, true, false},
      {"1A coupled in Ms", kInj1APage, kJetModeCoupled, 1, true, Mode::kMillisecondsEditable, true,
       false},
      {"2A coupled", kInj2APage, kJetModeCoupled, 1, false, Mode::kReadOnly, false, false},
      {"2A coupled in Ms", kInj2APage, kJetModeCoupled, 0, true, Mode::kMillisecondsReadOnly, false,
       false},
      {"2A separate in Ms", kInj2APage, kJetModeSeparate, 1, true, Mode::kMillisecondsEditable,
       true, true},
      {"2A in 1 = 2", kInj2APage, kJetModeSame, 1, false, Mode::kEditable, true, true},
  };
  for (const GridCase& c : cases) {
    SCOPED_TRACE(c.what);
    model::ParameterImage image;
    model::SetStored(image, FieldId::kJet1MiscMode, c.jet_mode);
    model::SetStored(image, FieldId::kAdvanceMiscTpsMap, c.tps_map);
    const PageLayout layout = LayoutPage(image, c.page, {.milliseconds = c.milliseconds});
    ASSERT_TRUE(layout.grid.has_value());
    EXPECT_EQ(layout.grid->mode, c.mode);
    EXPECT_EQ(Visible(layout, "CSpinButtonTools_Uni"), c.tools);
    EXPECT_EQ(Visible(layout, "CheckBoxAll_Uni"), c.tools);
    EXPECT_EQ(layout.new_act_page_enabled, c.new_act_enabled);
    EXPECT_EQ(layout.open_act_page_enabled, c.new_act_enabled);
  }
}

TEST(LayoutHubTest, LeavingACoupledInjectionPageGivesTheActualPageCommandsBack) {
  model::ParameterImage image;
  model::SetStored(image, FieldId::kJet1MiscMode, kJetModeCoupled);
  for (int page : {kBikePage, kPolohaPage, kIdlePage, kMonitorPage}) {
    const PageLayout layout = LayoutPage(image, page, {});
    EXPECT_TRUE(layout.new_act_page_enabled) << page;
    EXPECT_TRUE(layout.open_act_page_enabled) << page;
  }
}

struct JetModeCase {
  int jet_mode;
  int menu_item;
  bool inj2a_tab;
  bool label_on_injection_pages;
  const char* label_text;
  LayoutColour label_colour;
  bool tuning_channel;
};

TEST(LayoutHubTest, CouplingModeTicksItsMenuItemAndDecidesTabLabelAndTuningChannel) {
  // Normal last: switching back from " 1 = 2" shows the Inj-2A tab again.
  const JetModeCase cases[] = {
      {kJetModeCoupled, 1, true, true, "  1 -> 2  ", LayoutColour::kYellow, false},
      {kJetModeSame, 2, false, true, "  1 = 2  ", LayoutColour::kAqua, false},
      {kJetModeSeparate, 0, true, false, "  1 -> 2  ", LayoutColour::kYellow, true},
      // A mode the program does not know (from a controller or a file) is neither coupled nor
      // " 1 = 2": the channel stays to choose.
      {3, 0, true, false, "  1 -> 2  ", LayoutColour::kYellow, true},
      {255, 0, true, false, "  1 -> 2  ", LayoutColour::kYellow, true},
  };
  model::ParameterImage image;
  for (const JetModeCase& c : cases) {
    SCOPED_TRACE(c.jet_mode);
    model::SetStored(image, FieldId::kJet1MiscMode, c.jet_mode);
    for (int page = 0; page < kPageCount; ++page) {
      const PageLayout layout = LayoutPage(image, page, {});
      EXPECT_EQ(layout.jet_mode_item, c.menu_item) << page;
      EXPECT_EQ(layout.inj2a_tab_visible, c.inj2a_tab) << page;
    }
    for (int page : {kInj1APage, kInj2APage}) {
      const PageLayout layout = LayoutPage(image, page, {});
      EXPECT_EQ(Visible(layout, "LabelJetMode_Uni"), c.label_on_injection_pages);
      EXPECT_EQ(layout.grid->jet_mode_text, c.label_text);
      EXPECT_EQ(layout.grid->jet_mode_colour, c.label_colour);
    }
    const PageLayout advance = LayoutPage(image, kAdvancePage, {});
    EXPECT_FALSE(Visible(advance, "LabelJetMode_Uni"));
    const PageLayout tuning = LayoutPage(image, kLadeniPage, {});
    EXPECT_EQ(Visible(tuning, "UpDownLadeniKanal"), c.tuning_channel);
    EXPECT_EQ(Visible(tuning, "LabelLadeniKanal"), c.tuning_channel);
  }
}

TEST(LayoutHubTest, AdvanceExtrasAndTpsBoxOnlyOnTheAdvancePageMsBoxOnlyOnInjectionPages) {
  const model::ParameterImage image;
  for (int page : {kAdvancePage, kInj1APage, kInj2APage}) {
    const PageLayout layout = LayoutPage(image, page, {});
    const bool advance = page == kAdvancePage;
    EXPECT_EQ(Visible(layout, "CheckBoxTps_Uni"), advance) << page;
    EXPECT_EQ(Visible(layout, "CheckBoxZobrMs_Uni"), !advance) << page;
    for (const char* name : {"LabelBaseAdvance_Uni", "LabelCylCorr_Uni"})
      EXPECT_EQ(Visible(layout, name), advance) << page << name;
    for (int k = 0; k < 3; ++k) EXPECT_EQ(Visible(layout, GridMiscName(k)), advance) << page;
  }
}

TEST(LayoutHubTest, PagesWithoutRulesGetOnlyTheCommonPart) {
  model::ParameterImage image;
  model::SetStored(image, FieldId::kLambdaBar, 0, 100);
  model::SetStored(image, FieldId::kLambdaBar, 3, 180);
  for (int page : {kBikePage, kPolohaPage, kKorekcePage, kMonitorPage}) {
    const PageLayout layout = LayoutPage(image, page, {.output_test_inhibit = true});
    EXPECT_TRUE(layout.controls.empty()) << page;
    EXPECT_TRUE(layout.backgrounds.empty()) << page;
    EXPECT_FALSE(layout.grid.has_value()) << page;
    EXPECT_FALSE(layout.idle_servo_range.has_value()) << page;
    EXPECT_EQ(layout.lambda_bar[0], 100);
    EXPECT_EQ(layout.lambda_bar[3], 180);
  }
}

TEST(LayoutHubTest, EqualAirPressureVoltagesMarkBothEditsRed) {
  struct Case {
    int voltage1, voltage2;
    LayoutColour colour;
  } cases[] = {
      {2247, 2247, LayoutColour::kRed},
      {2247, 4744, LayoutColour::kWindow},
      {0, 0, LayoutColour::kRed},
      {4744, 2247, LayoutColour::kWindow},  // falling is a slope too
  };
  for (const Case& c : cases) {
    model::ParameterImage image;
    model::SetShown(image, FieldId::kApsVoltage1, c.voltage1);
    model::SetShown(image, FieldId::kApsVoltage2, c.voltage2);
    const PageLayout layout = LayoutPage(image, kCidlaPage, {});
    const std::vector<Background> want = {{"UpDownApsNapeti1", c.colour},
                                          {"UpDownApsNapeti2", c.colour}};
    EXPECT_EQ(layout.backgrounds, want) << c.voltage1 << " " << c.voltage2;
    EXPECT_TRUE(layout.controls.empty());
  }
}

struct GearCase {
  int system;
  int count;
  std::vector<int> buttons;       // ButtonGear k shown
  std::vector<int> ratio_labels;  // LabelPomerRpmSpeed k shown
  std::vector<int> corr_labels;   // LabelGearKor k shown
  int corr_rows;                  // UpDownGearKorAdv/Jet_0 .. shown
  bool count_and_corrections;     // PocetGear, GroupBoxGearKor
  bool auto_group;                // GroupBoxMonAutoGear
  bool live_ratio;                // LabelMonPomerRpmSpeed
};

TEST(LayoutHubTest, GearPageShowsWhatGearSystemAndCountUse) {
  const GearCase cases[] = {
      {0, 3, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}, 3, true, false, true},
      {0, 6, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, 6, true, false, true},
      {1, 4, {}, {1, 2, 3, 4}, {1, 2, 3, 4}, 4, true, true, true},
      {2, 2, {}, {1, 2}, {}, 2, false, false, false},
      {0, 1, {1}, {1}, {1}, 1, true, false, true},
  };
  for (const GearCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "S=" << c.system << " N=" << c.count);
    model::ParameterImage image;
    model::SetStored(image, FieldId::kGearSystem, c.system);
    model::SetStored(image, FieldId::kGearCount, c.count);
    const PageLayout layout = LayoutPage(image, kGearPage, {});
    EXPECT_EQ(ShownNumbers(layout, "ButtonGear", 1, 6), c.buttons);
    EXPECT_EQ(ShownNumbers(layout, "LabelPomerRpmSpeed", 1, 6), c.ratio_labels);
    EXPECT_EQ(ShownNumbers(layout, "LabelMonPomerRpmSpeedAuto", 2, 6).size() + 1,
              c.ratio_labels.size());
    EXPECT_EQ(ShownNumbers(layout, "LabelGearKor", 1, 6), c.corr_labels);
    for (int k = 0; k < 6; ++k) {
      EXPECT_TRUE(Visible(layout, ArraySpinnerName("PomerRpmSpeed", k))) << k;
      EXPECT_EQ(Visible(layout, ArraySpinnerName("GearKorAdv", k)), k < c.corr_rows) << k;
      EXPECT_EQ(Visible(layout, ArraySpinnerName("GearKorJet", k)), k < c.corr_rows) << k;
    }
    EXPECT_EQ(Visible(layout, "GroupBoxRpmSpeedProGear"), c.system == 0);
    EXPECT_EQ(Visible(layout, "UpDownPocetGear"), c.count_and_corrections);
    EXPECT_EQ(Visible(layout, "LabelPocetGear"), c.count_and_corrections);
    EXPECT_EQ(Visible(layout, "GroupBoxGearKor"), c.count_and_corrections);
    EXPECT_EQ(Visible(layout, "GroupBoxMonAutoGear"), c.auto_group);
    EXPECT_EQ(Visible(layout, "LabelMonPomerRpmSpeed"), c.live_ratio);
  }
}

struct RaceCase {
  int system;
  int count;
  bool first_label;
  int rows;  // rows of the four per-gear arrays shown
};

TEST(LayoutHubTest, RacePageShowsOneRowPerGearAndOnlyTheFirstWithoutGearDetection) {
  const RaceCase cases[] = {{2, 6, false, 1}, {0, 2, true, 2}, {1, 6, true, 6}, {0, 1, true, 1}};
  for (const RaceCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "S=" << c.system << " N=" << c.count);
    model::ParameterImage image;
    model::SetStored(image, FieldId::kGearSystem, c.system);
    model::SetStored(image, FieldId::kGearCount, c.count);
    const PageLayout layout = LayoutPage(image, kRacePage, {});
    EXPECT_EQ(Visible(layout, "LabelRaceGear1"), c.first_label);
    for (int k = 2; k <= 6; ++k)
      EXPECT_EQ(Visible(layout, "LabelRaceGear" + std::to_string(k)), k <= c.rows) << k;
    for (const char* array : {"PilotLight1", "PilotLight2", "ClutchTime", "ClutchPause"})
      for (int row = 0; row < 6; ++row)
        EXPECT_EQ(Visible(layout, ArraySpinnerName(array, row)), row < c.rows) << array << row;
  }
}

struct IdleCase {
  int m;
  int a;
  bool step_motor;  // GroupBoxIdleServoPoz, CheckBoxIdleSmerReg, step pulse and period
  bool start;       // start time and hysteresis
  bool advance;     // LabelIdleKorAdv, GroupBoxIdleAdvPoz and its three values
  bool range;       // control range rpm and TPS
  Range servo;
};

TEST(LayoutHubTest, IdlePageShowsTheServoAndAdvanceControlsTheModesUse) {
  const IdleCase cases[] = {
      {0, 0, false, false, false, false, Range{0, 100, 1}},
      {1, 0, true, true, false, true, Range{0, 12000, 10}},
      {0, 1, false, false, true, true, Range{0, 100, 1}},
      {1, 1, true, true, true, true, Range{0, 12000, 10}},
  };
  for (const IdleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "M=" << c.m << " A=" << c.a);
    model::ParameterImage image;
    model::SetStored(image, FieldId::kIdleMode, c.m);
    model::SetStored(image, FieldId::kIdleAdvOn, c.a);
    const PageLayout layout = LayoutPage(image, kIdlePage, {});
    for (const char* name : {"GroupBoxIdleServoPoz", "CheckBoxIdleSmerReg", "UpDownIdleStepPuls",
                             "LabelIdleStepPuls", "UpDownIdleStepPerioda", "LabelIdleStepPerioda"})
      EXPECT_EQ(Visible(layout, name), c.step_motor) << name;
    for (const char* name :
         {"UpDownIdleStart", "LabelIdleStart", "UpDownIdleHyster", "LabelIdleHyster"})
      EXPECT_EQ(Visible(layout, name), c.start) << name;
    for (const char* name :
         {"LabelIdleKorAdv", "GroupBoxIdleAdvPoz", "UpDownIdleAdvNaRpm", "LabelIdleAdvNaRpm",
          "UpDownIdleAdvNaCas", "LabelIdleAdvNaCas", "UpDownIdleMaxAdv", "LabelIdleMaxAdv"})
      EXPECT_EQ(Visible(layout, name), c.advance) << name;
    for (const char* name :
         {"UpDownIdleRpmMez", "LabelIdleRpmMez", "UpDownIdleTpsMez", "LabelIdleTpsMez"})
      EXPECT_EQ(Visible(layout, name), c.range) << name;
    ASSERT_TRUE(layout.idle_servo_range.has_value());
    EXPECT_EQ(*layout.idle_servo_range, c.servo);
  }
}

TEST(LayoutHubTest, NitrousGroupsOnlyWhileNitrousIsOnAndTheSwitchAlwaysEnabled) {
  for (int on : {0, 1}) {
    model::ParameterImage image;
    model::SetStored(image, FieldId::kN2oEnable, on);
    const PageLayout layout = LayoutPage(image, kGasPage, {});
    EXPECT_EQ(Visible(layout, "GroupBoxGas"), on == 1);
    EXPECT_EQ(Visible(layout, "GroupBoxRetard"), on == 1);
    EXPECT_TRUE(Enabled(layout, "CheckBoxGas"));
  }
}

struct TuningCase {
  int tuning_mode;
  bool inhibit;
  bool tuning_on;
};

TEST(LayoutHubTest, TuningPageTolerancesTestButtonsAndTheRedSwitch) {
  const TuningCase cases[] = {
      {0, false, false}, {1, true, true}, {0, true, false}, {1, false, true}};
  const char* allowed_while_clear[] = {
      "GroupBoxTestJet", "ButtonTestJet1A",      "ButtonTestJet2A",       "ButtonTestIgn1",
      "ButtonTestIgn2",  "ButtonTestPilotLight", "ButtonTestFuelPump",    "ButtonTestCooling",
      "ButtonTestGas",   "ButtonTestRpm",        "ButtonTestServoInPlus", "ButtonTestServoInMinus"};
  const char* never[] = {"ButtonTestJet3A",       "ButtonTestJet4A", "ButtonTestJet1B",
                         "ButtonTestJet2B",       "ButtonTestJet3B", "ButtonTestJet4B",
                         "ButtonTestIgn3",        "ButtonTestIgn4",  "ButtonTestServoExPlus",
                         "ButtonTestServoExMinus"};
  for (const TuningCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "L=" << c.tuning_mode << " inhibit=" << c.inhibit);
    model::ParameterImage image;
    model::SetStored(image, FieldId::kTuningMode, c.tuning_mode);
    const PageLayout layout = LayoutPage(
        image, kLadeniPage, {.output_test_inhibit = c.inhibit, .tuning_on = c.tuning_on});
    for (const char* name :
         {"UpDownLadeniRpm", "LabelLadeniRpm", "UpDownLadeniTps", "LabelLadeniTps"})
      EXPECT_EQ(Visible(layout, name), c.tuning_mode == 0) << name;
    for (const char* name : allowed_while_clear) {
      EXPECT_EQ(Enabled(layout, name), !c.inhibit) << name;
      EXPECT_TRUE(Visible(layout, name)) << name;
    }
    for (const char* name : never) EXPECT_FALSE(Visible(layout, name)) << name;
    ASSERT_EQ(layout.backgrounds.size(), 1u);
    EXPECT_EQ(layout.backgrounds[0],
              (Background{"CheckBoxLadeniPovoleno",
                          c.tuning_on ? LayoutColour::kRed : LayoutColour::kButtonFace}));
  }
}

struct StripCase {
  std::array<int, 4> bar;
  int width;
  LambdaStrips strips;
};

TEST(LayoutHubTest, LambdaStripsSplitTheBarWidthByTheBarPointsTruncating) {
  const StripCase cases[] = {
      {{100, 120, 140, 180}, 200, {50, 50, 100}},
      // 187 x 13 / 100 = 24.31 and 34 x 187 / 100 = 63.58: the red strip takes what is left.
      {{100, 113, 147, 200}, 187, {24, 63, 100}},
      {{100, 101, 102, 200}, 50, {0, 0, 50}},
      // A bar the limits pass would have mended: thirds, still filling the width.
      {{150, 150, 150, 150}, 100, {33, 33, 34}},
      {{100, 120, 140, 180}, 0, {0, 0, 0}},
  };
  for (const StripCase& c : cases) {
    const LambdaStrips strips = LambdaStripWidths(c.bar, c.width);
    EXPECT_EQ(strips, c.strips) << c.bar[0] << " " << c.bar[1] << " " << c.bar[2] << " " << c.width;
  }
}

TEST(LayoutHubTest, MillisecondViewShowsThreeDecimalsAndASpace) {
  EXPECT_EQ(MillisecondText(2500), "2.500 ");
  EXPECT_EQ(MillisecondText(11920), "11.920 ");
  EXPECT_EQ(MillisecondText(7), "0.007 ");
  EXPECT_EQ(MillisecondText(0), "0.000 ");
}

}  // namespace
}  // namespace morvek::pages
