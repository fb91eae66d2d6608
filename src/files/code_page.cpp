#include "files/code_page.h"

#include <array>
#include <cstdint>

namespace morvek::files {
namespace {

using Upper = std::array<char16_t, 128>;  // characters of bytes 0x80..0xFF

constexpr Upper k1250{
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr Upper Make1252() {
  Upper t{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
          0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
          0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  // 0xA0..0xFF are the Latin-1 characters of the same value.
  for (int b = 0xA0; b <= 0xFF; ++b)
    t[static_cast<std::size_t>(b - 0x80)] = static_cast<char16_t>(b);
  return t;
}
constexpr Upper k1252 = Make1252();

const Upper& TableOf(CodePage page) { return page == CodePage::kWindows1250 ? k1250 : k1252; }

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 character at i and advances i; 0xFFFFFFFF for a malformed sequence (then
// i has skipped one byte).
char32_t NextChar(std::string_view s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
  const std::uint8_t lead = byte(i);
  int extra = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    ++i;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    c = lead & 0x07;
  } else {
    ++i;
    return 0xFFFFFFFF;
  }
  if (i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return 0xFFFFFFFF;
  }
  for (int k = 1; k <= extra; ++k) {
    const std::uint8_t b = byte(i + static_cast<std::size_t>(k));
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFFFFFF;
    }
    c = (c << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  i += static_cast<std::size_t>(extra) + 1;
  if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFFFFFF;
  return c;
}

}  // namespace

CodePage CodePageForLanguage(i18n::Language language) {
  return language == i18n::Language::kCzech ? CodePage::kWindows1250 : CodePage::kWindows1252;
}

std::string ToUtf8(std::string_view bytes, CodePage page) {
  const Upper& table = TableOf(page);
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char ch : bytes) {
    const auto b = static_cast<std::uint8_t>(ch);
    AppendUtf8(out, b < 0x80 ? char32_t{b} : char32_t{table[b - 0x80u]});
  }
  return out;
}

std::string FromUtf8(std::string_view utf8, CodePage page, bool* lossless) {
  const Upper& table = TableOf(page);
  std::string out;
  out.reserve(utf8.size());
  bool exact = true;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = NextChar(utf8, i);
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    char mapped = '?';
    bool found = false;
    for (std::size_t k = 0; k < table.size() && !found; ++k) {
      if (table[k] == c) {
        mapped = static_cast<char>(0x80 + k);
        found = true;
      }
    }
    exact = exact && found;
    out += mapped;
  }
  if (lossless != nullptr) *lossless = exact;
  return out;
}

}  // namespace morvek::files
