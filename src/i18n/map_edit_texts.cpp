#include "i18n/map_edit_texts.h"

#include <array>

namespace morvek::i18n {
namespace {

using Row = std::array<std::string_view, kLanguageCount>;

// clang-format off
constexpr std::array<Row, static_cast<std::size_t>(MapEditText::kCount)> kTexts{{
    {"Selection", "Auswahl", "Sélection", "Výběr"},
    {"Set to value…", "Auf Wert setzen…", "Fixer à une valeur…", "Nastavit hodnotu…"},
    {"Add…", "Addieren…", "Ajouter…", "Přičíst…"},
    {"Subtract…", "Subtrahieren…", "Soustraire…", "Odečíst…"},
    {"Scale by %…", "Um % skalieren…", "Multiplier par %…", "Násobit v %…"},
    {"Interpolate horizontally", "Waagerecht interpolieren", "Interpoler horizontalement",
     "Interpolovat vodorovně"},
    {"Interpolate vertically", "Senkrecht interpolieren", "Interpoler verticalement",
     "Interpolovat svisle"},
    {"Interpolate bilinearly", "Bilinear interpolieren", "Interpoler en bilinéaire",
     "Interpolovat bilineárně"},
    {"Smooth", "Glätten", "Lisser", "Vyhladit"},
    {"Fill from the cursor's cell", "Mit der Zelle am Cursor füllen",
     "Remplir avec la cellule du curseur", "Vyplnit hodnotou buňky pod kurzorem"},
    {"Copy", "Kopieren", "Copier", "Kopírovat"},
    {"Paste", "Einfügen", "Coller", "Vložit"},
    {"Select the whole map", "Ganze Tabelle auswählen", "Sélectionner toute la table",
     "Vybrat celou mapu"},
    {"Set to:", "Setzen auf:", "Fixer à :", "Nastavit na:"},
    {"Add:", "Addieren:", "Ajouter :", "Přičíst:"},
    {"Subtract:", "Subtrahieren:", "Soustraire :", "Odečíst:"},
    {"Scale by [%]:", "Skalieren um [%]:", "Multiplier par [%] :", "Násobit [%]:"},
    {"%N values were kept within the map's limits (row %R, column %C: %W became %K)",
     "%N Werte wurden auf die Grenzen der Tabelle begrenzt (Zeile %R, Spalte %C: aus %W wurde %K)",
     "%N valeurs ont été ramenées dans les limites de la table (ligne %R, colonne %C : %W est "
     "devenu %K)",
     "%N hodnot bylo omezeno na meze mapy (řádek %R, sloupec %C: z %W je %K)"},
    {"Not pasted: row %R, column %C of the block holds \"%X\", which is not a number",
     "Nicht eingefügt: Zeile %R, Spalte %C des Blocks enthält „%X“, das ist keine Zahl",
     "Non collé : la ligne %R, colonne %C du bloc contient « %X », qui n'est pas un nombre",
     "Nevloženo: řádek %R, sloupec %C bloku obsahuje „%X“, což není číslo"},
    {"Not pasted: a block of %N rows and %M columns does not fit the map at row %R, column %C",
     "Nicht eingefügt: ein Block aus %N Zeilen und %M Spalten passt ab Zeile %R, Spalte %C "
     "nicht in die Tabelle",
     "Non collé : un bloc de %N lignes et %M colonnes ne tient pas dans la table à la ligne %R, "
     "colonne %C",
     "Nevloženo: blok o %N řádcích a %M sloupcích se do mapy od řádku %R, sloupce %C nevejde"},
    {"Not pasted: row %R of the block has %N cells, its first row %M",
     "Nicht eingefügt: Zeile %R des Blocks hat %N Zellen, seine erste Zeile %M",
     "Non collé : la ligne %R du bloc a %N cellules, sa première ligne %M",
     "Nevloženo: řádek %R bloku má %N buněk, jeho první řádek %M"},
    {"Not pasted: the clipboard holds no cells",
     "Nicht eingefügt: die Zwischenablage enthält keine Zellen",
     "Non collé : le presse-papiers ne contient aucune cellule",
     "Nevloženo: schránka neobsahuje žádné buňky"},
    {"This map follows map 1A and is not edited here",
     "Diese Tabelle folgt Tabelle 1A und wird hier nicht bearbeitet",
     "Cette table suit la table 1A et ne se modifie pas ici",
     "Tato mapa sleduje mapu 1A a needituje se zde"},
    {"&View", "&Ansicht", "&Affichage", "&Zobrazení"},
    {"Heat colours", "Farbskala", "Couleurs de chaleur", "Teplotní barvy"},
    {"3D map", "3D-Tabelle", "Table en 3D", "3D mapa"},
    {"RPM", "U/min", "tr/min", "ot/min"},
    {"TPS [%]", "Drosselklappe [%]", "Papillon [%]", "Škrticí klapka [%]"},
    {"Advance [°]", "Zündwinkel [°]", "Avance [°]", "Předstih [°]"},
    {"Injection [%]", "Einspritzung [%]", "Injection [%]", "Vstřik [%]"},
    {"Injection [ms]", "Einspritzung [ms]", "Injection [ms]", "Vstřik [ms]"},
}};
// clang-format on

}  // namespace

std::string_view Text(MapEditText id, Language language) {
  return kTexts[static_cast<std::size_t>(id)][static_cast<std::size_t>(language)];
}

}  // namespace morvek::i18n
