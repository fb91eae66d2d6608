#include "i18n/text_table.h"

#include <array>
#include <cstddef>

namespace morvek::i18n {
namespace {

// One text in English, German, French and Czech. Where the program has no own wording for a
// language the English string stands in its place.
struct TextRecord {
  TextId id;
  std::array<std::string_view, kLanguageCount> variants;
};

// clang-format off
constexpr TextRecord kTexts[] = {
    {TextId::TxtTitlePrefix, {"  Morvek", "  Morvek", "  Morvek", "  Morvek"}},
    {TextId::HelpFileName, {"Morvek_en.pdf", "Morvek_de.pdf", "Morvek_fr.pdf", "Morvek_cz.pdf"}},
    {TextId::MsgProgramError,
     {"Program error!", "Programmierfehler!", "Erreur de programmation!", "Chyba programování"}},
    {TextId::MsgVerifyError,
     {"Verify error!", "Fehler beim Vergleichen!", "Erreur de vérification!",
      "Chyba při ověřování!"}},
    {TextId::MsgReadError,
     {"Read error!", "Fehler beim Lesen!", "Erreur de lecture!", "Chyba při čtení!"}},
    {TextId::MsgProgramDevice,
     {"Program device:", "Zündung programmieren:", "Programmation du boîtier:",
      "Programování zapalování:"}},
    {TextId::MsgUnmatchedVersion,
     {"Unmatched version of PC and Ignition programs!",
      "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
      "Programme du boitier d´alumage non compatible avec programme PC!",
      "Neshodné verze proramu v PC a v zapalování!"}},
    {TextId::MsgVerify, {"Verify:", "Vergleichen:", "Vérification:", "Ověření:"}},
    {TextId::MsgRead, {"Read:", "Lesen:", "Lecture:", "Čtení:"}},
    {TextId::TxtAdvance, {"Advance", "Vorzündung", "Avance", "Předstih"}},
    {TextId::TxtProgrammingCount,
     {"Number of Programing = ", "Anzahl der Programmierungen = ",
      "Nombre de programmations = ", "Počet programování = "}},
    {TextId::TxtBlocking, {"Blocking ", "Sperre ", "Blocage ", "Blokování "}},
    {TextId::TxtStartLimiter,
     {"Start limiter", "Startbegrenzer", "Limiteur de départ", "Omezovač startu"}},
    {TextId::TxtLimiterByIgnition,
     {"Limiter by ignition", "Begrenzer über Zündung", "Limiteur par l'allumage",
      "Omezovač zapalováním"}},
    {TextId::TxtLimiterByInjection,
     {"Limiter by injection", "Begrenzer über Einspritzung", "Limiteur par l'injection",
      "Omezovač vstřikem"}},
    {TextId::TxtLimiterByRetard,
     {"Limiter by retard", "Begrenzer über Spätzündung", "Limiteur par retard d'allumage",
      "Omezovač zpožděním zážehu"}},
    {TextId::TxtYes, {"YES", "JA", "Oui", "ANO"}},
    {TextId::TxtNo, {"NO", "NEIN", "Non", "NE"}},
    {TextId::TxtTwinkle, {"Twinkle", "Blinken", "Clignote", "Bliká"}},
    {TextId::MsgComOpeningError,
     {"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!",
      "Chyba při otevírání portu Com!"}},
    {TextId::MsgOpenFileError,
     {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!",
      "Chyba při otevírání souboru!"}},
    {TextId::MsgDefaultSetting,
     {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
      "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"}},
    {TextId::MsgDefaultSettingPage,
     {"Do you want default setting for this page?",
      "Wollen Sie Standardeinstellungen für diese Seite öffnen?",
      "Voulez vous la programation de base pour page?",
      "Chcete nastavit základní hodnoty pro tuto záložku?"}},
    {TextId::MsgOlderFileVersion,
     {"Older version of *.ign file!\n"
      "\n"
      "Some parameters won't be changed or will be set to default value.\n"
      "They are parameters which are not in older version or have another structure.",
      "Älter Version von Datendatei *.ign!\n"
      "\n"
      "Einige Kenndaten werden nicht geändert oder werden implizit Wert gestellt.\n"
      "Sie sind die Kenndaten, die in älter Version nicht sind oder andere Struktur haben",
      "Ancienne version du fichier *.ign!\n"
      "\n"
      "Certains paramètres ne seront pas modifiés ou prendront leur valeur de base.\n"
      "Ce sont les paramètres absents de l'ancienne version ou de structure différente.",
      "Starší verze souboru *.ign!\n"
      "\n"
      "Některé parametry budou nezměněny nebo nataveny na základní hodnotu.\n"
      "Jsou to parametry, které v této verzi nebyly obsaženy nebo měly jinou strukturu."}},
    {TextId::MsgUnmatchedFileVersion,
     {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
      "Programme du fichier non compatible avec programme PC!",
      "Neshodná verze souboru *.ign!"}},
    {TextId::TxtPrintDate,
     {"Date and time of printing:  ", "Datum und Uhrzeit des Drucks:  ",
      "Date et heure d'impression:  ", "Datum a čas tisku:  "}},
    {TextId::MsgHelpOpenError,
     {"Error by opening file Morvek_en.pdf !", "Error by opening file Morvek_de.pdf !",
      "Error by opening file Morvek_fr.pdf !", "Error by opening file Morvek_cz.pdf !"}},
    {TextId::TxtPickup,
     {"Pick-up (CMPS)", "Nockenwellengeber (CMPS)", "Capteur AAC (CMPS)",
      "Snímač vačky (CMPS)"}},
    {TextId::MsgProgramNotForBike,
     {"This version of program Torvane_Quarvello.exe is not for required bike!",
      "Diese Version des Programms Torvane_Quarvello.exe ist nicht für das gewählte Motorrad!",
      "Cette version du programme Torvane_Quarvello.exe n'est pas prévue pour cette moto!",
      "Tato verze programu Torvane_Quarvello.exe není pro zvolený motocykl!"}},
    {TextId::TxtBaseAdvance,
     {"Base advance [°]", "Grundzündwinkel [°]", "Avance de base [°]", "Základní předstih [°]"}},
    {TextId::MsgSaving, {"Saving:", "Speichern:", "Enregistrement:", "Ukládání:"}},
    {TextId::TxtInjectionTime,
     {"Injection time", "Einspritzzeit", "Temps d'injection", "Doba vstřiku"}},
    {TextId::TxtMaxInjection,
     {"Max injection", "Max. Einspritzung", "Injection max.", "Max. vstřik"}},
    {TextId::TxtPosition, {"Position", "Lage", "Position", "Poloha"}},
    {TextId::TxtGear, {"Gear", "Gang", "Rapport", "Stupeň"}},
    {TextId::TxtSpeed, {"Speed", "Geschwindigkeit", "Vitesse", "Rychlost"}},
    {TextId::TxtGearShiftLight,
     {"Gear Shift Light", "Schaltblitz", "Témoin de passage de rapport", "Kontrolka řazení"}},
    {TextId::TxtCylinderCorrection,
     {"Correction for cylinder 1,2", "Korrektur für Zylinder 1,2",
      "Correction pour cylindre 1,2", "Korekce pro válec 1,2"}},
    {TextId::TxtClutchMaster,
     {"Clutch master", "Schaltautomat", "Shifter", "Rychlořazení"}},
    {TextId::TxtTachoLambda,
     {"Tacho/Lambda", "Tacho/Lambda", "Compteur/Lambda", "Tachometr/Lambda"}},
    {TextId::TxtCoolant,
     {"Coolant", "Kühlmittel", "Temp. eau", "Chladicí kapalina"}},
    {TextId::TxtSwitchStart,
     {"Switch start", "Starttaster", "Bouton de démarreur", "Spínač startu"}},
    {TextId::TxtClutch, {"Clutch", "Kupplung", "Embrayage", "Spojka"}},
    {TextId::TxtNeutral, {"Idle", "Leerlauf", "Point mort", "Neutrál"}},
    {TextId::TxtSideStand,
     {"Side stand", "Seitenständer", "Béquille latérale", "Boční stojan"}},
    {TextId::TxtOilOk, {"Oil OK", "Öl OK", "Huile OK", "Olej OK"}},
    {TextId::TxtLambdaHeat,
     {"Lambda heat", "Lambdaheizung", "Chauffage sonde lambda", "Ohřev lambda sondy"}},
    {TextId::TxtFan, {"Fan", "Lüfter", "Ventilateur", "Ventilátor"}},
    {TextId::TxtFuel, {"Fuel", "Kraftstoff", "Carburant", "Palivo"}},
    {TextId::TuneMsgRpmZero, {"T: rpm=0", "E: rpm=0", "T: rpm=0", "L: rpm=0"}},
    {TextId::TuneMsgCoupled,
     {"T: Coupled", "E: Gekoppelt", "T: Couplé", "L: Spřaženo"}},
    {TextId::TuneMsgNoTpsNoIap,
     {"T: no TPS, no IAP", "E: kein TPS, kein IAP", "T: pas de TPS, pas d'IAP",
      "L: chybí TPS i IAP"}},
    {TextId::TuneMsgOff,
     {"T: Tunning is off", "E: Abstimmung ist aus", "T: Réglage désactivé",
      "L: Ladění je vypnuto"}},
    {TextId::TuneMsgAccelTooBig,
     {"T: Accelarition to big", "E: Beschleunigung zu groß", "T: Accélération trop forte",
      "L: Příliš velká akcelerace"}},
    {TextId::TuneMsgTpsAndIapMap,
     {"T: Jet from TPS and IAP map", "E: Einspritzung aus TPS- und IAP-Kennfeld",
      "T: Injection des cartes TPS et IAP", "L: Vstřik z mapy TPS a IAP"}},
    {TextId::TuneMsgNotInPoint,
     {"T: It is not in point", "E: Nicht im Stützpunkt", "T: Hors d'un point",
      "L: Mimo bod"}},
    {TextId::TuneMsgLambdaVoltage,
     {"T: Lambda voltage error", "E: Fehler Lambdaspannung", "T: Erreur de tension lambda",
      "L: Chyba napětí lambda sondy"}},
    {TextId::TuneMsgRpmLow,
     {"T: RPM to low (before first point)", "E: Drehzahl zu niedrig (vor dem ersten Punkt)",
      "T: Régime trop bas (avant le premier point)",
      "L: Otáčky příliš nízké (před prvním bodem)"}},
    {TextId::TuneMsgRpmHigh,
     {"T: RPM high (after last point)", "E: Drehzahl zu hoch (nach dem letzten Punkt)",
      "T: Régime trop haut (après le dernier point)",
      "L: Otáčky příliš vysoké (za posledním bodem)"}},
    {TextId::TuneMsgLoadLow,
     {"T: TPS or IAP to low (before first point)",
      "E: TPS oder IAP zu niedrig (vor dem ersten Punkt)",
      "T: TPS ou IAP trop bas (avant le premier point)",
      "malé TPS nebo IAP - před prvním bodem"}},
    {TextId::TuneMsgLoadHigh,
     {"T: TPS or IAP high ((hinter letzte Punkt)",
      "E: TPS oder IAP zu hoch (nach dem letzten Punkt)",
      "T: TPS ou IAP trop haut (après le dernier point)",
      "L: velké TPS nebo IAP - za posledním bodem"}},
    {TextId::TuneMsgAdding, {"T: Adding", "E: Anfetten", "T: Enrichissement", "L: Obohacování"}},
    {TextId::TuneMsgDecrease,
     {"T: Decrease", "E: Abmagern", "T: Appauvrissement", "L: Ochuzování"}},
    {TextId::TuneMsgOk, {"T: OK", "E: OK", "T: OK", "L: OK"}},
};
// clang-format on

// Entry number -> place in kTexts, or -1 for places that carry nothing.
constexpr std::array<int, kTextTableSize> BuildIndex() {
  std::array<int, kTextTableSize> index{};
  for (int& slot : index) slot = -1;
  for (std::size_t i = 0; i < std::size(kTexts); ++i) {
    index[static_cast<std::size_t>(kTexts[i].id)] = static_cast<int>(i);
  }
  return index;
}
constexpr std::array<int, kTextTableSize> kIndex = BuildIndex();

}  // namespace

std::string_view Text(TextId id, Language language) {
  const auto entry = static_cast<std::size_t>(id);
  const auto lang = static_cast<std::size_t>(language);
  if (entry >= kIndex.size() || lang >= static_cast<std::size_t>(kLanguageCount)) return {};
  const int place = kIndex[entry];
  if (place < 0) return {};
  return kTexts[place].variants[lang];
}

std::optional<Language> LanguageFromIndex(int index) {
  if (index < 0 || index >= kLanguageCount) return std::nullopt;
  return static_cast<Language>(index);
}

std::optional<Language> LanguageFromCommandWord(std::string_view word) {
  constexpr std::string_view kWords[kLanguageCount] = {"ENGLISH", "DEUTSCH", "FRENCH", "CESKY"};
  for (int i = 0; i < kLanguageCount; ++i) {
    if (word == kWords[i]) return static_cast<Language>(i);
  }
  return std::nullopt;
}

std::string_view TextTable::Entry(int index) const {
  if (index == kCurrentFileNameEntry) return current_file_name_;
  if (index < 0 || index >= kTextTableSize) return {};
  return Text(static_cast<TextId>(index), language_);
}

std::string TextTable::WindowTitle() const {
  std::string title(Get(TextId::TxtTitlePrefix));
  title += "       ";
  title += current_file_name_;
  return title;
}

}  // namespace morvek::i18n
