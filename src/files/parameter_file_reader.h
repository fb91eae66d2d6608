#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/text_table.h"
#include "model/editor.h"

namespace morvek::files {

struct ValueRun;

// One number the reader took from the file, as written and as stored.
struct ReadValue {
  const ValueRun* run = nullptr;
  int element = 0;    // element of the run's field
  std::string token;  // the number as the file writes it
  int stored = 0;     // what the image received
};

// A section whose values ended at a token that is not a number (or at the end of the file).
struct EarlyEnd {
  std::string keyword;
  const ValueRun* run = nullptr;  // the value that was not read
  int element = 0;
  std::string token;  // the token met; empty at the end of the file
  int unread = 0;     // values of the section that were not read
};

// Words after a section's values that no keyword took (a full open only; the version lines
// are expected and not counted).
struct IgnoredText {
  std::string after;  // the keyword of the section before them
  std::string first;  // the first such word
  int count = 0;
};

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
  // What a full check of the file needs: every value taken (in reading order), where a
  // section ended early, the sections met (MEMO included), the sections that stood before
  // BIKE and so lost their values to the preset's defaults, and words no keyword took.
  bool active_page_only = false;  // only the active page's sections were read
  std::vector<ReadValue> values;
  std::vector<EarlyEnd> early_ends;
  std::vector<std::string> sections_read;
  std::vector<std::string> before_bike;
  std::vector<IgnoredText> ignored;
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
