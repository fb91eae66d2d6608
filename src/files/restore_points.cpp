#include "files/restore_points.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "files/platform_file.h"

namespace morvek::files {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMagic = "MORVEK RESTORE POINT 1";
constexpr int kBytesPerLine = 75;  // 150 hex digits, two lines per device page
// A text field is one line of at most this many characters.
constexpr std::size_t kMaxFieldLength = 120;

constexpr std::string_view kKindWords[] = {"read", "verify", "program"};

// FNV-1a: a damaged byte anywhere before the check line changes it.
std::uint32_t CheckSum(std::string_view text) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : text) {
    h ^= c;
    h *= 16777619u;
  }
  return h;
}

std::string OneLine(std::string_view text) {
  std::string line(text.substr(0, kMaxFieldLength));
  for (char& c : line)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return line;
}

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Splits off the next line (without its LF); false at the end of the text.
bool NextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  const std::size_t end = text.find('\n');
  if (end == std::string_view::npos) return false;  // a whole file ends every line
  line = text.substr(0, end);
  text.remove_prefix(end + 1);
  return true;
}

// "KEY value": the value after one space; false when the line has another key.
bool Field(std::string_view line, std::string_view key, std::string_view& value) {
  if (line.size() < key.size() || line.substr(0, key.size()) != key) return false;
  line.remove_prefix(key.size());
  if (line.empty()) {
    value = {};
    return true;
  }
  if (line.front() != ' ') return false;
  value = line.substr(1);
  return true;
}

struct StoredPoint {
  RestorePoint point;
  fs::path path;
  std::uintmax_t size = 0;
};

bool Newer(const RestorePoint& a, const RestorePoint& b) {
  if (a.time_ms != b.time_ms) return a.time_ms > b.time_ms;
  if (a.id.size() != b.id.size()) return a.id.size() > b.id.size();
  return a.id > b.id;
}

std::vector<StoredPoint> Scan(const fs::path& directory) {
  std::vector<StoredPoint> found;
  std::error_code ec;
  fs::directory_iterator it(directory, ec);
  if (ec) return found;
  for (const fs::directory_entry& entry : it) {
    const fs::path& path = entry.path();
    if (path.extension() != RestorePointStore::kExtension) continue;
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) continue;
    std::optional<RestorePoint> point = ParseRestorePoint(*text);
    if (!point) continue;
    point->id = path.stem().string();
    found.push_back({std::move(*point), path, text->size()});
  }
  std::sort(found.begin(), found.end(),
            [](const StoredPoint& a, const StoredPoint& b) { return Newer(a.point, b.point); });
  return found;
}

}  // namespace

std::string_view KindWord(RestoreKind kind) { return kKindWords[static_cast<std::size_t>(kind)]; }

std::string SerializeRestorePoint(const RestorePoint& point) {
  std::string text;
  text += kMagic;
  text += "\nTIME " + std::to_string(point.time_ms);
  text += "\nKIND " + std::string(KindWord(point.kind));
  text += "\nPORT " + OneLine(point.port);
  text += "\nCONTROLLER " + OneLine(point.controller);
  text += "\nCONTROLLER_DATE " + OneLine(point.controller_date);
  text += "\nCONTROLLER_TIME " + OneLine(point.controller_time);
  text += "\nPAGES";
  for (int p : point.pages) text += " " + std::to_string(p);
  text += "\nIMAGE\n";
  static constexpr char kHex[] = "0123456789ABCDEF";
  const auto& bytes = point.image.bytes();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    text += kHex[bytes[i] >> 4];
    text += kHex[bytes[i] & 0xF];
    if ((i + 1) % kBytesPerLine == 0) text += '\n';
  }
  char check[32];
  std::snprintf(check, sizeof check, "CHECK %08X\n", static_cast<unsigned>(CheckSum(text)));
  return text + check;
}

std::optional<RestorePoint> ParseRestorePoint(std::string_view text) {
  const std::size_t check_at = text.rfind("CHECK ");
  if (check_at == std::string_view::npos || (check_at > 0 && text[check_at - 1] != '\n'))
    return std::nullopt;
  std::uint32_t check = 0;
  std::string_view check_line = text.substr(check_at + 6);
  if (check_line.size() != 9 || check_line.back() != '\n') return std::nullopt;
  check_line.remove_suffix(1);
  const auto [end, ec] =
      std::from_chars(check_line.data(), check_line.data() + check_line.size(), check, 16);
  if (ec != std::errc() || end != check_line.data() + check_line.size()) return std::nullopt;
  std::string_view body = text.substr(0, check_at);
  if (CheckSum(body) != check) return std::nullopt;

  RestorePoint point;
  std::string_view line, value;
  if (!NextLine(body, line) || line != kMagic) return std::nullopt;
  if (!NextLine(body, line) || !Field(line, "TIME", value) || !ParseNumber(value, point.time_ms))
    return std::nullopt;
  if (!NextLine(body, line) || !Field(line, "KIND", value)) return std::nullopt;
  const auto kind = std::find(std::begin(kKindWords), std::end(kKindWords), value);
  if (kind == std::end(kKindWords)) return std::nullopt;
  point.kind = static_cast<RestoreKind>(kind - std::begin(kKindWords));
  const std::pair<std::string_view, std::string*> texts[] = {
      {"PORT", &point.port},
      {"CONTROLLER", &point.controller},
      {"CONTROLLER_DATE", &point.controller_date},
      {"CONTROLLER_TIME", &point.controller_time}};
  for (const auto& [key, target] : texts) {
    if (!NextLine(body, line) || !Field(line, key, value)) return std::nullopt;
    *target = std::string(value);
  }
  if (!NextLine(body, line) || !Field(line, "PAGES", value)) return std::nullopt;
  while (!value.empty()) {
    const std::size_t space = value.find(' ');
    int page = 0;
    if (!ParseNumber(value.substr(0, space), page) || page < 0 || page > model::kLastImagePage)
      return std::nullopt;
    point.pages.push_back(page);
    value = space == std::string_view::npos ? std::string_view() : value.substr(space + 1);
  }
  if (!NextLine(body, line) || line != "IMAGE") return std::nullopt;
  auto& bytes = point.image.bytes();
  for (std::size_t row = 0; row < bytes.size() / kBytesPerLine; ++row) {
    if (!NextLine(body, line) || line.size() != 2 * kBytesPerLine) return std::nullopt;
    for (std::size_t k = 0; k < kBytesPerLine; ++k) {
      const int high = HexDigit(line[2 * k]);
      const int low = HexDigit(line[2 * k + 1]);
      if (high < 0 || low < 0) return std::nullopt;
      bytes[row * kBytesPerLine + k] = static_cast<std::uint8_t>(high << 4 | low);
    }
  }
  if (!body.empty()) return std::nullopt;
  return point;
}

std::string FormatLocalTime(std::int64_t time_ms) {
  const std::time_t seconds = static_cast<std::time_t>(time_ms / 1000);
  std::tm tm{};
  if (!CalendarTime(seconds, true, tm)) return std::to_string(time_ms);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &tm);
  return text;
}

std::string PagesText(const std::vector<int>& pages) {
  std::string text;
  for (std::size_t i = 0; i < pages.size();) {
    std::size_t j = i;
    while (j + 1 < pages.size() && pages[j + 1] == pages[j] + 1) ++j;
    if (!text.empty()) text += ", ";
    text += std::to_string(pages[i]);
    if (j > i + 1) text += "-" + std::to_string(pages[j]);
    if (j == i + 1) text += ", " + std::to_string(pages[j]);
    i = j + 1;
  }
  return text;
}

RestorePointStore::RestorePointStore(fs::path directory, RestoreLimits limits)
    : directory_(std::move(directory)), limits_(limits) {}

fs::path RestorePointStore::DirectoryIn(const fs::path& config_directory) {
  return config_directory / "restore-points";
}

std::string RestorePointStore::NewId(std::int64_t time_ms) const {
  const std::time_t seconds = static_cast<std::time_t>(time_ms / 1000);
  std::tm tm{};
  CalendarTime(seconds, false, tm);
  char stamp[40];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
  char id[64];
  std::snprintf(id, sizeof id, "%s-%03d", stamp, static_cast<int>(time_ms % 1000));
  std::string candidate = id;
  std::error_code ec;
  // A name taken by anything, a dangling link included, is passed over.
  for (int n = 2;
       fs::exists(fs::symlink_status(directory_ / (candidate + std::string(kExtension)), ec)); ++n)
    candidate = std::string(id) + "-" + std::to_string(n);
  return candidate;
}

FileError RestorePointStore::Add(RestorePoint& point, std::string* reason) {
  std::error_code ec;
  fs::create_directories(directory_, ec);
  if (!fs::is_directory(directory_, ec)) {
    if (reason) *reason = directory_.string() + ": cannot create the directory";
    return FileError::kCannotOpen;
  }
  const std::string id = NewId(point.time_ms);
  const FileError error =
      WriteFileAtomically(directory_ / (id + std::string(kExtension)), SerializeRestorePoint(point),
                          reason, LinkPolicy::kNever);
  if (error != FileError::kOk) return error;
  point.id = id;
  Prune();
  return FileError::kOk;
}

std::vector<RestorePoint> RestorePointStore::List() const {
  std::vector<RestorePoint> points;
  for (StoredPoint& stored : Scan(directory_)) points.push_back(std::move(stored.point));
  return points;
}

std::optional<RestorePoint> RestorePointStore::Find(std::string_view id_or_number) const {
  std::vector<RestorePoint> points = List();
  std::size_t number = 0;
  if (ParseNumber(id_or_number, number)) {
    if (number < 1 || number > points.size()) return std::nullopt;
    return std::move(points[number - 1]);
  }
  for (RestorePoint& point : points)
    if (point.id == id_or_number) return std::move(point);
  return std::nullopt;
}

void RestorePointStore::Prune() const {
  // The newest point is always kept, whatever its size.
  std::uintmax_t bytes = 0;
  std::size_t kept = 0;
  for (const StoredPoint& stored : Scan(directory_)) {
    bytes += stored.size;
    if (kept == 0 || (kept < limits_.max_count && bytes <= limits_.max_bytes)) {
      ++kept;
      continue;
    }
    std::error_code ec;
    fs::remove(stored.path, ec);
  }
}

}  // namespace morvek::files
