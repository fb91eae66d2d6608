#include "pages/pending_pages.h"

#include "i18n/own_texts.h"

namespace morvek::pages {

std::string PendingPagesText(const model::PageProgramFlags& flags, i18n::Language language) {
  std::string pages;
  // Page 0, the identification, is programmed with every full programming and is not edited.
  for (int p = model::kFirstImagePage; p <= model::kLastImagePage; ++p) {
    if (!flags.Test(p)) continue;
    if (!pages.empty()) pages += ", ";
    pages += std::to_string(p);
  }
  if (pages.empty()) return pages;
  return std::string(i18n::Text(i18n::OwnText::kPendingPages, language)) + pages;
}

}  // namespace morvek::pages
