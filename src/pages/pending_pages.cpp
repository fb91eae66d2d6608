#include "pages/pending_pages.h"

#include <array>
#include <set>

#include "i18n/own_texts.h"
#include "pages/page_catalog.h"
#include "pages/tune_diff.h"

namespace morvek::pages {

std::string PendingPagesText(const model::Editor& editor, i18n::Language language) {
  const model::PageProgramFlags& flags = editor.program_flags();
  std::array<bool, kPageCount> tabs{};
  std::set<int> device_pages;  // reserved bytes no tab shows
  bool any_flagged = false;
  // Page 0, the identification, is programmed with every full programming and is not edited.
  for (int p = model::kFirstImagePage; p <= model::kLastImagePage; ++p)
    any_flagged = any_flagged || flags.Test(p);
  if (any_flagged) {
    for (const DiffEntry& e : DiffImages(editor.image(), editor.controller().image())) {
      if (!flags.Test(e.device_page)) continue;
      if (e.page >= 0 && e.page < kPageCount)
        tabs[static_cast<std::size_t>(e.page)] = true;
      else
        device_pages.insert(e.device_page);
    }
  }
  std::string names;
  auto add = [&names](const std::string& name) {
    if (!names.empty()) names += ", ";
    names += name;
  };
  for (int page = 0; page < kPageCount; ++page)
    if (tabs[static_cast<std::size_t>(page)]) add(PageName(page, language));
  for (int p : device_pages)
    add(std::string(i18n::Text(i18n::OwnText::kControllerPage, language)) + std::to_string(p));

  std::string text;
  if (!editor.controller().AllKnown())
    text = std::string(i18n::Text(i18n::OwnText::kNotVerifiedSinceStart, language));
  if (!names.empty()) {
    if (!text.empty()) text += "; ";
    text += std::string(i18n::Text(i18n::OwnText::kPendingTabs, language)) + names;
  }
  return text;
}

}  // namespace morvek::pages
