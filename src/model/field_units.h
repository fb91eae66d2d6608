#pragma once

#include <string_view>

#include "model/field_table.h"

namespace morvek::model {

// The unit a field's shown value is given in ("rpm", "µs", "°"); empty for counts, choices,
// flags and ratios. UTF-8.
std::string_view FieldUnit(FieldId id);

}  // namespace morvek::model
