#include "i18n/about_text.h"

#include <array>

namespace morvek::i18n {
namespace {

using Row = std::array<std::string_view, kLanguageCount>;

// clang-format off
constexpr std::array<Row, 4> kLines{{
    {"The Morvek developers", "Die Morvek-Entwickler", "Les développeurs de Morvek",
     "Vývojáři programu Morvek"},
    {"Free software under the GNU General Public License, version 3 or later "
     "(GPL-3.0-or-later), without any warranty.",
     "Freie Software unter der GNU General Public License, Version 3 oder später "
     "(GPL-3.0-or-later), ohne jede Gewährleistung.",
     "Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure "
     "(GPL-3.0-or-later), sans aucune garantie.",
     "Svobodný software pod licencí GNU General Public License, verze 3 nebo novější "
     "(GPL-3.0-or-later), bez jakékoli záruky."},
    {"The project has no web site or mail address yet.",
     "Das Projekt hat noch keine Website und keine Mail-Adresse.",
     "Le projet n'a pas encore de site web ni d'adresse électronique.",
     "Projekt zatím nemá webové stránky ani e-mailovou adresu."},
    {"The manuals are installed in:", "Die Handbücher sind installiert in:",
     "Les manuels sont installés dans :", "Příručky jsou nainstalovány v:"},
}};
// clang-format on

}  // namespace

std::string AboutVersionText(int program_version) {
  return "Version - " + std::to_string(program_version);
}

std::string_view AboutLineText(AboutLine line, Language language) {
  return kLines[static_cast<std::size_t>(line)][static_cast<std::size_t>(language)];
}

std::string ReleaseText(std::string_view version, std::string_view describe) {
  std::string text = "Morvek " + std::string(version);
  if (!describe.empty()) text += " (git " + std::string(describe) + ")";
  return text;
}

std::string VersionLines(std::string_view program, std::string_view version,
                         std::string_view describe, std::string_view build_date) {
  std::string text = std::string(program) + " " + std::string(version);
  if (!describe.empty()) text += " (git " + std::string(describe) + ")";
  text += "\nBuilt " + std::string(build_date) +
          "\n"
          "License GPL-3.0-or-later: GNU General Public License, version 3 or later\n"
          "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
          "This is free software: you are free to change and redistribute it.\n"
          "There is NO WARRANTY, to the extent permitted by law.\n";
  return text;
}

}  // namespace morvek::i18n
