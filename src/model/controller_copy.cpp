#include "model/controller_copy.h"

#include <algorithm>

namespace morvek::model {

void ControllerCopy::Confirm(const ParameterImage& image, int page) {
  if (page < kFirstImagePage || page > kLastImagePage) return;
  const auto from = image.Page(page);
  std::copy(from.begin(), from.end(), image_.Page(page).begin());
  known_[static_cast<std::size_t>(page)] = true;
}

void ControllerCopy::ConfirmAll(const ParameterImage& image) {
  for (int p = kFirstImagePage; p <= kLastImagePage; ++p) Confirm(image, p);
}

bool ControllerCopy::AllKnown() const {
  for (int p = kFirstImagePage; p <= kLastImagePage; ++p)
    if (!Known(p)) return false;
  return true;
}

void ControllerCopy::Settle(const ParameterImage& image, PageProgramFlags& flags) const {
  for (int p = kFirstImagePage; p <= kLastImagePage; ++p) {
    if (!Known(p)) continue;
    const auto mine = image.Page(p);
    const auto theirs = image_.Page(p);
    if (std::equal(mine.begin(), mine.end(), theirs.begin()))
      flags.Clear(p);
    else
      flags.Set(p);
  }
}

}  // namespace morvek::model
