#include "i18n/text_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace morvek::i18n {
namespace {

constexpr Language kEn = Language::kEnglish;
constexpr Language kDe = Language::kGerman;
constexpr Language kFr = Language::kFrench;
constexpr Language kCz = Language::kCzech;
constexpr Language kAll[] = {kEn, kDe, kFr, kCz};

// Every named entry with its place in the table, written out as the table numbers them.
struct Place {
  TextId id;
  int number;
};
constexpr Place kPlaces[] = {
    {TextId::TxtTitlePrefix, 0},
    {TextId::HelpFileName, 2},
    {TextId::MsgProgramError, 3},
    {TextId::MsgVerifyError, 4},
    {TextId::MsgReadError, 5},
    {TextId::MsgProgramDevice, 6},
    {TextId::MsgUnmatchedVersion, 7},
    {TextId::MsgVerify, 8},
    {TextId::MsgRead, 9},
    {TextId::TxtAdvance, 10},
    {TextId::TxtProgrammingCount, 11},
    {TextId::TxtBlocking, 12},
    {TextId::TxtStartLimiter, 13},
    {TextId::TxtLimiterByIgnition, 14},
    {TextId::TxtLimiterByInjection, 15},
    {TextId::TxtLimiterByRetard, 16},
    {TextId::TxtYes, 17},
    {TextId::TxtNo, 18},
    {TextId::TxtTwinkle, 19},
    {TextId::MsgComOpeningError, 23},
    {TextId::MsgOpenFileError, 24},
    {TextId::MsgDefaultSetting, 25},
    {TextId::MsgDefaultSettingPage, 26},
    {TextId::MsgOlderFileVersion, 27},
    {TextId::MsgUnmatchedFileVersion, 28},
    {TextId::TxtPrintDate, 30},
    {TextId::MsgHelpOpenError, 31},
    {TextId::TxtPickup, 33},
    {TextId::MsgProgramNotForBike, 37},
    {TextId::TxtBaseAdvance, 38},
    {TextId::MsgSaving, 39},
    {TextId::TxtInjectionTime, 40},
    {TextId::TxtMaxInjection, 41},
    {TextId::TxtPosition, 42},
    {TextId::TxtGear, 46},
    {TextId::TxtSpeed, 47},
    {TextId::TxtGearShiftLight, 48},
    {TextId::TxtCylinderCorrection, 52},
    {TextId::TxtClutchMaster, 57},
    {TextId::TxtTachoLambda, 60},
    {TextId::TxtCoolant, 64},
    {TextId::TxtSwitchStart, 65},
    {TextId::TxtClutch, 66},
    {TextId::TxtNeutral, 67},
    {TextId::TxtSideStand, 68},
    {TextId::TxtOilOk, 69},
    {TextId::TxtLambdaHeat, 70},
    {TextId::TxtFan, 71},
    {TextId::TxtFuel, 72},
    {TextId::TuneMsgRpmZero, 80},
    {TextId::TuneMsgCoupled, 81},
    {TextId::TuneMsgNoTpsNoIap, 82},
    {TextId::TuneMsgOff, 83},
    {TextId::TuneMsgAccelTooBig, 84},
    {TextId::TuneMsgTpsAndIapMap, 85},
    {TextId::TuneMsgNotInPoint, 86},
    {TextId::TuneMsgLambdaVoltage, 87},
    {TextId::TuneMsgRpmLow, 88},
    {TextId::TuneMsgRpmHigh, 89},
    {TextId::TuneMsgLoadLow, 90},
    {TextId::TuneMsgLoadHigh, 91},
    {TextId::TuneMsgAdding, 92},
    {TextId::TuneMsgDecrease, 93},
    {TextId::TuneMsgOk, 94},
};

bool IsNamed(int number) {
  for (const Place& p : kPlaces) {
    if (p.number == number) return true;
  }
  return false;
}

TEST(TextTable, EveryNamedEntryHasTextInEveryLanguageAndOthersCarryNothing) {
  for (const Place& p : kPlaces) {
    EXPECT_EQ(static_cast<int>(p.id), p.number);
    for (Language lang : kAll) {
      EXPECT_FALSE(Text(p.id, lang).empty()) << p.number << " lang " << static_cast<int>(lang);
    }
  }
  for (int number = 0; number < 96; ++number) {
    if (IsNamed(number)) continue;
    for (Language lang : kAll) {
      EXPECT_TRUE(Text(static_cast<TextId>(number), lang).empty()) << number;
    }
  }
}

// The variants the program has always shown, spelled exactly as they stand.
TEST(TextTable, QuotedVariantsAreExact) {
  struct Case {
    TextId id;
    const char* en;
    const char* de;
    const char* fr;
    const char* cz;
  } cases[] = {
      {TextId::TxtTitlePrefix, "  Morvek", "  Morvek", "  Morvek", "  Morvek"},
      {TextId::HelpFileName, "Morvek_en.pdf", "Morvek_de.pdf", "Morvek_fr.pdf", "Morvek_cz.pdf"},
      {TextId::MsgProgramError, "Program error!", "Programmierfehler!", "Erreur de programmation!",
       "Chyba programování"},
      {TextId::MsgUnmatchedVersion, "Unmatched version of PC and Ignition programs!",
       "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
       "Programme du boitier d´alumage non compatible avec programme PC!",
       "Neshodné verze proramu v PC a v zapalování!"},
      {TextId::TxtYes, "YES", "JA", "Oui", "ANO"},
      {TextId::TxtNo, "NO", "NEIN", "Non", "NE"},
      {TextId::TxtTwinkle, "Twinkle", "Blinken", "Clignote", "Bliká"},
      {TextId::MsgComOpeningError, "Com opening error!", "Falscher COM-Anschlußes!",
       "Erreur connections PC!", "Chyba při otevírání portu Com!"},
      {TextId::MsgOpenFileError, "Open file error!", "Fehler beim öffnen der Datei!",
       "Erreur ouvertur fichier!", "Chyba při otevírání souboru!"},
      {TextId::MsgDefaultSetting, "Do you want default setting?",
       "Wollen Sie Standardeinstellungen öffnen?", "Voulez vous la programation de base?",
       "Chcete nastavit základní hodnoty?"},
      {TextId::MsgDefaultSettingPage, "Do you want default setting for this page?",
       "Wollen Sie Standardeinstellungen für diese Seite öffnen?",
       "Voulez vous la programation de base pour page?",
       "Chcete nastavit základní hodnoty pro tuto záložku?"},
      {TextId::MsgUnmatchedFileVersion, "Unmatched version of *.ign file!",
       "Datendatei *.ign ist nicht kompatiebel!",
       "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"},
      {TextId::MsgHelpOpenError, "Error by opening file Morvek_en.pdf !",
       "Error by opening file Morvek_de.pdf !", "Error by opening file Morvek_fr.pdf !",
       "Error by opening file Morvek_cz.pdf !"},
      {TextId::TuneMsgRpmZero, "T: rpm=0", "E: rpm=0", "T: rpm=0", "L: rpm=0"},
      {TextId::TxtAdvance, "Advance", "Vorzündung", nullptr, nullptr},
      {TextId::TxtPosition, "Position", "Lage", nullptr, nullptr},
      {TextId::TuneMsgLoadLow, "T: TPS or IAP to low (before first point)", nullptr, nullptr,
       "malé TPS nebo IAP - před prvním bodem"},
  };
  for (const Case& c : cases) {
    const char* want[] = {c.en, c.de, c.fr, c.cz};
    for (int l = 0; l < 4; ++l) {
      if (want[l] == nullptr) continue;
      EXPECT_EQ(Text(c.id, kAll[l]), want[l]) << static_cast<int>(c.id) << " lang " << l;
    }
  }
}

TEST(TextTable, EnglishTextsAsTheProgramShowsThem) {
  struct Case {
    TextId id;
    const char* en;
  } cases[] = {
      {TextId::MsgVerifyError, "Verify error!"},
      {TextId::MsgReadError, "Read error!"},
      {TextId::MsgProgramDevice, "Program device:"},
      {TextId::MsgVerify, "Verify:"},
      {TextId::MsgRead, "Read:"},
      {TextId::TxtProgrammingCount, "Number of Programing = "},
      {TextId::TxtBlocking, "Blocking "},
      {TextId::TxtStartLimiter, "Start limiter"},
      {TextId::TxtLimiterByIgnition, "Limiter by ignition"},
      {TextId::TxtLimiterByInjection, "Limiter by injection"},
      {TextId::TxtLimiterByRetard, "Limiter by retard"},
      {TextId::TxtPrintDate, "Date and time of printing:  "},
      {TextId::TxtPickup, "Pick-up (CMPS)"},
      {TextId::MsgProgramNotForBike,
       "This version of program Torvane_Quarvello.exe is not for required bike!"},
      {TextId::TxtBaseAdvance, "Base advance [°]"},
      {TextId::MsgSaving, "Saving:"},
      {TextId::TxtInjectionTime, "Injection time"},
      {TextId::TxtMaxInjection, "Max injection"},
      {TextId::TxtGear, "Gear"},
      {TextId::TxtSpeed, "Speed"},
      {TextId::TxtGearShiftLight, "Gear Shift Light"},
      {TextId::TxtCylinderCorrection, "Correction for cylinder 1,2"},
      {TextId::TxtClutchMaster, "Clutch master"},
      {TextId::TxtTachoLambda, "Tacho/Lambda"},
      {TextId::TxtCoolant, "Coolant"},
      {TextId::TxtSwitchStart, "Switch start"},
      {TextId::TxtClutch, "Clutch"},
      {TextId::TxtNeutral, "Idle"},
      {TextId::TxtSideStand, "Side stand"},
      {TextId::TxtOilOk, "Oil OK"},
      {TextId::TxtLambdaHeat, "Lambda heat"},
      {TextId::TxtFan, "Fan"},
      {TextId::TxtFuel, "Fuel"},
      {TextId::TuneMsgCoupled, "T: Coupled"},
      {TextId::TuneMsgNoTpsNoIap, "T: no TPS, no IAP"},
      {TextId::TuneMsgOff, "T: Tunning is off"},
      {TextId::TuneMsgAccelTooBig, "T: Accelarition to big"},
      {TextId::TuneMsgTpsAndIapMap, "T: Jet from TPS and IAP map"},
      {TextId::TuneMsgNotInPoint, "T: It is not in point"},
      {TextId::TuneMsgLambdaVoltage, "T: Lambda voltage error"},
      {TextId::TuneMsgRpmLow, "T: RPM to low (before first point)"},
      {TextId::TuneMsgRpmHigh, "T: RPM high (after last point)"},
      {TextId::TuneMsgLoadHigh, "T: TPS or IAP high ((hinter letzte Punkt)"},
      {TextId::TuneMsgAdding, "T: Adding"},
      {TextId::TuneMsgDecrease, "T: Decrease"},
      {TextId::TuneMsgOk, "T: OK"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(c.id, kEn), c.en) << static_cast<int>(c.id);
}

TEST(TextTable, OlderFileVersionIsFourLinesWithAnEmptySecondLine) {
  EXPECT_EQ(Text(TextId::MsgOlderFileVersion, kEn),
            "Older version of *.ign file!\n\nSome parameters won't be changed or will be set to "
            "default value.\nThey are parameters which are not in older version or have another "
            "structure.");
  EXPECT_EQ(Text(TextId::MsgOlderFileVersion, kDe),
            "Älter Version von Datendatei *.ign!\n\nEinige Kenndaten werden nicht geändert oder "
            "werden implizit Wert gestellt.\nSie sind die Kenndaten, die in älter Version nicht "
            "sind oder andere Struktur haben");
  // French has its own four lines, the second one empty as in the others.
  const std::string_view fr = Text(TextId::MsgOlderFileVersion, kFr);
  EXPECT_EQ(std::count(fr.begin(), fr.end(), '\n'), 3);
  EXPECT_TRUE(fr.starts_with("Ancienne version du fichier *.ign!\n\n")) << fr;
  EXPECT_EQ(Text(TextId::MsgOlderFileVersion, kCz),
            "Starší verze souboru *.ign!\n\nNěkteré parametry budou nezměněny nebo nataveny na "
            "základní hodnotu.\nJsou to parametry, které v této verzi nebyly obsaženy nebo měly "
            "jinou strukturu.");
}

TEST(TextTable, TuningStatusTextsCarryTheLanguageMark) {
  const std::string_view marks[] = {"T: ", "E: ", "T: ", "L: "};
  for (int number = 80; number <= 94; ++number) {
    for (int l = 0; l < 4; ++l) {
      const std::string_view text = Text(static_cast<TextId>(number), kAll[l]);
      const bool unmarked = number == 90 && kAll[l] == kCz;
      EXPECT_EQ(text.substr(0, 3) == marks[l], !unmarked) << number << " lang " << l;
      if (!unmarked) {
        EXPECT_GT(text.size(), 3u) << number;
      }
    }
  }
}

TEST(TextTable, HelpErrorNamesTheManualOfItsLanguage) {
  for (Language lang : kAll) {
    const std::string want =
        "Error by opening file " + std::string(Text(TextId::HelpFileName, lang)) + " !";
    EXPECT_EQ(Text(TextId::MsgHelpOpenError, lang), want);
  }
}

TEST(TextTable, OutOfRangeLookupsGiveNothing) {
  EXPECT_TRUE(Text(static_cast<TextId>(96), kEn).empty());
  EXPECT_TRUE(Text(static_cast<TextId>(255), kEn).empty());
  EXPECT_TRUE(Text(TextId::TxtYes, static_cast<Language>(4)).empty());
}

TEST(TextTable, TableFollowsTheLanguageAndKeepsTheFileName) {
  TextTable table;
  EXPECT_EQ(table.language(), kEn);
  table.SetCurrentFileName("C:\\bikes\\race.ign");
  EXPECT_EQ(table.Get(TextId::TxtYes), "YES");
  EXPECT_EQ(table.WindowTitle(), "  Morvek       C:\\bikes\\race.ign");
  table.SetLanguage(kCz);
  EXPECT_EQ(table.Get(TextId::TxtYes), "ANO");
  EXPECT_EQ(table.Entry(17), "ANO");
  EXPECT_EQ(table.Entry(1), "C:\\bikes\\race.ign");
  EXPECT_EQ(table.Entry(20), "");
  EXPECT_EQ(table.Entry(96), "");
  EXPECT_EQ(table.Entry(-1), "");
  EXPECT_EQ(table.WindowTitle(), "  Morvek       C:\\bikes\\race.ign");
}

TEST(Language, CommandWordsAndSettingNumbers) {
  EXPECT_EQ(LanguageFromCommandWord("ENGLISH"), kEn);
  EXPECT_EQ(LanguageFromCommandWord("DEUTSCH"), kDe);
  EXPECT_EQ(LanguageFromCommandWord("FRENCH"), kFr);
  EXPECT_EQ(LanguageFromCommandWord("CESKY"), kCz);
  EXPECT_EQ(LanguageFromCommandWord("cesky"), std::nullopt);
  EXPECT_EQ(LanguageFromCommandWord("GERMAN"), std::nullopt);
  EXPECT_EQ(LanguageFromCommandWord(""), std::nullopt);
  EXPECT_EQ(LanguageFromIndex(0), kEn);
  EXPECT_EQ(LanguageFromIndex(3), kCz);
  EXPECT_EQ(LanguageFromIndex(4), std::nullopt);
  EXPECT_EQ(LanguageFromIndex(-1), std::nullopt);
}

}  // namespace
}  // namespace morvek::i18n
