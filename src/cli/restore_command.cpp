#include "cli/restore_command.h"

#include <algorithm>
#include <cstdio>

#include "files/parameter_file_writer.h"
#include "files/restore_points.h"

namespace morvek::cli {
namespace {

constexpr const char* kUsage =
    "usage: morvek-cli restore list\n"
    "       morvek-cli restore export ID -o OUT.ign   (ID: the id or the number of the list)\n";

int Usage(std::ostream& err, const std::string& problem) {
  err << "morvek-cli: " << problem << "\n" << kUsage;
  return kExitUsage;
}

std::string Padded(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

int List(const files::RestorePointStore& store, std::ostream& out) {
  const std::vector<files::RestorePoint> points = store.List();
  if (points.empty()) {
    out << "no restore points in " << store.directory().string() << "\n";
    return kExitOk;
  }
  struct Row {
    std::string cells[7];
  };
  std::vector<Row> rows{{{"#", "ID", "TIME", "KIND", "PORT", "CONTROLLER", "PAGES"}}};
  for (std::size_t k = 0; k < points.size(); ++k) {
    const files::RestorePoint& p = points[k];
    rows.push_back({{std::to_string(k + 1), p.id, files::FormatLocalTime(p.time_ms),
                     std::string(files::KindWord(p.kind)), p.port.empty() ? "-" : p.port,
                     p.controller.empty() ? "-" : p.controller, files::PagesText(p.pages)}});
  }
  std::size_t width[7] = {};
  for (const Row& row : rows)
    for (int c = 0; c < 7; ++c) width[c] = std::max(width[c], row.cells[c].size());
  for (const Row& row : rows) {
    std::string line;
    for (int c = 0; c < 6; ++c) line += Padded(row.cells[c], width[c] + 2);
    out << line << row.cells[6] << "\n";
  }
  return kExitOk;
}

int Export(const files::RestorePointStore& store, const std::string& id, const std::string& output,
           const BuildStamp& stamp, std::ostream& out, std::ostream& err) {
  const std::optional<files::RestorePoint> point = store.Find(id);
  if (!point) {
    err << "morvek-cli: no restore point " << id << " in " << store.directory().string()
        << " (see morvek-cli restore list)\n";
    return kExitFileError;
  }
  const files::VersionTexts versions{point->controller, point->controller_date,
                                     point->controller_time, stamp.date, stamp.time};
  std::string reason;
  const files::FileError error = files::SaveParameterFile(output, point->image, versions, &reason);
  if (error != files::FileError::kOk) {
    err << "morvek-cli: " << output << ": " << files::Describe(error) << "; nothing was written\n  "
        << reason << "\n";
    return kExitFileError;
  }
  out << "Exported restore point " << point->id << " (" << files::KindWord(point->kind) << ", "
      << files::FormatLocalTime(point->time_ms) << ") to " << output << "\n";
  return kExitOk;
}

}  // namespace

int RunRestoreCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const BuildStamp& stamp, const std::filesystem::path& config_directory) {
  if (args.size() < 2) return Usage(err, "restore needs list or export");
  for (const std::string& a : args)
    if (a == "--help" || a == "-h") {
      out << kUsage;
      return kExitOk;
    }
  if (config_directory.empty())
    return Usage(err, "no configuration directory (set MORVEK_CONFIG_DIR or HOME)");
  const files::RestorePointStore store(files::RestorePointStore::DirectoryIn(config_directory));
  const std::string& what = args[1];
  if (what == "list") {
    if (args.size() > 2) return Usage(err, "restore list takes no arguments");
    return List(store, out);
  }
  if (what != "export") return Usage(err, "unknown restore command '" + what + "'");
  std::string id, output;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o" || a == "--output") {
      if (i + 1 >= args.size()) return Usage(err, "option " + a + " needs a value");
      if (!output.empty()) return Usage(err, "-o given twice");
      output = args[++i];
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage(err, "unknown option '" + a + "'");
    } else if (id.empty()) {
      id = a;
    } else {
      return Usage(err, "restore export takes one ID");
    }
  }
  if (id.empty()) return Usage(err, "restore export needs an ID");
  if (output.empty()) return Usage(err, "restore export needs -o OUT.ign");
  return Export(store, id, output, stamp, out, err);
}

}  // namespace morvek::cli
