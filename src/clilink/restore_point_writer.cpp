#include "clilink/restore_point_writer.h"

#include <chrono>

namespace morvek::clilink {

bool StoreRestorePoint(const std::filesystem::path& config_directory, files::RestoreKind kind,
                       std::vector<int> pages, const model::ParameterImage& image,
                       const link::IdentificationTexts& controller, const std::string& port,
                       std::ostream& err, bool needed) {
  const char* prefix = needed ? "morvek-cli: " : "morvek-cli: warning: ";
  if (config_directory.empty()) {
    err << prefix
        << "no restore point kept (no configuration directory: set MORVEK_CONFIG_DIR or HOME)\n";
    return false;
  }
  files::RestorePoint point;
  point.time_ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
  point.kind = kind;
  point.port = port;
  point.controller = controller.identification;
  point.controller_date = controller.date;
  point.controller_time = controller.time;
  point.pages = std::move(pages);
  point.image = image;
  files::RestorePointStore store(files::RestorePointStore::DirectoryIn(config_directory));
  std::string reason;
  const files::FileError error = store.Add(point, &reason);
  if (error == files::FileError::kOk) return true;
  err << prefix << "no restore point kept: " << files::Describe(error) << "\n  " << reason << "\n";
  return false;
}

}  // namespace morvek::clilink
