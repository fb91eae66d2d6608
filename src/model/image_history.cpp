#include "model/image_history.h"

namespace morvek::model {
namespace {

int Forward(int i) { return i == kHistorySize - 1 ? 0 : i + 1; }
int Back(int i) { return i == 0 ? kHistorySize - 1 : i - 1; }

}  // namespace

void ImageHistory::Reset(const ParameterImage& image, int page) {
  oldest_ = current_ = newest_ = 0;
  Store(0, Entry{image, static_cast<std::uint8_t>(page)});
}

bool ImageHistory::Record(const ParameterImage& image, int page, PageProgramFlags& flags) {
  const ParameterImage& last = ring_[static_cast<std::size_t>(current_)].image;
  bool changed = false;
  for (int b = 0; b < kImageSize; ++b) {
    if (image.Byte(b) != last.Byte(b)) {
      flags.MarkByte(b);
      changed = true;
    }
  }
  if (!changed) return false;
  current_ = Forward(current_);
  newest_ = current_;
  if (current_ == oldest_) oldest_ = Forward(oldest_);
  Store(current_, Entry{image, static_cast<std::uint8_t>(page)});
  return true;
}

void ImageHistory::Store(int index, Entry entry) {
  const auto i = static_cast<std::size_t>(index);
  if (i < ring_.size())
    ring_[i] = entry;
  else
    ring_.push_back(entry);
}

ImageHistory::RestoreResult ImageHistory::Undo(ParameterImage& image, PageProgramFlags& flags) {
  if (current_ == oldest_) return {};
  current_ = Back(current_);
  return Restore(image, flags);
}

ImageHistory::RestoreResult ImageHistory::Redo(ParameterImage& image, PageProgramFlags& flags) {
  if (current_ == newest_) return {};
  current_ = Forward(current_);
  return Restore(image, flags);
}

ImageHistory::RestoreResult ImageHistory::Restore(ParameterImage& image, PageProgramFlags& flags) {
  const Entry& entry = ring_[static_cast<std::size_t>(current_)];
  RestoreResult result{true, false, entry.page};
  for (int b = 0; b < kImageSize; ++b) {
    if (image.Byte(b) != entry.image.Byte(b)) {
      image.SetByte(b, entry.image.Byte(b));
      flags.MarkByte(b);
      result.changed = true;
    }
  }
  return result;
}

}  // namespace morvek::model
