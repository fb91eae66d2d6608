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
    {"Printed to ", "Gedruckt in ", "Imprimé dans ", "Vytištěno do "},
    {"Not printed: ", "Nicht gedruckt: ", "Non imprimé : ", "Nevytištěno: "},
}};
// clang-format on

}  // namespace

std::string_view Text(OwnText id, Language language) {
  return kTexts[static_cast<std::size_t>(id)][static_cast<std::size_t>(language)];
}

}  // namespace morvek::i18n
