#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/text_table.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "model/parameter_image.h"
#include "pages/page_editor.h"
#include "pages/page_values.h"

namespace morvek::pages {

// One difference between two parameter images, in the words of the field table.
struct DiffEntry {
  model::FieldId field = model::FieldId::kCount;  // kCount: a reserved byte no field covers
  int element = 0;      // element of the field; the image byte when no field covers it
  int device_page = 0;  // controller page 1..9 that holds it
  int page = -1;        // editing page whose controls show it; -1 when none does
  std::string control;  // objectName of the control that shows it; empty when none does
  std::string name;     // "LIMITER.ignition", "ADVANCE[52]", "MEMO", "byte 191"
  std::string left;     // the shown value on each side; the note as its 8-bit lines
  std::string right;
  std::string_view unit;  // UTF-8; empty for counts, choices and flags
  bool text = false;      // left/right are note bytes, to be decoded by the code page
};

// Every difference between `left` and `right`, field by field in the keyword order of the
// parameter file, then the reserved bytes in image order. A map cell or array element is one
// entry; the note is one entry. Image byte 1 is never compared: the controller keeps its own.
// `device_page` 1..9 limits the list to that controller page; 0 compares all of them.
std::vector<DiffEntry> DiffImages(const model::ParameterImage& left,
                                  const model::ParameterImage& right, int device_page = 0);

// The editing page's tab caption in the language ("Bike", "Inj. 1", ...).
std::string PageName(int page, i18n::Language language);

// "Take over": the chosen differences copied from `source` into the editor's image as one
// edit (limits pass, refresh of the page on screen, one history entry, pages to program
// flagged as any edit flags them).
ChangeResult TakeOver(PageEditor& pages, PageValues& values, const model::ParameterImage& source,
                      std::span<const DiffEntry> chosen);

}  // namespace morvek::pages
