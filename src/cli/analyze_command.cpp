#include "cli/analyze_command.h"

#include <cstdlib>
#include <fstream>
#include <optional>

#include "analysis/analysis_log.h"
#include "analysis/cell_grid_file.h"
#include "analysis/map_proposal.h"
#include "analysis/proposal_apply.h"
#include "analysis/proposal_report.h"
#include "cli/diff_report.h"
#include "files/parameter_file_writer.h"
#include "pages/page_editor.h"

namespace morvek::cli {
namespace {

struct AnalyzeArgs {
  std::vector<std::string> logs;
  std::string tune;
  std::string output;
  std::string target_table;
  std::string lock;
  std::string report;
  analysis::AnalysisOptions options;
};

std::optional<double> Number(const std::string& text, double lo, double hi) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(v >= lo && v <= hi)) return std::nullopt;
  return v;
}

// The parsed arguments, or the reason they are not (in error).
std::optional<AnalyzeArgs> Parse(const std::vector<std::string>& args, std::string& error) {
  AnalyzeArgs a;
  bool target_given = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      a.logs.push_back(arg);
      continue;
    }
    if (i + 1 >= args.size()) {
      error = "option " + arg + " needs a value";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    auto number = [&](double lo, double hi, const char* what) {
      const std::optional<double> v = Number(value, lo, hi);
      if (!v) error = arg + " takes " + what + ", not '" + value + "'";
      return v;
    };
    if (arg == "--tune") {
      a.tune = value;
    } else if (arg == "-o" || arg == "--output") {
      a.output = value;
    } else if (arg == "--target-table") {
      a.target_table = value;
    } else if (arg == "--lock") {
      a.lock = value;
    } else if (arg == "--report") {
      a.report = value;
    } else if (arg == "--map") {
      if (value != "1" && value != "2") {
        error = "--map takes 1 (JET_1A) or 2 (JET_2A), not '" + value + "'";
        return std::nullopt;
      }
      a.options.map = value == "1" ? model::InjectionMap::k1A : model::InjectionMap::k2A;
    } else if (arg == "--target") {
      const auto v = number(8, 25, "an air/fuel ratio of 8 to 25");
      if (!v) return std::nullopt;
      a.options.target_af = *v;
      target_given = true;
    } else if (arg == "--delay-ms") {
      const auto v = number(0, 5000, "0 to 5000 ms");
      if (!v || *v != static_cast<int>(*v)) {
        error = "--delay-ms takes whole milliseconds 0 to 5000, not '" + value + "'";
        return std::nullopt;
      }
      a.options.delay_ms = static_cast<int>(*v);
    } else if (arg == "--min-hits") {
      const auto v = number(0.1, 1e9, "a number of samples above 0");
      if (!v) return std::nullopt;
      a.options.min_hits = *v;
    } else if (arg == "--max-change") {
      const auto v = number(0.1, 100, "a percentage above 0, at most 100");
      if (!v) return std::nullopt;
      a.options.max_change_pct = *v;
    } else {
      error = "unknown option '" + arg + "'";
      return std::nullopt;
    }
  }
  if (a.logs.empty())
    error = "analyze needs at least one data log";
  else if (a.tune.empty())
    error = "analyze needs --tune IN.ign, the tune the logs were ridden with";
  else if (a.output.empty())
    error = "analyze needs -o OUT.ign";
  else if (target_given && !a.target_table.empty())
    error = "--target and --target-table exclude each other";
  if (!error.empty()) return std::nullopt;
  return a;
}

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace

std::string_view AnalyzeUsageText() {
  return "Usage: morvek-cli analyze LOG.csv [LOG.csv...] --tune IN.ign -o OUT.ign [options]\n"
         "\n"
         "Proposes a corrected injection map from data logs ridden with the tune IN.ign and\n"
         "writes IN.ign with the proposal applied, as the window would save it. Each lambda\n"
         "reading counts for the operating point of the delay before it, shared among the\n"
         "four cells around it; readings taken while the engine did not run on the map alone\n"
         "(cold, enrichments, fuel cut, limiters, autotune, unsteady, sensor at its ends or in\n"
         "error) are left out and counted by reason.\n"
         "\n"
         "Options:\n"
         "  --map 1|2               the map: JET_1A or JET_2A (default: TUNING.channel; in\n"
         "                          the coupled modes always 1, which carries 2 along)\n"
         "  --target AF             the air/fuel ratio wanted (default TUNING.lambda / 10)\n"
         "  --target-table FILE.csv one A/F per cell: ten lines from the 0 % throttle row to\n"
         "                          the 100 % row, fifteen values each\n"
         "  --delay-ms N            lambda transport delay in ms (default 300)\n"
         "  --min-hits N            samples' worth a cell needs to change (default 10)\n"
         "  --max-change PCT        the most one pass moves a cell, in percent (default 10)\n"
         "  --lock FILE.csv         cells never changed: a table as the target table of\n"
         "                          1 (locked) and 0 (free)\n"
         "  --report FILE.csv       every cell: hits, mean A/F, old and new percent\n"
         "\n"
         "Exit status: 0 a proposal written; 2 bad arguments; 3 a file could not be read or\n"
         "written; 4 the tune is not a parameter file, or a log, target table or lock file\n"
         "is not what it should be (a log that is not a data log or lacks a column); 8 no\n"
         "cell reached the minimum hits (nothing written).\n";
}

int RunAnalyzeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const BuildStamp& stamp) {
  for (const std::string& arg : args)
    if (arg == "--help" || arg == "-h") {
      out << AnalyzeUsageText();
      return kExitOk;
    }
  std::string error;
  std::optional<AnalyzeArgs> a = Parse(args, error);
  if (!a) {
    err << "morvek-cli analyze: " << error << "\n\n" << AnalyzeUsageText();
    return kExitUsage;
  }
  model::Editor editor;
  switch (LoadTune(a->tune, editor, err)) {
    case LoadFailure::kNone:
      break;
    case LoadFailure::kCannotOpen:
      return kExitFileError;
    case LoadFailure::kNotAParameterFile:
      return kExitNotAParameterFile;
  }
  if (!a->target_table.empty()) {
    const analysis::CellGridFile table = analysis::ReadTargetTable(a->target_table);
    if (!table.error.empty()) {
      err << "morvek-cli: " << a->target_table << ": not a target table: " << table.error << "\n";
      return table.error == "cannot be read" ? kExitFileError : kExitNotAParameterFile;
    }
    a->options.target_table = table.values;
  }
  if (!a->lock.empty()) {
    const analysis::LockFile lock = analysis::ReadLockFile(a->lock);
    if (!lock.error.empty()) {
      err << "morvek-cli: " << a->lock << ": not a table of locked cells: " << lock.error << "\n";
      return lock.error == "cannot be read" ? kExitFileError : kExitNotAParameterFile;
    }
    a->options.locked = lock.locked;
  }
  std::vector<analysis::AnalysisLog> logs;
  for (const std::string& path : a->logs) {
    analysis::AnalysisLog log = analysis::LoadAnalysisLog(path);
    if (!log.error.empty()) {
      err << "morvek-cli: " << path << ": " << log.error << "\n";
      const bool unreadable = log.error == "cannot be opened" || log.error == "cannot be read";
      return unreadable ? kExitFileError : kExitNotAParameterFile;
    }
    logs.push_back(std::move(log));
  }

  const model::ParameterImage ridden = editor.image();
  if (a->options.map && analysis::ResolveMap(ridden, a->options) != *a->options.map)
    out << "The maps are coupled: the proposal is for JET_1A, which carries JET_2A along.\n";
  const analysis::MapProposal proposal = analysis::ProposeMap(logs, ridden, a->options);
  out << analysis::ProposalText(proposal, ridden);
  if (!a->report.empty() && !WriteText(a->report, analysis::ProposalCsv(proposal, ridden))) {
    err << "morvek-cli: " << a->report << ": the report cannot be written\n";
    return kExitFileError;
  }
  if (proposal.CoveredCells() == 0) {
    err << "morvek-cli: no cell reached " << a->options.min_hits << " hits; nothing was written\n";
    return kExitNoCoverage;
  }
  pages::PageEditor pages(editor);
  pages::PageValues values;
  analysis::ApplyProposal(pages, values, proposal);
  std::string reason;
  const files::FileError saved = files::SaveParameterFile(
      a->output, editor.image(), {"-", "-", "-", stamp.date, stamp.time}, &reason);
  if (saved != files::FileError::kOk) {
    err << "morvek-cli: " << a->output << ": " << files::Describe(saved)
        << "; nothing was written\n  " << reason << "\n";
    return kExitFileError;
  }
  out << "Wrote " << a->output << " with " << proposal.ChangedCells() << " cells changed\n";
  return kExitOk;
}

}  // namespace morvek::cli
