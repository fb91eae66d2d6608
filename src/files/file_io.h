#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morvek::files {

// Why a file operation failed; kOk when it did not.
enum class FileError : std::uint8_t {
  kOk,
  kCannotOpen,       // the file (or the temporary file beside it) could not be opened or created
  kWriteFailed,      // writing or flushing failed, e.g. the disk is full
  kRenameFailed,     // the finished file could not replace the target
  kNotARegularFile,  // a device, FIFO, socket or directory: never replaced nor read
  kReadOnly,         // the target exists and may not be written
  kTooLarge,         // larger than kMaxInputBytes: not a file of this program
};

// No file this program reads comes near this size; a larger one is refused before it is read.
inline constexpr std::size_t kMaxInputBytes = 4 * 1024 * 1024;

// A short text for the user saying what failed, e.g. "writing failed (disk full?)".
std::string_view Describe(FileError error);

// Writes all of text to an open stream and flushes it. Fails on a short write or a failed
// flush (a full disk shows up at the latest when the buffer is flushed).
bool WriteAll(std::FILE* stream, std::string_view text);

// Replaces the file at path with text, or leaves the old file as it was: the text goes to a
// new temporary file beside the target, which is written, synced to the disk, given the old
// file's permission bits and then renamed over it. A symbolic link is followed, so the file it
// points to is replaced and the link stays. A target that is not a regular file (a device such
// as /dev/full, a FIFO, a directory) or that is read-only is refused and left alone. The
// temporary file is removed again when anything fails. On failure, `reason` (when given)
// receives the system's reason.
FileError WriteFileAtomically(const std::filesystem::path& path, std::string_view text,
                              std::string* reason = nullptr);

// The whole file as bytes, or nothing when it cannot be opened or read, is not a regular file
// or is larger than kMaxInputBytes; `error` and `reason` (when given) then say why.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         FileError* error = nullptr, std::string* reason = nullptr);

}  // namespace morvek::files
