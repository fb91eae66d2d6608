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
    {"Restore points…", "Wiederherstellungspunkte…", "Points de restauration…",
     "Body obnovení…"},
    {"Restore points", "Wiederherstellungspunkte", "Points de restauration", "Body obnovení"},
    {"Time", "Zeit", "Heure", "Čas"},
    {"Kind", "Art", "Type", "Druh"},
    {"Port", "Schnittstelle", "Port série", "Sériový port"},
    {"Controller", "Steuergerät", "Boîtier", "Jednotka"},
    {"Pages", "Seiten", "Pages du boîtier", "Stránky"},
    {"Read", "Gelesen", "Lecture", "Čtení"},
    {"Verify", "Verifiziert", "Vérification", "Ověření"},
    {"Program", "Programmiert", "Programmation", "Programování"},
    {"Load", "Laden", "Charger", "Načíst"},
    {"Export…", "Exportieren…", "Exporter…", "Exportovat…"},
    {"Close", "Schließen", "Fermer", "Zavřít"},
    {"The restore point could not be stored: ", "Der Wiederherstellungspunkt konnte nicht "
     "gespeichert werden: ", "Le point de restauration n'a pas pu être enregistré : ",
     "Bod obnovení se nepodařilo uložit: "},
    {"The restore point can no longer be read.",
     "Der Wiederherstellungspunkt kann nicht mehr gelesen werden.",
     "Le point de restauration ne peut plus être lu.", "Bod obnovení již nelze přečíst."},
}};
// clang-format on

}  // namespace

std::string_view Text(OwnText id, Language language) {
  return kTexts[static_cast<std::size_t>(id)][static_cast<std::size_t>(language)];
}

}  // namespace morvek::i18n
