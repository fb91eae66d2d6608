#pragma once

#include "model/parameter_image.h"

namespace morvek::model {

// Bytes 2..5: written with the defaults, at start-up after the state file and on a preset
// change. Byte 4 is EXITATION, 30 for preset 2 and 19 otherwise.
void WriteFixedHeaderBytes(ParameterImage& image);

// Every fixed byte and word: the header bytes and the constants further in the image.
void WriteFixedBytes(ParameterImage& image);

}  // namespace morvek::model
