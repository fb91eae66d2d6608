#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/editor.h"
#include "pages/tune_diff.h"

namespace morvek::cli {

enum class LoadFailure : std::uint8_t { kNone, kCannotOpen, kNotAParameterFile };

// Loads a parameter file over the defaults of preset 0 and leaves the image as the file says
// it, without the limits pass. A failure is reported on err with its reason; so are the notes
// on a file that loaded and every value the limits pass would correct.
LoadFailure LoadTune(const std::string& path, model::Editor& editor, std::ostream& err);

// The differences, one line each: editing page, field and element, the value on each side.
// The note is shown in code page 1252 as UTF-8.
std::string FormatDiff(const std::vector<pages::DiffEntry>& entries);

// The whole report of a comparison of `left` with `right`; returns 0 when they are equal and
// 1 when they differ.
int ReportDiff(const std::string& left_name, const model::ParameterImage& left,
               const std::string& right_name, const model::ParameterImage& right,
               std::ostream& out);

}  // namespace morvek::cli
