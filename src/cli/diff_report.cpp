#include "cli/diff_report.h"

#include <algorithm>

#include "cli/limits_report.h"
#include "files/code_page.h"
#include "files/parameter_file_reader.h"
#include "i18n/text_table.h"
#include "model/field_table.h"
#include "model/limits_pass.h"

namespace morvek::cli {
namespace {

constexpr std::size_t kPageColumn = 12;
constexpr std::size_t kNameColumn = 22;

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string WithUnit(const pages::DiffEntry& e, const std::string& value) {
  if (e.text) return "\"" + files::ToUtf8(value, files::CodePage::kWindows1252) + "\"";
  return e.unit.empty() ? value : value + " " + std::string(e.unit);
}

}  // namespace

LoadFailure LoadTune(const std::string& path, model::Editor& editor, std::ostream& err) {
  model::SetStored(editor.image(), model::FieldId::kBike, 0);
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  const files::ReadResult r = files::OpenParameterFile(path, editor, false);
  if (!r.opened) {
    err << "morvek-cli: " << path << ": cannot be read\n  " << r.open_failure << "\n";
    return LoadFailure::kCannotOpen;
  }
  for (i18n::TextId id : r.messages)
    err << "morvek-cli: " << path << ": " << i18n::Text(id, i18n::Language::kEnglish) << "\n";
  if (r.version == 0) {
    if (r.messages.empty())
      err << "morvek-cli: " << path << ": not a parameter file (no KALVORIN_KEY line)\n";
    return LoadFailure::kNotAParameterFile;
  }
  for (const std::string& keyword : r.incomplete_keywords)
    err << "morvek-cli: " << path << ": " << keyword
        << " ends early (a value is missing or not a number); the rest keeps its default\n";
  // Compared as the file says it; what the limits would make of it is named beforehand.
  model::ParameterImage limited = editor.image();
  model::ApplyLimits(limited);
  ReportLimitsChanges(path, editor.image(), limited, "shown as the file says them", err);
  return LoadFailure::kNone;
}

std::string FormatDiff(const std::vector<pages::DiffEntry>& entries) {
  std::string text;
  for (const pages::DiffEntry& e : entries) {
    const std::string page = e.page >= 0 ? pages::PageName(e.page, i18n::Language::kEnglish)
                                         : "controller page " + std::to_string(e.device_page);
    text += Padded(page, kPageColumn) + " " + Padded(e.name, kNameColumn) + " " +
            WithUnit(e, e.left) + "  |  " + WithUnit(e, e.right) + "\n";
  }
  return text;
}

int ReportDiff(const std::string& left_name, const model::ParameterImage& left,
               const std::string& right_name, const model::ParameterImage& right,
               std::ostream& out) {
  const std::vector<pages::DiffEntry> entries = pages::DiffImages(left, right);
  if (entries.empty()) {
    out << left_name << " and " << right_name << " are equal\n";
    return 0;
  }
  out << entries.size() << (entries.size() == 1 ? " difference" : " differences") << ", "
      << left_name << "  |  " << right_name << ":\n"
      << FormatDiff(entries);
  return 1;
}

}  // namespace morvek::cli
