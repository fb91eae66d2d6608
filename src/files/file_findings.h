#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/parameter_file_reader.h"
#include "i18n/text_table.h"
#include "model/field_table.h"
#include "model/parameter_image.h"

namespace morvek::files {

enum class FindingKind : std::uint8_t {
  kNotANumber,      // a section ended at a word that is not a number (or at the end)
  kBeyondField,     // a number the value cannot hold: taken modulo 65536, cut or rounded
  kOutsideRange,    // outside the value's shown range, and the limits pass leaves it alone
  kMissingSection,  // a section of the file's version is not there
  kBeforeBike,      // a section before BIKE, whose values the preset's defaults replace
  kIgnoredText,     // words after a section's values that no keyword takes
  kNotCarried,      // an image value that writing and reading the file does not give back
  kSectionTwice,    // a section given more than once: its later values replace the earlier
};

// One thing the user must hear about a parameter file, with the keyword and element, the
// value as written and the value that is used (both as the file writes numbers).
struct FileFinding {
  FindingKind kind = FindingKind::kNotCarried;
  std::string where = {};    // "LIMITER.start", "RPM_ADV[3]", "IDLE", "byte 1190"
  std::string written = {};  // as written in the file (or held by the controller)
  std::string used = {};     // what the image uses (or what the file gives back)
  std::string range = {};    // the shown range, "900..25000", for kOutsideRange
  int count = 0;             // values not read, or words not read

  friend bool operator==(const FileFinding&, const FileFinding&) = default;
};

// Everything a read met (missing sections and stray words only for a whole-file read), judged
// against the image after the limits pass (`used`). Values the limits pass corrects are its
// ordinary work and not listed.
std::vector<FileFinding> FileFindings(const ReadResult& read, const model::ParameterImage& used);

// A value the limits pass corrects: as the file says it and as the image then holds it.
struct LimitsChange {
  std::string where;    // "RPM_ADV[1]"
  std::string written;  // as the file writes it
  std::string used;     // after the limits pass

  friend bool operator==(const LimitsChange&, const LimitsChange&) = default;
};

// Every value (the memo aside) in which the limited image differs from the image as read, in
// field table order, both sides as a version-84 file writes them.
std::vector<LimitsChange> LimitsChanges(const model::ParameterImage& read,
                                        const model::ParameterImage& limited);

// A number above its byte's top is read as the top; such a change names the number as the
// file writes it, not the top it was read as.
void NameWrittenNumbers(const ReadResult& result, std::vector<LimitsChange>& changes);

// "RPM_ADV[1]: 1000 -> 1100"
std::string FormatLimitsChange(const LimitsChange& change);

// Whether the file is not a complete tune: sections missing or numbers unreadable.
bool IsIncomplete(std::span<const FileFinding> findings);

// Values of an image that a parameter file cannot carry: writing the image as a file and
// reading that back gives something else (flag bytes other than 0 or 1, bytes no keyword
// carries, memo text the file cannot keep).
std::vector<FileFinding> UncarriedValues(const model::ParameterImage& image);

// "LIMITER.start", "RPM_ADV[3]", "BIKE".
std::string FieldElementName(const model::Field& field, int element);

// One finding as a line of text, and the whole list under its heading, one finding a line.
std::string FormatFinding(const FileFinding& finding, i18n::Language language);
std::string FormatFindings(std::span<const FileFinding> findings, i18n::Language language);

}  // namespace morvek::files
