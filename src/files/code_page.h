#pragma once

#include <string>
#include <string_view>

#include "i18n/text_table.h"

namespace morvek::files {

// Parameter files, the memo and the controller's note are 8-bit text written on Windows in the
// ANSI code page. The core keeps those bytes unchanged; a window that shows or edits them
// converts with these functions.
enum class CodePage : std::uint8_t { kWindows1250, kWindows1252 };

// Central European (1250) for Czech, Western (1252) for the other languages.
CodePage CodePageForLanguage(i18n::Language language);

// Every byte maps to one character; the five bytes a code page leaves undefined map to the C1
// control characters U+0080..U+009F of the same value, so that every byte comes back unchanged.
std::string ToUtf8(std::string_view bytes, CodePage page);

// Characters the code page cannot carry (and malformed UTF-8) become '?'; lossless (when
// given) tells whether that happened.
std::string FromUtf8(std::string_view utf8, CodePage page, bool* lossless = nullptr);

}  // namespace morvek::files
