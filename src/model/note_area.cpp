#include "model/note_area.h"

namespace morvek::model {

std::vector<std::string> NoteLines(const ParameterImage& image) {
  std::vector<std::string> lines;
  int last = kNoteLastByte;
  while (last >= kNoteFirstByte && image.Byte(last) == 0) --last;
  if (last < kNoteFirstByte) return lines;
  int pos = kNoteFirstByte;
  while (pos <= last) {
    std::string line;
    while (pos <= kNoteLastByte && image.Byte(pos) != 0)
      line.push_back(static_cast<char>(image.Byte(pos++)));
    lines.push_back(std::move(line));
    ++pos;  // past the terminating zero
  }
  return lines;
}

void SetNoteLines(ParameterImage& image, const std::vector<std::string>& lines) {
  for (int b = kNoteFirstByte; b <= kNoteLastByte; ++b) image.SetByte(b, 0);
  int pos = kNoteFirstByte;
  for (const std::string& line : lines) {
    for (char c : line) {
      if (pos >= kNoteLastByte) return;
      image.SetByte(pos++, static_cast<std::uint8_t>(c));
    }
    if (pos >= kNoteLastByte) return;
    ++pos;  // the terminating zero is already there
  }
}

}  // namespace morvek::model
