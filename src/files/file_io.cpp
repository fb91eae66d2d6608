#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <system_error>

namespace morvek::files {
namespace {

namespace fs = std::filesystem;

// Symbolic links followed before the target counts as unreachable (the system's own limit).
constexpr int kMaxLinkHops = 40;

FileError Fail(FileError error, std::string why, std::string* reason) {
  if (reason != nullptr) *reason = std::move(why);
  return error;
}

std::string SystemReason(int error) { return std::strerror(error); }

std::string KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

std::string Octal(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
  return text;
}

// The file a path finally names: symbolic links are followed, also when the last one points
// to a file that does not exist yet.
bool ResolveLinks(fs::path path, fs::path& target, std::string* reason) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      target = path;
      return true;
    }
    std::error_code ec;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) {
      if (reason != nullptr) *reason = ec.message();
      return false;
    }
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  if (reason != nullptr) *reason = SystemReason(ELOOP);
  return false;
}

// Creates a temporary file beside target under a name no other writer uses; stale files of
// earlier runs never stand in the way.
int CreateTemporaryBeside(const fs::path& target, fs::path& temporary, std::string* reason) {
  static std::atomic<unsigned> counter{0};
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary =
        dir / ("." + target.filename().string() + "." + std::to_string(getpid()) + "-" +
               std::to_string(counter++) + "-" + std::to_string(stamp % 1000000007) + ".tmp");
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) {
      if (reason != nullptr) *reason = dir.string() + ": " + SystemReason(errno);
      return -1;
    }
  }
  if (reason != nullptr) *reason = SystemReason(EEXIST);
  return -1;
}

bool WriteDescriptor(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Makes the rename itself durable; a directory that cannot be synced changes nothing.
void SyncDirectoryOf(const fs::path& target) {
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

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

FileError WriteFileAtomically(const fs::path& path, std::string_view text, std::string* reason) {
  fs::path target;
  if (!ResolveLinks(path, target, reason)) return FileError::kCannotOpen;

  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return Fail(FileError::kCannotOpen, SystemReason(errno), reason);
  if (exists && !S_ISREG(old.st_mode))
    return Fail(FileError::kNotARegularFile, target.string() + " is " + KindOf(old.st_mode),
                reason);
  // Replacing by rename needs only the directory's permission; a file its owner made
  // read-only (no write bit, which binds even the superuser here) is left as it is.
  if (exists && (old.st_mode & 0222) == 0)
    return Fail(FileError::kReadOnly, "its permissions " + Octal(old.st_mode) + " allow no writing",
                reason);
  if (exists && access(target.c_str(), W_OK) != 0)
    return Fail(FileError::kReadOnly, SystemReason(errno), reason);

  fs::path temporary;
  const int fd = CreateTemporaryBeside(target, temporary, reason);
  if (fd < 0) return FileError::kCannotOpen;
  auto abandon = [&](FileError error, int system_error) {
    close(fd);
    unlink(temporary.c_str());
    return Fail(error, SystemReason(system_error), reason);
  };
  if (exists) {
    // The new file keeps the old one's permission bits (and owner, where allowed).
    if (fchmod(fd, old.st_mode & 07777) != 0) return abandon(FileError::kWriteFailed, errno);
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Only the superuser may give a file away; an ordinary user's file is theirs anyway.
    }
  }
  errno = 0;  // a write that takes no byte sets none
  if (!WriteDescriptor(fd, text) || fsync(fd) != 0)
    return abandon(FileError::kWriteFailed, errno != 0 ? errno : ENOSPC);
  if (close(fd) != 0) {
    const int error = errno;
    unlink(temporary.c_str());
    return Fail(FileError::kWriteFailed, SystemReason(error), reason);
  }
  if (rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    unlink(temporary.c_str());
    return Fail(FileError::kRenameFailed, SystemReason(error), reason);
  }
  SyncDirectoryOf(target);
  return FileError::kOk;
}

std::optional<std::string> ReadWholeFile(const fs::path& path, FileError* error,
                                         std::string* reason) {
  auto fail = [&](FileError e, std::string why) -> std::optional<std::string> {
    if (error != nullptr) *error = e;
    if (reason != nullptr) *reason = std::move(why);
    return std::nullopt;
  };
  // Non-blocking, so that opening a FIFO without a writer does not wait.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return fail(FileError::kCannotOpen, SystemReason(errno));
  struct stat st {};
  const bool known = fstat(fd, &st) == 0;
  if (!known || !S_ISREG(st.st_mode)) {
    close(fd);
    return fail(FileError::kNotARegularFile,
                "not a regular file" + (known ? ": " + KindOf(st.st_mode) : std::string()));
  }
  const std::string too_large = "larger than " + std::to_string(kMaxInputBytes / (1024 * 1024)) +
                                " MB: not a file of this program";
  if (static_cast<std::uintmax_t>(st.st_size) > kMaxInputBytes) {
    close(fd);
    return fail(FileError::kTooLarge, too_large);
  }
  std::string text;
  text.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[8192];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int e = errno;
      close(fd);
      return fail(FileError::kCannotOpen, SystemReason(e));
    }
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    // The file may grow while it is read.
    if (text.size() > kMaxInputBytes) {
      close(fd);
      return fail(FileError::kTooLarge, too_large);
    }
  }
  close(fd);
  if (error != nullptr) *error = FileError::kOk;
  return text;
}

}  // namespace morvek::files
