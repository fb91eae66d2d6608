#include "files/parameter_file_writer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/field_table.h"
#include "test_support.h"

namespace morvek::files {
namespace {

using model::FieldId;

const VersionTexts kVersions{"TORVANE 84 TEST", "15.03.2024", "10:20", "Jul  1 2009", "12:34:56"};

std::string DefaultFile(const std::vector<std::string>& memo) {
  model::Editor editor;
  testing::ApplyPresetDefaults(editor, 2);
  return WriteParameterFile(editor.image(), kVersions, memo);
}

// The golden files are laid out by hand (tests/data/make_golden_files.py).
TEST(ParameterFileWriter, DefaultsOfPresetTwoMatchTheGoldenFileByteForByte) {
  const std::string golden = testing::DataFile("default_preset2.ign");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(DefaultFile({}), golden);
}

TEST(ParameterFileWriter, EmptyMemoEndsWithThePaddedKeyword) {
  const std::string text = DefaultFile({});
  ASSERT_GE(text.size(), 15u);
  EXPECT_EQ(text.substr(text.size() - 15), "\r\nMEMO         ");
}

TEST(ParameterFileWriter, TwoLineMemoGivesA116LineFileWithItsBytesUnchanged) {
  const std::string text = DefaultFile({"First line",
                                        "Druh\xE1 \xF8\xE1"
                                        "dka"});
  EXPECT_EQ(text, testing::DataFile("memo_two_lines.ign"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n') + 1, 116);
  EXPECT_EQ(text.substr(text.size() - 5),
            "\xF8\xE1"
            "dka");
}

TEST(ParameterFileWriter, MemoLinesComeFromTheNoteAreaByDefault) {
  model::Editor editor;
  testing::ApplyPresetDefaults(editor, 2);
  model::SetNoteLines(editor.image(), {"First line",
                                       "Druh\xE1 \xF8\xE1"
                                       "dka"});
  EXPECT_EQ(WriteParameterFile(editor.image(), kVersions), testing::DataFile("memo_two_lines.ign"));
}

TEST(ParameterFileWriter, FlagTextsSignedValuesAndRawCorrections) {
  model::Editor editor;
  testing::ApplyPresetDefaults(editor, 2);
  model::ParameterImage& image = editor.image();
  model::SetStored(image, FieldId::kN2oEnable, 7);
  model::SetStored(image, FieldId::kDisplay, 200);
  model::SetStored(image, FieldId::kRpmCorrection, 40);       // -60
  model::SetStored(image, FieldId::kNoFuelInd, 9);            // carried as stored
  model::SetStored(image, FieldId::kAdvanceMiscCyl1Corr, 0);  // -100
  const std::string text = WriteParameterFile(image, kVersions, {});
  for (const char* line : {"\r\nN2O              1 \r\n", "\r\nDISPLAY          1\r\n",
                           "\r\nRPM              2   -60 \r\n", "\r\nNO_FUEL_IND            9 \r\n",
                           "\r\nADVANCE_MISC     1  -100     0     0 \r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace morvek::files
