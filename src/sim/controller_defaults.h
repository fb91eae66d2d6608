#pragma once

#include "model/parameter_image.h"

namespace morvek::sim {

// The parameter pages of a controller fresh from the workshop: the program's full default
// set for preset 0, with the limits pass applied.
model::ParameterImage DefaultControllerImage();

}  // namespace morvek::sim
