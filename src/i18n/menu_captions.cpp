// Captions of the main menu in English, German, French and Czech ("&" marks the access key).

#include "i18n/window_text_data.h"

namespace morvek::i18n::data {
namespace {

// clang-format off
constexpr WindowTextRecord kMenuCaptions[] = {
    Literal("MenuFile", "&File", "&Datei", "&Fichier", "&Soubor"),
    Literal("MenuNew", "&New", "&Neu", "&Nouveau", "&Nový"),
    Literal("MenuNewActPage", "New for actual page", "Neu für aktuelle Seite",
            "Nouveau pour la page active", "Nový pro aktuální záložku"),
    Literal("MenuOpen", "&Open", "Ö&ffnen", "&Ouvrir", "&Otevřít"),
    Literal("MenuOpenExeDir", "Open from exe dir", "Öffnen aus Programmordner",
            "Ouvrir depuis le dossier du programme", "Otevřít z adresáře programu"),
    Literal("MenuOpenActPage", "Open for actual page", "Öffnen für aktuelle Seite",
            "Ouvrir pour la page active", "Otevřít pro aktuální záložku"),
    Literal("MenuSave", "&Save", "&Speichern", "&Enregistrer", "&Uložit"),
    Literal("MenuSaveExeDir", "Save to exe dir", "Speichern in Programmordner",
            "Enregistrer dans le dossier du programme", "Uložit do adresáře programu"),
    Literal("MenuPrint", "&Print", "&Drucken", "&Imprimer", "&Tisk"),
    Literal("MenuExit", "E&xit", "&Beenden", "&Quitter", "&Konec"),
    Literal("MenuCom", "&Com", "&Com", "&Com", "&Com"),
    Literal("MenuDevice", "&Ignition", "&Zündung", "&Allumage", "&Zapalování"),
    Literal("MenuRead", "&Read", "&Lesen", "&Lire", "&Číst"),
    Literal("MenuVerify", "&Verify", "&Vergleichen", "&Vérifier", "&Ověřit"),
    Literal("MenuProgram", "&Program", "&Programmieren", "&Programmer", "&Programovat"),
    Literal("Menu_Jet123Normal", "Separate", "Getrennt", "Séparé", "Oddělené"),
    Literal("Menu_Jet123Coupled", "Coupled", "Gekoppelt", "Couplé", "Spřažené"),
    Literal("Menu_Jet123Mode", "Jet 12", "Einspr. 12", "Inj. 12", "Vstřik 12"),
    Literal("MenuTools", "Tools", "Werkzeuge", "Outils", "Nástroje"),
    Literal("MenuLanguage", "&Language", "&Sprache", "&Langue", "&Jazyk"),
    Literal("MenuEnglish", "&English", "&Englisch", "&Englais", "&Anglicky"),
    Literal("MenuGerman", "&German", "&Deutsch", "&Allemand", "&Německy"),
    Literal("MenuFrench", "&French", "&Französisch", "&Francais", "Francouzky"),
    Literal("MenuCzech", "&Czech", "&Tschechisch", "&Tchèque", "Če&sky"),
    Literal("MenuHelp", "&Help", "&Hilfe", "Ai&de", "&Nápověda"),
    Literal("MenuContens", "&Contents...", "&Inhalt...", "&Sommaire...", "&Obsah..."),
    Literal("MenuAbout", "&About...", "Ü&ber...", "À &propos...", "O &programu..."),
    Literal("MenuZpet", "Undo", "Rückgängig", "Annuler", "Zpět"),
    Literal("MenuZnovu", "Redo", "Wiederholen", "Rétablir", "Znovu"),
};
// clang-format on

}  // namespace

std::span<const WindowTextRecord> MenuCaptions() { return kMenuCaptions; }

}  // namespace morvek::i18n::data
