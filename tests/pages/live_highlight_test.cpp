#include "pages/live_highlight.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "model/field_table.h"
#include "pages/page_catalog.h"

namespace morvek::pages {
namespace {

using model::FieldId;
using Names = std::set<std::string>;

// The controls a pass marks live.
Names LiveNames(const PageHighlight& h) {
  const auto controls = HighlightControls(h.page);
  EXPECT_EQ(h.marks.size(), controls.size());
  Names live;
  for (std::size_t i = 0; i < h.marks.size() && i < controls.size(); ++i)
    if (h.marks[i] == Mark::kLive) live.insert(controls[i].name);
  return live;
}

Mark MarkOf(const PageHighlight& h, const std::string& name) {
  const auto controls = HighlightControls(h.page);
  for (std::size_t i = 0; i < controls.size(); ++i)
    if (controls[i].name == name) return h.marks.at(i);
  ADD_FAILURE() << name << " is not a control of the pass on page " << h.page;
  return Mark::kKeep;
}

void SetAxis(model::ParameterImage& image, FieldId axis, const std::array<int, 15>& hundreds) {
  for (int i = 0; i < 15; ++i) model::SetStored(image, axis, i, hundreds[i]);
}

// An uneven axis, as tuners set them: midpoints 1000, 1500, 2500, 3500, 4400, 5500 ... 13500.
constexpr std::array<int, 15> kAxis{8, 12, 18, 32, 38, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140};

TEST(NearestRpmPoint, MidpointsBelongToTheUpperPoint) {
  struct Case {
    int rpm;
    int column;
  };
  for (const Case& c : std::vector<Case>{
           {0, 0},
           {999, 0},   // below the first midpoint
           {1000, 1},  // exactly halfway between 800 and 1200
           {1499, 1},
           {1500, 2},
           {2499, 2},  // midpoints of an uneven axis are not evenly spaced
           {2500, 3},
           {13499, 13},
           {13500, 14},  // exactly on the last midpoint
           {25000, 14},  // far above the axis
       }) {
    EXPECT_EQ(NearestRpmPoint(kAxis, c.rpm), c.column) << "rpm " << c.rpm;
  }
  // A flat axis: every point shares one midpoint, so all rpm below it give 0, else the last.
  const std::array<int, 15> flat{50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
  EXPECT_EQ(NearestRpmPoint(flat, 4999), 0);
  EXPECT_EQ(NearestRpmPoint(flat, 5000), 14);
}

TEST(ThrottleRow, NearestOfTheRowPositions) {
  // Rows at 0, 2, 5, 10, 20, 30, 40, 60, 80, 100 %.
  struct Case {
    int throttle;
    int row;
  };
  for (const Case& c : std::vector<Case>{{0, 0},
                                         {1, 1},  // exactly between 0 % and 2 %
                                         {3, 1},
                                         {4, 2},  // 3.5 % lies between 3 and 4
                                         {14, 3},
                                         {15, 4},
                                         {49, 6},
                                         {50, 7},
                                         {89, 8},
                                         {90, 9},
                                         {100, 9},
                                         {255, 9}}) {
    EXPECT_EQ(ThrottleRow(c.throttle), c.row) << "throttle " << c.throttle;
  }
}

TEST(LiveMapCell, EachMapPageUsesItsOwnAxis) {
  model::ParameterImage image;
  SetAxis(image, FieldId::kRpmAdv, kAxis);
  std::array<int, 15> shifted{};
  for (int i = 0; i < 15; ++i) shifted[i] = kAxis[i] + 10;  // midpoints 1000 rpm higher
  SetAxis(image, FieldId::kRpmJet1A, shifted);
  SetAxis(image, FieldId::kRpmJet2A, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
  model::SetStored(image, FieldId::kAdvanceMiscTpsMap, 1);

  struct Case {
    int page;
    int rpm;
    int throttle;
    LiveCell cell;
  };
  for (const Case& c : std::vector<Case>{
           {kAdvancePage, 2500, 30, {5, 3, true}},
           {kInj1APage, 2500, 30, {5, 2, true}},
           {kInj2APage, 2500, 30, {5, 14, true}},
           {kInj2APage, 1649, 100, {9, 13, true}},  // just below the last midpoint
           {kAdvancePage, 0, 60, {7, 0, false}},    // engine stopped: no live cell
           {kPolohaPage, 2500, 30, {0, 0, false}},
           {kBikePage, 2500, 30, {0, 0, false}},
       }) {
    const LiveCell got = LiveMapCell(image, c.page, c.rpm, c.throttle);
    EXPECT_EQ(got.row, c.cell.row) << "page " << c.page << " rpm " << c.rpm;
    EXPECT_EQ(got.column, c.cell.column) << "page " << c.page << " rpm " << c.rpm;
    EXPECT_EQ(got.engine_running, c.cell.engine_running) << "page " << c.page;
  }

  // Without a throttle axis the advance map is one row: row 9, whatever the throttle. The
  // injection maps keep their throttle rows.
  model::SetStored(image, FieldId::kAdvanceMiscTpsMap, 0);
  for (int throttle : {0, 30, 100}) {
    EXPECT_EQ(LiveMapCell(image, kAdvancePage, 2500, throttle).row, 9) << throttle;
    EXPECT_EQ(LiveMapCell(image, kInj1APage, 2500, throttle).row, ThrottleRow(throttle));
  }
}

TEST(LivePositionColumn, NearestOnThePositionAxisAndColumn0WhenStopped) {
  model::ParameterImage image;
  SetAxis(image, FieldId::kPositionARpm, kAxis);
  SetAxis(image, FieldId::kRpmAdv, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
  EXPECT_EQ(LivePositionColumn(image, 0), 0);
  EXPECT_EQ(LivePositionColumn(image, 1500), 2);
  EXPECT_EQ(LivePositionColumn(image, 20000), 14);

  const PageHighlight stopped = ComputeHighlight(image, kPolohaPage, LiveInputs{}, false);
  EXPECT_EQ(stopped.position_column, 0);
  EXPECT_EQ(LiveNames(stopped), (Names{"UpDownRpm_PolohaA_0", "UpDownPolohaA_0"}));
  LiveInputs live;
  live.rpm = 13500;
  EXPECT_EQ(LiveNames(ComputeHighlight(image, kPolohaPage, live, false)),
            (Names{"UpDownRpm_PolohaA_14", "UpDownPolohaA_14"}));
}

class MapHighlightTest : public ::testing::Test {
 protected:
  MapHighlightTest() {
    for (FieldId axis : {FieldId::kRpmAdv, FieldId::kRpmJet1A, FieldId::kRpmJet2A})
      SetAxis(image, axis, kAxis);
    model::SetStored(image, FieldId::kAdvanceMiscTpsMap, 1);
  }
  PageHighlight Pass(int page, int rpm, int throttle, bool ms) {
    LiveInputs live;
    live.rpm = rpm;
    live.throttle_percent = throttle;
    return ComputeHighlight(image, page, live, ms);
  }
  model::ParameterImage image;
};

TEST_F(MapHighlightTest, TheCellItsAxisPointAndItsRowCaption) {
  for (int page : {kAdvancePage, kInj1APage, kInj2APage}) {
    const PageHighlight h = Pass(page, 3600, 45, false);
    EXPECT_EQ(h.cell.row, 6);
    EXPECT_EQ(h.cell.column, 4);
    EXPECT_EQ(h.throttle_row, 6);
    EXPECT_EQ(LiveNames(h), (Names{"UpDownRpm_Uni_4", "LabelTpsRow_Uni_6", "UpDown_Uni_6_4"}))
        << "page " << page;
  }
}

TEST_F(MapHighlightTest, EngineStoppedMarksOnlyTheThrottleRowCaption) {
  const PageHighlight h = Pass(kInj1APage, 0, 100, true);
  EXPECT_FALSE(h.cell.engine_running);
  EXPECT_EQ(LiveNames(h), (Names{"LabelTpsRow_Uni_9"}));
}

TEST_F(MapHighlightTest, AdvanceWithoutThrottleAxisMarksRow9WithTheThrottleCaption) {
  model::SetStored(image, FieldId::kAdvanceMiscTpsMap, 0);
  const PageHighlight h = Pass(kAdvancePage, 1000, 30, false);
  EXPECT_EQ(h.cell.row, 9);
  EXPECT_EQ(LiveNames(h), (Names{"UpDownRpm_Uni_1", "LabelTpsRow_Uni_5", "UpDown_Uni_9_1"}));
}

TEST_F(MapHighlightTest, MillisecondLabelsFollowTheirCellsOnlyInTheMillisecondView) {
  const PageHighlight ms = Pass(kInj2APage, 13500, 2, true);
  EXPECT_TRUE(LiveNames(ms).contains("LabelMs_Uni_1_14"));
  EXPECT_TRUE(LiveNames(ms).contains("UpDown_Uni_1_14"));
  EXPECT_EQ(MarkOf(ms, "LabelMs_Uni_0_0"), Mark::kPlain);
  EXPECT_EQ(MarkOf(ms, "LabelMs_Uni_1_13"), Mark::kPlain);

  // Outside the view the labels are left as they are: not painted plain, not painted live.
  const PageHighlight plain = Pass(kInj2APage, 13500, 2, false);
  int keep = 0;
  const auto controls = HighlightControls(kInj2APage);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const bool is_ms = controls[i].role == MarkRole::kMapMs;
    EXPECT_EQ(plain.marks[i] == Mark::kKeep, is_ms) << controls[i].name;
    keep += plain.marks[i] == Mark::kKeep;
  }
  EXPECT_EQ(keep, 150);
}

TEST(CorrectionPoints, CoolantAirAndTheFirstFrame) {
  struct Case {
    int plus100;
    int coolant;
    int air;
  };
  for (const Case& c : std::vector<Case>{{0, 3, 2},  // before the first frame
                                         {1, 0, 0},
                                         {104, 0, 0},  // 4 degrees
                                         {105, 1, 1},
                                         {180, 3, 3},  // 80 degrees, also the coolant error
                                         {224, 4, 4},
                                         {225, kNoTemperaturePoint, kNoTemperaturePoint},
                                         {255, kNoTemperaturePoint, kNoTemperaturePoint}}) {
    EXPECT_EQ(CoolantPoint(c.plus100), c.coolant) << c.plus100;
    EXPECT_EQ(AirPoint(c.plus100), c.air) << c.plus100;
  }
}

TEST(CorrectionPoints, AfterStartBetweenTheCurveTimes) {
  model::ParameterImage image;
  const int times[4] = {10, 20, 40, 60};  // seconds
  for (int k = 0; k < 4; ++k) model::SetStored(image, FieldId::kChokeTime, k, times[k]);
  struct Case {
    int timer;
    int point;
  };
  for (const Case& c : std::vector<Case>{{0, 0},
                                         {50, 0},  // half of t1: not above, still the start
                                         {51, 1},
                                         {149, 1},
                                         {150, 2},  // exactly between t1 and t2
                                         {299, 2},
                                         {300, 3},
                                         {499, 3},
                                         {500, 4},
                                         {65535, 4}}) {
    EXPECT_EQ(AfterStartPoint(image, c.timer), c.point) << "timer " << c.timer;
  }
}

TEST(CorrectionPoints, KorekcePageMarks) {
  model::ParameterImage image;
  const int times[4] = {10, 20, 40, 60};
  for (int k = 0; k < 4; ++k) model::SetStored(image, FieldId::kChokeTime, k, times[k]);
  struct Case {
    LiveInputs live;
    Names marked;
  };
  for (const Case& c : std::vector<Case>{
           // Before the first frame: coolant point 3, air point 2, the start of the curve.
           {{},
            {"UpDownKorVoda_3", "UpDownIgnVoda_3", "UpDownKorVzduch_2", "LabelSyticCas0",
             "UpDownSyticKorekce0"}},
           {{.coolant_plus100 = 130, .air_plus100 = 125, .after_start_timer = 200},
            {"UpDownKorVoda_1", "UpDownIgnVoda_1", "UpDownKorVzduch_1", "UpDownSyticCas2",
             "UpDownSyticKorekce2"}},
           // 125 degrees and more: no temperature point; the end of the curve is a label.
           {{.coolant_plus100 = 225, .air_plus100 = 250, .after_start_timer = 900},
            {"UpDownSyticCas4", "LabelSyticKorekce4"}},
       }) {
    EXPECT_EQ(LiveNames(ComputeHighlight(image, kKorekcePage, c.live, false)), c.marked);
  }
}

TEST(GearHighlight, GearAndRacePagesByGearSystem) {
  struct Case {
    int page;
    int system;
    int gear;
    Names marked;
  };
  for (const Case& c : std::vector<Case>{
           {kGearPage,
            0,
            3,
            {"UpDownPomerRpmSpeed_2", "LabelPomerRpmSpeed3", "ButtonGear3", "UpDownGearKorAdv_2",
             "UpDownGearKorJet_2", "LabelGearKor3"}},
           {kGearPage,
            1,
            6,
            {"LabelMonPomerRpmSpeedAuto6", "LabelMonGearAuto6", "UpDownGearKorAdv_5",
             "UpDownGearKorJet_5", "LabelGearKor6"}},
           {kGearPage, 2, 1, {"UpDownGearKorAdv_0", "UpDownGearKorJet_0", "LabelGearKor1"}},
           // Neutral and values outside 1..6 mark nothing.
           {kGearPage, 0, 0, {}},
           {kGearPage, 1, 7, {}},
           {kGearPage, 0, 255, {}},
           {kRacePage,
            2,
            2,
            {"UpDownPilotLight1_1", "UpDownPilotLight2_1", "UpDownClutchTime_1",
             "UpDownClutchPause_1", "LabelRaceGear2"}},
           {kRacePage, 0, 0, {}},
           {kRacePage, 0, 7, {}},
       }) {
    model::ParameterImage image;
    model::SetStored(image, FieldId::kGearSystem, c.system);
    LiveInputs live;
    live.gear = c.gear;
    EXPECT_EQ(LiveNames(ComputeHighlight(image, c.page, live, false)), c.marked)
        << "page " << c.page << " system " << c.system << " gear " << c.gear;
  }
}

TEST(HighlightControls, EditsAreThePagesSpinnersAndOtherPagesHaveNoPass) {
  for (int page = 0; page < kPageCount; ++page) {
    const auto controls = HighlightControls(page);
    const bool has_pass = IsMapPage(page) || page == kPolohaPage || page == kKorekcePage ||
                          page == kGearPage || page == kRacePage;
    EXPECT_EQ(!controls.empty(), has_pass) << "page " << page;
    Names seen;
    for (const HighlightControl& c : controls) {
      EXPECT_TRUE(seen.insert(c.name).second) << c.name << " twice on page " << page;
      if (c.style != MarkStyle::kEdit) continue;
      const Control* control = FindControl(page, c.name);
      ASSERT_NE(control, nullptr) << c.name << " is no control of page " << page;
      EXPECT_EQ(control->kind, ControlKind::kSpinner) << c.name;
    }
    LiveInputs live{.rpm = 5000, .throttle_percent = 50, .gear = 2};
    const PageHighlight h = ComputeHighlight(model::ParameterImage{}, page, live, true);
    EXPECT_EQ(h.marks.size(), controls.size()) << "page " << page;
  }
}

}  // namespace
}  // namespace morvek::pages
