#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "model/parameter_image.h"

namespace morvek::cli {

// Names on err every value of the file at `path` that the limits pass corrects, one line
// each as check lists them, under a heading that says what the command does with them
// (`consequence`: "written corrected", "compared as the file says them", ...). Returns how
// many there are; prints nothing when there are none.
int ReportLimitsChanges(const std::string& path, const model::ParameterImage& read,
                        const model::ParameterImage& limited, std::string_view consequence,
                        std::ostream& err);

}  // namespace morvek::cli
