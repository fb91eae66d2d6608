#pragma once

#include <string>
#include <string_view>

#include "files/parameter_file_reader.h"

namespace morvek::files {

// A written version-84 file cut down to what `read` took from the file it was made from: the
// sections that file lacks are left out, and a section that ended early there ends at the
// same value here. Whoever opens the copy meets the same gaps as in the original, so a file
// that is not a complete tune never becomes one by being written again.
std::string KeepGapsOfRead(std::string_view written, const ReadResult& read);

}  // namespace morvek::files
