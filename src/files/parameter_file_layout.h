#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "model/field_table.h"

namespace morvek::files {

// How one value of the parameter file is written.
enum class ValueStyle : std::uint8_t {
  kNumber,        // "%5u " or, for signed values, "%5d "
  kFlagText,      // "    1 " for any non-zero byte, else "    0 "
  kFlagTextLast,  // the same without the trailing blank
};

// Consecutive elements of one field, carried on one line.
struct ValueRun {
  model::FieldId field;
  int first = 0;  // first element of the field
  int count = 1;
  ValueStyle style = ValueStyle::kNumber;
  // The file carries the stored byte as it is, not the shown value of the field's encoding.
  bool as_stored = false;
  // Files older than this version do not carry these values.
  int min_version = 0;
  // Scale used by files of version 63 and older instead of the field's factor (0: the same).
  int scale_up_to_63 = 0;
};

enum class LineKind : std::uint8_t {
  kKeyword,            // the padded keyword, then values
  kContinuation,       // 13 blanks, then values
  kEmptyContinuation,  // exactly 13 blanks
  kBlank,              // an empty line
};

struct LineSpec {
  LineKind kind;
  std::vector<ValueRun> values;
};

// One keyword section of the parameter file: its padded keyword field and its lines.
struct KeywordSection {
  std::string_view keyword_field;  // exact, with trailing blanks
  std::vector<LineSpec> lines;     // the first is the keyword line
  int min_version = 0;             // read only from files of at least this version
  bool full_open_only = false;     // never read by "open for actual page"

  std::string_view Keyword() const;
  // The editing page whose "open for actual page" reads this section.
  int ReadingPage() const;
};

inline constexpr std::string_view kKeyKeyword = "KALVORIN_KEY";
inline constexpr std::string_view kKeyKeywordField = "KALVORIN_KEY   ";
inline constexpr std::string_view kVersionsKeyword = "VERSIONS";
inline constexpr std::string_view kMemoKeyword = "MEMO";
inline constexpr std::string_view kMemoKeywordField = "MEMO         ";
inline constexpr std::string_view kContinuationIndent = "             ";
// The editing page that shows the memo (and whose "open for actual page" reads it).
inline constexpr int kMemoPage = 0;
inline constexpr std::string_view kLineBreak = "\r\n";

// The parameter sections between the key line and VERSIONS, in file order.
std::span<const KeywordSection> ParameterFileSections();
// The section of a keyword (exact, case-sensitive), or null.
const KeywordSection* FindSection(std::string_view keyword);

// Conversion between a stored value and the number the file carries: a byte is written as
// stored * scale + offset and read back as (number - offset) / scale.
struct FileTransform {
  int scale = 1;
  int offset = 0;
};
FileTransform TransformOf(const ValueRun& run, int version);

// The number the file carries for a stored value, and the stored value for a file number
// (taken modulo 65536, computed in signed 32-bit arithmetic truncating toward zero, then cut
// to the field's width).
int FileValueFromStored(const ValueRun& run, int stored);
int StoredFromFileValue(const ValueRun& run, int version, int file_number);
// A number written for an unsigned byte value that lies above what the byte holds. The reader
// stores the byte's top (255) instead of the low bits, so that the limits pass caps the value
// like any other above its range instead of meeting a small number it cannot tell apart.
bool ExceedsByteTop(const ValueRun& run, int version, std::string_view token);
// The number a version-84 file carries for a stored value of a field (not the memo).
int FileValueOfField(model::FieldId field, int stored);

}  // namespace morvek::files
