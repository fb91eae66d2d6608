#pragma once

#include <filesystem>
#include <string_view>

namespace morvek::files {

// The debug switch: any whitespace-separated word exactly "TEST_ENABLE" (case-sensitive,
// whole word) shows the monitor's test values.
bool HasDebugSwitch(std::string_view text);
// False when the file is missing or cannot be read.
bool ReadDebugSwitchFile(const std::filesystem::path& path);

}  // namespace morvek::files
