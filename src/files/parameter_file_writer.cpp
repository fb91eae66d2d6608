#include "files/parameter_file_writer.h"

#include <charconv>

#include "files/parameter_file_layout.h"
#include "model/field_table.h"
#include "model/note_area.h"

namespace morvek::files {
namespace {

// The decimal value right-aligned in a field of width characters ("%5d", "%3u").
void AppendRightAligned(std::string& out, int value, int width) {
  char buffer[16];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  const int length = static_cast<int>(end - buffer);
  if (length < width) out.append(static_cast<std::size_t>(width - length), ' ');
  out.append(buffer, end);
}

void AppendRun(std::string& out, const model::ParameterImage& image, const ValueRun& run) {
  for (int i = 0; i < run.count; ++i) {
    const int stored = model::Stored(image, run.field, run.first + i);
    switch (run.style) {
      case ValueStyle::kFlagText:
        out += stored != 0 ? "    1 " : "    0 ";
        break;
      case ValueStyle::kFlagTextLast:
        out += stored != 0 ? "    1" : "    0";
        break;
      case ValueStyle::kNumber:
        // Unsigned values are never negative here, so "%5u " and "%5d " lay them out alike.
        AppendRightAligned(out, FileValueFromStored(run, stored), 5);
        out += ' ';
        break;
    }
  }
}

void AppendSection(std::string& out, const model::ParameterImage& image,
                   const KeywordSection& section) {
  for (const LineSpec& line : section.lines) {
    switch (line.kind) {
      case LineKind::kKeyword:
        out += section.keyword_field;
        break;
      case LineKind::kContinuation:
      case LineKind::kEmptyContinuation:
        out += kContinuationIndent;
        break;
      case LineKind::kBlank:
        break;
    }
    for (const ValueRun& run : line.values) AppendRun(out, image, run);
    out += kLineBreak;
  }
}

}  // namespace

std::string WriteParameterFile(const model::ParameterImage& image, const VersionTexts& versions,
                               const std::vector<std::string>& memo_lines) {
  std::string out;
  out.reserve(12000);
  out += kKeyKeywordField;
  AppendRightAligned(out, model::kProgramVersion, 3);
  out += ' ';
  out += kLineBreak;
  out += kLineBreak;
  for (const KeywordSection& section : ParameterFileSections()) AppendSection(out, image, section);
  out += kVersionsKeyword;
  out += kLineBreak;
  out += "HEX  ";
  out += versions.controller_date;
  out += "  ";
  out += versions.controller_time;
  out += "   ";
  out += versions.controller_identification;
  out += kLineBreak;
  out += "EXE  ";
  out += versions.build_date;
  out += "   ";
  out += versions.build_time;
  out += kLineBreak;
  out += kLineBreak;
  out += kMemoKeywordField;
  for (const std::string& line : memo_lines) {
    out += kLineBreak;
    out += line;
  }
  return out;
}

std::string WriteParameterFile(const model::ParameterImage& image, const VersionTexts& versions) {
  return WriteParameterFile(image, versions, model::NoteLines(image));
}

FileError SaveParameterFile(const std::filesystem::path& path, const model::ParameterImage& image,
                            const VersionTexts& versions, std::string* reason) {
  return WriteFileAtomically(path, WriteParameterFile(image, versions), reason);
}

}  // namespace morvek::files
