#include "files/file_findings.h"

#include <map>
#include <set>
#include <utility>

#include "files/parameter_file_layout.h"
#include "files/parameter_file_writer.h"
#include "i18n/own_texts.h"
#include "model/editor.h"

namespace morvek::files {
namespace {

using model::Field;
using model::FieldId;

// The written integer itself, not taken modulo 65536; a longer number than any value can
// be saturates, which is still far outside every field.
long long WrittenInteger(std::string_view token) {
  bool negative = false;
  if (!token.empty() && (token.front() == '-' || token.front() == '+')) {
    negative = token.front() == '-';
    token.remove_prefix(1);
  }
  long long value = 0;
  for (char c : token) {
    value = value * 10 + (c - '0');
    if (value > 1'000'000'000'000LL) break;
  }
  return negative ? -value : value;
}

// The number a file of `version` writes for a stored value.
int FileNumber(const ValueRun& run, int version, int stored) {
  const FileTransform t = TransformOf(run, version);
  return stored * t.scale + t.offset;
}

std::string Range(const Field& f, const ValueRun& run, int version) {
  return std::to_string(FileNumber(run, version, model::EncodeShown(f, f.min))) + ".." +
         std::to_string(FileNumber(run, version, model::EncodeShown(f, f.max)));
}

bool InShownRange(const Field& f, int stored) {
  return stored >= model::EncodeShown(f, f.min) && stored <= model::EncodeShown(f, f.max);
}

// The run of the file that carries an element of a field.
const ValueRun* RunOf(FieldId field, int element) {
  for (const KeywordSection& section : ParameterFileSections())
    for (const LineSpec& line : section.lines)
      for (const ValueRun& run : line.values)
        if (run.field == field && element >= run.first && element < run.first + run.count)
          return &run;
  return nullptr;
}

void Replace(std::string& text, std::string_view mark, const std::string& value) {
  const std::size_t at = text.find(mark);
  if (at != std::string::npos) text.replace(at, mark.size(), value);
}

}  // namespace

std::string FieldElementName(const Field& f, int element) {
  std::string name(f.keyword);
  if (!f.member.empty()) name += "." + std::string(f.member);
  if (f.count > 1) name += "[" + std::to_string(element) + "]";
  return name;
}

std::vector<FileFinding> FileFindings(const ReadResult& read, const model::ParameterImage& used) {
  std::vector<FileFinding> findings;
  if (read.version == 0) return findings;
  for (const EarlyEnd& end : read.early_ends) {
    const Field& f = model::GetField(end.run->field);
    findings.push_back(
        {FindingKind::kNotANumber, FieldElementName(f, end.element), end.token,
         std::to_string(FileNumber(*end.run, read.version, model::Stored(used, f.id, end.element))),
         "", end.unread});
  }
  // A value read twice counts as its last reading, as the image holds it.
  std::map<std::pair<FieldId, int>, const ReadValue*> last;
  for (const ReadValue& v : read.values) last[{v.run->field, v.element}] = &v;
  std::vector<const ReadValue*> values;
  for (const ReadValue& v : read.values)
    if (last[{v.run->field, v.element}] == &v) values.push_back(&v);
  for (const ReadValue* v : values) {
    const Field& f = model::GetField(v->run->field);
    const int now = model::Stored(used, f.id, v->element);
    const std::string used_text = std::to_string(FileNumber(*v->run, read.version, now));
    const std::string where = FieldElementName(f, v->element);
    // A number above an unsigned byte's top is read as the top; the limits pass brings it into
    // range, as it does every value above its range.
    const bool capped = ExceedsByteTop(*v->run, read.version, v->token);
    if (!capped && WrittenInteger(v->token) != FileNumber(*v->run, read.version, v->stored)) {
      findings.push_back({FindingKind::kBeyondField, where, v->token, used_text, "", 0});
    } else if (now == v->stored && !InShownRange(f, now)) {
      findings.push_back({FindingKind::kOutsideRange, where, v->token, used_text,
                          Range(f, *v->run, read.version), 0});
    }
  }
  // Reading one page's sections leaves the others out on purpose.
  if (read.active_page_only) return findings;
  const std::set<std::string> met(read.sections_read.begin(), read.sections_read.end());
  for (const KeywordSection& section : ParameterFileSections())
    if (read.version >= section.min_version && !met.contains(std::string(section.Keyword())))
      findings.push_back({FindingKind::kMissingSection, std::string(section.Keyword())});
  if (!met.contains(std::string(kMemoKeyword)))
    findings.push_back({FindingKind::kMissingSection, std::string(kMemoKeyword)});
  for (const std::string& keyword : read.before_bike)
    findings.push_back({FindingKind::kBeforeBike, keyword});
  for (const IgnoredText& text : read.ignored)
    findings.push_back({FindingKind::kIgnoredText, text.after, text.first, "", "", text.count});
  // Listed in the order the sections first stand in the file.
  std::map<std::string, int> times;
  for (const std::string& keyword : read.sections_read) ++times[keyword];
  for (const std::string& keyword : read.sections_read) {
    int& n = times[keyword];
    if (n > 1) findings.push_back({FindingKind::kSectionTwice, keyword, "", "", "", n});
    n = 0;
  }
  return findings;
}

std::vector<LimitsChange> LimitsChanges(const model::ParameterImage& read,
                                        const model::ParameterImage& limited) {
  std::vector<LimitsChange> changes;
  for (const Field& f : model::FieldTable()) {
    if (f.id == FieldId::kMemo) continue;
    for (int i = 0; i < f.count; ++i) {
      const int before = model::Stored(read, f.id, i);
      const int after = model::Stored(limited, f.id, i);
      if (before == after) continue;
      changes.push_back({FieldElementName(f, i), std::to_string(FileValueOfField(f.id, before)),
                         std::to_string(FileValueOfField(f.id, after))});
    }
  }
  return changes;
}

std::string FormatLimitsChange(const LimitsChange& change) {
  return change.where + ": " + change.written + " -> " + change.used;
}

bool IsIncomplete(std::span<const FileFinding> findings) {
  for (const FileFinding& f : findings)
    if (f.kind == FindingKind::kNotANumber || f.kind == FindingKind::kMissingSection) return true;
  return false;
}

std::vector<FileFinding> UncarriedValues(const model::ParameterImage& image) {
  // What opening the written file gives, starting from nothing: every difference is a value
  // the file does not carry.
  model::Editor back;
  back.image() = model::ParameterImage{};
  ReadParameterFile(WriteParameterFile(image, VersionTexts{"-", "-", "-", "-", "-"}), back, false);
  const model::ParameterImage& again = back.image();
  std::vector<FileFinding> findings;
  std::vector<bool> covered(model::kImageSize, false);
  for (const Field& f : model::FieldTable()) {
    for (int b = f.ByteOf(0); b < f.ByteOf(0) + f.ByteCount(); ++b)
      covered[static_cast<std::size_t>(b)] = true;
    if (f.id == FieldId::kMemo) {
      for (int b = f.first; b < f.first + f.count; ++b)
        if (image.Byte(b) != again.Byte(b)) {
          findings.push_back({FindingKind::kNotCarried, "MEMO[" + std::to_string(b - f.first) + "]",
                              std::to_string(image.Byte(b)), std::to_string(again.Byte(b))});
          break;
        }
      continue;
    }
    for (int i = 0; i < f.count; ++i) {
      const int held = model::Stored(image, f.id, i);
      const int carried = model::Stored(again, f.id, i);
      if (held == carried) continue;
      const ValueRun* run = RunOf(f.id, i);
      const auto shown = [&](int stored) {
        return std::to_string(run ? FileNumber(*run, model::kProgramVersion, stored) : stored);
      };
      findings.push_back(
          {FindingKind::kNotCarried, FieldElementName(f, i), shown(held), shown(carried)});
    }
  }
  for (int b = 0; b < model::kImageSize; ++b)
    if (!covered[static_cast<std::size_t>(b)] && image.Byte(b) != again.Byte(b))
      findings.push_back({FindingKind::kNotCarried, "byte " + std::to_string(b),
                          std::to_string(image.Byte(b)), std::to_string(again.Byte(b))});
  return findings;
}

std::string FormatFinding(const FileFinding& finding, i18n::Language language) {
  using i18n::OwnText;
  OwnText id = OwnText::kFindingNotCarried;
  switch (finding.kind) {
    case FindingKind::kNotANumber:
      id = finding.written.empty() ? OwnText::kFindingEndOfFile : OwnText::kFindingNotANumber;
      break;
    case FindingKind::kBeyondField:
      id = OwnText::kFindingBeyondField;
      break;
    case FindingKind::kOutsideRange:
      id = OwnText::kFindingOutsideRange;
      break;
    case FindingKind::kMissingSection:
      id = OwnText::kFindingMissingSection;
      break;
    case FindingKind::kBeforeBike:
      id = OwnText::kFindingBeforeBike;
      break;
    case FindingKind::kIgnoredText:
      id = OwnText::kFindingIgnoredText;
      break;
    case FindingKind::kNotCarried:
      break;
    case FindingKind::kSectionTwice:
      id = OwnText::kFindingSectionTwice;
      break;
  }
  std::string text(i18n::Text(id, language));
  Replace(text, "%W", finding.where);
  Replace(text, "%X", finding.written);
  Replace(text, "%U", finding.used);
  Replace(text, "%R", finding.range);
  Replace(text, "%N", std::to_string(finding.count));
  return text;
}

std::string FormatFindings(std::span<const FileFinding> findings, i18n::Language language) {
  std::string text(i18n::Text(i18n::OwnText::kFileFindingsHeading, language));
  for (const FileFinding& f : findings) text += "\n" + FormatFinding(f, language);
  return text;
}

void NameWrittenNumbers(const ReadResult& result, std::vector<LimitsChange>& changes) {
  for (const ReadValue& v : result.values) {
    if (!ExceedsByteTop(*v.run, result.version, v.token)) continue;
    const std::string where = FieldElementName(model::GetField(v.run->field), v.element);
    for (LimitsChange& c : changes)
      if (c.where == where) c.written = v.token;
  }
}

}  // namespace morvek::files
