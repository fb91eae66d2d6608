#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "files/file_io.h"
#include "model/editor.h"
#include "model/parameter_image.h"

namespace morvek::files {

using AllFlags = std::array<std::uint8_t, model::kPageCount>;

// The image of the last run and the per-page "All" flags: 1350 values "%5u ", ten to a line,
// an empty line after every hundred, then the 13 flags on a last line without a line break.
std::string FormatStateFile(const model::ParameterImage& image, const AllFlags& flags);

// Reads numbers in order into the image bytes and then the flags, each keeping its low 8
// bits. Reading ends at the end of the text or at the first thing that is not a number, as if
// the file ended there; positions not reached keep their values. Returns the count read.
int ParseStateFile(std::string_view text, model::ParameterImage& image, AllFlags& flags);

// False when the file cannot be opened: image and flags are unchanged.
bool ReadStateFile(const std::filesystem::path& path, model::ParameterImage& image,
                   AllFlags& flags);
FileError WriteStateFile(const std::filesystem::path& path, const model::ParameterImage& image,
                         const AllFlags& flags);

}  // namespace morvek::files
