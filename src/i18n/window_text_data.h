#pragma once

// Record types of the window text tables. Only the i18n library reads these; everyone else uses
// window_text.h.

#include <array>
#include <span>
#include <string_view>

#include "i18n/text_table.h"

namespace morvek::i18n::data {

using Variants = std::array<std::string_view, kLanguageCount>;

// A text written out in four languages, or a word of the text table in the current language
// followed by a tail that is the same in every language.
struct WindowTextRecord {
  std::string_view control;
  Variants text;
  bool from_word = false;
  TextId word = TextId::TxtTitlePrefix;
  std::string_view tail;
};

constexpr WindowTextRecord Literal(std::string_view control, std::string_view en,
                                   std::string_view de, std::string_view fr, std::string_view cz) {
  return {control, {en, de, fr, cz}, false, TextId::TxtTitlePrefix, {}};
}

constexpr WindowTextRecord Word(std::string_view control, TextId word, std::string_view tail = {}) {
  return {control, {}, true, word, tail};
}

inline constexpr int kMaxItems = 3;

struct ItemRecord {
  std::string_view control;
  int count;
  std::array<std::array<std::string_view, kMaxItems>, kLanguageCount> items;
};

std::span<const WindowTextRecord> MenuCaptions();
std::span<const WindowTextRecord> ControlCaptions();
std::span<const WindowTextRecord> MonitorCaptions();
std::span<const WindowTextRecord> ConnectionCaptions();
std::span<const WindowTextRecord> AboutCaptions();
std::span<const WindowTextRecord> Hints();
std::span<const WindowTextRecord> Placeholders();
std::span<const ItemRecord> RadioItems();
// The editing pages' own controls, the About window's contact lines and the items of the
// radio groups the main tables leave in their design texts.
std::span<const WindowTextRecord> PageCaptions();
std::span<const WindowTextRecord> AboutContactCaptions();
std::span<const ItemRecord> PageItems();

}  // namespace morvek::i18n::data
