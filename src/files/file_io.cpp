#include "files/file_io.h"

#include <system_error>

namespace morvek::files {
namespace {

// Opens a temporary file beside path that did not exist before (exclusive create).
std::FILE* CreateTemporaryBeside(const std::filesystem::path& path,
                                 std::filesystem::path& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path;
    temporary += ".tmp" + std::to_string(attempt);
    if (std::FILE* f = std::fopen(temporary.string().c_str(), "wbx")) return f;
    std::error_code ec;
    // Anything but an existing file of that name (missing directory, no permission) is final.
    if (!std::filesystem::exists(temporary, ec)) return nullptr;
  }
  return nullptr;
}

}  // namespace

bool WriteAll(std::FILE* stream, std::string_view text) {
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stream) != text.size())
    return false;
  return std::fflush(stream) == 0 && std::ferror(stream) == 0;
}

FileError WriteFileAtomically(const std::filesystem::path& path, std::string_view text) {
  std::filesystem::path temporary;
  std::FILE* f = CreateTemporaryBeside(path, temporary);
  if (f == nullptr) return FileError::kCannotOpen;
  const bool written = WriteAll(f, text);
  const bool closed = std::fclose(f) == 0;
  std::error_code ec;
  if (!written || !closed) {
    std::filesystem::remove(temporary, ec);
    return FileError::kWriteFailed;
  }
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::filesystem::remove(temporary, ec);
    return FileError::kRenameFailed;
  }
  return FileError::kOk;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::FILE* f = std::fopen(path.string().c_str(), "rb");
  if (f == nullptr) return std::nullopt;
  std::string text;
  char buffer[8192];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return text;
}

}  // namespace morvek::files
