// The settings store: any key file reads without harm, every setting written into it reads
// back as written (also after a save and a load), and the lines that are not written survive.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "files/ini_file.h"
#include "fuzz_check.h"

using namespace morvek;

namespace {

constexpr std::string_view kSection = "BASIC";
constexpr std::string_view kKeys[] = {"Left",        "Top",      "Height", "Width", "ComPort",
                                      "ComPortAuto", "Language", "File",   "IniDir"};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  files::IniFile ini = files::IniFile::Parse(text);
  const std::string original = ini.Text();
  FUZZ_CHECK(files::IniFile::Parse(original).Text() == original,
             "a loaded key file does not save as it was loaded");

  // Which settings this run writes, and their values, come from the input as well.
  std::uint32_t mix = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) mix = (mix ^ data[i]) * 16777619u;
  std::vector<std::pair<std::string_view, std::string>> written;
  for (std::size_t k = 0; k < std::size(kKeys); ++k) {
    if (((mix >> k) & 1u) == 0) continue;
    const std::string_view key = kKeys[k];
    std::string value;
    if (key == "File" || key == "IniDir") {
      value = "/home/user/tunes/bike " + std::to_string(mix % 1000) + ".ign";
      ini.WriteString(kSection, key, value);
    } else {
      const int number = static_cast<int>(mix % 4001) - 2000;
      value = std::to_string(number);
      ini.WriteInteger(kSection, key, number);
      FUZZ_CHECK(ini.ReadInteger(kSection, key, 99999) == number, "a number reads back changed");
    }
    written.emplace_back(key, value);
  }

  const std::string saved = ini.Text();
  const files::IniFile loaded = files::IniFile::Parse(saved);
  for (const auto& [key, value] : written) {
    FUZZ_CHECK(ini.Find(kSection, key) == value, "a setting reads back changed");
    FUZZ_CHECK(loaded.Find(kSection, key) == value, "a saved setting loads changed");
  }

  // Every line of the old file is still there as often as it was, apart from the lines of
  // the keys written, which are replaced.
  const std::vector<std::string> before = Lines(original);
  const std::vector<std::string> after = Lines(saved);
  for (const std::string& line : before) {
    const files::IniFile single =
        files::IniFile::Parse("[" + std::string(kSection) + "]\r\n" + line);
    const bool replaced = std::any_of(written.begin(), written.end(), [&](const auto& w) {
      return single.Find(kSection, w.first).has_value();
    });
    if (replaced) continue;
    FUZZ_CHECK(std::count(after.begin(), after.end(), line) >=
                   std::count(before.begin(), before.end(), line),
               "a line of the key file was lost by writing settings");
  }
  return 0;
}
