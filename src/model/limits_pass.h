#pragma once

#include "model/parameter_image.h"

namespace morvek::model {

// Settings the limits pass bounds besides the image (language, port choice, scanned port).
struct LimitedSettings {
  int language_index = 0;
  int com_port_index = 0;
  int com_auto_index = 0;
};

struct LimitsReport {
  // The two air-pressure sensor voltages are equal: their edits are marked red.
  bool aps_voltages_equal = false;
};

// Forces the image into its legal ranges and orders, on stored values, in the fixed order of
// its steps. Settings may be null when there are none to bound.
LimitsReport ApplyLimits(ParameterImage& image, LimitedSettings* settings = nullptr);

}  // namespace morvek::model
