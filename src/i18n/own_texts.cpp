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
    {"Compare with file...", "Mit Datei vergleichen...", "Comparer avec un fichier...",
     "Porovnat se souborem..."},
    {"Compare with controller", "Mit Steuergerät vergleichen", "Comparer avec le boîtier",
     "Porovnat s jednotkou"},
    {"Compare", "Vergleich", "Comparaison", "Porovnání"},
    {"Page", "Seite", "Onglet", "Stránka"},
    {"Field", "Feld", "Champ", "Položka"},
    {"On screen", "Auf dem Bildschirm", "À l'écran", "Na obrazovce"},
    {"Controller", "Steuergerät", "Boîtier", "Jednotka"},
    {"Differences: ", "Unterschiede: ", "Différences : ", "Rozdíly: "},
    {"No differences.", "Keine Unterschiede.", "Aucune différence.", "Žádné rozdíly."},
    {"Double-click a line to go to its control. Tick lines and press Take over to copy them "
     "onto the screen.",
     "Doppelklick auf eine Zeile führt zu ihrem Bedienelement. Zeilen ankreuzen und Übernehmen "
     "drücken kopiert sie auf den Bildschirm.",
     "Double-cliquez sur une ligne pour aller à son contrôle. Cochez des lignes et appuyez sur "
     "Reprendre pour les copier à l'écran.",
     "Dvojklik na řádek přejde na jeho prvek. Zaškrtnuté řádky tlačítko Převzít zkopíruje na "
     "obrazovku."},
    {"Take over", "Übernehmen", "Reprendre", "Převzít"},
    {"Close", "Schließen", "Fermer", "Zavřít"},
    {"The controller could not be read; nothing was compared.",
     "Das Steuergerät konnte nicht gelesen werden; es wurde nichts verglichen.",
     "Le boîtier n'a pas pu être lu ; rien n'a été comparé.",
     "Jednotku se nepodařilo přečíst; nic nebylo porovnáno."},
    {"controller page ", "Steuergerät-Seite ", "page du boîtier ", "stránka jednotky "},
    {"The controller differs on its page ", "Das Steuergerät weicht auf seiner Seite ab: ",
     "Le boîtier diffère sur sa page ", "Jednotka se liší na své stránce "},
}};
// clang-format on

}  // namespace

std::string_view Text(OwnText id, Language language) {
  return kTexts[static_cast<std::size_t>(id)][static_cast<std::size_t>(language)];
}

}  // namespace morvek::i18n
