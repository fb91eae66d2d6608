#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace morvek::testing {

// The standard output of a shell command, empty when it could not run.
inline std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}

// The text of each page of a PDF, laid out as printed (pdftotext separates pages by a form
// feed).
inline std::vector<std::string> PageTexts(const std::string& pdf) {
  const std::string text = Output("pdftotext -layout -enc UTF-8 '" + pdf + "' - 2>/dev/null");
  std::vector<std::string> pages;
  std::size_t start = 0;
  for (std::size_t ff; (ff = text.find('\f', start)) != std::string::npos; start = ff + 1)
    pages.push_back(text.substr(start, ff - start));
  return pages;
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(text.substr(start, nl - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

inline std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Whether a line of text other than the page's foot line (its last one) comes after line `at`.
inline bool BodyFollows(const std::vector<std::string>& lines, std::size_t at) {
  std::size_t foot = lines.size();
  while (foot > 0 && Trimmed(lines[foot - 1]).empty()) --foot;
  for (std::size_t i = at + 1; i + 1 < foot; ++i)
    if (!Trimmed(lines[i]).empty()) return true;
  return false;
}

// The rows of `pdfimages -list`: one per picture in the PDF.
inline int PictureCount(const std::string& pdf) {
  int rows = 0;
  for (const std::string& line : Lines(Output("pdfimages -list '" + pdf + "' 2>/dev/null")))
    if (line.find(" image ") != std::string::npos) ++rows;
  return rows;
}

}  // namespace morvek::testing
