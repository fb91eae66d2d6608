#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/platform_file.h"

namespace morvek::files {
namespace {

namespace fs = std::filesystem;

bool Failed(SystemFailure* failure, int error) {
  if (failure != nullptr) {
    failure->exists_already = error == EEXIST;
    failure->missing = error == ENOENT || error == ENOTDIR;
    failure->reason = std::strerror(error);
  }
  return false;
}

FileStatus FromStat(const struct stat& st) {
  FileStatus status;
  if (S_ISREG(st.st_mode))
    status.kind = FileKind::kRegular;
  else if (S_ISDIR(st.st_mode))
    status.kind = FileKind::kDirectory;
  else if (S_ISCHR(st.st_mode))
    status.kind = FileKind::kCharacterDevice;
  else if (S_ISBLK(st.st_mode))
    status.kind = FileKind::kBlockDevice;
  else if (S_ISFIFO(st.st_mode))
    status.kind = FileKind::kFifo;
  else if (S_ISSOCK(st.st_mode))
    status.kind = FileKind::kSocket;
  else if (S_ISLNK(st.st_mode))
    status.kind = FileKind::kSymbolicLink;
  else
    status.kind = FileKind::kOther;
  status.mode = static_cast<unsigned>(st.st_mode & 07777);
  status.owner = st.st_uid;
  status.group = st.st_gid;
  status.size = static_cast<std::uint64_t>(st.st_size);
  return status;
}

int Descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

bool StatusOf(const fs::path& path, bool follow_links, FileStatus& status, SystemFailure* failure) {
  struct stat st {};
  const int result = follow_links ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
  if (result == 0) {
    status = FromStat(st);
    return true;
  }
  if (errno == ENOENT) {
    status = FileStatus{};
    return true;
  }
  return Failed(failure, errno);
}

bool MayWrite(const fs::path& path, SystemFailure* failure) {
  return ::access(path.c_str(), W_OK) == 0 || Failed(failure, errno);
}

std::uint32_t EffectiveUser() { return ::geteuid(); }

unsigned long ProcessNumber() { return static_cast<unsigned long>(::getpid()); }

bool CalendarTime(std::time_t moment, bool local, std::tm& calendar) {
  return (local ? ::localtime_r(&moment, &calendar) : ::gmtime_r(&moment, &calendar)) != nullptr;
}

PlatformFile PlatformFile::CreateNew(const fs::path& path, unsigned mode, SystemFailure* failure) {
  // O_EXCL never follows a link, and O_NONBLOCK keeps even an odd name from holding us up.
  const int fd =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
             static_cast<mode_t>(mode));
  if (fd < 0) {
    Failed(failure, errno);
    return PlatformFile();
  }
  return PlatformFile(fd);
}

PlatformFile PlatformFile::OpenForReading(const fs::path& path, SystemFailure* failure) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    Failed(failure, errno);
    return PlatformFile();
  }
  return PlatformFile(fd);
}

PlatformFile::~PlatformFile() { Close(); }

PlatformFile::PlatformFile(PlatformFile&& other) noexcept : handle_(other.handle_) {
  other.handle_ = kClosed;
}

PlatformFile& PlatformFile::operator=(PlatformFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = kClosed;
  }
  return *this;
}

bool PlatformFile::Status(FileStatus& status, SystemFailure* failure) const {
  struct stat st {};
  if (::fstat(Descriptor(handle_), &st) != 0) return Failed(failure, errno);
  status = FromStat(st);
  return true;
}

bool PlatformFile::Write(std::string_view text, SystemFailure* failure) {
  while (!text.empty()) {
    const ssize_t n = ::write(Descriptor(handle_), text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Failed(failure, errno);
    if (n == 0) return Failed(failure, ENOSPC);  // a write that takes no byte sets no reason
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

long long PlatformFile::Read(char* buffer, std::size_t size, SystemFailure* failure) {
  for (;;) {
    const ssize_t n = ::read(Descriptor(handle_), buffer, size);
    if (n >= 0) return n;
    if (errno != EINTR) {
      Failed(failure, errno);
      return -1;
    }
  }
}

bool PlatformFile::Sync(SystemFailure* failure) {
  return ::fsync(Descriptor(handle_)) == 0 || Failed(failure, errno);
}

bool PlatformFile::Truncate(std::uint64_t size, SystemFailure* failure) {
  return ::ftruncate(Descriptor(handle_), static_cast<off_t>(size)) == 0 || Failed(failure, errno);
}

bool PlatformFile::TakeModeOf(const FileStatus& other, SystemFailure* failure) {
  if (::fchmod(Descriptor(handle_), static_cast<mode_t>(other.mode)) != 0)
    return Failed(failure, errno);
  if (::fchown(Descriptor(handle_), other.owner, other.group) != 0) {
    // Only the superuser may give a file away; an ordinary user's file is theirs anyway.
  }
  return true;
}

bool PlatformFile::Close(SystemFailure* failure) {
  if (handle_ == kClosed) return true;
  const int fd = Descriptor(handle_);
  handle_ = kClosed;
  return ::close(fd) == 0 || Failed(failure, errno);
}

bool MoveIntoPlace(const fs::path& replacement, const fs::path& target, SystemFailure* failure) {
  if (::rename(replacement.c_str(), target.c_str()) != 0) return Failed(failure, errno);
  // The rename itself is made durable; a folder that cannot be synced changes nothing.
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  return true;
}

bool RemoveFile(const fs::path& path) { return ::unlink(path.c_str()) == 0; }

}  // namespace morvek::files
#endif
