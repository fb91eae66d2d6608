#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/text_table.h"
#include "model/editor.h"

namespace morvek::files {

// What reading a parameter file found and what the user is to be told.
struct ReadResult {
  bool opened = true;        // false: the file could not be opened (MsgOpenFileError)
  std::string open_failure;  // why not, as the system says (for a detail line)
  // The version of the accepted key line (63, 78 or 84), 0 when none was accepted: then the
  // image is unchanged.
  int version = 0;
  // Messages to show, in order (older or unmatched version, open error).
  std::vector<i18n::TextId> messages;
  // The lambda sensor type read from SENSOR_LAMBDA, for the type selector.
  std::optional<int> lambda_type;
  // Keywords whose values ended early at a token that is not a number (or at the end of the
  // file); their remaining values kept what the image held.
  std::vector<std::string> incomplete_keywords;
};

// "Open for actual page" does nothing on the two injection-map pages while the maps are
// coupled.
bool CanOpenForActivePage(const model::Editor& editor);

// Reads a parameter file into the editor's image. A full open (active_page_only false)
// applies the preset defaults when it meets BIKE; otherwise only the sections of the editor's
// active page are read. The percent views follow the new injection times.
ReadResult ReadParameterFile(std::string_view text, model::Editor& editor, bool active_page_only);

ReadResult OpenParameterFile(const std::filesystem::path& path, model::Editor& editor,
                             bool active_page_only);

}  // namespace morvek::files
