#include "cli/cli_app.h"

#include <map>
#include <utility>

#include "cli/command_line.h"
#include "cli/diff_report.h"
#include "files/file_findings.h"
#include "files/parameter_file_layout.h"
#include "files/parameter_file_reader.h"
#include "files/parameter_file_writer.h"
#include "i18n/text_table.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "model/presets.h"
#include "pages/page_commands.h"
#include "pages/page_editor.h"

namespace morvek::cli {
namespace {

using model::FieldId;

// No controller has been read by this tool: its firmware texts are unknown.
files::VersionTexts Versions(const BuildStamp& stamp) {
  return {"-", "-", "-", stamp.date, stamp.time};
}

std::string_view English(i18n::TextId id) { return i18n::Text(id, i18n::Language::kEnglish); }

// The program's state before a file is opened: the defaults of preset 0.
void StartUpDefaults(model::Editor& editor) {
  model::SetStored(editor.image(), FieldId::kBike, 0);
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
}

int Save(const std::string& path, const model::Editor& editor, const BuildStamp& stamp,
         std::ostream& err) {
  std::string reason;
  const files::FileError error =
      files::SaveParameterFile(path, editor.image(), Versions(stamp), &reason);
  if (error == files::FileError::kOk) return kExitOk;
  err << "morvek-cli: " << path << ": " << files::Describe(error) << "; nothing was written\n  "
      << reason << "\n";
  return kExitFileError;
}

// Reads a file as a full open does; returns the exit code of a failure, or -1 when loaded.
int Load(const std::string& path, model::Editor& editor, std::ostream& err, files::ReadResult& r) {
  StartUpDefaults(editor);
  r = files::OpenParameterFile(path, editor, false);
  if (!r.opened) {
    err << "morvek-cli: " << path << ": " << English(i18n::TextId::MsgOpenFileError) << "\n  "
        << r.open_failure << "\n";
    return kExitFileError;
  }
  for (i18n::TextId id : r.messages) err << "morvek-cli: " << path << ": " << English(id) << "\n";
  if (r.version == 0) {
    if (r.messages.empty())
      err << "morvek-cli: " << path << ": not a parameter file (no KALVORIN_KEY line)\n";
    return kExitNotAParameterFile;
  }
  return -1;
}

void Warn(std::ostream& err, const std::string& path,
          const std::vector<files::FileFinding>& findings) {
  for (const files::FileFinding& f : findings)
    err << "morvek-cli: " << path
        << ": warning: " << files::FormatFinding(f, i18n::Language::kEnglish) << "\n";
}

int RunNew(const CommandLine& cl, std::ostream& out, std::ostream& err, const BuildStamp& stamp) {
  // What the window saves after picking the preset and New: the same edit path, whose
  // refresh makes map 2A the copy of 1A that the default mode " 1 = 2" promises.
  model::Editor editor;
  model::SetStored(editor.image(), FieldId::kBike, cl.bike);
  pages::PageEditor pages(editor);
  pages::PageValues values;
  pages::ApplyNew(pages, values, model::DefaultsScope::kWholeImage);
  if (const int code = Save(cl.output, editor, stamp, err); code != kExitOk) return code;
  out << "Wrote the defaults of preset " << cl.bike << " (" << model::FindPreset(cl.bike)->name
      << ") to " << cl.output << "\n";
  return kExitOk;
}

int RunConvert(const CommandLine& cl, std::ostream& out, std::ostream& err,
               const BuildStamp& stamp) {
  model::Editor editor;
  files::ReadResult read;
  if (const int code = Load(cl.input, editor, err, read); code >= 0) return code;
  // As the window has it after opening the file: limits pass and refresh. Values outside
  // their range that the limits pass leaves alone are written as the file says.
  pages::PageEditor pages(editor);
  pages::PageValues values;
  pages.AfterChange(values);
  Warn(err, cl.input, files::FileFindings(read, editor.image()));
  if (const int code = Save(cl.output, editor, stamp, err); code != kExitOk) return code;
  Warn(err, cl.output, files::UncarriedValues(editor.image()));
  out << "Converted " << cl.input << " to " << cl.output << " (version " << model::kProgramVersion
      << ")\n";
  return kExitOk;
}

int RunCheck(const CommandLine& cl, std::ostream& out, std::ostream& err) {
  model::Editor editor;
  files::ReadResult result;
  if (const int code = Load(cl.input, editor, err, result); code >= 0) return code;
  const model::ParameterImage read = editor.image();
  const model::LimitsReport report = editor.ApplyLimits();
  const std::vector<files::FileFinding> findings = files::FileFindings(result, editor.image());
  // A number above its byte's top was read as the top: it is named as the file writes it.
  std::map<std::pair<FieldId, int>, std::string> written;
  for (const files::ReadValue& v : result.values)
    if (files::ExceedsByteTop(*v.run, result.version, v.token))
      written[{v.run->field, v.element}] = v.token;
  int changed = 0;
  for (const model::Field& f : model::FieldTable()) {
    if (f.id == FieldId::kMemo) continue;
    for (int i = 0; i < f.count; ++i) {
      const int before = model::Stored(read, f.id, i);
      const int after = model::Stored(editor.image(), f.id, i);
      if (before == after) continue;
      ++changed;
      const auto token = written.find({f.id, i});
      out << files::FieldElementName(f, i) << ": "
          << (token != written.end() ? token->second
                                     : std::to_string(files::FileValueOfField(f.id, before)))
          << " -> " << files::FileValueOfField(f.id, after) << "\n";
    }
  }
  if (report.aps_voltages_equal) out << "note: APS.voltage1 and APS.voltage2 are equal\n";
  for (const files::FileFinding& f : findings)
    out << "warning: " << files::FormatFinding(f, i18n::Language::kEnglish) << "\n";
  if (changed == 0 && findings.empty()) {
    out << cl.input << ": every value is within its limits\n";
    return kExitOk;
  }
  if (changed > 0)
    out << cl.input << ": " << changed << (changed == 1 ? " value is" : " values are")
        << " out of range\n";
  if (findings.empty()) return kExitOutOfRange;
  out << cl.input << ": " << findings.size() << (findings.size() == 1 ? " warning" : " warnings")
      << (files::IsIncomplete(findings) ? "; the file is not a complete tune\n" : "\n");
  return kExitWarnings;
}

int RunDiff(const CommandLine& cl, std::ostream& out, std::ostream& err) {
  model::Editor left;
  model::Editor right;
  for (auto [path, editor] : {std::pair{&cl.input, &left}, std::pair{&cl.input2, &right}}) {
    switch (LoadTune(*path, *editor, err)) {
      case LoadFailure::kNone:
        break;
      case LoadFailure::kCannotOpen:
        return kExitFileError;
      case LoadFailure::kNotAParameterFile:
        return kExitNotAParameterFile;
    }
  }
  return ReportDiff(cl.input, left.image(), cl.input2, right.image(), out);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const BuildStamp& stamp) {
  const ParseResult parsed = ParseCommandLine(args);
  if (!parsed.command_line) {
    err << "morvek-cli: " << parsed.error << "\n\n" << UsageText();
    return kExitUsage;
  }
  const CommandLine& cl = *parsed.command_line;
  switch (cl.command) {
    case Command::kHelp:
      out << UsageText();
      return kExitOk;
    case Command::kNew:
      return RunNew(cl, out, err, stamp);
    case Command::kConvert:
      return RunConvert(cl, out, err, stamp);
    case Command::kCheck:
      return RunCheck(cl, out, err);
    case Command::kDiff:
      return RunDiff(cl, out, err);
  }
  return kExitUsage;
}

}  // namespace morvek::cli
