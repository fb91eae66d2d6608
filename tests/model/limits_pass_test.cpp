#include "model/limits_pass.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/field_table.h"

namespace morvek::model {
namespace {

using F = FieldId;

void SetList(ParameterImage& image, FieldId id, const std::vector<int>& v) {
  for (std::size_t i = 0; i < v.size(); ++i) SetStored(image, id, static_cast<int>(i), v[i]);
}
std::vector<int> List(const ParameterImage& image, FieldId id) {
  std::vector<int> v;
  for (int i = 0; i < GetField(id).count; ++i) v.push_back(Stored(image, id, i));
  return v;
}

TEST(LimitsPass, RpmAxes) {
  struct Case {
    std::vector<int> in, out;
  } cases[] = {
      {std::vector<int>(15, 0), {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
      {std::vector<int>(15, 250),
       {236, 237, 238, 239, 240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250}},
      // Equal neighbours are separated upwards by one step.
      {{10, 20, 20, 40, 50, 55, 60, 65, 70, 75, 80, 90, 100, 110, 120},
       {10, 20, 21, 40, 50, 55, 60, 65, 70, 75, 80, 90, 100, 110, 120}},
      {{10, 20, 30, 25, 50, 55, 60, 65, 70, 75, 80, 90, 100, 110, 120},
       {10, 20, 30, 31, 50, 55, 60, 65, 70, 75, 80, 90, 100, 110, 120}},
  };
  for (FieldId axis : {F::kRpmAdv, F::kRpmJet1A, F::kRpmJet2A, F::kPositionARpm}) {
    for (const Case& c : cases) {
      ParameterImage image;
      SetList(image, axis, c.in);
      ApplyLimits(image);
      EXPECT_EQ(List(image, axis), c.out) << GetField(axis).keyword;
    }
  }
}

TEST(LimitsPass, TemperatureSensorsTurnFallingFromTheFirstPoint) {
  for (FieldId id : {F::kWaterTempSensor, F::kAirTempSensor}) {
    ParameterImage image;
    SetList(image, id, {100, 200, 300, 400, 500, 600, 700, 800, 900});
    ApplyLimits(image);
    EXPECT_EQ(List(image, id), (std::vector<int>{100, 99, 98, 97, 96, 95, 94, 93, 92}));
    SetList(image, id, {0, 0, 0, 0, 0, 0, 0, 0, 9000});
    ApplyLimits(image);
    EXPECT_EQ(List(image, id), (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0}));
  }
}

TEST(LimitsPass, LambdaCharacteristicDirectionFollowsTheSensorType) {
  ParameterImage image;
  SetList(image, F::kSensorLambdaVoltage, {0, 1190, 2500, 3750, 5000});
  SetStored(image, F::kSensorLambdaType, 1);
  ApplyLimits(image);
  EXPECT_EQ(List(image, F::kSensorLambdaVoltage), (std::vector<int>{0, 1190, 2500, 3750, 5000}));
  SetStored(image, F::kSensorLambdaType, 0);
  ApplyLimits(image);
  EXPECT_EQ(List(image, F::kSensorLambdaVoltage), (std::vector<int>{4, 3, 2, 1, 0}));
}

TEST(LimitsPass, TuningChannelFollowsTheCoupling) {
  struct Case {
    int mode, channel_in, channel_out;
  } cases[] = {{0, 2, 2}, {0, 7, 2}, {1, 2, 1}, {2, 2, 1}, {3, 2, 2}, {1, 0, 0}};
  for (const Case& c : cases) {
    ParameterImage image;
    SetStored(image, F::kJet1MiscMode, c.mode);
    SetStored(image, F::kTuningChannel, c.channel_in);
    ApplyLimits(image);
    EXPECT_EQ(Stored(image, F::kTuningChannel), c.channel_out) << c.mode << " " << c.channel_in;
  }
}

TEST(LimitsPass, SingleValueRules) {
  struct Case {
    FieldId id;
    int in, out;
  } cases[] = {
      {F::kAdvance, 61, 60},        {F::kJet1A, 65535, 60000},      {F::kJet2A, 60000, 60000},
      {F::kTpsVoltage0, 251, 250},  {F::kStartInj, 99, 50},         {F::kChokeCorrection, 251, 250},
      {F::kN2oGas1, 101, 100},      {F::kN2oGasBuildup, 0, 1},      {F::kN2oGasBuildup, 201, 200},
      {F::kN2oGasDelay, 255, 200},  {F::kN2oRetard1, 26, 25},       {F::kN2oRetardDelay, 201, 200},
      {F::kN2oRetardBuildup, 0, 1}, {F::kAdvanceMiscBase, 41, 40},  {F::kAdvanceMiscBase, 40, 40},
      {F::kLambdaTachoRpm, 0, 3},   {F::kLambdaTachoRpm, 251, 250},
  };
  for (const Case& c : cases) {
    ParameterImage image;
    SetStored(image, F::kIdleStepPeriod, 255);  // so step 25 leaves other bytes alone
    SetStored(image, c.id, c.in);
    ApplyLimits(image);
    EXPECT_EQ(Stored(image, c.id), c.out) << GetField(c.id).keyword << "." << GetField(c.id).member;
  }
}

TEST(LimitsPass, PairsInOrder) {
  ParameterImage image;
  SetList(image, F::kPilotLightRpm1, {90, 90, 90, 90, 90, 90});
  SetList(image, F::kPilotLightRpm2, {80, 95, 90, 0, 255, 89});
  SetStored(image, F::kN2oGas1, 50);
  SetStored(image, F::kN2oGas2, 40);
  SetStored(image, F::kN2oRetard1, 10);
  SetStored(image, F::kN2oRetard2, 5);
  SetStored(image, F::kN2oInj1Corr, 30);
  SetStored(image, F::kN2oInj2Corr, 20);
  SetStored(image, F::kIdleStepPulse, 9);
  SetStored(image, F::kIdleStepPeriod, 6);
  ApplyLimits(image);
  EXPECT_EQ(List(image, F::kPilotLightRpm2), (std::vector<int>{90, 95, 90, 90, 255, 90}));
  EXPECT_EQ(Stored(image, F::kN2oGas2), 50);
  EXPECT_EQ(Stored(image, F::kN2oRetard2), 10);
  EXPECT_EQ(Stored(image, F::kN2oInj2Corr), 30);
  EXPECT_EQ(Stored(image, F::kIdleStepPulse), 6);
}

TEST(LimitsPass, ChokeTimesRiseAndLambdaBarsStayInRange) {
  ParameterImage image;
  SetList(image, F::kChokeTime, {5, 5, 5, 5});
  SetList(image, F::kLambdaBar, {150, 150, 150, 150});
  SetList(image, F::kSensorLambdaAf, {0, 0, 0, 0, 0});
  ApplyLimits(image);
  EXPECT_EQ(List(image, F::kChokeTime), (std::vector<int>{5, 6, 7, 8}));
  EXPECT_EQ(List(image, F::kLambdaBar), (std::vector<int>{150, 151, 152, 153}));
  EXPECT_EQ(List(image, F::kSensorLambdaAf), (std::vector<int>{100, 101, 102, 103, 104}));
}

TEST(LimitsPass, SettingsBoundsAndEqualPressureVoltages) {
  struct Case {
    LimitedSettings in, out;
  } cases[] = {
      {{4, 21, 20}, {0, 0, 0}},
      {{3, 20, 19}, {3, 20, 19}},
  };
  for (const Case& c : cases) {
    ParameterImage image;
    LimitedSettings s = c.in;
    ApplyLimits(image, &s);
    EXPECT_EQ(s.language_index, c.out.language_index);
    EXPECT_EQ(s.com_port_index, c.out.com_port_index);
    EXPECT_EQ(s.com_auto_index, c.out.com_auto_index);
  }
  ParameterImage image;
  SetStored(image, F::kApsVoltage1, 2000);
  SetStored(image, F::kApsVoltage2, 2000);
  EXPECT_TRUE(ApplyLimits(image).aps_voltages_equal);
  EXPECT_EQ(Stored(image, F::kApsVoltage2), 2000);
  SetStored(image, F::kApsVoltage2, 2001);
  EXPECT_FALSE(ApplyLimits(image).aps_voltages_equal);
}

TEST(LimitsPass, IsIdempotent) {
  ParameterImage image;
  for (int b = 0; b < kImageSize; ++b) image.SetByte(b, static_cast<std::uint8_t>(b * 37 + 11));
  ApplyLimits(image);
  const ParameterImage once = image;
  ApplyLimits(image);
  EXPECT_EQ(image, once);
}

}  // namespace
}  // namespace morvek::model
