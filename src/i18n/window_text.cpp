#include "i18n/window_text.h"

#include <array>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "i18n/window_text_data.h"

namespace morvek::i18n {
namespace {

using Resolved = std::array<std::string, kLanguageCount>;

Resolved Resolve(const data::WindowTextRecord& record) {
  Resolved out;
  for (int l = 0; l < kLanguageCount; ++l) {
    if (record.from_word) {
      out[l] = std::string(Text(record.word, static_cast<Language>(l)));
      out[l] += record.tail;
    } else {
      out[l] = std::string(record.text[l]);
    }
  }
  return out;
}

// One lookup table per kind, resolved once: texts built from text table words are put together
// here so every lookup can hand out a view into storage that lives for the whole run.
class Catalogue {
 public:
  static const Catalogue& Get() {
    static const Catalogue catalogue;
    return catalogue;
  }

  const std::unordered_map<std::string_view, Resolved>& captions() const { return captions_; }
  const std::unordered_map<std::string_view, Resolved>& hints() const { return hints_; }
  const std::unordered_map<std::string_view, Resolved>& placeholders() const {
    return placeholders_;
  }
  const std::unordered_map<std::string_view, const data::ItemRecord*>& items() const {
    return items_;
  }

  std::span<const std::string_view> caption_keys(CaptionGroup group) const {
    const auto g = static_cast<std::size_t>(group);
    return g < caption_keys_.size() ? std::span<const std::string_view>(caption_keys_[g])
                                    : std::span<const std::string_view>();
  }
  std::span<const std::string_view> hint_keys() const { return hint_keys_; }
  std::span<const std::string_view> item_keys() const { return item_keys_; }
  std::span<const std::string_view> placeholder_keys() const { return placeholder_keys_; }

 private:
  Catalogue() {
    AddCaptions(CaptionGroup::kMenu, data::MenuCaptions());
    AddCaptions(CaptionGroup::kControl, data::ControlCaptions());
    AddCaptions(CaptionGroup::kMonitor, data::MonitorCaptions());
    AddCaptions(CaptionGroup::kConnection, data::ConnectionCaptions());
    AddCaptions(CaptionGroup::kAbout, data::AboutCaptions());
    AddCaptions(CaptionGroup::kControl, data::PageCaptions());
    AddCaptions(CaptionGroup::kAbout, data::AboutContactCaptions());
    Add(data::Hints(), hints_, hint_keys_);
    Add(data::Placeholders(), placeholders_, placeholder_keys_);
    for (auto records : {data::RadioItems(), data::PageItems()}) {
      for (const data::ItemRecord& record : records) {
        if (items_.emplace(record.control, &record).second) item_keys_.push_back(record.control);
      }
    }
  }

  void AddCaptions(CaptionGroup group, std::span<const data::WindowTextRecord> records) {
    Add(records, captions_, caption_keys_[static_cast<std::size_t>(group)]);
  }

  // A control listed twice keeps its first text and is listed once.
  static void Add(std::span<const data::WindowTextRecord> records,
                  std::unordered_map<std::string_view, Resolved>& table,
                  std::vector<std::string_view>& keys) {
    for (const data::WindowTextRecord& record : records) {
      if (table.emplace(record.control, Resolve(record)).second) keys.push_back(record.control);
    }
  }

  std::unordered_map<std::string_view, Resolved> captions_;
  std::unordered_map<std::string_view, Resolved> hints_;
  std::unordered_map<std::string_view, Resolved> placeholders_;
  std::unordered_map<std::string_view, const data::ItemRecord*> items_;
  std::array<std::vector<std::string_view>, std::size(kCaptionGroups)> caption_keys_;
  std::vector<std::string_view> hint_keys_;
  std::vector<std::string_view> item_keys_;
  std::vector<std::string_view> placeholder_keys_;
};

bool ValidLanguage(Language language) { return static_cast<int>(language) < kLanguageCount; }

std::string_view Find(const std::unordered_map<std::string_view, Resolved>& table,
                      std::string_view control, Language language) {
  if (!ValidLanguage(language)) return {};
  const auto it = table.find(control);
  if (it == table.end()) return {};
  return it->second[static_cast<std::size_t>(language)];
}

}  // namespace

std::string_view Caption(std::string_view control, Language language) {
  return Find(Catalogue::Get().captions(), control, language);
}

std::string_view Hint(std::string_view control, Language language) {
  return Find(Catalogue::Get().hints(), control, language);
}

std::string_view ShortHint(std::string_view hint) {
  const std::size_t bar = hint.find('|');
  return bar == std::string_view::npos ? hint : hint.substr(0, bar);
}

std::string_view LongHint(std::string_view hint) {
  const std::size_t bar = hint.find('|');
  return bar == std::string_view::npos ? hint : hint.substr(bar + 1);
}

std::span<const std::string_view> Items(std::string_view control, Language language) {
  if (!ValidLanguage(language)) return {};
  const auto& items = Catalogue::Get().items();
  const auto it = items.find(control);
  if (it == items.end()) return {};
  const data::ItemRecord& record = *it->second;
  return std::span<const std::string_view>(record.items[static_cast<std::size_t>(language)])
      .first(static_cast<std::size_t>(record.count));
}

std::string_view Placeholder(std::string_view label, Language language) {
  return Find(Catalogue::Get().placeholders(), label, language);
}

std::span<const std::string_view> CaptionKeys(CaptionGroup group) {
  return Catalogue::Get().caption_keys(group);
}
std::span<const std::string_view> HintKeys() { return Catalogue::Get().hint_keys(); }
std::span<const std::string_view> ItemKeys() { return Catalogue::Get().item_keys(); }
std::span<const std::string_view> PlaceholderKeys() { return Catalogue::Get().placeholder_keys(); }

}  // namespace morvek::i18n
