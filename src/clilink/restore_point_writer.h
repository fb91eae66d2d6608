#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "files/restore_points.h"
#include "link/identification_page.h"
#include "model/parameter_image.h"

namespace morvek::clilink {

// Keeps an image as a restore point of the configuration directory, stamped now. A point that
// cannot be kept is said on err (as a warning unless `needed`); returns whether it was kept.
bool StoreRestorePoint(const std::filesystem::path& config_directory, files::RestoreKind kind,
                       std::vector<int> pages, const model::ParameterImage& image,
                       const link::IdentificationTexts& controller, const std::string& port,
                       std::ostream& err, bool needed = false);

}  // namespace morvek::clilink
