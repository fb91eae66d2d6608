#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "files/file_io.h"
#include "model/parameter_image.h"

namespace morvek::files {

// The texts of the VERSIONS section: the controller firmware as last shown, and the build
// stamp of the program that writes the file ("Jul  1 2009", "hh:mm:ss").
struct VersionTexts {
  std::string controller_identification;
  std::string controller_date;
  std::string controller_time;
  std::string build_date;
  std::string build_time;
};

// The whole parameter file for an image, byte for byte, with CR LF line breaks.
std::string WriteParameterFile(const model::ParameterImage& image, const VersionTexts& versions,
                               const std::vector<std::string>& memo_lines);
// The same with the memo lines taken from the image's note area.
std::string WriteParameterFile(const model::ParameterImage& image, const VersionTexts& versions);

// Writes the file atomically: a failure leaves any older file at path untouched and puts the
// system's reason into `reason` (when given).
FileError SaveParameterFile(const std::filesystem::path& path, const model::ParameterImage& image,
                            const VersionTexts& versions, std::string* reason = nullptr);

}  // namespace morvek::files
