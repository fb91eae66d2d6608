#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

// The only place in the core that calls the operating system for files. Everything above it
// (careful writes, data logs, reading input) is the same code on every system; this file's two
// implementations (POSIX and Windows) keep one contract:
// - a new file is created only where no name exists yet, never through a symbolic link;
// - a file opened for reading never waits for a writer (a FIFO) and a device is reported as such;
// - a replacement is all or nothing: the target holds either its old or its new content, and the
//   new content is on the disk before the call returns.
namespace morvek::files {

// What a name refers to.
enum class FileKind : std::uint8_t {
  kMissing,
  kRegular,
  kDirectory,
  kCharacterDevice,
  kBlockDevice,
  kFifo,
  kSocket,
  kSymbolicLink,  // only when links are not followed
  kOther,
};

struct FileStatus {
  FileKind kind = FileKind::kMissing;
  unsigned mode = 0;  // permission bits (07777); 0644 or 0444 where the system has no such bits
  std::uint32_t owner = 0;
  std::uint32_t group = 0;
  std::uint64_t size = 0;
};

// "a FIFO", "a directory" …: what the user is told a name is.
std::string_view KindName(FileKind kind);

// Why the last call failed, as the system words it.
struct SystemFailure {
  bool exists_already = false;  // a new file was asked for, and the name was taken
  bool missing = false;         // the name or a folder on its way does not exist
  std::string reason;
};

// The status of a name; links are followed unless `follow_links` is false. A missing name is
// not a failure: its kind is kMissing.
bool StatusOf(const std::filesystem::path& path, bool follow_links, FileStatus& status,
              SystemFailure* failure = nullptr);

// Whether this process may write to the existing file at path.
bool MayWrite(const std::filesystem::path& path, SystemFailure* failure = nullptr);

// The user the system checks file access for (0 where it has no such number).
std::uint32_t EffectiveUser();

// This process's number, for names no other process uses.
unsigned long ProcessNumber();

// A moment as a calendar date and time, in UTC or in the user's time zone; false when the
// system cannot say.
bool CalendarTime(std::time_t moment, bool local, std::tm& calendar);

// An open file; closed on destruction.
class PlatformFile {
 public:
  // A file created under a name that did not exist (no link is followed), with the given
  // permission bits before the user's file-creation mask.
  static PlatformFile CreateNew(const std::filesystem::path& path, unsigned mode,
                                SystemFailure* failure = nullptr);
  // An existing file for reading. Opening does not wait, even for a FIFO without a writer.
  static PlatformFile OpenForReading(const std::filesystem::path& path,
                                     SystemFailure* failure = nullptr);

  PlatformFile() = default;
  ~PlatformFile();
  PlatformFile(PlatformFile&& other) noexcept;
  PlatformFile& operator=(PlatformFile&& other) noexcept;
  PlatformFile(const PlatformFile&) = delete;
  PlatformFile& operator=(const PlatformFile&) = delete;

  bool is_open() const { return handle_ != kClosed; }

  // The status of the open file itself.
  bool Status(FileStatus& status, SystemFailure* failure = nullptr) const;
  // All of text, or false (a full disk reports "No space left on device").
  bool Write(std::string_view text, SystemFailure* failure = nullptr);
  // Up to size bytes; 0 at the end, -1 on failure.
  long long Read(char* buffer, std::size_t size, SystemFailure* failure = nullptr);
  // The content is on the disk when this returns true.
  bool Sync(SystemFailure* failure = nullptr);
  bool Truncate(std::uint64_t size, SystemFailure* failure = nullptr);
  // Permission bits and, where this process may, owner and group of another file.
  bool TakeModeOf(const FileStatus& other, SystemFailure* failure = nullptr);
  bool Close(SystemFailure* failure = nullptr);

 private:
  static constexpr std::intptr_t kClosed = -1;
  explicit PlatformFile(std::intptr_t handle) : handle_(handle) {}
  std::intptr_t handle_ = kClosed;
};

// Puts the finished file `replacement` in the place of `target` in one step, whether or not
// target exists; target's old content stays when this fails. The change of name is on the disk
// when this returns true.
bool MoveIntoPlace(const std::filesystem::path& replacement, const std::filesystem::path& target,
                   SystemFailure* failure = nullptr);

// Removes a file (never a folder); false when it could not be removed.
bool RemoveFile(const std::filesystem::path& path);

}  // namespace morvek::files
