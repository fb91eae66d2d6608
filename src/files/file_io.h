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

// Whether the careful writer may follow a symbolic link at the target's name.
enum class LinkPolicy : std::uint8_t {
  // As the kernel follows links (Linux's protected_symlinks): a link is followed, except one in
  // a shared folder (sticky and writable by all, as /tmp) that belongs neither to this user nor
  // to the folder's owner; a link planted there by someone else is refused.
  kAsTheSystemWould,
  // Never: the program's own files (settings, state, restore points) are refused when their
  // name is a link, so a link cannot redirect them onto another file.
  kNever,
};

// Replaces the file at path with text, or leaves the old file as it was: the text goes to a
// new temporary file beside the target, which is written, synced to the disk, given the old
// file's permission bits and then renamed over it. A symbolic link is followed as `links`
// allows, so the file it points to is replaced and the link stays. A target that is not a
// regular file (a device such as /dev/full, a FIFO, a directory) or that is read-only is
// refused and left alone. The temporary file is removed again when anything fails, and the
// temporary files of an interrupted save (".NAME.PID-N-STAMP.tmp") older than a day are removed
// from the folder. On failure, `reason` (when given) receives the system's reason.
FileError WriteFileAtomically(const std::filesystem::path& path, std::string_view text,
                              std::string* reason = nullptr,
                              LinkPolicy links = LinkPolicy::kAsTheSystemWould);

// Whether name is one of the temporary files WriteFileAtomically writes before it renames them.
bool IsTemporaryFileName(std::string_view name);

// The whole file as bytes, or nothing when it cannot be opened or read, is not a regular file
// or is larger than kMaxInputBytes; `error` and `reason` (when given) then say why.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         FileError* error = nullptr, std::string* reason = nullptr);

}  // namespace morvek::files
