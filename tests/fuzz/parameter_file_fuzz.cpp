// Parameter files: whatever a file holds, reading it never breaks the program, and what the
// program then saves reads back to the same parameters, so no value of a tune is lost or
// changed by a save and an open.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/parameter_file_layout.h"
#include "files/parameter_file_reader.h"
#include "files/parameter_file_writer.h"
#include "files/token_scanner.h"
#include "fuzz_check.h"
#include "model/editor.h"

using namespace morvek;

namespace {

const files::VersionTexts kVersions{"TVN21", " 5. 2.2009", "12:30", "Jul  1 2009", "10:00:00"};

// What a file carries: the reader starts the memo at its first character that is not white
// space, so empty lines and blanks at the start of a memo do not come back.
std::string Carried(const std::string& file) {
  const std::size_t memo = file.find(files::kMemoKeywordField);
  if (memo == std::string::npos) return file;
  std::size_t first = memo + files::kMemoKeywordField.size();
  std::size_t text = first;
  while (text < file.size() && files::TokenScanner::IsSpace(file[text])) ++text;
  return file.substr(0, first) + file.substr(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  model::Editor editor;
  const model::ParameterImage before = editor.image();
  const files::ReadResult read = files::ReadParameterFile(text, editor, false);
  if (read.version == 0) {
    FUZZ_CHECK(editor.image() == before, "a file without an accepted key line changed the image");
    return 0;
  }
  FUZZ_CHECK(read.version == 63 || read.version == 78 || read.version == 84,
             "a key line of an unknown version was accepted");

  // What a save writes after the limits pass ...
  editor.ApplyLimits();
  const std::string saved = files::WriteParameterFile(editor.image(), kVersions);

  // ... opens as the same parameters: saving them again gives the same file.
  model::Editor reopened;
  const files::ReadResult again = files::ReadParameterFile(saved, reopened, false);
  FUZZ_CHECK(again.version == 84, "a saved file is not read as the current version");
  FUZZ_CHECK(again.incomplete_keywords.empty(), "a saved file has a keyword with missing values");
  FUZZ_CHECK(Carried(files::WriteParameterFile(reopened.image(), kVersions)) == Carried(saved),
             "a saved file does not read back to the values it carries");

  // The values a save carries are legal: the limits pass after opening changes none of them.
  reopened.ApplyLimits();
  FUZZ_CHECK(Carried(files::WriteParameterFile(reopened.image(), kVersions)) == Carried(saved),
             "a saved file carries values the limits pass corrects");
  return 0;
}
