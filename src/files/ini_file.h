#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_io.h"

namespace morvek::files {

// An ini-style key file with the semantics of the Windows private-profile service: sections
// and keys match without regard to case, values are trimmed and may be quoted, a missing key
// yields the caller's default. Writing a key replaces its line in place or adds it at the end
// of its section; every other line of the file is kept as it was.
class IniFile {
 public:
  IniFile() = default;
  static IniFile Parse(std::string_view text);
  // An empty store when the file does not exist or cannot be read.
  static IniFile Load(const std::filesystem::path& path);

  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value) const;
  // A decimal (or 0x hexadecimal) integer; the default when the key is missing or its value
  // is not a number.
  int ReadInteger(std::string_view section, std::string_view key, int default_value) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);

  // The file's text, lines ended with CR LF.
  std::string Text() const;
  FileError Save(const std::filesystem::path& path) const;

 private:
  // Index of the section's header line, or -1.
  int FindSection(std::string_view section) const;
  // Index of the key's line within the section starting at header, or -1.
  int FindKey(int header, std::string_view key) const;
  // One past the section's last line.
  int SectionEnd(int header) const;

  std::vector<std::string> lines_;
};

}  // namespace morvek::files
