#include "files/file_findings.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "files/parameter_file_reader.h"
#include "files/parameter_file_writer.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "model/limits_pass.h"
#include "test_support.h"

namespace morvek::files {
namespace {

using K = FindingKind;
using model::FieldId;

// The writer's own file of preset 2, with keyword lines replaced: `edits` pairs a keyword
// with the text that replaces its whole line (an empty text removes the line).
std::string Edited(const std::vector<std::pair<std::string, std::string>>& edits) {
  std::string text = testing::DataFile("default_preset2.ign");
  for (const auto& [keyword, line] : edits)
    text = std::regex_replace(text, std::regex("(^|\n)" + keyword + " [^\r]*\r\n"),
                              line.empty() ? "$1" : "$1" + line + "\r\n");
  return text;
}

// What the command-line check and the window's Open report: read as a full open from the
// start-up defaults, then the limits pass.
std::vector<FileFinding> Findings(const std::string& text) {
  model::Editor editor;
  testing::ApplyPresetDefaults(editor, 0);
  const ReadResult read = ReadParameterFile(text, editor, false);
  editor.ApplyLimits();
  return FileFindings(read, editor.image());
}

TEST(FileFindings, EachProblemIsNamedWithWhatWasWrittenAndWhatIsUsed) {
  struct Case {
    std::string name;
    std::string text;
    std::vector<FileFinding> expected;
  };
  const std::string whole = testing::DataFile("default_preset2.ign");
  const std::string no_memo = whole.substr(0, whole.rfind("MEMO"));
  const Case cases[] = {
      {"the writer's file", whole, {}},
      {"signed values written negative", Edited({{"RPM", "RPM 3 -20"}}), {}},
      {"shown range, limits pass leaves it",
       Edited({{"LIMITER", "LIMITER 100 10800 11100 11100 20"}}),
       {{K::kOutsideRange, "LIMITER.start", "100", "100", "900..25000"}}},
      {"preset number",
       Edited({{"BIKE", "BIKE 200"}}),
       {{K::kOutsideRange, "BIKE", "200", "200", "0..7"}}},
      {"flag written as 6",
       Edited({{"N2O", "N2O 6"}}),
       {{K::kOutsideRange, "N2O.enable", "6", "6", "0..1"}}},
      {"negative rpm taken modulo 65536",
       Edited({{"RPM_ADV",
                "RPM_ADV -5 2000 3000 4000 5000 5500 6000 6500 7000 7500 8000 9000 10000 "
                "11000 12000"}}),
       {{K::kBeyondField, "RPM_ADV[0]", "-5", "14300"}}},
      {"below the offset, cut to a byte",
       Edited({{"TPS", "TPS 340 2000"}}),
       {{K::kBeyondField, "TPS.voltage100", "2000", "4560"}}},
      {"word beyond 65535",
       Edited({{"APS", "APS 55 70000 105 4744"}}),
       {{K::kBeyondField, "APS.voltage1", "70000", "4464"}}},
      {"section ended by a word",
       Edited({{"LIMITER", "LIMITER 7200 x 11100"}}),
       {{K::kNotANumber, "LIMITER.ignition", "x", "10800", "", 4},
        {K::kIgnoredText, "LIMITER", "11100", "", "", 1}}},
      {"section ended by the end of the file",
       no_memo + "FAN 90",
       {{K::kNotANumber, "FAN.fan2", "", "104", "", 1},
        {K::kMissingSection, "MEMO"},
        {K::kSectionTwice, "FAN", "", "", "", 2}}},
      {"missing sections",
       Edited({{"FAN", ""}, {"RPM_JET_2A", ""}}),
       {{K::kMissingSection, "FAN"}, {K::kMissingSection, "RPM_JET_2A"}}},
      {"no memo", no_memo, {{K::kMissingSection, "MEMO"}}},
      {"words after the last section",
       Edited({{"LAMBDA_BAR", "LAMBDA_BAR 100 120 140 180 190 and more"}}),
       {{K::kIgnoredText, "LAMBDA_BAR", "190", "", "", 3}}},
      {"sections before BIKE",
       Edited({{"BIKE", ""}, {"FAN", "FAN 90 91\r\nBIKE 2"}}),
       {{K::kBeforeBike, "EXITATION"},
        {K::kBeforeBike, "APS"},
        {K::kBeforeBike, "WATER_TEMP_SENSOR"},
        {K::kBeforeBike, "AIR_TEMP_SENSOR"},
        {K::kBeforeBike, "SENSOR_LAMBDA"},
        {K::kBeforeBike, "LAMBDA_TACHO"},
        {K::kBeforeBike, "INPUTS"},
        {K::kBeforeBike, "BLOCK_ENABLE"},
        {K::kBeforeBike, "LIMITER"},
        {K::kBeforeBike, "TPS"},
        {K::kBeforeBike, "FAN"}}},
      {"a section given twice, the later values win",
       Edited({{"FAN", "FAN 90 91\r\nFAN 102 104"}}),
       {{K::kSectionTwice, "FAN", "", "", "", 2}}},
      {"three times, and another twice, named in the order they first stand",
       Edited({{"TPS", "TPS 340 4730\r\nFAN 90 91\r\nTPS 340 4730\r\nTPS 340 4730"}}),
       {{K::kSectionTwice, "TPS", "", "", "", 3}, {K::kSectionTwice, "FAN", "", "", "", 2}}},
  };
  for (const Case& c : cases) EXPECT_EQ(Findings(c.text), c.expected) << c.name;
}

// The program's own files never warn: a warning on every file would teach users to ignore it.
TEST(FileFindings, EveryPresetsOwnFileIsClean) {
  for (int preset = 0; preset < 8; ++preset) {
    model::Editor editor;
    testing::ApplyPresetDefaults(editor, preset);
    const std::string text =
        WriteParameterFile(editor.image(), VersionTexts{"-", "-", "-", "-", "-"});
    EXPECT_EQ(Findings(text), std::vector<FileFinding>{}) << preset;
    EXPECT_EQ(UncarriedValues(editor.image()), std::vector<FileFinding>{}) << preset;
  }
}

TEST(FileFindings, OnlyMissingSectionsAndUnreadableNumbersMakeAFileIncomplete) {
  EXPECT_FALSE(IsIncomplete(Findings(Edited({{"BIKE", "BIKE 200"}, {"TPS", "TPS 340 2000"}}))));
  EXPECT_TRUE(IsIncomplete(Findings(Edited({{"FAN", ""}}))));
  EXPECT_TRUE(IsIncomplete(Findings(Edited({{"RPM", "RPM 3 x"}}))));
  // A version-63 file has no IDLE section by its nature: nothing is missing.
  const std::string v63 = Edited({{"KALVORIN_KEY", "KALVORIN_KEY 63"},
                                  {"WATER_TEMP_SENSOR", ""},
                                  {"AIR_TEMP_SENSOR", ""},
                                  {"IDLE", ""},
                                  {"TUNING", ""}});
  for (const FileFinding& f : Findings(v63)) EXPECT_NE(f.kind, K::kMissingSection) << f.where;
}

TEST(FileFindings, ValuesTheFileCannotCarryAreListed) {
  model::Editor editor;
  testing::ApplyPresetDefaults(editor, 2);
  EXPECT_EQ(UncarriedValues(editor.image()), std::vector<FileFinding>{});

  model::ParameterImage image = editor.image();
  model::SetStored(image, FieldId::kN2oEnable, 6);
  model::SetStored(image, FieldId::kDisplay, 255);
  const int preset_byte46 = image.Byte(46);  // no keyword carries byte 46
  image.SetByte(46, static_cast<std::uint8_t>(preset_byte46 ^ 0x5A));
  const std::vector<FileFinding> expected{
      {K::kNotCarried, "N2O.enable", "6", "1"},
      {K::kNotCarried, "DISPLAY", "255", "1"},
      {K::kNotCarried, "byte 46", std::to_string(preset_byte46 ^ 0x5A),
       std::to_string(preset_byte46)},
  };
  EXPECT_EQ(UncarriedValues(image), expected);
}

TEST(FileFindings, LinesInEveryLanguageCarryTheirValues) {
  const std::vector<FileFinding> all{
      {K::kNotANumber, "FAN.fan2", "", "104", "", 1},
      {K::kBeyondField, "RPM_ADV[0]", "-5", "14300"},
      {K::kOutsideRange, "LIMITER.start", "100", "100", "900..25000"},
      {K::kMissingSection, "IDLE"},
      {K::kBeforeBike, "FAN"},
      {K::kIgnoredText, "LAMBDA_BAR", "190", "", "", 3},
      {K::kNotCarried, "N2O.enable", "6", "1"},
      {K::kSectionTwice, "FAN", "", "", "", 2},
  };
  for (i18n::Language language : {i18n::Language::kEnglish, i18n::Language::kGerman,
                                  i18n::Language::kFrench, i18n::Language::kCzech}) {
    for (const FileFinding& f : all) {
      const std::string line = FormatFinding(f, language);
      EXPECT_EQ(line.find('%'), std::string::npos) << line;
      EXPECT_NE(line.find(f.where), std::string::npos) << line;
      if (!f.written.empty()) {
        EXPECT_NE(line.find(f.written), std::string::npos) << line;
      }
      if (!f.used.empty()) {
        EXPECT_NE(line.find(f.used), std::string::npos) << line;
      }
    }
  }
  EXPECT_EQ(FormatFindings(std::vector<FileFinding>(all.begin(), all.begin() + 3),
                           i18n::Language::kEnglish),
            "The file is not a complete tune as written:\n"
            "FAN.fan2: the file ends here; 104 is used (values of the section not read: 1)\n"
            "RPM_ADV[0]: -5 does not fit the value; 14300 is used\n"
            "LIMITER.start: 100 is outside 900..25000; kept as 100");
  EXPECT_EQ(FormatFinding(all.back(), i18n::Language::kEnglish),
            "FAN: the section stands 2 times in the file; each later one replaces the values "
            "before it");
}

TEST(FileFindings, LimitsChangesNameEachCorrectedValueAsTheFileWritesIt) {
  model::Editor editor;
  testing::ApplyPresetDefaults(editor, 2);
  const model::ParameterImage clean = editor.image();
  EXPECT_EQ(LimitsChanges(clean, clean), std::vector<LimitsChange>{});
  model::ParameterImage read = clean;
  model::SetStored(read, FieldId::kStartInj, 60);
  model::SetStored(read, FieldId::kRpmAdv, 1, 10);  // stored as rpm / 100
  model::ParameterImage limited = read;
  model::ApplyLimits(limited);
  const std::vector<LimitsChange> expected{
      {"RPM_ADV[1]", "1000", "1100"},
      {"START_INJ", "60", "50"},
  };
  EXPECT_EQ(LimitsChanges(read, limited), expected);
  EXPECT_EQ(FormatLimitsChange(expected[0]), "RPM_ADV[1]: 1000 -> 1100");
}

}  // namespace
}  // namespace morvek::files
