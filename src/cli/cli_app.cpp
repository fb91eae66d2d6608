#include "cli/cli_app.h"

#include <algorithm>
#include <map>
#include <utility>

#include "cli/command_line.h"
#include "cli/diff_report.h"
#include "cli/limits_report.h"
#include "files/file_findings.h"
#include "files/file_io.h"
#include "files/incomplete_copy.h"
#include "files/parameter_file_layout.h"
#include "files/parameter_file_reader.h"
#include "files/parameter_file_writer.h"
#include "i18n/about_text.h"
#include "i18n/text_table.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "model/presets.h"
#include "morvek_version.h"
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

int SaveText(const std::string& path, std::string_view text, std::ostream& err) {
  std::string reason;
  const files::FileError error = files::WriteFileAtomically(path, text, &reason);
  if (error == files::FileError::kOk) return kExitOk;
  err << "morvek-cli: " << path << ": " << files::Describe(error) << "; nothing was written\n  "
      << reason << "\n";
  return kExitFileError;
}

int Save(const std::string& path, const model::Editor& editor, const BuildStamp& stamp,
         std::ostream& err) {
  return SaveText(path, files::WriteParameterFile(editor.image(), Versions(stamp)), err);
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
  const model::ParameterImage as_read = editor.image();
  editor.ApplyLimits();
  const model::ParameterImage limited = editor.image();
  // As the window has it after opening the file: limits pass and refresh. Values outside
  // their range that the limits pass leaves alone are written as the file says.
  pages::PageEditor pages(editor);
  pages::PageValues values;
  pages.AfterChange(values);
  const std::vector<files::FileFinding> findings = files::FileFindings(read, editor.image());
  Warn(err, cl.input, findings);
  ReportLimitsChanges(cl.input, as_read, limited, "written corrected", err);
  const bool has_2a = std::find(read.sections_read.begin(), read.sections_read.end(), "JET_2A") !=
                      read.sections_read.end();
  if (const int copied = static_cast<int>(files::LimitsChanges(limited, editor.image()).size());
      has_2a && copied > 0)
    err << "morvek-cli: " << cl.input << ": JET_2A is written as the copy of JET_1A that the map "
        << "mode \" 1 = 2\" makes (" << copied
        << (copied == 1 ? " value differs" : " values differ") << " from the file)\n";
  // A file that is not a complete tune must not come out looking like one: program refuses
  // the input, so the output is refused the same way or not written at all.
  const bool incomplete = files::IsIncomplete(findings);
  if (incomplete && !cl.force) {
    err << "morvek-cli: " << cl.input << ": not converted: the file is not a complete tune; "
        << cl.output << " was not written (--force writes it with the same gaps)\n";
    return kExitWarnings;
  }
  std::string text = files::WriteParameterFile(editor.image(), Versions(stamp));
  if (incomplete) text = files::KeepGapsOfRead(text, read);
  if (const int code = SaveText(cl.output, text, err); code != kExitOk) return code;
  Warn(err, cl.output, files::UncarriedValues(editor.image()));
  if (incomplete)
    err << "morvek-cli: " << cl.output << ": written with the gaps of " << cl.input
        << " (the same sections missing or cut short), so check and program refuse it as they "
           "refuse "
        << cl.input << "\n";
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
  std::vector<files::LimitsChange> changes = files::LimitsChanges(read, editor.image());
  files::NameWrittenNumbers(result, changes);
  const int changed = static_cast<int>(changes.size());
  for (const files::LimitsChange& c : changes) out << files::FormatLimitsChange(c) << "\n";
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
    case Command::kVersion:
      out << i18n::VersionLines("morvek-cli", MORVEK_VERSION, MORVEK_GIT_DESCRIBE,
                                MORVEK_BUILD_DATE);
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
