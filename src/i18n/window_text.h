#pragma once

// The language texts of the main window and the About window, by control name: captions of
// menu items and controls, hints, radio-group items and the monitor placeholders shown while no
// controller is connected. The language switch writes every key listed here; controls that are
// not listed keep their design texts in every language.

#include <span>
#include <string_view>

#include "i18n/text_table.h"

namespace morvek::i18n {

// Which kind of control a caption belongs to, so the window can find it (menu items are actions,
// the rest are widgets or windows).
enum class CaptionGroup : std::uint8_t {
  kMenu,        // menu items and menus
  kControl,     // tab sheets, group boxes, labels, buttons, check boxes, radio-group captions
  kMonitor,     // monitor group boxes whose caption does not depend on the connection
  kConnection,  // the "no connection" label
  kAbout,       // the About window and its controls
};
inline constexpr CaptionGroup kCaptionGroups[] = {CaptionGroup::kMenu, CaptionGroup::kControl,
                                                  CaptionGroup::kMonitor, CaptionGroup::kConnection,
                                                  CaptionGroup::kAbout};

// Caption of a control in a language; empty for a control without a language caption.
std::string_view Caption(std::string_view control, Language language);

// Hint of a control in a language. Tool bar hints hold a short text, "|" and a long text.
std::string_view Hint(std::string_view control, Language language);

// The tool tip part (before "|") and the status bar part (after "|") of a hint; a hint without
// "|" is both.
std::string_view ShortHint(std::string_view hint);
std::string_view LongHint(std::string_view hint);

// Items of a radio group in a language; empty for a group whose items are not translated.
std::span<const std::string_view> Items(std::string_view control, Language language);

// Text a monitor label shows while no controller is connected; empty for an unknown label and
// for the autotune status label, which is cleared.
std::string_view Placeholder(std::string_view label, Language language);

// Every key of each kind, in the order the window applies them.
std::span<const std::string_view> CaptionKeys(CaptionGroup group);
std::span<const std::string_view> HintKeys();
std::span<const std::string_view> ItemKeys();
std::span<const std::string_view> PlaceholderKeys();

}  // namespace morvek::i18n
