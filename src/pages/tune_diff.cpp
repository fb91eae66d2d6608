#include "pages/tune_diff.h"

#include <map>
#include <utility>

#include "i18n/window_text.h"
#include "model/field_units.h"
#include "model/note_area.h"
#include "pages/page_catalog.h"

namespace morvek::pages {
namespace {

using F = model::FieldId;

constexpr int kNeverComparedByte = 1;

struct Place {
  int page = -1;
  std::string control;
};

// Which control shows each element: the first control bound to it, preferring the page the
// field table names (the TPS box shows on every map page but belongs to the advance page).
const std::map<std::pair<F, int>, Place>& Places() {
  static const std::map<std::pair<F, int>, Place> places = [] {
    std::map<std::pair<F, int>, Place> all;
    for (int page = 0; page < kPageCount; ++page) {
      for (const Control& c : PageControls(page)) {
        if (c.field == F::kCount || c.binding == Binding::kAllFlag) continue;
        const auto key = std::make_pair(c.field, c.element);
        const bool home = model::GetField(c.field).page == page;
        const auto it = all.find(key);
        if (it == all.end() || (home && it->second.page != page)) all[key] = Place{page, c.name};
      }
    }
    return all;
  }();
  return places;
}

bool BytesDiffer(const model::ParameterImage& a, const model::ParameterImage& b, int first,
                 int count) {
  for (int k = first; k < first + count; ++k)
    if (k != kNeverComparedByte && a.Byte(k) != b.Byte(k)) return true;
  return false;
}

bool OnPage(int byte, int device_page) {
  return device_page == 0 || model::ParameterImage::DevicePageOfByte(byte) == device_page;
}

std::string NoteText(const model::ParameterImage& image) {
  std::string text;
  for (const std::string& line : model::NoteLines(image)) {
    if (!text.empty()) text += " | ";
    text += line;
  }
  return text;
}

std::string ElementName(const model::Field& f, int element) {
  std::string name(f.keyword);
  if (!f.member.empty()) name += "." + std::string(f.member);
  if (f.count > 1) name += "[" + std::to_string(element) + "]";
  return name;
}

void AddFieldEntries(const model::Field& f, const model::ParameterImage& left,
                     const model::ParameterImage& right, int device_page,
                     std::vector<DiffEntry>& out) {
  const int bytes_per_element = f.width == model::Width::kWord ? 2 : 1;
  for (int i = 0; i < f.count; ++i) {
    const int first = f.ByteOf(i);
    if (!OnPage(first, device_page) || !BytesDiffer(left, right, first, bytes_per_element))
      continue;
    DiffEntry e;
    e.field = f.id;
    e.element = i;
    e.device_page = model::ParameterImage::DevicePageOfByte(first);
    e.page = f.page;
    if (const auto it = Places().find({f.id, i}); it != Places().end()) {
      e.page = it->second.page;
      e.control = it->second.control;
    }
    e.name = ElementName(f, i);
    e.unit = model::FieldUnit(f.id);
    const int a = model::Stored(left, f.id, i);
    const int b = model::Stored(right, f.id, i);
    const int shown_a = model::DecodeStored(f, a);
    const int shown_b = model::DecodeStored(f, b);
    e.left = std::to_string(shown_a);
    e.right = std::to_string(shown_b);
    // Two stored values can show alike (a flag of 1 and of 2): the stored ones tell them apart.
    if (shown_a == shown_b) {
      e.left += " (stored " + std::to_string(a) + ")";
      e.right += " (stored " + std::to_string(b) + ")";
    }
    out.push_back(std::move(e));
  }
}

}  // namespace

std::vector<DiffEntry> DiffImages(const model::ParameterImage& left,
                                  const model::ParameterImage& right, int device_page) {
  std::vector<DiffEntry> out;
  std::vector<bool> covered(model::kImageSize, false);
  for (const model::Field& f : model::FieldTable()) {
    for (int k = f.ByteOf(0); k < f.ByteOf(0) + f.ByteCount(); ++k)
      covered[static_cast<std::size_t>(k)] = true;
    if (f.encoding != model::Encoding::kText) {
      AddFieldEntries(f, left, right, device_page, out);
      continue;
    }
    if (!OnPage(f.first, device_page) || !BytesDiffer(left, right, f.first, f.count)) continue;
    DiffEntry e;
    e.field = f.id;
    e.device_page = model::ParameterImage::DevicePageOfByte(f.first);
    e.page = kBikePage;
    e.control = std::string(kMemoName);
    e.name = std::string(f.keyword);
    e.left = NoteText(left);
    e.right = NoteText(right);
    e.text = true;
    out.push_back(std::move(e));
  }
  for (int b = 0; b < model::kImageSize; ++b) {
    if (covered[static_cast<std::size_t>(b)] || !OnPage(b, device_page) ||
        !BytesDiffer(left, right, b, 1))
      continue;
    DiffEntry e;
    e.element = b;
    e.device_page = model::ParameterImage::DevicePageOfByte(b);
    e.name = "byte " + std::to_string(b);
    e.left = std::to_string(left.Byte(b));
    e.right = std::to_string(right.Byte(b));
    out.push_back(std::move(e));
  }
  return out;
}

std::string PageName(int page, i18n::Language language) {
  static constexpr std::string_view kSheets[kPageCount] = {
      "TabSheet_Bike",   "TabSheet_Advance", "TabSheet_Inj1A", "TabSheet_Inj2A",
      "TabSheet_Poloha", "TabSheet_Korekce", "TabSheet_Cidla", "TabSheet_Idle",
      "TabSheet_Gas",    "TabSheet_Gear",    "TabSheet_Race",  "TabSheet_Ladeni",
      "TabSheet_Monitor"};
  // The race and monitor tabs carry their design captions in every language.
  static constexpr std::string_view kDesign[kPageCount] = {
      "Bike",     "Advance", "Inj-1A", "Inj-2A", "Poloha", "Korekce", "Čidla",
      "Volnoběh", "N2O",     "Gear",   "Race",   "Ladeni", "Monitor"};
  if (page < 0 || page >= kPageCount) return {};
  const std::string_view caption = i18n::Caption(kSheets[static_cast<std::size_t>(page)], language);
  std::string name(caption.empty() ? kDesign[static_cast<std::size_t>(page)] : caption);
  // A caption's accelerator mark is not part of the name.
  std::erase(name, '&');
  return name;
}

ChangeResult TakeOver(PageEditor& pages, PageValues& values, const model::ParameterImage& source,
                      std::span<const DiffEntry> chosen) {
  // What the page on screen holds is part of the image the differences go into.
  pages.CollectActivePage(values);
  model::Editor& editor = pages.editor();
  // The percent views must say what is stored before the image changes under them.
  editor.ImageChanged();
  model::ParameterImage& image = editor.image();
  for (const DiffEntry& e : chosen) {
    int first = e.element;
    int count = 1;
    if (e.field != F::kCount) {
      const model::Field& f = model::GetField(e.field);
      const bool whole = f.encoding == model::Encoding::kText;
      first = whole ? f.ByteOf(0) : f.ByteOf(e.element);
      count = whole ? f.ByteCount() : (f.width == model::Width::kWord ? 2 : 1);
    }
    if (first < 0 || first + count > model::kImageSize) continue;
    for (int k = first; k < first + count; ++k) image.SetByte(k, source.Byte(k));
  }
  editor.ImageChanged();
  return pages.AfterChange(values);
}

}  // namespace morvek::pages
