#include "i18n/analysis_texts.h"

#include <array>

namespace morvek::i18n {
namespace {

using Row = std::array<std::string_view, kLanguageCount>;

// clang-format off
constexpr std::array<Row, static_cast<std::size_t>(AnalysisText::kCount)> kTexts{{
    {"Analyze logs…", "Logs auswerten…", "Analyser les journaux…", "Vyhodnotit záznamy…"},
    {"Analyze logs", "Logs auswerten", "Analyser les journaux", "Vyhodnocení záznamů"},
    {"Logs", "Protokolle", "Journaux", "Záznamy"},
    {"Add logs…", "Logs hinzufügen…", "Ajouter des journaux…", "Přidat záznamy…"},
    {"Remove", "Entfernen", "Retirer", "Odebrat"},
    {" (this run)", " (diese Sitzung)", " (cette session)", " (tento běh)"},
    {"Map", "Kennfeld", "Cartographie", "Mapa"},
    {"Target A/F", "Ziel-A/F", "A/F visé", "Cílové A/F"},
    {"Lambda delay [ms]", "Lambda-Verzögerung [ms]", "Retard lambda [ms]", "Zpoždění lambdy [ms]"},
    {"Minimum hits", "Mindesttreffer", "Mesures minimales", "Minimum zásahů"},
    {"Maximum change [%]", "Höchste Änderung [%]", "Variation maximale [%]", "Největší změna [%]"},
    {"Analyze", "Auswerten", "Analyser", "Vyhodnotit"},
    {"Proposal", "Vorschlag", "Proposition", "Návrh"},
    {"Coverage", "Abdeckung", "Couverture", "Pokrytí"},
    {"Apply", "Übernehmen", "Appliquer", "Použít"},
    {"Cancel", "Abbrechen", "Annuler", "Zrušit"},
    {"Rejected readings", "Verworfene Messungen", "Mesures écartées", "Vyřazená měření"},
    {"Click a cell to lock or unlock it.", "Ein Klick auf eine Zelle sperrt oder entsperrt sie.",
     "Un clic sur une cellule la verrouille ou la déverrouille.",
     "Kliknutím na buňku ji zamknete nebo odemknete."},
    {"Cells covered: %C, changed: %H; readings used: %U of %R",
     "Abgedeckte Zellen: %C, geändert: %H; verwendete Messungen: %U von %R",
     "Cellules couvertes : %C, modifiées : %H ; mesures retenues : %U sur %R",
     "Pokryté buňky: %C, změněné: %H; použitá měření: %U z %R"},
    {"Hits", "Treffer", "Mesures", "Zásahy"},
    {"Mean A/F", "Mittleres A/F", "A/F moyen", "Průměrné A/F"},
    {"Change", "Änderung", "Variation", "Změna"},
    {"limited to the maximum change", "auf die höchste Änderung begrenzt",
     "limitée à la variation maximale", "omezeno na největší změnu"},
    {"locked", "gesperrt", "verrouillée", "zamčeno"},
    {"no data", "keine Daten", "aucune donnée", "žádná data"},
    {"Choose at least one data log.", "Bitte mindestens einen Log wählen.",
     "Choisissez au moins un journal.", "Vyberte alespoň jeden záznam."},
    {"The log cannot be analysed: ", "Der Log kann nicht ausgewertet werden: ",
     "Le journal ne peut pas être analysé : ", "Záznam nelze vyhodnotit: "},
    {"No cell reached the minimum hits.", "Keine Zelle hat die Mindesttreffer erreicht.",
     "Aucune cellule n'a atteint le minimum de mesures.", "Žádná buňka nedosáhla minima zásahů."},
    {"The maps are coupled: the proposal is for Inj. 1, which carries Inj. 2 along.",
     "Die Kennfelder sind gekoppelt: der Vorschlag gilt Einspr. 1, das Einspr. 2 mitnimmt.",
     "Les cartographies sont couplées : la proposition porte sur Inj. 1, qui entraîne Inj. 2.",
     "Mapy jsou svázány: návrh platí pro Vstřik 1, který s sebou nese Vstřik 2."},
    {"replayed rows", "abgespielte Zeilen", "lignes rejouées", "přehrávané řádky"},
    {"engine not running", "Motor läuft nicht", "moteur arrêté", "motor neběží"},
    {"data error", "Datenfehler", "erreur de données", "chyba dat"},
    {"lambda sensor error", "Lambdasondenfehler", "erreur de sonde lambda", "chyba lambda sondy"},
    {"lambda at its limit", "Lambda am Anschlag", "lambda en butée", "lambda na mezi"},
    {"coolant cold", "Kühlmittel kalt", "liquide de refroidissement froid", "chladivo studené"},
    {"after-start enrichment", "Nachstartanreicherung", "enrichissement après démarrage",
     "obohacení po startu"},
    {"acceleration enrichment", "Beschleunigungsanreicherung", "enrichissement d'accélération",
     "akcelerační obohacení"},
    {"fuel cut or overrun", "Schubabschaltung", "coupure d'injection ou frein moteur",
     "odpojení paliva nebo brzdění motorem"},
    {"limiter", "Begrenzer", "limiteur", "omezovač"},
    {"autotune running", "Autotune aktiv", "autotune en cours", "ladění běží"},
    {"not steady", "nicht stationär", "régime instable", "neustálený stav"},
    {"before the log began", "vor Beginn des Logs", "avant le début du journal",
     "před začátkem záznamu"},
}};
// clang-format on

}  // namespace

std::string_view Text(AnalysisText id, Language language) {
  const auto i = static_cast<std::size_t>(id);
  if (i >= kTexts.size()) return {};
  return kTexts[i][static_cast<std::size_t>(language)];
}

}  // namespace morvek::i18n
