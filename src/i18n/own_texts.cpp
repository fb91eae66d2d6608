#include "i18n/own_texts.h"

#include <array>

namespace morvek::i18n {
namespace {

using Row = std::array<std::string_view, kLanguageCount>;

// clang-format off
constexpr std::array<Row, static_cast<std::size_t>(OwnText::kCount)> kTexts{{
    {"Not programmed: page ", "Nicht programmiert: Seite ", "Non programmé : page ",
     "Nenaprogramováno: stránka "},
    {"Changes on screen have not been programmed into the controller. Close anyway?\n"
     "(They are kept for the next start.)",
     "Änderungen auf dem Bildschirm wurden nicht in das Steuergerät programmiert. Trotzdem "
     "beenden?\n(Sie bleiben für den nächsten Start erhalten.)",
     "Des modifications à l'écran n'ont pas été programmées dans le boîtier. Quitter quand "
     "même ?\n(Elles sont conservées pour le prochain démarrage.)",
     "Změny na obrazovce nebyly naprogramovány do jednotky. Přesto ukončit?\n"
     "(Zůstanou uloženy pro příští spuštění.)"},
    {"Start logging", "Aufzeichnung starten", "Démarrer l'enregistrement", "Spustit záznam"},
    {"Stop logging", "Aufzeichnung beenden", "Arrêter l'enregistrement", "Zastavit záznam"},
    {"Live charts", "Live-Diagramme", "Courbes en direct", "Živé grafy"},
    {"Logging: rows ", "Aufzeichnung: Zeilen ", "Enregistrement : lignes ", "Záznam: řádků "},
    {"Data logs (*.csv)", "Datenaufzeichnungen (*.csv)", "Enregistrements (*.csv)",
     "Záznamy dat (*.csv)"},
    {"The data log cannot be written: ", "Die Aufzeichnung kann nicht geschrieben werden: ",
     "L'enregistrement ne peut pas être écrit : ", "Záznam nelze zapsat: "},
    {"Logging stopped: ", "Aufzeichnung abgebrochen: ", "Enregistrement interrompu : ",
     "Záznam byl přerušen: "},
    {"Rows kept in the file: ", "In der Datei erhaltene Zeilen: ",
     "Lignes conservées dans le fichier : ", "Řádků zachovaných v souboru: "},
    {"The data log cannot be read: ", "Die Aufzeichnung kann nicht gelesen werden: ",
     "L'enregistrement ne peut pas être lu : ", "Záznam nelze načíst: "},
    {"Open log...", "Aufzeichnung öffnen...", "Ouvrir un enregistrement...", "Otevřít záznam..."},
    {"Replay", "Wiedergabe", "Rejouer", "Přehrát"},
    {"Stop replay", "Wiedergabe beenden", "Arrêter la lecture", "Zastavit přehrávání"},
    {"Live", "Live-Werte", "Direct", "Živě"},
    {"RPM", "U/min", "tr/min", "ot/min"},
    {"Throttle [%]", "Drosselklappe [%]", "Papillon [%]", "Škrticí klapka [%]"},
    {"Lambda [A/F]", "Lambda-Wert [A/F]", "Sonde lambda [A/F]", "Lambda sonda [A/F]"},
    {"Injection time [us]", "Einspritzzeit [us]", "Temps d'injection [us]", "Doba vstřiku [us]"},
    {"Advance [°]", "Zündzeitpunkt [°]", "Avance [°]", "Předstih [°]"},
    {"Time [s]", "Zeit [s]", "Temps [s]", "Čas [s]"},
}};
// clang-format on

}  // namespace

std::string_view Text(OwnText id, Language language) {
  return kTexts[static_cast<std::size_t>(id)][static_cast<std::size_t>(language)];
}

}  // namespace morvek::i18n
