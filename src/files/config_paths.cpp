#include "files/config_paths.h"

#include <cstdlib>
#include <system_error>

#include "model/parameter_image.h"

namespace morvek::files {
namespace {

constexpr const char* kAppDirectory = "Morvek";

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

std::filesystem::path ConfigDirectory(const EnvironmentLookup& lookup) {
  if (const char* dir = lookup("MORVEK_CONFIG_DIR"); IsSet(dir)) return dir;
#ifdef _WIN32
  if (const char* appdata = lookup("APPDATA"); IsSet(appdata))
    return std::filesystem::path(appdata) / kAppDirectory;
#endif
  if (const char* xdg = lookup("XDG_CONFIG_HOME"); IsSet(xdg))
    return std::filesystem::path(xdg) / kAppDirectory;
  if (const char* home = lookup("HOME"); IsSet(home))
    return std::filesystem::path(home) / ".config" / kAppDirectory;
  return {};
}

std::filesystem::path ConfigDirectory() {
  return ConfigDirectory([](const char* name) -> const char* { return std::getenv(name); });
}

std::string SettingsFileName() {
  return "Morvek_v" + std::to_string(model::kProgramVersion) + ".ini";
}

bool ConfigPaths::EnsureDirectory() const {
  std::error_code ec;
  std::filesystem::create_directories(directory, ec);
  return std::filesystem::is_directory(directory, ec);
}

}  // namespace morvek::files
