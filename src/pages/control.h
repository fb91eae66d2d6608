#pragma once

#include <cstdint>
#include <string>

#include "model/field_table.h"

namespace morvek::pages {

// A spinner's shown range and step.
struct Range {
  int min = 0;
  int max = 0;
  int step = 1;
  friend bool operator==(const Range&, const Range&) = default;
};

enum class ControlKind : std::uint8_t {
  kSpinner,     // an edit box with its up/down spinner: a number
  kCheckBox,    // 0 or 1
  kRadioGroup,  // the chosen item, -1 for none
  kComboBox,    // the chosen item
  kMemo,        // lines of 8-bit text
};

// What a control shows.
enum class Binding : std::uint8_t {
  kField,        // element `element` of `field`, through the field's encoding
  kPercentView,  // cell `element` of an injection map's percent view (`field` is its times)
  kAllFlag,      // the page's remembered "All" check box
  kNote,         // the note area
};

// One control of an editing page. The location, encoding and range of its value come from the
// field table; only the name and the place on the page are its own.
struct Control {
  std::string name;       // objectName; a spinner is named after its up/down control
  std::string edit_name;  // the edit box a spinner stands for; empty for other kinds
  ControlKind kind = ControlKind::kSpinner;
  Binding binding = Binding::kField;
  model::FieldId field = model::FieldId::kCount;
  int element = 0;
  Range range;
  int items = 0;          // radio groups and the combo box
  bool collected = true;  // false: written by its own click handler only
};

}  // namespace morvek::pages
