#include "pages/page_values.h"

namespace morvek::pages {

int PageValues::Number(std::string_view name, int fallback) const {
  const auto it = numbers_.find(name);
  return it == numbers_.end() ? fallback : it->second;
}

bool PageValues::Has(std::string_view name) const { return numbers_.find(name) != numbers_.end(); }

void PageValues::SetNumber(std::string_view name, int value) {
  const auto it = numbers_.find(name);
  if (it != numbers_.end()) {
    it->second = value;
  } else {
    numbers_.emplace(std::string(name), value);
  }
}

void PageValues::Clear() {
  numbers_.clear();
  memo_.clear();
}

}  // namespace morvek::pages
