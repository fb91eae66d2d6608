#include "model/field_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/map_geometry.h"
#include "model/parameter_image.h"

namespace morvek::model {
namespace {

TEST(ParameterImage, WordViewIsLittleEndianOverTheSameBytes) {
  ParameterImage image;
  image.SetWord(502, 0x1234);
  EXPECT_EQ(image.Byte(1004), 0x34);
  EXPECT_EQ(image.Byte(1005), 0x12);
  image.SetByte(1005, 0xAB);
  EXPECT_EQ(image.Word(502), 0xAB34);
}

TEST(ParameterImage, DevicePageOfByte) {
  struct Case {
    int byte, page;
  } cases[] = {{0, 1}, {149, 1}, {150, 2}, {1004, 7}, {1199, 8}, {1200, 9}, {1349, 9}};
  for (const Case& c : cases) EXPECT_EQ(ParameterImage::DevicePageOfByte(c.byte), c.page) << c.byte;
  EXPECT_EQ(ParameterImage::PageFirstByte(9), 1200);
  EXPECT_EQ(ParameterImage::PageLastByte(1), 149);
}

TEST(ParameterImage, PageViewCoversItsBytes) {
  ParameterImage image;
  image.Page(7)[4] = 99;
  EXPECT_EQ(image.Byte(904), 99);
}

TEST(FieldTable, MapCellOfJet2AIsWord502) {
  // Row 3, column 7 of JET_2A: word 450 + 52, bytes 1004/1005 on device page 7.
  const Field& f = GetField(FieldId::kJet2A);
  const int element = MapElement(3, 7);
  EXPECT_EQ(element, 52);
  EXPECT_EQ(f.ByteOf(element), 1004);
  EXPECT_EQ(ParameterImage::DevicePageOfByte(f.ByteOf(element)), 7);
}

TEST(FieldTable, EncodingsStoredAndShown) {
  struct Case {
    FieldId id;
    int shown;
    int stored;
  } cases[] = {
      {FieldId::kTpsVoltage100, 2500, 0},      {FieldId::kTpsVoltage100, 5000, 250},
      {FieldId::kRpmCorrection, -60, 40},      {FieldId::kGearCorrAdvance, -20, 80},
      {FieldId::kChokeCorrection, 100, 0},     {FieldId::kChokeCorrection, 350, 250},
      {FieldId::kLimiterIgnition, 10800, 108}, {FieldId::kPositionAAngle, 720, 144},
      {FieldId::kIdleAdvTarget, 1800, 36},     {FieldId::kIdleStepPulse, 1500, 6},
      {FieldId::kExitation, 1900, 19},         {FieldId::kApsVoltage1, 2247, 2247},
      {FieldId::kTpsVoltage0, 340, 34},        {FieldId::kClutchTime, 100, 20},
  };
  for (const Case& c : cases) {
    const Field& f = GetField(c.id);
    EXPECT_EQ(EncodeShown(f, c.shown), c.stored) << f.keyword << "." << f.member;
    EXPECT_EQ(DecodeStored(f, c.stored), c.shown) << f.keyword << "." << f.member;
  }
}

TEST(FieldTable, DivisionTruncatesTowardZero) {
  EXPECT_EQ(EncodeShown(GetField(FieldId::kLimiterIgnition), 10850), 108);
  EXPECT_EQ(EncodeShown(GetField(FieldId::kTpsVoltage100), 2000), -50);
  EXPECT_EQ(EncodeShown(GetField(FieldId::kRpmAdv), -150), -1);
}

TEST(FieldTable, FlagsStoreOneWhenSetAndShowSetForAnyNonZero) {
  const Field& f = GetField(FieldId::kN2oEnable);
  EXPECT_EQ(EncodeShown(f, 7), 1);
  EXPECT_EQ(EncodeShown(f, 0), 0);
  EXPECT_EQ(DecodeStored(f, 200), 1);
}

TEST(FieldTable, SetStoredWrapsToTheFieldWidth) {
  ParameterImage image;
  SetStored(image, FieldId::kTuningStep, 0, 300);
  EXPECT_EQ(image.Byte(298), 300 & 0xFF);
  EXPECT_EQ(image.Byte(299), 0) << "a byte field never spills into its neighbour";
  SetStored(image, FieldId::kJet1A, 149, 70000);
  EXPECT_EQ(image.Word(449), 70000 & 0xFFFF);
  EXPECT_EQ(image.Word(450), 0);
}

TEST(FieldTable, NoTwoFieldsShareAByte) {
  std::set<int> used;
  for (const Field& f : FieldTable()) {
    for (int b = f.ByteOf(0); b < f.ByteOf(0) + f.ByteCount(); ++b) {
      EXPECT_TRUE(used.insert(b).second)
          << "byte " << b << " of " << f.keyword << "." << f.member << " already taken";
    }
  }
}

TEST(FieldTable, ByteFieldRangesFitTheirStoredByte) {
  // No shown value inside a field's range may need more than its stored width.
  for (const Field& f : FieldTable()) {
    if (f.encoding == Encoding::kText) continue;
    const int limit = f.width == Width::kByte ? 255 : 65535;
    for (int shown : {f.min, f.max}) {
      const int stored = EncodeShown(f, shown);
      EXPECT_GE(stored, 0) << f.keyword << "." << f.member << " " << shown;
      EXPECT_LE(stored, limit) << f.keyword << "." << f.member << " " << shown;
    }
  }
}

TEST(FieldTable, KeywordsAndMembersAreUnique) {
  std::set<std::string> names;
  for (const Field& f : FieldTable())
    EXPECT_TRUE(names.insert(std::string(f.keyword) + "." + std::string(f.member)).second);
  EXPECT_EQ(static_cast<int>(FieldTable().size()), kFieldCount);
}

}  // namespace
}  // namespace morvek::model
