#include "files/platform_file.h"

namespace morvek::files {

std::string_view KindName(FileKind kind) {
  switch (kind) {
    case FileKind::kMissing:
      return "missing";
    case FileKind::kRegular:
      return "a regular file";
    case FileKind::kDirectory:
      return "a directory";
    case FileKind::kCharacterDevice:
      return "a character device";
    case FileKind::kBlockDevice:
      return "a block device";
    case FileKind::kFifo:
      return "a FIFO";
    case FileKind::kSocket:
      return "a socket";
    case FileKind::kSymbolicLink:
      return "a symbolic link";
    case FileKind::kOther:
      break;
  }
  return "not a regular file";
}

}  // namespace morvek::files
