#include "files/debug_switch_file.h"

#include "files/file_io.h"
#include "files/token_scanner.h"

namespace morvek::files {

bool HasDebugSwitch(std::string_view text) {
  TokenScanner scanner(text);
  while (std::optional<std::string_view> word = scanner.Next())
    if (*word == "TEST_ENABLE") return true;
  return false;
}

bool ReadDebugSwitchFile(const std::filesystem::path& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  return text && HasDebugSwitch(*text);
}

}  // namespace morvek::files
