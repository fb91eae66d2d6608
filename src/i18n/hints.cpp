// Hints of the main window's controls and menu items in English, German, French and Czech. The
// tool bar buttons carry a short text for the tool tip, "|", and the long text the status bar
// shows.

#include "i18n/window_text_data.h"

namespace morvek::i18n::data {
namespace {

// clang-format off
constexpr WindowTextRecord kHints[] = {
    Literal("LabelVerze1", "Version of program in ignition", "Programmversion in der Zündung",
            "Version du programme du boîtier d'allumage", "Verze programu v zapalování"),
    Literal("LabelVerze2", "Date of program in ignition", "Programmdatum in der Zündung",
            "Date du programme du boîtier d'allumage", "Datum programu v zapalování"),
    Literal("LabelVerze3", "Time of program in ignition", "Programmzeit in der Zündung",
            "Heure du programme du boîtier d'allumage", "Čas programu v zapalování"),

    // Tool bar.
    Literal("SpeedButtonOpen", "Open|Open file with parametrs",
            "Öffnen|Datei mit Parametern öffnen", "Ouvrir|Ouvrir un fichier de paramètres",
            "Otevřít|Otevřít soubor s parametry"),
    Literal("SpeedButton6", "New|Set default parametrs", "Neu|Standardparameter einstellen",
            "Nouveau|Charger les paramètres de base", "Nový|Nastavit základní parametry"),
    Literal("SpeedButtonSave", "Save|Save parametrs to file",
            "Speichern|Parameter in Datei speichern",
            "Enregistrer|Enregistrer les paramètres dans un fichier",
            "Uložit|Uložit parametry do souboru"),
    Literal("SpeedButtonPrint", "Print|Print parametrs", "Drucken|Parameter drucken",
            "Imprimer|Imprimer les paramètres", "Tisk|Tisknout parametry"),
    Literal("ButtonProgram", "Programing|Programing  set parametrs to ignition",
            "Programmieren|Eingestellte Parameter in die Zündung programmieren",
            "Programmer|Programmer les paramètres dans le boîtier d'allumage",
            "Programovat|Naprogramovat nastavené parametry do zapalování"),
    Literal("ButtonVerify", "Verify|Compare set parametrs  with parametrs of ignition",
            "Vergleichen|Eingestellte Parameter mit denen der Zündung vergleichen",
            "Vérifier|Comparer les paramètres réglés avec ceux du boîtier d'allumage",
            "Ověřit|Porovnat nastavené parametry s parametry v zapalování"),
    Literal("ButtonRead", "Read|Reading parametrs from ignition",
            "Lesen|Parameter aus der Zündung lesen",
            "Lire|Lire les paramètres du boîtier d'allumage",
            "Číst|Načíst parametry ze zapalování"),

    // Menu items.
    Literal("MenuOpen", "Open file with parametrs", "Datei mit Parametern öffnen",
            "Ouvrir un fichier de paramètres", "Otevřít soubor s parametry"),
    Literal("MenuNew", "Set default parametrs", "Standardparameter einstellen",
            "Charger les paramètres de base", "Nastavit základní parametry"),
    Literal("MenuSave", "Save parametrs to file", "Parameter in Datei speichern",
            "Enregistrer les paramètres dans un fichier", "Uložit parametry do souboru"),
    Literal("MenuPrint", "Print parametrs", "Parameter drucken", "Imprimer les paramètres",
            "Tisknout parametry"),
    Literal("MenuProgram", "Programing  set parametrs to ignition",
            "Eingestellte Parameter in die Zündung programmieren",
            "Programmer les paramètres dans le boîtier d'allumage",
            "Naprogramovat nastavené parametry do zapalování"),
    Literal("MenuVerify", "Compare set parametrs  with parametrs of ignition",
            "Eingestellte Parameter mit denen der Zündung vergleichen",
            "Comparer les paramètres réglés avec ceux du boîtier d'allumage",
            "Porovnat nastavené parametry s parametry v zapalování"),
    Literal("MenuRead", "Reading parametrs from ignition", "Parameter aus der Zündung lesen",
            "Lire les paramètres du boîtier d'allumage", "Načíst parametry ze zapalování"),
    Literal("MenuExit", "End of program", "Programm beenden", "Quitter le programme",
            "Ukončit program"),
    Literal("MenuCom", "Set number of com", "COM-Anschluss wählen", "Choisir le port COM",
            "Nastavit číslo portu COM"),
    Literal("MenuLanguage", "Language|Set English or German or French", "Sprache",
            "Sélection de la lange", "Nastavení jazyka na angličtinu, češtinu nebo němčinu"),

    // Side column and bike page.
    Literal("CheckBoxProgHned", "Programing at once after change",
            "Sofort nach jeder Änderung programmieren", "Programmer dès chaque modification",
            "Programovat ihned po změně"),
    Literal("GroupBoxActivation", "Checked items means activation by closing to ground",
            "Markierte Eingänge werden durch Schließen gegen Masse aktiviert",
            "Les entrées cochées s'activent par mise à la masse",
            "Zaškrtnuté vstupy se aktivují sepnutím na kostru"),
};
// clang-format on

}  // namespace

std::span<const WindowTextRecord> Hints() { return kHints; }

}  // namespace morvek::i18n::data
