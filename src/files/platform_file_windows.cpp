#ifdef _WIN32
#include <windows.h>

#include <algorithm>

#include "files/platform_file.h"

namespace morvek::files {
namespace {

namespace fs = std::filesystem;

std::string Describe(DWORD error) {
  // The reasons users meet most read as they do on the other systems.
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return "No such file or directory";
    case ERROR_ACCESS_DENIED:
      return "Permission denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "No space left on device";
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return "File exists";
    default:
      break;
  }
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reinterpret_cast<LPSTR>(&text),
      0, nullptr);
  std::string reason = length > 0 && text != nullptr ? std::string(text, length) : std::string();
  if (text != nullptr) LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                             reason.back() == ' ' || reason.back() == '.'))
    reason.pop_back();
  if (reason.empty()) reason = "Windows error " + std::to_string(error);
  return reason;
}

bool Failed(SystemFailure* failure, DWORD error) {
  if (failure != nullptr) {
    failure->exists_already = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
    failure->missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    failure->reason = Describe(error);
  }
  return false;
}

HANDLE Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Windows keeps no permission bits; a read-only attribute is the nearest to a file without
// write bits.
unsigned ModeOf(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? 0444 : 0644;
}

FileKind KindOf(DWORD attributes) {
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FileKind::kDirectory;
  return FileKind::kRegular;
}

}  // namespace

// What an open handle says it is: a name such as NUL or COM1 is a device wherever it stands.
FileKind KindOfHandle(HANDLE h, DWORD attributes) {
  switch (GetFileType(h)) {
    case FILE_TYPE_CHAR:
      return FileKind::kCharacterDevice;
    case FILE_TYPE_PIPE:
      return FileKind::kFifo;
    case FILE_TYPE_DISK:
      return KindOf(attributes);
    default:
      return FileKind::kOther;
  }
}

bool StatusOf(const fs::path& path, bool follow_links, FileStatus& status, SystemFailure* failure) {
  status = FileStatus{};
  WIN32_FILE_ATTRIBUTE_DATA data{};
  const bool named = GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  const DWORD error = named ? ERROR_SUCCESS : GetLastError();
  if (!named && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)) return true;
  if (named && !follow_links && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    status.kind = FileKind::kSymbolicLink;
    return true;
  }
  // Opening without access asks for nothing and works for devices as well as files.
  const HANDLE h =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    if (!named) return Failed(failure, error);
    status.kind = KindOf(data.dwFileAttributes);
  } else {
    status.kind = KindOfHandle(h, named ? data.dwFileAttributes : 0);
    CloseHandle(h);
  }
  if (named) {
    status.mode = ModeOf(data.dwFileAttributes);
    status.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  } else {
    status.mode = 0644;
  }
  return true;
}

bool MayWrite(const fs::path& path, SystemFailure* failure) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Failed(failure, GetLastError());
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return Failed(failure, ERROR_ACCESS_DENIED);
  return true;
}

std::uint32_t EffectiveUser() { return 0; }

unsigned long ProcessNumber() { return GetCurrentProcessId(); }

bool CalendarTime(std::time_t moment, bool local, std::tm& calendar) {
  return (local ? localtime_s(&calendar, &moment) : gmtime_s(&calendar, &moment)) == 0;
}

PlatformFile PlatformFile::CreateNew(const fs::path& path, unsigned mode, SystemFailure* failure) {
  // CREATE_NEW fails on any existing name, a link included.
  const DWORD attributes = (mode & 0222) == 0 ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL;
  const HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                               nullptr, CREATE_NEW, attributes, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    Failed(failure, GetLastError());
    return PlatformFile();
  }
  return PlatformFile(reinterpret_cast<std::intptr_t>(h));
}

PlatformFile PlatformFile::OpenForReading(const fs::path& path, SystemFailure* failure) {
  const HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    Failed(failure, GetLastError());
    return PlatformFile();
  }
  return PlatformFile(reinterpret_cast<std::intptr_t>(h));
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
  status = FileStatus{};
  if (GetFileType(Handle(handle_)) != FILE_TYPE_DISK) {
    status.kind = KindOfHandle(Handle(handle_), 0);
    return true;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(Handle(handle_), &info)) return Failed(failure, GetLastError());
  status.kind = KindOf(info.dwFileAttributes);
  status.mode = ModeOf(info.dwFileAttributes);
  status.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  return true;
}

bool PlatformFile::Write(std::string_view text, SystemFailure* failure) {
  while (!text.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(Handle(handle_), text.data(), chunk, &written, nullptr))
      return Failed(failure, GetLastError());
    if (written == 0) return Failed(failure, ERROR_DISK_FULL);
    text.remove_prefix(written);
  }
  return true;
}

long long PlatformFile::Read(char* buffer, std::size_t size, SystemFailure* failure) {
  DWORD got = 0;
  const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  if (!ReadFile(Handle(handle_), buffer, chunk, &got, nullptr)) {
    if (GetLastError() == ERROR_HANDLE_EOF || GetLastError() == ERROR_BROKEN_PIPE) return 0;
    Failed(failure, GetLastError());
    return -1;
  }
  return got;
}

bool PlatformFile::Sync(SystemFailure* failure) {
  return FlushFileBuffers(Handle(handle_)) || Failed(failure, GetLastError());
}

bool PlatformFile::Truncate(std::uint64_t size, SystemFailure* failure) {
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(size);
  if (!SetFilePointerEx(Handle(handle_), at, nullptr, FILE_BEGIN) || !SetEndOfFile(Handle(handle_)))
    return Failed(failure, GetLastError());
  return true;
}

bool PlatformFile::TakeModeOf(const FileStatus&, SystemFailure*) {
  // ReplaceFileW carries the old file's attributes and security over to the new one.
  return true;
}

bool PlatformFile::Close(SystemFailure* failure) {
  if (handle_ == kClosed) return true;
  const HANDLE h = Handle(handle_);
  handle_ = kClosed;
  return CloseHandle(h) || Failed(failure, GetLastError());
}

bool MoveIntoPlace(const fs::path& replacement, const fs::path& target, SystemFailure* failure) {
  // ReplaceFileW keeps the target's attributes, security and creation time; it needs the
  // target to exist. A new name is a plain move, written through to the disk.
  if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
      ReplaceFileW(target.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                   nullptr, nullptr))
    return true;
  if (MoveFileExW(replacement.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  return Failed(failure, GetLastError());
}

bool RemoveFile(const fs::path& path) { return DeleteFileW(path.c_str()) != 0; }

}  // namespace morvek::files
#endif
