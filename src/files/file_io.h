#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morvek::files {

// Why a file operation failed; kOk when it did not.
enum class FileError : std::uint8_t {
  kOk,
  kCannotOpen,    // the file (or the temporary file beside it) could not be opened or created
  kWriteFailed,   // writing or flushing failed, e.g. the disk is full
  kRenameFailed,  // the finished file could not replace the target
};

// Writes all of text to an open stream and flushes it. Fails on a short write or a failed
// flush (a full disk shows up at the latest when the buffer is flushed).
bool WriteAll(std::FILE* stream, std::string_view text);

// Replaces the file at path with text, or leaves the old file as it was: the text goes to a
// new temporary file beside the target, which is flushed, closed and then renamed over it.
// The temporary file is removed again when anything fails.
FileError WriteFileAtomically(const std::filesystem::path& path, std::string_view text);

// The whole file as bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace morvek::files
