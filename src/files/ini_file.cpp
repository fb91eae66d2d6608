#include "files/ini_file.h"

#include <cctype>
#include <charconv>
#include <cstdint>

namespace morvek::files {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The name of a section header line "[name]", or nothing.
std::optional<std::string_view> HeaderName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

std::optional<int> ParseInteger(std::string_view s) {
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  // from_chars takes a minus sign of its own: one sign in front is all a number may carry.
  if (s.empty() || s.front() == '-') return std::nullopt;
  long long value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, base);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ini.lines_.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return ini;
}

IniFile IniFile::Load(const std::filesystem::path& path) {
  std::optional<std::string> text = ReadWholeFile(path);
  return text ? Parse(*text) : IniFile();
}

int IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::optional<std::string_view> name = HeaderName(lines_[i]);
    if (name && EqualNoCase(*name, section)) return static_cast<int>(i);
  }
  return -1;
}

int IniFile::SectionEnd(int header) const {
  std::size_t i = static_cast<std::size_t>(header) + 1;
  while (i < lines_.size() && !HeaderName(lines_[i])) ++i;
  return static_cast<int>(i);
}

int IniFile::FindKey(int header, std::string_view key) const {
  const int end = SectionEnd(header);
  for (int i = header + 1; i < end; ++i) {
    std::string_view line = lines_[static_cast<std::size_t>(i)];
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';') continue;
    const std::size_t eq = line.find('=');
    if (eq != std::string_view::npos && EqualNoCase(Trim(line.substr(0, eq)), key)) return i;
  }
  return -1;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const int header = FindSection(section);
  if (header < 0) return std::nullopt;
  const int i = FindKey(header, key);
  if (i < 0) return std::nullopt;
  std::string_view line = lines_[static_cast<std::size_t>(i)];
  std::string_view value = Trim(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
  std::optional<std::string> value = Find(section, key);
  return value ? *value : std::string(default_value);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int default_value) const {
  std::optional<std::string> value = Find(section, key);
  if (!value) return default_value;
  return ParseInteger(*value).value_or(default_value);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  // A line break inside a value would split the line; the value ends there.
  value = value.substr(0, value.find_first_of("\r\n"));
  std::string line(key);
  line += '=';
  line += value;
  int header = FindSection(section);
  if (header < 0) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    std::string header = "[";
    header += section;
    header += ']';
    lines_.push_back(std::move(header));
    lines_.push_back(std::move(line));
    return;
  }
  const int existing = FindKey(header, key);
  if (existing >= 0) {
    lines_[static_cast<std::size_t>(existing)] = std::move(line);
    return;
  }
  // After the section's last non-empty line, so a blank line before the next section stays.
  int at = SectionEnd(header);
  while (at > header + 1 && Trim(lines_[static_cast<std::size_t>(at - 1)]).empty()) --at;
  lines_.insert(lines_.begin() + at, std::move(line));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

std::string IniFile::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

FileError IniFile::Save(const std::filesystem::path& path) const {
  return WriteFileAtomically(path, Text(), nullptr, LinkPolicy::kNever);
}

}  // namespace morvek::files
