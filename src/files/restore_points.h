#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_io.h"
#include "model/parameter_image.h"

namespace morvek::files {

// What a restore point holds: the image the controller was found to hold (after a read or a
// verify) or the image about to be programmed into it.
enum class RestoreKind : std::uint8_t { kRead, kVerify, kProgram };

// "read", "verify", "program": the word the point's file and the command line use.
std::string_view KindWord(RestoreKind kind);

struct RestorePoint {
  std::string id;            // the name of its file without the extension; given by the store
  std::int64_t time_ms = 0;  // milliseconds since 1970-01-01 UTC
  RestoreKind kind = RestoreKind::kRead;
  std::string port;        // "COM1 (/dev/ttyUSB0)"
  std::string controller;  // the controller's identification text, empty when unknown
  std::string controller_date;
  std::string controller_time;
  std::vector<int> pages;  // the device pages involved, ascending
  model::ParameterImage image{};
};

// How much the store keeps: the newest points up to both bounds.
struct RestoreLimits {
  std::size_t max_count = 200;
  std::uintmax_t max_bytes = 20u * 1024u * 1024u;
};

// The file of one point, and back. Parsing refuses anything that is not a whole, undamaged
// point file (its check sum covers every line before it).
std::string SerializeRestorePoint(const RestorePoint& point);
std::optional<RestorePoint> ParseRestorePoint(std::string_view text);

// "2026-12-09 16:21:19" in the machine's local time.
std::string FormatLocalTime(std::int64_t time_ms);
// "1-9", "3, 7", "" for none.
std::string PagesText(const std::vector<int>& pages);

// The restore points of the configuration directory: one file per point in a directory of its
// own, each written atomically. A file that cannot be read or is not a point is skipped by the
// list and left alone.
class RestorePointStore {
 public:
  static constexpr std::string_view kExtension = ".mrp";

  explicit RestorePointStore(std::filesystem::path directory, RestoreLimits limits = {});

  // The directory under a configuration directory.
  static std::filesystem::path DirectoryIn(const std::filesystem::path& config_directory);

  // Stores the point under a new id (set into point.id), then removes the oldest points
  // beyond the limits. On failure nothing is stored and `reason` says why.
  FileError Add(RestorePoint& point, std::string* reason = nullptr);
  // Every readable point, newest first.
  std::vector<RestorePoint> List() const;
  // A point by its id, or by its place in the list (1 = newest).
  std::optional<RestorePoint> Find(std::string_view id_or_number) const;

  const std::filesystem::path& directory() const { return directory_; }

 private:
  std::string NewId(std::int64_t time_ms) const;
  void Prune() const;

  std::filesystem::path directory_;
  RestoreLimits limits_;
};

}  // namespace morvek::files
