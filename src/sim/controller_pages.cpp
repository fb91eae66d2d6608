#include "sim/controller_pages.h"

#include <algorithm>
#include <string_view>

namespace morvek::sim {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::uint8_t ClampByte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

}  // namespace

std::uint8_t MonthCode(int month) {
  if (month < 1 || month > 12) return 0;
  unsigned sum = 0;
  for (char c : kMonthNames[static_cast<std::size_t>(month - 1)])
    sum += static_cast<unsigned char>(c);
  return static_cast<std::uint8_t>(sum & 0xFF);
}

std::array<std::uint8_t, model::kPageSize> BuildIdentificationPage(const Identification& id) {
  std::array<std::uint8_t, model::kPageSize> page{};
  for (std::size_t i = 0; i < 3; ++i)
    page[i] = i < id.code.size() ? static_cast<std::uint8_t>(id.code[i]) : ' ';
  page[3] = ClampByte(id.number);
  page[4] = ClampByte(id.day);
  page[5] = MonthCode(id.month);
  page[6] = ClampByte(id.year - 2000);
  page[7] = ClampByte(id.hour);
  page[8] = ClampByte(id.minute);
  page[10] = ClampByte(id.protocol_version);
  // The long name ends at the first zero byte or after 30 characters.
  const std::size_t length = std::min<std::size_t>(id.name.size(), 30);
  for (std::size_t i = 0; i < length; ++i) page[16 + i] = static_cast<std::uint8_t>(id.name[i]);
  return page;
}

ControllerPages::ControllerPages(const Identification& id, const model::ParameterImage& image)
    : identification_(BuildIdentificationPage(id)), image_(image) {}

std::span<const std::uint8_t> ControllerPages::PageBytes(int page) const {
  if (page == 0) return identification_;
  if (page >= model::kFirstImagePage && page <= model::kLastImagePage) return image_.Page(page);
  return {};
}

bool ControllerPages::StorePage(int page, std::span<const std::uint8_t, model::kPageSize> payload) {
  if (page < model::kFirstImagePage || page > model::kLastImagePage) return false;
  std::copy(payload.begin(), payload.end(), image_.Page(page).begin());
  return true;
}

void ControllerPages::SetIdentification(const Identification& id) {
  identification_ = BuildIdentificationPage(id);
}

bool ControllerPages::IsBlank() const {
  return std::all_of(image_.bytes().begin(), image_.bytes().end(),
                     [](std::uint8_t b) { return b == 0; });
}

}  // namespace morvek::sim
