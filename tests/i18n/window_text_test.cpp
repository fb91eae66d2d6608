#include "i18n/window_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/about_text.h"
#include "i18n/text_table.h"

namespace morvek::i18n {
namespace {

constexpr Language kEn = Language::kEnglish;
constexpr Language kDe = Language::kGerman;
constexpr Language kFr = Language::kFrench;
constexpr Language kCz = Language::kCzech;
constexpr Language kAll[] = {kEn, kDe, kFr, kCz};

struct KeyText {
  const char* key;
  const char* text;
};

// The English texts the window has always shown.
// 108
constexpr KeyText kEnglishControlCaptions[] = {
    {"TabSheet_Ladeni", "Tuning"},
    {"GroupBoxKorVodaVzduch", "Temperature Corrections of injection [%]"},
    {"ButtonRead", "&Read"},
    {"GroupBoxIgnVoda", "Temperature Corrections of advance [°]"},
    {"ButtonVerify", "&Verify"},
    {"GroupBoxStartJet", "Start Injection"},
    {"ButtonProgram", "&Program"},
    {"LabelVoda2", "Coolant"},
    {"TabSheet_Poloha", "Position"},
    {"LabelVoda3", "Coolant"},
    {"CheckBoxAll_PolohaA", "All"},
    {"LabelVzduch2", "Inlet Air"},
    {"CheckBoxAll_Uni", "All"},
    {"TabSheet_Korekce", "Corrections"},
    {"TabSheet_Bike", "Bike"},
    {"GroupBoxSytic", "Starting Corrections [%]"},
    {"GroupBoxBike", "Motorbike Type"},
    {"LabelSyticCas", "Time [s]"},
    {"LabelMemo", "Memo sheet:"},
    {"LabelSyticKorekce", "Corrections for -10°C [%]"},
    {"CheckBoxBlokEnable", "Blocking enable"},
    {"TabSheet_Advance", "Advance"},
    {"GroupBoxOmez", "Limiters"},
    {"TabSheet_Inj1A", "Inj. 1"},
    {"LabelStartLimiter", "Start limiter [rpm]"},
    {"TabSheet_Inj2A", "Inj. 2"},
    {"CheckBoxAktStartLimiter", "Start limiter"},
    {"RadioGroupClutchMode", "Clutch mode"},
    {"LabelIgnLimiter", "Ignition Limiter [rpm]"},
    {"LabelClutchMinRpm", "Min Rpm for Clutch"},
    {"LabelRetardLimiterRpm", "Retard Limiter [rpm]"},
    {"LabelClutchJet", "Clutch Inj. [%]"},
    {"LabelRetardLimiterAdv", "Retard [°/100rpm]"},
    {"TabSheet_Idle", "Idle"},
    {"LabelJetLimiter", "Injection Limiter [rpm]"},
    {"TabSheet_Gas", "N2O"},
    {"RadioGroupPinEngine23", "Funktion of pin Engine 23"},
    {"CheckBoxGas", "N2O enabled"},
    {"RadioGroupPinEngine14", "Funktion of pin Engine 14"},
    {"GroupBoxGas", "N2O"},
    {"RadioGroupPinBody11", "Funktion of pin Body 11"},
    {"LabelGas1", "N2O initial [%]"},
    {"LabelPilotLight", "Gear Shift Light [rpm]"},
    {"LabelGas2", "N2O final [%]"},
    {"LabelClutchTime", "Clutch master time [ms]"},
    {"LabelGasD", "Delay [ms]"},
    {"LabelClutchPause", "Clutch master pause [ms]"},
    {"LabelRetardD", "Delay [ms]"},
    {"CheckBoxProgHned", "Programming after change"},
    {"LabelGasT", "Build up time [ms]"},
    {"CheckBoxExtMonitor", "Detailed representation"},
    {"LabelRetardT", "Build up time [ms]"},
    {"GroupBoxActivation", "Activation by Switch on"},
    {"LabelGasJetKor1", "Correction Inj. initial [%]"},
    {"GroupBoxLambdaBar", "Setting of Lambda bar graph"},
    {"LabelGasJetKor2", "Correction Inj. final [%]"},
    {"LabelLambdaBar0", "Beginning"},
    {"GroupBoxRetard", "Retard"},
    {"LabelLambdaBar3", "Ending"},
    {"LabelRetard1", "Retard initial [°]"},
    {"GroupBoxDisplay", "Display on Bike"},
    {"LabelRetard2", "Retard final [°]"},
    {"CheckBoxTempDisplay", "Temperature instead of speed"},
    {"LabelEeDataErr", "Programmed data error!"},
    {"LabelRpmPulsu", "Pulses per revolution"},
    {"GroupBoxMonInput", "Input to ground"},
    {"LabelRpmKorekce", "Correction"},
    {"TabSheet_Gear", "Gear"},
    {"TabSheet_Cidla", "Sensors"},
    {"LabelIdleStepPerioda", "Step motor period [ms]"},
    {"GroupApsSensor", "Pressure sensor - AP"},
    {"LabelIdleStepPuls", "Step motor excitation[us]"},
    {"LabelApsTlak1", "Pressure 1 [kPa]"},
    {"LabelIdleAdvNaRpm", "Advance control[°/1000rpm]"},
    {"LabelApsTlak2", "Pressure 2 [kPa]"},
    {"LabelIdleAdvNaCas", "Regulace advance [°/10s]"},
    {"LabelApsNapeti1", "Voltage 1 [mV]"},
    {"LabelIdleMaxAdv", "Maximal advance [°]"},
    {"LabelApsNapeti2", "Voltage 2 [mV]"},
    {"LabelIdleRpmMez", "Control Range [rpm]"},
    {"GroupBoxCidloTVodaVzduch", "Characteristic of temperature sensors [mV]"},
    {"RadioGroupIdleMode", "Idle control"},
    {"LabelVoda1", "Water"},
    {"GroupBoxPulsuProSpeed", "Setting of speedometer"},
    {"LabelVzduch1", "Air"},
    {"LabelLadeniCaution", "Caution - For experienced user only!"},
    {"GroupBoxAccK", "Acceleration inj. correction"},
    {"GroupBoxLadeni", "Tunning"},
    {"LabelAccKPlus", "Sensitivity + [%/100%]"},
    {"CheckBoxLadeniPovoleno", "Tunning on"},
    {"LabelAccKMinus", "Sensitivity - [%/100%]"},
    {"RadioGroupLadeniMode", "Tunning mode"},
    {"LabelAccT0", "Time constant by TPS 0% [10ms]"},
    {"LabelLadeniRpm", "Rpm tolerance"},
    {"LabelAccT100", "Time constant TPS 100% [10ms]"},
    {"LabelLadeniTps", "Tps, Iap tolerance"},
    {"GroupBoxPolohaA", "Position of Injection A"},
    {"LabelLadeniLambda", "A/F [x10]"},
    {"RadioGroupPolohaA", "Position of:"},
    {"LabelLadeniHyster", "A/F tolerance [x10]"},
    {"GroupBoxAkcel", "Acceleration Injection"},
    {"LabelLadeniCas", "Step time [ms]"},
    {"LabelAkcelPrah", "Threshold [%/s]"},
    {"LabelLadeniKrok", "Step [%]"},
    {"LabelAkcelJet", "Size [us]"},
    {"LabelLadeniKanal", "Channel"},
    {"GroupBoxChlazeni", "Cooling"},
    {"LabelMaxAcc", "Max Acc Kor. [%]"},
};
// 29
constexpr KeyText kEnglishMenuCaptions[] = {
    {"MenuFile", "&File"},
    {"Menu_Jet123Normal", "Separate"},
    {"MenuNew", "&New"},
    {"Menu_Jet123Coupled", "Coupled"},
    {"MenuNewActPage", "New for actual page"},
    {"Menu_Jet123Mode", "Jet 12"},
    {"MenuOpen", "&Open"},
    {"MenuTools", "Tools"},
    {"MenuOpenExeDir", "Open from exe dir"},
    {"MenuLanguage", "&Language"},
    {"MenuOpenActPage", "Open for actual page"},
    {"MenuEnglish", "&English"},
    {"MenuSave", "&Save"},
    {"MenuGerman", "&German"},
    {"MenuSaveExeDir", "Save to exe dir"},
    {"MenuFrench", "&French"},
    {"MenuPrint", "&Print"},
    {"MenuCzech", "&Czech"},
    {"MenuExit", "E&xit"},
    {"MenuHelp", "&Help"},
    {"MenuCom", "&Com"},
    {"MenuContens", "&Contents..."},
    {"MenuDevice", "&Ignition"},
    {"MenuAbout", "&About..."},
    {"MenuRead", "&Read"},
    {"MenuZpet", "Undo"},
    {"MenuVerify", "&Verify"},
    {"MenuZnovu", "Redo"},
    {"MenuProgram", "&Program"},
};
// 20
constexpr KeyText kEnglishHints[] = {
    {"LabelVerze1", "Version of program in ignition"},
    {"MenuPrint", "Print parametrs"},
    {"LabelVerze2", "Date of program in ignition"},
    {"ButtonProgram", "Programing  set parametrs to ignition"},
    {"LabelVerze3", "Time of program in ignition"},
    {"MenuProgram", "Programing  set parametrs to ignition"},
    {"SpeedButtonOpen", "Open file with parametrs"},
    {"ButtonVerify", "Compare set parametrs  with parametrs of ignition"},
    {"MenuOpen", "Open file with parametrs"},
    {"MenuVerify", "Compare set parametrs  with parametrs of ignition"},
    {"SpeedButton6", "Set default parametrs"},
    {"MenuRead", "Reading parametrs from ignition"},
    {"MenuNew", "Set default parametrs"},
    {"MenuExit", "End of program"},
    {"SpeedButtonSave", "Save parametrs to file"},
    {"CheckBoxProgHned", "Programing at once after change"},
    {"MenuSave", "Save parametrs to file"},
    {"GroupBoxActivation", "Checked items means activation by closing to ground"},
    {"SpeedButtonPrint", "Print parametrs"},
    {"MenuCom", "Set number of com"},
};

// Tool bar hints: the tool tip text before "|".
constexpr KeyText kEnglishToolBarShortHints[] = {
    {"SpeedButtonOpen", "Open"},   {"SpeedButton6", "New"},         {"SpeedButtonSave", "Save"},
    {"SpeedButtonPrint", "Print"}, {"ButtonProgram", "Programing"}, {"ButtonVerify", "Verify"},
    {"ButtonRead", "Read"},
};

std::set<std::string> KeySet(std::span<const std::string_view> keys) {
  return {keys.begin(), keys.end()};
}

template <std::size_t N>
std::set<std::string> KeySet(const KeyText (&table)[N]) {
  std::set<std::string> keys;
  for (const KeyText& k : table) keys.insert(k.key);
  return keys;
}

TEST(WindowText, EnglishCaptionsAndHintsAsDesigned) {
  for (const KeyText& k : kEnglishControlCaptions) EXPECT_EQ(Caption(k.key, kEn), k.text) << k.key;
  for (const KeyText& k : kEnglishMenuCaptions) EXPECT_EQ(Caption(k.key, kEn), k.text) << k.key;
  // The status bar shows the long part; plain hints are their own long part.
  for (const KeyText& k : kEnglishHints) EXPECT_EQ(LongHint(Hint(k.key, kEn)), k.text) << k.key;
  for (const KeyText& k : kEnglishToolBarShortHints) {
    EXPECT_EQ(ShortHint(Hint(k.key, kEn)), k.text) << k.key;
  }
  EXPECT_EQ(Hint("ButtonRead", kEn), "Read|Reading parametrs from ignition");
}

// Every control of the main tables has its caption; the pages' own controls, the Tools menu and
// the About window's contact lines come on top of them.
bool Includes(const std::set<std::string>& all, const std::set<std::string>& part) {
  return std::includes(all.begin(), all.end(), part.begin(), part.end());
}

TEST(WindowText, EveryNamedControlIsListedOnce) {
  const std::set<std::string> controls = KeySet(CaptionKeys(CaptionGroup::kControl));
  EXPECT_TRUE(Includes(controls, KeySet(kEnglishControlCaptions)));
  EXPECT_TRUE(controls.contains("GroupBoxMonAutoGear"));
  EXPECT_TRUE(controls.contains("MenuLadeniOn"));
  EXPECT_EQ(KeySet(CaptionKeys(CaptionGroup::kMenu)), KeySet(kEnglishMenuCaptions));
  EXPECT_EQ(KeySet(CaptionKeys(CaptionGroup::kMonitor)),
            (std::set<std::string>{"GroupBoxMonAdvance", "GroupBoxMonInj"}));
  EXPECT_EQ(KeySet(CaptionKeys(CaptionGroup::kConnection)),
            (std::set<std::string>{"LabelSpojeni"}));
  EXPECT_TRUE(Includes(KeySet(CaptionKeys(CaptionGroup::kAbout)),
                       {"TFormAbout", "LabelExit", "Label2", "Label3", "Label4", "Label9"}));
  std::set<std::string> hints = KeySet(kEnglishHints);
  hints.insert({"MenuLanguage", "ButtonRead"});
  EXPECT_EQ(KeySet(HintKeys()), hints);
  EXPECT_EQ(
      KeySet(ItemKeys()),
      (std::set<std::string>{"RadioGroupPolohaA", "RadioGroupClutchMode", "RadioGroupIdleMode",
                             "RadioGroupSpeedMode", "RadioGroupLadeniMode", "RadioGroupPinEngine23",
                             "RadioGroupPinEngine14", "RadioGroupPinBody11",
                             "RadioGroupCidloLambdaMode", "RadioGroupGearSystem"}));

  std::vector<std::string_view> all;
  for (CaptionGroup g : kCaptionGroups) {
    all.insert(all.end(), CaptionKeys(g).begin(), CaptionKeys(g).end());
  }
  EXPECT_GE(all.size(), 108u + 29u + 2u + 1u + 2u);
  std::sort(all.begin(), all.end());
  EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end()) << "caption key twice";
  EXPECT_EQ(HintKeys().size(), KeySet(HintKeys()).size());
  EXPECT_EQ(PlaceholderKeys().size(), KeySet(PlaceholderKeys()).size());
}

TEST(WindowText, EveryKeyHasTextInEveryLanguage) {
  for (CaptionGroup g : kCaptionGroups) {
    for (std::string_view key : CaptionKeys(g)) {
      for (Language l : kAll) EXPECT_FALSE(Caption(key, l).empty()) << key;
    }
  }
  for (std::string_view key : HintKeys()) {
    for (Language l : kAll) {
      EXPECT_FALSE(ShortHint(Hint(key, l)).empty()) << key;
      EXPECT_FALSE(LongHint(Hint(key, l)).empty()) << key;
    }
  }
  for (std::string_view key : PlaceholderKeys()) {
    for (Language l : kAll) {
      // The autotune status is the one label the switch clears.
      EXPECT_EQ(Placeholder(key, l).empty(), key == "LabelLadeniMsg") << key;
    }
  }
  for (std::string_view key : ItemKeys()) {
    const std::size_t count = Items(key, kEn).size();
    EXPECT_GE(count, 2u) << key;
    for (Language l : kAll) {
      ASSERT_EQ(Items(key, l).size(), count) << key;
      for (std::string_view item : Items(key, l)) EXPECT_FALSE(item.empty()) << key;
    }
  }
}

// The variants the program has always shown in the other languages; nullptr where none is fixed.
TEST(WindowText, QuotedVariantsAreExact) {
  struct Case {
    const char* key;
    bool hint;
    const char* en;
    const char* de;
    const char* fr;
    const char* cz;
  } cases[] = {
      {"MenuLanguage", false, "&Language", "&Sprache", "&Langue", "&Jazyk"},
      {"MenuEnglish", false, "&English", "&Englisch", "&Englais", "&Anglicky"},
      {"MenuGerman", false, "&German", "&Deutsch", "&Allemand", "&Německy"},
      {"MenuFrench", false, "&French", "&Französisch", "&Francais", "Francouzky"},
      {"MenuCzech", false, "&Czech", "&Tschechisch", nullptr, "Če&sky"},
      {"MenuFile", false, "&File", "&Datei", "&Fichier", "&Soubor"},
      {"MenuDevice", false, "&Ignition", "&Zündung", "&Allumage", "&Zapalování"},
      // French has wordings of its own where the program once showed the English ones.
      {"TabSheet_Bike", false, "Bike", "Mottorad", "Moto", "Motocykl"},
      {"TabSheet_Cidla", false, "Sensors", "Senzoren", "Capteurs", "Čidla"},
      {"TabSheet_Advance", false, "Advance", "Vorzündung", "Avance", "Předstih"},
      {"GroupBoxMonAdvance", false, "Advance", "Vorzündung", nullptr, nullptr},
      {"GroupBoxMonInj", false, "Injection", "Einspritzung", nullptr, "Vstřik"},
      {"TabSheet_Ladeni", false, "Tuning", nullptr, nullptr, nullptr},
      {"LabelSpojeni", false, "No connection with PC", "Keine Verbindung zum PC",
       "Pas de connection acec pc", "Není spojení s PC"},
      {"TFormAbout", false, "About Morvek", "Über Programm Morvek", nullptr, "O programu Morvek"},
      {"LabelExit", false, "OK", nullptr, nullptr, nullptr},
      {"MenuLanguage", true, "Language|Set English or German or French", "Sprache",
       "Sélection de la lange", "Nastavení jazyka na angličtinu, češtinu nebo němčinu"},
  };
  for (const Case& c : cases) {
    const char* want[] = {c.en, c.de, c.fr, c.cz};
    for (int l = 0; l < 4; ++l) {
      if (want[l] == nullptr) continue;
      EXPECT_EQ(c.hint ? Hint(c.key, kAll[l]) : Caption(c.key, kAll[l]), want[l])
          << c.key << " lang " << l;
    }
  }
}

TEST(WindowText, RadioGroupItemsAreExact) {
  using List = std::vector<std::string>;
  struct Case {
    const char* key;
    List en, de, fr, cz;
  } cases[] = {
      {"RadioGroupPolohaA",
       {"Beginning", "Centre", "End"},
       {"Beginn", "Mitte", "Ende"},
       {"Commencement", "centre", "Fin"},
       {"Počátek", "Střed", "Konec"}},
      {"RadioGroupClutchMode",
       {"No ignition", "Retard"},
       {"Keine Zündung", "Spätzündung"},
       {"Sans allumage", "Retard d'allumage"},
       {"Blokování zápalů", "Zpoždění zážehu"}},
      {"RadioGroupIdleMode",
       {"No", "Step motor without potentiometer"},
       {"Keine ", "Schrittmotor ohne Potentiometer"},
       {"Aucune", "Moteur pas à pas sans potentiomètre"},
       {"Není", "Krokový motor bez potenciometru"}},
      {"RadioGroupSpeedMode",
       {"Pulse over 1s for 100 km/h", "Distance for pulse [mm]"},
       {"Pulse in 1s bei 100 km/St", "Strecke für Pulse"},
       {"Impulsions en 1 s à 100 km/h", "Distance par impulsion [mm]"},
       {"Pulsů za 1s pro 100km/hod", "Vzdálenost pro pulz"}},
      {"RadioGroupLadeniMode",
       {"Points", "All"},
       {"Punkte", "Alles"},
       {"Par points", "Partout"},
       {"V bodech", "Všude"}},
  };
  for (const Case& c : cases) {
    const List* want[] = {&c.en, &c.de, &c.fr, &c.cz};
    for (int l = 0; l < 4; ++l) {
      const auto items = Items(c.key, kAll[l]);
      EXPECT_EQ(List(items.begin(), items.end()), *want[l]) << c.key << " lang " << l;
    }
  }
  // The groups once left in their design items keep them exactly in English.
  EXPECT_EQ(
      List(Items("RadioGroupGearSystem", kEn).begin(), Items("RadioGroupGearSystem", kEn).end()),
      (List{"Ration Rpm Speed", "Automat (Ratio Rpm Speed)", "No"}));
  EXPECT_EQ(
      List(Items("RadioGroupPinBody11", kEn).begin(), Items("RadioGroupPinBody11", kEn).end()),
      (List{"Fan 1", "Lambda Heat"}));
}

TEST(WindowText, PlaceholdersAreTheWordOfTheLanguageAndDashes) {
  struct Case {
    const char* label;
    TextId word;
    const char* tail;
  } cases[] = {
      {"LabelMon_Ign", TextId::TxtAdvance, "= --- [°]"},
      {"LabelMon_Ign1", TextId::TxtAdvance, "= --- [°]"},
      {"LabelMon_Ign2", TextId::TxtAdvance, "= --- [°]"},
      {"LabelPocetProgramovani", TextId::TxtProgrammingCount, "---"},
      {"LabelMonBlokOut", TextId::TxtBlocking, " - ---"},
      {"LabelMonStartLimiterOut", TextId::TxtStartLimiter, " - ---"},
      {"LabelMonStartLimiterIn", TextId::TxtStartLimiter, " - ---"},
      {"LabelMonIgnLimiter", TextId::TxtLimiterByIgnition, " - ---"},
      {"LabelMonJetLimiter", TextId::TxtLimiterByInjection, " - ---"},
      {"LabelMonRetardLimiter", TextId::TxtLimiterByRetard, " - ---"},
      {"LabelSnimacCmps", TextId::TxtPickup, " - ---"},
      {"LabelMon_Jet_1A", TextId::TxtInjectionTime, " 1 = --- us"},
      {"LabelMon_Jet_2A", TextId::TxtInjectionTime, " 2 = --- us"},
      {"LabelMaxInjProcent", TextId::TxtMaxInjection, " = --- %"},
      {"LabelMon_PolohaA", TextId::TxtPosition, " = ---"},
      {"LabelGear", TextId::TxtGear, " = --- "},
      {"LabelMonSpeed", TextId::TxtSpeed, " = --- [km/h]"},
      {"LabelMonClutchMasterIn", TextId::TxtClutchMaster, " - ---"},
      {"LabelMonClutchOut", TextId::TxtClutchMaster, " - ---"},
      {"LabelMonClutchIn", TextId::TxtClutch, " - ---"},
      {"LabelMonTlStartIn", TextId::TxtSwitchStart, " - ---"},
      {"LabelMonTlStartOut", TextId::TxtSwitchStart, " - ---"},
      {"LabelMonNeutral", TextId::TxtNeutral, " - ---"},
      {"LabelMonSideStand", TextId::TxtSideStand, " - ---"},
      {"LabelOilOk", TextId::TxtOilOk, " - ---"},
      {"LabelMonLambdaHeat", TextId::TxtLambdaHeat, " - ---"},
      {"LabelMonFan1", TextId::TxtFan, " 1 - ---"},
      {"LabelMonFan2", TextId::TxtFan, " 2 - ---"},
      {"LabelMonFuelMv", TextId::TxtFuel, " - ---"},
      {"LabelMonPilotLight", TextId::TxtGearShiftLight, " - ---"},
  };
  std::set<std::string> labels = {"LabelLadeniMsg"};
  for (const Case& c : cases) {
    labels.insert(c.label);
    for (Language l : kAll) {
      EXPECT_EQ(Placeholder(c.label, l), std::string(Text(c.word, l)) + c.tail) << c.label;
    }
  }
  EXPECT_EQ(KeySet(PlaceholderKeys()), labels);

  EXPECT_EQ(Placeholder("LabelMon_Ign", kDe), "Vorzündung= --- [°]");
  EXPECT_EQ(Placeholder("LabelMon_PolohaA", kDe), "Lage = ---");
  EXPECT_EQ(Placeholder("LabelPocetProgramovani", kEn), "Number of Programing = ---");
  EXPECT_EQ(Placeholder("LabelMonFan2", kEn), "Fan 2 - ---");
  EXPECT_EQ(Placeholder("LabelMonNeutral", kEn), "Idle - ---");
}

TEST(WindowText, CaptionsBuiltFromTextTableWords) {
  struct Case {
    const char* key;
    TextId word;
    const char* tail;
  } cases[] = {
      {"LabelStartLimiter", TextId::TxtStartLimiter, " [rpm]"},
      {"CheckBoxAktStartLimiter", TextId::TxtStartLimiter, ""},
      {"LabelPilotLight", TextId::TxtGearShiftLight, " [rpm]"},
      {"TabSheet_Advance", TextId::TxtAdvance, ""},
      {"GroupBoxMonAdvance", TextId::TxtAdvance, ""},
  };
  for (const Case& c : cases) {
    for (Language l : kAll) {
      EXPECT_EQ(Caption(c.key, l), std::string(Text(c.word, l)) + c.tail) << c.key;
    }
  }
  // Pairs that share their word and differ only in the number.
  struct Pair {
    const char* first;
    const char* second;
    const char* first_tail;
    const char* second_tail;
  } pairs[] = {
      {"TabSheet_Inj1A", "TabSheet_Inj2A", " 1", " 2"},
      {"LabelApsTlak1", "LabelApsTlak2", " 1 [kPa]", " 2 [kPa]"},
      {"LabelApsNapeti1", "LabelApsNapeti2", " 1 [mV]", " 2 [mV]"},
  };
  for (const Pair& p : pairs) {
    for (Language l : kAll) {
      const std::string_view a = Caption(p.first, l);
      const std::string_view b = Caption(p.second, l);
      ASSERT_TRUE(a.ends_with(p.first_tail)) << p.first << " " << a;
      ASSERT_TRUE(b.ends_with(p.second_tail)) << p.second << " " << b;
      EXPECT_EQ(a.substr(0, a.size() - std::string_view(p.first_tail).size()),
                b.substr(0, b.size() - std::string_view(p.second_tail).size()));
    }
  }
}

TEST(WindowText, ToolBarStatusTextEqualsTheMenuHint) {
  const std::pair<const char*, const char*> pairs[] = {
      {"SpeedButtonOpen", "MenuOpen"},  {"SpeedButton6", "MenuNew"},
      {"SpeedButtonSave", "MenuSave"},  {"SpeedButtonPrint", "MenuPrint"},
      {"ButtonProgram", "MenuProgram"}, {"ButtonVerify", "MenuVerify"},
      {"ButtonRead", "MenuRead"},
  };
  for (const auto& [button, menu] : pairs) {
    for (Language l : kAll) {
      const std::string_view hint = Hint(button, l);
      EXPECT_NE(hint.find('|'), std::string_view::npos) << button;
      EXPECT_NE(ShortHint(hint), LongHint(hint)) << button;
      EXPECT_EQ(LongHint(hint), Hint(menu, l)) << button;
    }
  }
  EXPECT_EQ(ShortHint("Sprache"), "Sprache");
  EXPECT_EQ(LongHint("Sprache"), "Sprache");
  EXPECT_EQ(ShortHint("Language|Set English"), "Language");
  EXPECT_EQ(LongHint("Language|Set English"), "Set English");
  EXPECT_EQ(LongHint(""), "");
}

// Within one menu no two items may share an access key, or the key would reach only the first.
TEST(WindowText, AccessKeysAreUniqueWithinEachMenu) {
  const std::vector<std::vector<const char*>> menus = {
      {"MenuFile", "MenuCom", "MenuDevice", "Menu_Jet123Mode", "MenuTools", "MenuLanguage",
       "MenuHelp"},
      {"MenuNew", "MenuNewActPage", "MenuOpen", "MenuOpenExeDir", "MenuOpenActPage", "MenuSave",
       "MenuSaveExeDir", "MenuPrint", "MenuExit"},
      {"MenuRead", "MenuVerify", "MenuProgram"},
      {"Menu_Jet123Normal", "Menu_Jet123Coupled"},
      {"MenuZpet", "MenuZnovu"},
      {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"},
      {"MenuContens", "MenuAbout"},
  };
  for (Language l : kAll) {
    for (const auto& menu : menus) {
      std::set<std::string> keys;
      for (const char* item : menu) {
        const std::string_view caption = Caption(item, l);
        const std::size_t amp = caption.find('&');
        if (amp == std::string_view::npos) continue;
        ASSERT_LT(amp + 1, caption.size()) << item;
        EXPECT_EQ(caption.find('&', amp + 1), std::string_view::npos) << item;
        // Access keys compare without case; the captions' keys are ASCII or a two-byte letter.
        std::string key(
            caption.substr(amp + 1, static_cast<unsigned char>(caption[amp + 1]) < 0x80 ? 1 : 2));
        if (key.size() == 1) key[0] = static_cast<char>(std::tolower(key[0]));
        EXPECT_TRUE(keys.insert(key).second)
            << "access key '" << key << "' twice, " << item << " lang " << static_cast<int>(l);
      }
    }
  }
}

TEST(WindowText, AboutWindow) {
  EXPECT_EQ(AboutVersionText(84), "Version - 84");
  EXPECT_EQ(Caption("TFormAbout", kFr), "À propos de Morvek");
  EXPECT_EQ(Caption("LabelExit", kCz), "OK");
}

TEST(WindowText, UnknownControlsAndLanguagesGiveNothing) {
  const Language bad = static_cast<Language>(4);
  EXPECT_TRUE(Caption("NoSuchControl", kEn).empty());
  EXPECT_TRUE(Caption("MenuFile", bad).empty());
  EXPECT_TRUE(Hint("MenuFile", kEn).empty());
  EXPECT_TRUE(Hint("MenuOpen", bad).empty());
  EXPECT_TRUE(Items("RadioGroupPolohaA", bad).empty());
  EXPECT_TRUE(Placeholder("LabelMon_Ign", bad).empty());
  EXPECT_TRUE(Placeholder("LabelRpm", kEn).empty());
  EXPECT_TRUE(CaptionKeys(static_cast<CaptionGroup>(9)).empty());
}

}  // namespace
}  // namespace morvek::i18n
