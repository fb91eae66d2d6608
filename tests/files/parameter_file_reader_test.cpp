#include "files/parameter_file_reader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "files/parameter_file_writer.h"
#include "model/field_table.h"
#include "model/note_area.h"
#include "test_support.h"

namespace morvek::files {
namespace {

using i18n::TextId;
using model::FieldId;
using model::Stored;

// An editor with the defaults of preset 0, as after start-up.
struct Fixture {
  model::Editor editor;
  Fixture() { testing::ApplyPresetDefaults(editor, 0); }
  ReadResult Read(const std::string& text, bool page_only = false) {
    return ReadParameterFile(text, editor, page_only);
  }
  int Get(FieldId id, int i = 0) const { return Stored(editor.image(), id, i); }
};

TEST(ParameterFileReader, GoldenFileLoadsThePresetDefaults) {
  Fixture f;
  const ReadResult r = f.Read(testing::DataFile("default_preset2.ign"));
  EXPECT_EQ(r.version, 84);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_TRUE(r.incomplete_keywords.empty());
  EXPECT_EQ(r.lambda_type, 0);
  model::Editor expected;
  testing::ApplyPresetDefaults(expected, 2);
  EXPECT_EQ(f.editor.image(), expected.image());
}

TEST(ParameterFileReader, SaveThenOpenGivesBackEveryField) {
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    model::ParameterImage saved;
    testing::FillFieldsRandomly(saved, seed);
    Fixture f;
    const ReadResult r = f.Read(WriteParameterFile(saved, VersionTexts{}));
    ASSERT_EQ(r.version, 84);
    for (const model::Field& field : model::FieldTable())
      for (int i = 0; i < field.count; ++i)
        ASSERT_EQ(f.Get(field.id, i), Stored(saved, field.id, i))
            << field.keyword << "." << field.member << "[" << i << "] seed " << seed;
  }
}

TEST(ParameterFileReader, KeySearch) {
  struct Case {
    const char* text;
    int version;
    std::vector<TextId> messages;
    int fan1;  // stored FAN.fan1 afterwards; 102 is the default
  } cases[] = {
      {"KALVORIN_KEY 85\r\nFAN 90 91", 0, {TextId::MsgUnmatchedFileVersion}, 102},
      {"KALVORIN_KEY 85\r\nKALVORIN_KEY 84\r\nFAN 90 91",
       84,
       {TextId::MsgUnmatchedFileVersion},
       90},
      {"KALVORIN_KEY abc KALVORIN_KEY 84 FAN 90 91", 84, {TextId::MsgUnmatchedFileVersion}, 90},
      {"FAN 90 91", 0, {}, 102},
      {"kalvorin_key 84 FAN 90 91", 0, {}, 102},
      {"FAN 80 81 KALVORIN_KEY 84 RPM 2 0", 84, {}, 102},
      {"KALVORIN_KEY 78\nFAN 90 91", 78, {TextId::MsgOlderFileVersion}, 90},
      {"KALVORIN_KEY 63\nFAN 90 91", 63, {TextId::MsgOlderFileVersion}, 90},
      {"KALVORIN_KEY", 0, {TextId::MsgUnmatchedFileVersion}, 102},
      // A byte order mark, as editors that save UTF-8 write it, before the key line.
      {"\xEF\xBB\xBFKALVORIN_KEY 84\r\nFAN 90 91", 84, {}, 90},
      {"\xEF\xBB\xBF\r\nKALVORIN_KEY 78\nFAN 90 91", 78, {TextId::MsgOlderFileVersion}, 90},
      // Only at the start of the file; anywhere else it is part of a word.
      {"FAN 1 2\n\xEF\xBB\xBFKALVORIN_KEY 84\r\nFAN 90 91", 0, {}, 102},
  };
  for (const Case& c : cases) {
    Fixture f;
    const model::ParameterImage before = f.editor.image();
    const ReadResult r = f.Read(c.text);
    EXPECT_EQ(r.version, c.version) << c.text;
    EXPECT_EQ(r.messages, c.messages) << c.text;
    EXPECT_EQ(f.Get(FieldId::kFanFan1), c.fan1) << c.text;
    if (c.version == 0) {
      EXPECT_EQ(f.editor.image(), before) << c.text;
    }
  }
}

TEST(ParameterFileReader, ValuesAndTheirTransformations) {
  struct Case {
    const char* body;
    FieldId field;
    int element;
    int stored;
  } cases[] = {
      {"RPM 2 -20", FieldId::kRpmCorrection, 0, 80},
      {"TPS 340 2000", FieldId::kTpsVoltage100, 0, 206},
      // Above the byte's top: the top, not the low bits (5100 would wrap round to 2540).
      {"TPS 340 5100", FieldId::kTpsVoltage100, 0, 255},
      {"TPS 340 5050", FieldId::kTpsVoltage100, 0, 255},
      {"FAN 300 91", FieldId::kFanFan1, 0, 255},
      {"TPS 340 4730", FieldId::kTpsVoltage100, 0, 223},
      {"FAN 90 91 FAN 95 96", FieldId::kFanFan1, 0, 95},  // the later section wins
      {"LIMITER 7200 10899 1 1 1", FieldId::kLimiterIgnition, 0, 108},
      {"ADVANCE_CORR 90", FieldId::kAdvanceCorrWater, 0, 90},  // stored as it stands
      {"CHOKE 1 2 3 4 100", FieldId::kChokeCorrection, 0, 0},
      {"GEAR_CORR -20", FieldId::kGearCorrAdvance, 0, 80},
      {"APS 55 -1", FieldId::kApsVoltage1, 0, 65535},
      {"APS 55 65537", FieldId::kApsVoltage1, 0, 1},  // modulo 65536
      {"N2O 5", FieldId::kN2oEnable, 0, 5},
      {"CLUTCH 0 2000 50 0 100", FieldId::kClutchTime, 0, 20},
      {"fan 90 91", FieldId::kFanFan1, 0, 102},  // keywords match exactly
      {"FAN +90", FieldId::kFanFan1, 0, 90},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.Read(std::string("KALVORIN_KEY 84 ") + c.body);
    EXPECT_EQ(f.Get(c.field, c.element), c.stored) << c.body;
  }
}

TEST(ParameterFileReader, OtherLineLayoutsReadTheSame) {
  const std::string golden = testing::DataFile("default_preset2.ign");
  const std::size_t memo = golden.rfind("MEMO");
  ASSERT_NE(memo, std::string::npos);
  // Every run of whitespace becomes a tab, a bare LF, or a single blank, in turn.
  std::string relaid;
  const char* separators[] = {"\t", "\n", " \t \n\n"};
  int k = 0;
  for (std::size_t i = 0; i < memo; ++i) {
    if (golden[i] == ' ' || golden[i] == '\r' || golden[i] == '\n') {
      while (i + 1 < memo &&
             (golden[i + 1] == ' ' || golden[i + 1] == '\r' || golden[i + 1] == '\n'))
        ++i;
      relaid += separators[k++ % 3];
    } else {
      relaid += golden[i];
    }
  }
  relaid += golden.substr(memo);
  Fixture a, b;
  a.Read(golden);
  b.Read(relaid);
  EXPECT_EQ(a.editor.image(), b.editor.image());
}

TEST(ParameterFileReader, SectionsBeforeBikeAreOverwrittenByThePreset) {
  Fixture f;
  f.Read("KALVORIN_KEY 84 FAN 90 91 BIKE 2 RPM 3 5");
  EXPECT_EQ(f.Get(FieldId::kFanFan1), 102);
  EXPECT_EQ(f.Get(FieldId::kExitation), 30);  // preset 2
  EXPECT_EQ(f.Get(FieldId::kRpmPulses), 3);
}

TEST(ParameterFileReader, NonNumberEndsTheSectionAndIsReadAsAKeyword) {
  Fixture f;
  const ReadResult r =
      f.Read("KALVORIN_KEY 84\r\nLIMITER 7500 x 11100\r\nINPUTS 1 1\r\nFAN 90 91\r\n");
  EXPECT_EQ(f.Get(FieldId::kLimiterStart), 75);
  EXPECT_EQ(f.Get(FieldId::kLimiterIgnition), 108);  // default kept
  EXPECT_EQ(f.Get(FieldId::kLimiterInjection), 111);
  EXPECT_EQ(f.Get(FieldId::kInputsPinEngine23), 1);
  EXPECT_EQ(f.Get(FieldId::kFanFan1), 90);  // FAN stopped INPUTS and was taken itself
  EXPECT_EQ(r.incomplete_keywords, (std::vector<std::string>{"LIMITER", "INPUTS"}));
}

TEST(ParameterFileReader, OverlongTokensAreConsumedAndMatchNothing) {
  Fixture f;
  const std::string digits255 = std::string(253, '0') + "91";
  const std::string digits256 = std::string(254, '0') + "92";
  const ReadResult r = f.Read("KALVORIN_KEY 84 " + std::string(5000, 'B') + " FAN " + digits255 +
                              " " + digits256 + " RPM 3 " + std::string(300, '7'));
  EXPECT_EQ(f.Get(FieldId::kFanFan1), 91);
  EXPECT_EQ(f.Get(FieldId::kFanFan2), 104);
  EXPECT_EQ(f.Get(FieldId::kRpmPulses), 3);
  EXPECT_EQ(f.Get(FieldId::kRpmCorrection), 100);
  EXPECT_EQ(r.incomplete_keywords, (std::vector<std::string>{"FAN", "RPM"}));
}

TEST(ParameterFileReader, Version63KeepsDefaultsAndScalesTheClutchTimes) {
  Fixture f;
  // Values the file does not carry must come from the preset, not from what was there.
  for (FieldId id : {FieldId::kWaterTempSensor, FieldId::kIdleServoTarget, FieldId::kTuningLambda,
                     FieldId::kN2oInj1Corr, FieldId::kN2oInj2Corr})
    model::FillStored(f.editor.image(), id, 0x55);
  const ReadResult r = f.Read(testing::DataFile("version63.ign") +
                              "\r\nWATER_TEMP_SENSOR 1 2 3 4 5 6 7 8 9 IDLE 1 2 3");
  EXPECT_EQ(r.version, 63);
  EXPECT_EQ(r.messages, std::vector<TextId>{TextId::MsgOlderFileVersion});
  model::Editor preset2;
  testing::ApplyPresetDefaults(preset2, 2);
  for (FieldId id : {FieldId::kWaterTempSensor, FieldId::kAirTempSensor, FieldId::kIdleMode,
                     FieldId::kIdleServoTarget, FieldId::kIdleAdvTarget, FieldId::kTuningMode,
                     FieldId::kTuningLambda, FieldId::kTuningMaxAcc, FieldId::kN2oInj1Corr,
                     FieldId::kN2oInj2Corr})
    for (int i = 0; i < model::GetField(id).count; ++i)
      EXPECT_EQ(f.Get(id, i), Stored(preset2.image(), id, i)) << model::GetField(id).keyword;
  EXPECT_EQ(f.Get(FieldId::kN2oRetard1), 5);  // nine N2O values, not eleven
  EXPECT_EQ(f.Get(FieldId::kN2oRetard2), 6);
  for (int g = 0; g < 6; ++g) EXPECT_EQ(f.Get(FieldId::kClutchTime, g), 20);
}

TEST(ParameterFileReader, SensorLambdaReportsTheType) {
  Fixture f;
  const ReadResult r = f.Read("KALVORIN_KEY 84 SENSOR_LAMBDA 1 100 120 140 160 180 0 1190");
  EXPECT_EQ(r.lambda_type, 1);
  EXPECT_EQ(f.Get(FieldId::kSensorLambdaVoltage, 1), 1190);
}

TEST(ParameterFileReader, Memo) {
  struct Case {
    std::string tail;
    std::vector<std::string> lines;
  } cases[] = {
      {"MEMO         ", {}},
      {"MEMO         \r\nFirst\r\nSecond", {"First", "Second"}},
      {"MEMO\n\n\n   indented\nbare LF\r\n", {"indented", "bare LF"}},
      {"MEMO " + std::string(200, 'x'), {std::string(149, 'x')}},
      {"MEMO \xE8\xED\x9A FAN 1 2", {"\xE8\xED\x9A FAN 1 2"}},
  };
  for (const Case& c : cases) {
    Fixture f;
    model::SetNoteLines(f.editor.image(), {"old note"});
    f.Read("KALVORIN_KEY 84 FAN 90 91 " + c.tail);
    EXPECT_EQ(model::NoteLines(f.editor.image()), c.lines) << c.tail;
    EXPECT_EQ(f.editor.image().Byte(1349), 0);
    EXPECT_EQ(f.Get(FieldId::kFanFan2), 91);  // the memo's words are no keywords
  }
}

TEST(ParameterFileReader, OpenForActualPageReadsOnlyThatPagesSections) {
  // Keywords per page for "open for actual page".
  const std::vector<std::set<std::string>> groups = {
      {"EXITATION", "INPUTS", "BLOCK_ENABLE", "LIMITER", "FAN", "RPM", "NO_FUEL_IND",
       "LAMBDA_TACHO", "MEMO"},
      {"ADVANCE_MISC", "RPM_ADV", "ADVANCE"},
      {"JET1_MISC", "RPM_JET_1A", "JET_1A"},
      {"RPM_JET_2A", "JET_2A"},
      {"POSITION_A"},
      {"CHOKE", "START_INJ", "INJ_CORR", "ACCEL", "ACC_CORR", "ADVANCE_CORR"},
      {"TPS", "APS", "WATER_TEMP_SENSOR", "AIR_TEMP_SENSOR", "SENSOR_LAMBDA"},
      {"IDLE"},
      {"N2O"},
      {"SPEED_PULSES", "GEAR", "GEAR_AUTO", "GEAR_CORR"},
      {"PILOT_LIGHT", "CLUTCH", "DISPLAY"},
      {"TUNING", "TEST_OUT"},
      {"LAMBDA_BAR"},
  };
  model::ParameterImage file_image;
  testing::FillFieldsRandomly(file_image, 7);
  model::SetStored(file_image, FieldId::kJet1MiscMode, 0);
  const std::string file = WriteParameterFile(file_image, VersionTexts{});
  for (int page = 0; page < static_cast<int>(groups.size()); ++page) {
    Fixture f;
    model::SetStored(f.editor.image(), FieldId::kJet1MiscMode, 0);  // maps not coupled
    f.editor.set_active_page(page);
    const model::ParameterImage before = f.editor.image();
    EXPECT_EQ(f.Read(file, true).version, 84);
    for (const model::Field& field : model::FieldTable()) {
      const bool in_group =
          groups[static_cast<std::size_t>(page)].count(std::string(field.keyword));
      const model::ParameterImage& expected = in_group ? file_image : before;
      for (int i = 0; i < field.count; ++i)
        ASSERT_EQ(f.Get(field.id, i), Stored(expected, field.id, i))
            << "page " << page << " " << field.keyword << "." << field.member << "[" << i << "]";
    }
  }
}

TEST(ParameterFileReader, OpenForActualPageOnCoupledMapsDoesNothing) {
  model::ParameterImage file_image;
  testing::FillFieldsRandomly(file_image, 9);
  const std::string file = WriteParameterFile(file_image, VersionTexts{});
  for (int page : {2, 3}) {
    Fixture f;
    model::SetStored(f.editor.image(), FieldId::kJet1MiscMode, 1);
    f.editor.set_active_page(page);
    EXPECT_FALSE(CanOpenForActivePage(f.editor));
    const model::ParameterImage before = f.editor.image();
    const ReadResult r = f.Read(file, true);
    EXPECT_EQ(r.version, 0);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(f.editor.image(), before);
  }
}

TEST(ParameterFileReader, UnreadableFileIsReported) {
  Fixture f;
  const model::ParameterImage before = f.editor.image();
  const ReadResult r = OpenParameterFile("/nonexistent/dir/x.ign", f.editor, false);
  EXPECT_FALSE(r.opened);
  EXPECT_EQ(r.messages, std::vector<TextId>{TextId::MsgOpenFileError});
  EXPECT_EQ(f.editor.image(), before);
}

}  // namespace
}  // namespace morvek::files
