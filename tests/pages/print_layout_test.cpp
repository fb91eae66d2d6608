#include "pages/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace morvek::pages {
namespace {

using i18n::Language;

TEST(PrintStamp, TranslatedTextDateFourBlanksTime) {
  struct Case {
    Language language;
    const char* expected;
  };
  const Case cases[] = {
      {Language::kEnglish, "Date and time of printing:  09.12.2026    14:30:05 CET"},
      {Language::kGerman, "Datum und Uhrzeit des Drucks:  09.12.2026    14:30:05 CET"},
      {Language::kFrench, "Date et heure d'impression:  09.12.2026    14:30:05 CET"},
      {Language::kCzech, "Datum a čas tisku:  09.12.2026    14:30:05 CET"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PrintStamp(c.language, "09.12.2026", "14:30:05 CET"), c.expected);
}

TEST(PrintHiddenControls, EveryEditingAidOnceAndNothingThatCarriesTheStamp) {
  const auto& names = PrintHiddenControls();
  const std::set<std::string> unique(names.begin(), names.end());
  EXPECT_EQ(unique.size(), names.size());
  // The ends of every array: the whole 15 x 10 grid, both 5-point temperature columns, the
  // after-start times 1..4 and corrections 0..3.
  for (const char* name : {"StatusBar1",          "GroupBoxToolBar",
                           "LabelSpojeni",        "CheckBoxExtMonitor",
                           "LabelLambdaRed",      "CGaugeVoda",
                           "UpDownRpm_Uni_0",     "UpDownRpm_Uni_14",
                           "UpDown_Uni_0_0",      "UpDown_Uni_9_14",
                           "CSpinButton_Uni_14",  "CSpinButtonTools_Uni",
                           "CheckBoxAll_Uni",     "UpDownAdvanceMisc_Uni_2",
                           "CheckBoxZobrMs_Uni",  "SelectionOverlay",
                           "SelectionPrompt",     "UpDownRpm_PolohaA_14",
                           "UpDownPolohaA_14",    "CSpinButtonPolohaA",
                           "CheckBoxAll_PolohaA", "UpDownKorVoda_4",
                           "UpDownKorVzduch_4",   "UpDownSyticCas1",
                           "UpDownSyticCas4",     "UpDownSyticKorekce0",
                           "UpDownSyticKorekce3", "ButtonTps100",
                           "UpDownFan2",          "UpDownGasT",
                           "UpDownRetardT"})
    EXPECT_EQ(unique.count(name), 1u) << name;
  // The stamp's label, the "TPS" setting, the values' edit boxes and arrays' ends beyond their
  // sizes stay.
  for (const char* name :
       {"LabelHlaseni", "CheckBoxTps_Uni", "Edit_Uni_0_0", "UpDown_Uni_10_0", "UpDownRpm_Uni_15",
        "UpDownKorVoda_5", "UpDownSyticCas0", "UpDownSyticKorekce4", "CGaugeProgram", "CGaugeDuty"})
    EXPECT_EQ(unique.count(name), 0u) << name;
  EXPECT_EQ(names.size(), 11u + 15 + 150 + 15 + 3 + 2 + 3 + 15 + 15 + 2 + 5 + 5 + 3 + 4 + 4 + 14);
}

}  // namespace
}  // namespace morvek::pages
