#include "link/identification_page.h"

#include <utility>

#include "link/text_format.h"

namespace morvek::link {
namespace {

constexpr int kNameFirstByte = 16;
constexpr int kNameMaxLength = 30;

}  // namespace

std::string MonthText(std::uint8_t code) {
  static constexpr std::pair<std::uint8_t, const char*> kMonths[] = {
      {25, " 1"}, {13, " 2"}, {32, " 3"}, {35, " 4"}, {39, " 5"}, {45, " 6"},
      {43, " 7"}, {29, " 8"}, {40, " 9"}, {38, "10"}, {51, "11"}, {12, "12"},
  };
  for (const auto& [month_code, text] : kMonths)
    if (month_code == code) return text;
  return "00";
}

IdentificationTexts DecodeIdentificationPage(std::span<const std::uint8_t, model::kPageSize> page) {
  IdentificationTexts texts;
  if (page[kNameFirstByte] != 0) {
    for (int i = 0; i < kNameMaxLength; ++i) {
      const std::uint8_t c = page[static_cast<std::size_t>(kNameFirstByte + i)];
      if (c == 0) break;
      texts.identification.push_back(static_cast<char>(c));
    }
  } else {
    for (int i = 0; i < 3; ++i)
      if (page[static_cast<std::size_t>(i)] != 0)
        texts.identification.push_back(static_cast<char>(page[static_cast<std::size_t>(i)]));
    texts.identification += Printf("%d%d", page[3] / 10, page[3] % 10);
  }
  texts.date = Printf("%2d.%s.20%02d", page[4], MonthText(page[5]).c_str(), page[6]);
  texts.time = Printf("%02d:%02d", page[7], page[8]);
  texts.version = page[kIdentificationVersionByte];
  return texts;
}

}  // namespace morvek::link
