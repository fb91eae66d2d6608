#pragma once

#include <string>
#include <string_view>

#include "i18n/text_table.h"

namespace morvek::i18n {

// The About window's version line, "Version - " and the program version; the same in every
// language.
std::string AboutVersionText(int program_version);

// The About window's lines about the project, in the window's language.
enum class AboutLine : std::uint8_t {
  kMaker,      // who makes the program
  kLicense,    // the license, with its identifier
  kNoSite,     // the project has no web site or address yet
  kManualsIn,  // heading of the folder the manuals are installed in
};
std::string_view AboutLineText(AboutLine line, Language language);

// "Morvek 0.1.0" and, when built from a git checkout, " (git DESCRIBE)".
std::string ReleaseText(std::string_view version, std::string_view describe);

// What every program prints for --version, in English as its --help is: its name and
// version, the checkout it was built from, the build date and the license. Ends in a line break.
std::string VersionLines(std::string_view program, std::string_view version,
                         std::string_view describe, std::string_view build_date);

}  // namespace morvek::i18n
