#include "pages/page_values.h"

#include "pages/page_catalog.h"

namespace morvek::pages {

void PageValues::SetPage(int page) {
  if (page == page_) return;
  page_ = page;
  const std::size_t n = PageControls(page).size();
  numbers_.assign(n, 0);
  has_.assign(n, 0);
  memo_.clear();
}

int PageValues::Number(std::string_view name, int fallback) const {
  const int i = ControlIndex(page_, name);
  return HasAt(i) ? At(i) : fallback;
}

bool PageValues::Has(std::string_view name) const { return HasAt(ControlIndex(page_, name)); }

void PageValues::SetNumber(std::string_view name, int value) {
  SetAt(ControlIndex(page_, name), value);
}

void PageValues::SetAt(int index, int value) {
  if (index < 0 || index >= Size()) return;
  numbers_[At(index, 0)] = value;
  has_[At(index, 0)] = 1;
}

void PageValues::Clear() {
  numbers_.assign(numbers_.size(), 0);
  has_.assign(has_.size(), 0);
  memo_.clear();
}

}  // namespace morvek::pages
