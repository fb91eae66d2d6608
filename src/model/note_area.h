#pragma once

#include <string>
#include <vector>

#include "model/parameter_image.h"

namespace morvek::model {

// The note stored in the controller: zero-terminated 8-bit lines from byte 1200; the bytes
// after the last line are zero and byte 1349 is always zero.
inline constexpr int kNoteFirstByte = 1200;
inline constexpr int kNoteLastByte = 1349;
// The note editor accepts at most this many characters, a line break counting two.
inline constexpr int kNoteMaxChars = 149;

std::vector<std::string> NoteLines(const ParameterImage& image);

// Clears the area and writes the lines. Text that would not fit before byte 1349 is cut off,
// so the area never overflows and byte 1349 stays zero.
void SetNoteLines(ParameterImage& image, const std::vector<std::string>& lines);

}  // namespace morvek::model
