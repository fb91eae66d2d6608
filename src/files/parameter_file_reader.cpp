#include "files/parameter_file_reader.h"

#include "files/file_io.h"
#include "files/parameter_file_layout.h"
#include "files/token_scanner.h"
#include "model/field_table.h"

namespace morvek::files {
namespace {

using i18n::TextId;
using model::FieldId;

constexpr int kInjectionPage1A = 2;
constexpr int kInjectionPage2A = 3;
constexpr int kCoupledMaps = 1;

// Finds the accepted key line; returns its version or 0 at the end of the text.
int SearchKey(TokenScanner& scanner, ReadResult& result) {
  while (std::optional<std::string_view> token = scanner.Next()) {
    if (*token != kKeyKeyword) continue;
    const std::optional<std::string_view> next = scanner.Peek();
    const std::optional<int> version = next ? ParseFileNumber(*next) : std::nullopt;
    if (version) scanner.Consume(*next);
    if (version == model::kProgramVersion) return *version;
    if (version == 63 || version == 78) {
      result.messages.push_back(TextId::MsgOlderFileVersion);
      return *version;
    }
    result.messages.push_back(TextId::MsgUnmatchedFileVersion);
  }
  return 0;
}

// Reads the values of one section. Stops at the first token that is not a number; that token
// is left for the keyword loop, so a following keyword is still taken.
bool ReadSection(TokenScanner& scanner, const KeywordSection& section, int version,
                 model::Editor& editor, ReadResult& result) {
  model::ParameterImage& image = editor.image();
  result.sections_read.emplace_back(section.Keyword());
  int total = 0;
  for (const LineSpec& line : section.lines)
    for (const ValueRun& run : line.values)
      if (version >= run.min_version) total += run.count;
  int taken = 0;
  for (const LineSpec& line : section.lines) {
    for (const ValueRun& run : line.values) {
      if (version < run.min_version) continue;
      for (int i = 0; i < run.count; ++i, ++taken) {
        std::optional<std::string_view> token = scanner.Peek();
        std::optional<int> number = token ? ParseFileNumber(*token) : std::nullopt;
        if (!number) {
          result.incomplete_keywords.emplace_back(section.Keyword());
          result.early_ends.push_back({std::string(section.Keyword()), &run, run.first + i,
                                       std::string(token.value_or("")), total - taken});
          return false;
        }
        scanner.Consume(*token);
        const int stored = ExceedsByteTop(run, version, *token)
                               ? 0xFF
                               : StoredFromFileValue(run, version, *number);
        model::SetStored(image, run.field, run.first + i, stored);
        if (run.field == FieldId::kBike) {
          // Everything the file does not carry keeps the preset's default, so what was read
          // before is gone.
          editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
          result.values.clear();
          result.early_ends.clear();
          result.before_bike = result.sections_read;
          result.before_bike.pop_back();
        }
        result.values.push_back({&run, run.first + i, std::string(*token), stored});
        if (run.field == FieldId::kSensorLambdaType) {
          result.lambda_type = model::Stored(image, FieldId::kSensorLambdaType);
        }
      }
    }
  }
  return true;
}

// The memo runs from the first character after the whitespace behind MEMO to the end of the
// file; each line break is stored as a zero byte, and the last byte of the area stays zero.
void ReadMemo(std::string_view rest, model::ParameterImage& image) {
  const model::Field& memo = model::GetField(FieldId::kMemo);
  const int first = memo.first;
  const int last = memo.first + memo.count - 1;
  for (int b = first; b <= last; ++b) image.SetByte(b, 0);
  std::size_t i = 0;
  while (i < rest.size() && TokenScanner::IsSpace(rest[i])) ++i;
  int pos = first;
  for (; i < rest.size() && pos < last; ++i) {
    const char c = rest[i];
    if (c == '\r' && i + 1 < rest.size() && rest[i + 1] == '\n') {
      ++i;
      image.SetByte(pos++, 0);
    } else if (c == '\n') {
      image.SetByte(pos++, 0);
    } else {
      image.SetByte(pos++, static_cast<std::uint8_t>(c));
    }
  }
  image.SetByte(last, 0);
}

}  // namespace

bool CanOpenForActivePage(const model::Editor& editor) {
  const int page = editor.active_page();
  return !((page == kInjectionPage1A || page == kInjectionPage2A) &&
           model::Stored(editor.image(), FieldId::kJet1MiscMode) == kCoupledMaps);
}

ReadResult ReadParameterFile(std::string_view text, model::Editor& editor, bool active_page_only) {
  ReadResult result;
  result.active_page_only = active_page_only;
  if (active_page_only && !CanOpenForActivePage(editor)) return result;
  // Editors that save as UTF-8 may put a byte order mark before the key line.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  TokenScanner scanner(text);
  result.version = SearchKey(scanner, result);
  if (result.version == 0) return result;
  const int page = editor.active_page();
  // Words between the version lines and the memo are the version texts, never read back.
  bool in_version_lines = false;
  bool ignoring = false;
  std::string last_keyword(kKeyKeyword);
  // The token that ended a section early is reported with the section, not again.
  const char* early_token = nullptr;
  while (std::optional<std::string_view> token = scanner.Next()) {
    if (*token == kMemoKeyword) {
      // The memo is free text and always ends the reading, even when it is not taken, so
      // that words in it are never mistaken for keywords.
      if (!active_page_only || page == kMemoPage) ReadMemo(scanner.Rest(), editor.image());
      result.sections_read.emplace_back(kMemoKeyword);
      break;
    }
    const KeywordSection* section = FindSection(*token);
    if (section != nullptr && result.version >= section->min_version) {
      in_version_lines = ignoring = false;
      last_keyword = section->Keyword();
      if (active_page_only && (section->full_open_only || section->ReadingPage() != page)) continue;
      if (!ReadSection(scanner, *section, result.version, editor, result)) {
        const std::optional<std::string_view> stop = scanner.Peek();
        early_token = stop ? stop->data() : nullptr;
      }
      continue;
    }
    if (*token == kVersionsKeyword) {
      in_version_lines = true;
      continue;
    }
    if (active_page_only || in_version_lines || token->data() == early_token) continue;
    if (!ignoring) result.ignored.push_back({last_keyword, std::string(*token), 0});
    ignoring = true;
    ++result.ignored.back().count;
  }
  editor.ImageChanged();
  return result;
}

ReadResult OpenParameterFile(const std::filesystem::path& path, model::Editor& editor,
                             bool active_page_only) {
  std::string failure;
  std::optional<std::string> text = ReadWholeFile(path, nullptr, &failure);
  if (!text) {
    ReadResult result;
    result.opened = false;
    result.open_failure = std::move(failure);
    result.messages.push_back(TextId::MsgOpenFileError);
    return result;
  }
  return ReadParameterFile(*text, editor, active_page_only);
}

}  // namespace morvek::files
