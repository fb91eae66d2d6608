#include <gtest/gtest.h>

#include <vector>

#include "model/editor.h"
#include "model/field_table.h"
#include "model/note_area.h"

namespace morvek::model {
namespace {

using F = FieldId;

std::vector<int> StoredList(const ParameterImage& image, FieldId id) {
  std::vector<int> v;
  for (int i = 0; i < GetField(id).count; ++i) v.push_back(Stored(image, id, i));
  return v;
}

class DefaultsTest : public ::testing::Test {
 protected:
  Editor editor;
  const ParameterImage& image() { return editor.image(); }
};

TEST_F(DefaultsTest, WholeImageForPreset0) {
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  const ParameterImage& im = image();
  struct Single {
    FieldId id;
    int stored;
  } singles[] = {
      {F::kJet1MiscMode, 2},       {F::kLimiterIgnition, 108},
      {F::kLimiterStart, 72},      {F::kLimiterInjection, 111},
      {F::kLimiterRetardRpm, 111}, {F::kLimiterRetardRate, 20},
      {F::kFanFan1, 102},          {F::kFanFan2, 104},
      {F::kRpmPulses, 2},          {F::kRpmCorrection, 100},
      {F::kInputsPinEngine23, 1},  {F::kInputsPinEngine14, 1},
      {F::kInputsPinBody11, 0},    {F::kInputsStartLimiter, 1},
      {F::kBlockEnable, 1},        {F::kTpsVoltage0, 34},
      {F::kTpsVoltage100, 223},    {F::kApsVoltage1, 2247},
      {F::kApsVoltage2, 4744},     {F::kAccelThreshold, 30},
      {F::kAccelSize, 84},         {F::kIdleStepPulse, 6},
      {F::kIdleRangeRpm, 15},      {F::kIdleStart, 2000},
      {F::kSpeedPulsesMode, 1},    {F::kSpeedPulsesValue, 364},
      {F::kN2oGasDelay, 20},       {F::kN2oGasBuildup, 30},
      {F::kN2oInj1Corr, 0},        {F::kGearSystem, 2},
      {F::kClutchMinRpm, 20},      {F::kTuningRpmTol, 20},
      {F::kTuningStepTime, 20},    {F::kTuningLambda, 145},
      {F::kTestOutRpm, 50},        {F::kTestOutServo, 50},
      {F::kExitation, 19},         {F::kAdvanceMiscCyl1Corr, 100},
  };
  for (const Single& s : singles)
    EXPECT_EQ(Stored(im, s.id), s.stored) << GetField(s.id).keyword << "." << GetField(s.id).member;

  EXPECT_EQ(StoredList(im, F::kPilotLightRpm1), std::vector<int>(6, 88));
  EXPECT_EQ(StoredList(im, F::kPilotLightRpm2), std::vector<int>(6, 93));
  EXPECT_EQ(StoredList(im, F::kWaterTempSensor),
            (std::vector<int>{4505, 3832, 3159, 2412, 1665, 1203, 741, 536, 331}));
  EXPECT_EQ(StoredList(im, F::kAirTempSensor), StoredList(im, F::kWaterTempSensor));
  EXPECT_EQ(StoredList(im, F::kIdleAdvTarget),
            (std::vector<int>{36, 36, 35, 32, 31, 31, 31, 31, 29}));
  EXPECT_EQ(StoredList(im, F::kChokeCorrection), (std::vector<int>{150, 50, 30, 10}));
  EXPECT_EQ(StoredList(im, F::kAdvanceCorrWater), (std::vector<int>{110, 110, 100, 100, 95}));
  EXPECT_EQ(StoredList(im, F::kPositionAAngle),
            (std::vector<int>{54, 55, 58, 56, 58, 53, 47, 47, 46, 45, 44, 44, 44, 44, 44}));
  EXPECT_EQ(StoredList(im, F::kRpmJet2A),
            (std::vector<int>{10, 20, 30, 40, 50, 55, 60, 65, 70, 75, 80, 90, 100, 110, 120}));
  EXPECT_EQ(StoredList(im, F::kSensorLambdaVoltage), (std::vector<int>{900, 840, 760, 50, 0}));
  EXPECT_EQ(StoredList(im, F::kLambdaBar), (std::vector<int>{100, 120, 140, 180}));
  EXPECT_EQ(StoredList(im, F::kLambdaTachoRpm), (std::vector<int>{10, 120}));
  // Row 5, column 3 of the advance map carries point 3 of the default curve.
  EXPECT_EQ(Stored(im, F::kAdvance, 5 * 15 + 3), 36);
}

TEST_F(DefaultsTest, FixedBytes) {
  editor.image().SetByte(1, 77);
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  const ParameterImage& im = image();
  struct Case {
    int byte, value;
  } cases[] = {{1, 0},    {2, 0},     {3, 65},    {4, 19},   {5, 0},    {191, 0},
               {192, 55}, {193, 103}, {252, 108}, {253, 5},  {254, 50}, {261, 22},
               {262, 40}, {265, 12},  {266, 4},   {267, 15}, {268, 23}, {269, 2},
               {270, 16}, {271, 7},   {272, 13},  {275, 0},  {276, 24}};
  for (const Case& c : cases) EXPECT_EQ(im.Byte(c.byte), c.value) << "byte " << c.byte;
  const int words[] = {194, 166, 149, 136, 126, 114, 100, 95, 91};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(im.Word(115 + i), words[i]) << "word " << 115 + i;
}

TEST_F(DefaultsTest, Preset2HasItsOwnExcitationAndPins) {
  SetStored(editor.image(), F::kBike, 2);
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  EXPECT_EQ(image().Byte(4), 30);
  EXPECT_EQ(Stored(image(), F::kInputsPinEngine23), 0);
  EXPECT_EQ(Stored(image(), F::kInputsPinEngine14), 0);
}

TEST_F(DefaultsTest, UnknownPresetLeavesThePinsAlone) {
  SetStored(editor.image(), F::kInputsPinBody11, 1);
  SetStored(editor.image(), F::kBike, 9);
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  EXPECT_EQ(Stored(image(), F::kInputsPinBody11), 1);
}

TEST_F(DefaultsTest, InjectionMapsAreTheBaseTimes) {
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  for (int e : {0, 52, 149}) {
    EXPECT_EQ(Stored(image(), F::kJet1A, e), editor.base_map(InjectionMap::k1A)[e]);
    EXPECT_EQ(Stored(image(), F::kJet2A, e), editor.base_map(InjectionMap::k2A)[e]);
  }
}

TEST_F(DefaultsTest, SpeedPulsesResetOnTheIdlePageOnly) {
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  for (int page : {7, 9}) {
    SetShown(editor.image(), F::kSpeedPulsesValue, 999);
    SetShown(editor.image(), F::kGearCount, 3);
    SetShown(editor.image(), F::kIdleRangeTps, 77);
    editor.set_active_page(page);
    editor.ApplyDefaults(DefaultsScope::kActivePage);
    EXPECT_EQ(Shown(image(), F::kSpeedPulsesValue), page == 7 ? 364 : 999) << "page " << page;
    EXPECT_EQ(Shown(image(), F::kGearCount), page == 9 ? 6 : 3) << "page " << page;
    EXPECT_EQ(Shown(image(), F::kIdleRangeTps), page == 7 ? 40 : 77) << "page " << page;
  }
}

TEST_F(DefaultsTest, PageScopeRewritesExcitationAndRoundsMapsToWholePercent) {
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  editor.image().SetByte(4, 55);
  const int base = editor.base_map(InjectionMap::k1A)[0];
  SetStored(editor.image(), F::kJet1A, 0, base * 73 / 100 + 1);  // not a whole percentage
  editor.ImageChanged();
  editor.set_active_page(8);
  editor.ApplyDefaults(DefaultsScope::kActivePage);
  EXPECT_EQ(image().Byte(4), 19);
  EXPECT_EQ(Stored(image(), F::kJet1A, 0), (73 * base + 50) / 100);
}

TEST_F(DefaultsTest, RacePageTakesPilotLightsFromTheLimiterHeldNow) {
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  struct Case {
    int ignition_stored, rpm1, rpm2;
  } cases[] = {{120, 100, 105}, {25, 5, 10}, {18, 2, 3}, {9, 2, 2}};
  for (const Case& c : cases) {
    SetStored(editor.image(), F::kLimiterIgnition, c.ignition_stored);
    editor.set_active_page(10);
    editor.ApplyDefaults(DefaultsScope::kActivePage);
    EXPECT_EQ(Stored(image(), F::kPilotLightRpm1, 5), c.rpm1) << c.ignition_stored;
    EXPECT_EQ(Stored(image(), F::kPilotLightRpm2, 0), c.rpm2) << c.ignition_stored;
    EXPECT_EQ(Stored(image(), F::kLimiterIgnition), c.ignition_stored);
  }
}

TEST_F(DefaultsTest, CoupledMapsSkipThe2APageDefaults) {
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  SetStored(editor.image(), F::kJet1MiscMode, 1);
  SetStored(editor.image(), F::kRpmJet2A, 0, 7);
  editor.set_active_page(3);
  editor.ApplyDefaults(DefaultsScope::kActivePage);
  EXPECT_EQ(Stored(image(), F::kRpmJet2A, 0), 7);
  SetStored(editor.image(), F::kJet1MiscMode, 0);
  editor.ApplyDefaults(DefaultsScope::kActivePage);
  EXPECT_EQ(Stored(image(), F::kRpmJet2A, 0), 10);
}

TEST_F(DefaultsTest, LambdaTypes) {
  editor.ApplyLambdaType(1);
  EXPECT_EQ(StoredList(image(), F::kSensorLambdaAf), (std::vector<int>{100, 120, 140, 160, 180}));
  EXPECT_EQ(StoredList(image(), F::kSensorLambdaVoltage),
            (std::vector<int>{0, 1190, 2500, 3750, 5000}));
  editor.ApplyLambdaType(0);
  EXPECT_EQ(StoredList(image(), F::kSensorLambdaAf), (std::vector<int>{100, 130, 140, 150, 180}));
}

TEST_F(DefaultsTest, BikePageClearsTheNote) {
  SetNoteLines(editor.image(), {"hello"});
  editor.set_active_page(0);
  editor.ApplyDefaults(DefaultsScope::kActivePage);
  EXPECT_TRUE(NoteLines(image()).empty());
}

TEST_F(DefaultsTest, PresetChangeRescalesTimesAndKeepsPercent) {
  editor.ApplyDefaults(DefaultsScope::kWholeImage);
  const int before = Stored(image(), F::kJet1A, 100);
  SetStored(editor.image(), F::kBike, 7);  // a smaller engine
  editor.RescaleForPreset();
  EXPECT_LT(Stored(image(), F::kJet1A, 100), before);
  EXPECT_EQ(Stored(image(), F::kJet1A, 100), editor.base_map(InjectionMap::k1A)[100]);
  EXPECT_EQ(editor.percent_view(InjectionMap::k1A)[100], 100);
}

}  // namespace
}  // namespace morvek::model
