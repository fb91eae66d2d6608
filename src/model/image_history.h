#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/parameter_image.h"

namespace morvek::model {

inline constexpr int kHistorySize = 200;

// Whole-image snapshots in a ring of 200 entries, each with the page the change was made on.
class ImageHistory {
 public:
  struct RestoreResult {
    bool restored = false;  // an entry was restored (undo/redo was possible)
    bool changed = false;   // the image differed from the restored entry
    int page = 0;           // the page the entry was recorded on: the page to show
  };

  // oldest = current = newest = 0; entry 0 = the image and the page.
  void Reset(const ParameterImage& image, int page);
  // Compares the image with the current entry, marks changed pages in flags and, when
  // anything changed, records a new entry (dropping redo entries and, when full, the oldest).
  // Returns whether anything changed.
  bool Record(const ParameterImage& image, int page, PageProgramFlags& flags);
  // Undo/redo: restore the previous/next entry into the image, marking changed pages.
  RestoreResult Undo(ParameterImage& image, PageProgramFlags& flags);
  RestoreResult Redo(ParameterImage& image, PageProgramFlags& flags);

  bool CanUndo() const { return current_ != oldest_; }
  bool CanRedo() const { return current_ != newest_; }

 private:
  struct Entry {
    ParameterImage image;
    std::uint8_t page = 0;
  };
  RestoreResult Restore(ParameterImage& image, PageProgramFlags& flags);
  void Store(int index, Entry entry);

  // Grows as steps are recorded (entries are written in order until the ring wraps), so an
  // editor that never records, as in the file tools, costs one image instead of 200.
  std::vector<Entry> ring_ = std::vector<Entry>(1);
  int current_ = 0;
  int oldest_ = 0;
  int newest_ = 0;
};

}  // namespace morvek::model
