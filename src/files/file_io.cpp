#include "files/file_io.h"

#include <atomic>
#include <chrono>
#include <system_error>

#include "files/platform_file.h"

namespace morvek::files {
namespace {

namespace fs = std::filesystem;

// Symbolic links followed before the target counts as unreachable (the system's own limit).
constexpr int kMaxLinkHops = 40;

// An interrupted save leaves its temporary file behind; one a day old is no save in progress.
constexpr auto kStaleTemporaryAge = std::chrono::hours(24);

FileError Fail(FileError error, std::string why, std::string* reason) {
  if (reason != nullptr) *reason = std::move(why);
  return error;
}

std::string Octal(unsigned mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", mode & 07777);
  return text;
}

fs::path FolderOf(const fs::path& path) {
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// The kernel's rule for links in shared folders: in a folder that is sticky and writable by
// all, a link is followed only when it belongs to the user or to the folder's owner.
bool SystemWouldFollow(const fs::path& link, const FileStatus& link_status, std::string* reason) {
  const fs::path folder = FolderOf(link);
  FileStatus folder_status;
  if (!StatusOf(folder, true, folder_status)) return true;  // the open fails on its own then
  const bool shared = (folder_status.mode & 01000) != 0 && (folder_status.mode & 0002) != 0;
  if (!shared || link_status.owner == EffectiveUser() || link_status.owner == folder_status.owner)
    return true;
  if (reason != nullptr)
    *reason = link.string() + " is a symbolic link of another user in the shared folder " +
              folder.string() + ", so it is not followed";
  return false;
}

// The file a path finally names: symbolic links are followed as `links` allows, also when the
// last one points to a file that does not exist yet.
FileError ResolveLinks(fs::path path, LinkPolicy links, fs::path& target, std::string* reason) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    FileStatus status;
    if (!StatusOf(path, false, status) || status.kind != FileKind::kSymbolicLink) {
      target = path;
      return FileError::kOk;
    }
    if (links == LinkPolicy::kNever)
      return Fail(FileError::kNotARegularFile,
                  path.string() + " is a symbolic link, which this file is never written through",
                  reason);
    if (!SystemWouldFollow(path, status, reason)) return FileError::kCannotOpen;
    std::error_code ec;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return Fail(FileError::kCannotOpen, ec.message(), reason);
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return Fail(FileError::kCannotOpen, "too many levels of symbolic links", reason);
}

// Creates a temporary file beside target under a name no other writer uses; stale files of
// earlier runs never stand in the way.
PlatformFile CreateTemporaryBeside(const fs::path& target, fs::path& temporary,
                                   std::string* reason) {
  static std::atomic<unsigned> counter{0};
  const fs::path dir = FolderOf(target);
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary =
        dir / ("." + target.filename().string() + "." + std::to_string(ProcessNumber()) + "-" +
               std::to_string(counter++) + "-" + std::to_string(stamp % 1000000007) + ".tmp");
    SystemFailure failure;
    PlatformFile file = PlatformFile::CreateNew(temporary, 0666, &failure);
    if (file.is_open()) return file;
    if (!failure.exists_already) {
      if (reason != nullptr) *reason = dir.string() + ": " + failure.reason;
      return file;
    }
  }
  if (reason != nullptr) *reason = dir.string() + ": no free name for a temporary file";
  return PlatformFile();
}

// Removes what interrupted saves left in the folder a day or more before the file just saved;
// the saved file's own time is the measure, so no clock of this program is read.
void RemoveStaleTemporaries(const fs::path& saved) {
  std::error_code ec;
  const fs::file_time_type now = fs::last_write_time(saved, ec);
  if (ec) return;
  for (fs::directory_iterator it(FolderOf(saved), ec), end; !ec && it != end; it.increment(ec)) {
    if (!IsTemporaryFileName(it->path().filename().string())) continue;
    std::error_code entry_ec;
    if (!it->is_regular_file(entry_ec) || it->is_symlink(entry_ec)) continue;
    const fs::file_time_type written = it->last_write_time(entry_ec);
    if (!entry_ec && now - written > kStaleTemporaryAge) RemoveFile(it->path());
  }
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

bool IsTemporaryFileName(std::string_view name) {
  constexpr std::string_view kSuffix = ".tmp";
  if (name.size() <= kSuffix.size() + 1 || name.front() != '.' || !name.ends_with(kSuffix))
    return false;
  name.remove_suffix(kSuffix.size());
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot < 2) return false;  // ".NAME." needs a NAME
  std::string_view numbers = name.substr(dot + 1);
  for (int part = 0; part < 3; ++part) {
    const std::size_t dash = numbers.find('-');
    if ((part < 2) != (dash != std::string_view::npos)) return false;
    if (!AllDigits(numbers.substr(0, dash))) return false;
    numbers = part < 2 ? numbers.substr(dash + 1) : std::string_view();
  }
  return true;
}

std::string_view Describe(FileError error) {
  switch (error) {
    case FileError::kOk:
      return "ok";
    case FileError::kCannotOpen:
      return "cannot create the file";
    case FileError::kWriteFailed:
      return "writing failed (disk full?)";
    case FileError::kRenameFailed:
      return "cannot replace the file";
    case FileError::kNotARegularFile:
      return "not a regular file, so it is never replaced";
    case FileError::kReadOnly:
      return "the file is read-only";
    case FileError::kTooLarge:
      return "the file is too large";
  }
  return "unknown error";
}

bool WriteAll(std::FILE* stream, std::string_view text) {
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stream) != text.size())
    return false;
  return std::fflush(stream) == 0 && std::ferror(stream) == 0;
}

FileError WriteFileAtomically(const fs::path& path, std::string_view text, std::string* reason,
                              LinkPolicy links) {
  fs::path target;
  if (const FileError error = ResolveLinks(path, links, target, reason); error != FileError::kOk)
    return error;

  FileStatus old;
  SystemFailure failure;
  if (!StatusOf(target, true, old, &failure))
    return Fail(FileError::kCannotOpen, failure.reason, reason);
  const bool exists = old.kind != FileKind::kMissing;
  if (exists && old.kind != FileKind::kRegular)
    return Fail(FileError::kNotARegularFile,
                target.string() + " is " + std::string(KindName(old.kind)), reason);
  // Replacing by rename needs only the directory's permission; a file its owner made
  // read-only (no write bit, which binds even the superuser here) is left as it is.
  if (exists && (old.mode & 0222) == 0)
    return Fail(FileError::kReadOnly, "its permissions " + Octal(old.mode) + " allow no writing",
                reason);
  if (exists && !MayWrite(target, &failure))
    return Fail(FileError::kReadOnly, failure.reason, reason);

  fs::path temporary;
  PlatformFile file = CreateTemporaryBeside(target, temporary, reason);
  if (!file.is_open()) return FileError::kCannotOpen;
  auto abandon = [&](FileError error) {
    file.Close();
    RemoveFile(temporary);
    return Fail(error, failure.reason, reason);
  };
  // The new file keeps the old one's permission bits (and owner, where allowed).
  if (exists && !file.TakeModeOf(old, &failure)) return abandon(FileError::kWriteFailed);
  if (!file.Write(text, &failure) || !file.Sync(&failure)) return abandon(FileError::kWriteFailed);
  if (!file.Close(&failure)) return abandon(FileError::kWriteFailed);
  if (!MoveIntoPlace(temporary, target, &failure)) return abandon(FileError::kRenameFailed);
  RemoveStaleTemporaries(target);
  return FileError::kOk;
}

std::optional<std::string> ReadWholeFile(const fs::path& path, FileError* error,
                                         std::string* reason) {
  auto fail = [&](FileError e, std::string why) -> std::optional<std::string> {
    if (error != nullptr) *error = e;
    if (reason != nullptr) *reason = std::move(why);
    return std::nullopt;
  };
  SystemFailure failure;
  PlatformFile file = PlatformFile::OpenForReading(path, &failure);
  if (!file.is_open()) return fail(FileError::kCannotOpen, failure.reason);
  FileStatus status;
  const bool known = file.Status(status);
  if (!known || status.kind != FileKind::kRegular)
    return fail(FileError::kNotARegularFile,
                "not a regular file" + (known ? ": " + std::string(KindName(status.kind)) : ""));
  const std::string too_large = "larger than " + std::to_string(kMaxInputBytes / (1024 * 1024)) +
                                " MB: not a file of this program";
  if (status.size > kMaxInputBytes) return fail(FileError::kTooLarge, too_large);
  std::string text;
  text.reserve(static_cast<std::size_t>(status.size));
  char buffer[8192];
  for (;;) {
    const long long n = file.Read(buffer, sizeof buffer, &failure);
    if (n < 0) return fail(FileError::kCannotOpen, failure.reason);
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    // The file may grow while it is read.
    if (text.size() > kMaxInputBytes) return fail(FileError::kTooLarge, too_large);
  }
  if (error != nullptr) *error = FileError::kOk;
  return text;
}

}  // namespace morvek::files
