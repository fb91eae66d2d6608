#include "files/state_file.h"

#include <cstdio>

namespace morvek::files {
namespace {

void AppendValue(std::string& out, unsigned value) {
  char buffer[16];
  const int n = std::snprintf(buffer, sizeof buffer, "%5u ", value);
  out.append(buffer, static_cast<std::size_t>(n));
}

// One unsigned decimal number as "%u" reads it: optional whitespace, an optional sign, digits
// (which need not be followed by whitespace). Taken modulo 2^32.
std::optional<std::uint32_t> ScanUnsigned(std::string_view text, std::size_t& pos) {
  std::size_t i = pos;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' ||
                             text[i] == '\n' || text[i] == '\v' || text[i] == '\f'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const std::size_t digits = i;
  std::uint32_t value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9')
    value = value * 10u + static_cast<std::uint32_t>(text[i++] - '0');
  if (i == digits) return std::nullopt;
  pos = i;
  return negative ? 0u - value : value;
}

}  // namespace

std::string FormatStateFile(const model::ParameterImage& image, const AllFlags& flags) {
  std::string out;
  out.reserve(8800);
  for (int i = 0; i < model::kImageSize; ++i) {
    AppendValue(out, image.Byte(i));
    if (i % 10 == 9) out += "\r\n";
    if (i % 100 == 99) out += "\r\n";
  }
  for (std::uint8_t flag : flags) AppendValue(out, flag);
  return out;
}

int ParseStateFile(std::string_view text, model::ParameterImage& image, AllFlags& flags) {
  std::size_t pos = 0;
  int count = 0;
  const int total = model::kImageSize + static_cast<int>(flags.size());
  while (count < total) {
    const std::optional<std::uint32_t> value = ScanUnsigned(text, pos);
    if (!value) break;
    const auto byte = static_cast<std::uint8_t>(*value & 0xFF);
    if (count < model::kImageSize)
      image.SetByte(count, byte);
    else
      flags[static_cast<std::size_t>(count - model::kImageSize)] = byte;
    ++count;
  }
  return count;
}

bool ReadStateFile(const std::filesystem::path& path, model::ParameterImage& image,
                   AllFlags& flags) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return false;
  ParseStateFile(*text, image, flags);
  return true;
}

FileError WriteStateFile(const std::filesystem::path& path, const model::ParameterImage& image,
                         const AllFlags& flags) {
  return WriteFileAtomically(path, FormatStateFile(image, flags), nullptr, LinkPolicy::kNever);
}

}  // namespace morvek::files
