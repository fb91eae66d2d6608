#include "model/note_area.h"

#include <gtest/gtest.h>

namespace morvek::model {
namespace {

TEST(NoteArea, EmptyAreaIsAnEmptyNote) {
  ParameterImage image;
  EXPECT_TRUE(NoteLines(image).empty());
}

TEST(NoteArea, LinesAreZeroTerminated) {
  ParameterImage image;
  SetNoteLines(image, {"AB", "C"});
  EXPECT_EQ(image.Byte(1200), 65);
  EXPECT_EQ(image.Byte(1201), 66);
  EXPECT_EQ(image.Byte(1202), 0);
  EXPECT_EQ(image.Byte(1203), 67);
  EXPECT_EQ(image.Byte(1204), 0);
  EXPECT_EQ(NoteLines(image), (std::vector<std::string>{"AB", "C"}));
}

TEST(NoteArea, EmptyLinesInsideTheNoteSurvive) {
  ParameterImage image;
  SetNoteLines(image, {"A", "", "B"});
  EXPECT_EQ(NoteLines(image), (std::vector<std::string>{"A", "", "B"}));
}

TEST(NoteArea, RewritingClearsOldText) {
  ParameterImage image;
  SetNoteLines(image, {"a long first note"});
  SetNoteLines(image, {"x"});
  EXPECT_EQ(NoteLines(image), (std::vector<std::string>{"x"}));
}

TEST(NoteArea, OverlongTextNeverOverflowsAndByte1349StaysZero) {
  ParameterImage image;
  image.SetByte(1199, 7);
  SetNoteLines(image, {std::string(200, 'x'), "more"});
  EXPECT_EQ(image.Byte(1349), 0);
  EXPECT_EQ(image.Byte(1199), 7);
  const auto lines = NoteLines(image);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], std::string(149, 'x'));
}

TEST(NoteArea, EightBitBytesPassUnchanged) {
  ParameterImage image;
  const std::string line = "\xE8\x9A\xFF";
  SetNoteLines(image, {line});
  EXPECT_EQ(NoteLines(image), (std::vector<std::string>{line}));
}

TEST(NoteArea, ControllerNoteWithoutFinalZeroIsRead) {
  ParameterImage image;
  for (int b = 1200; b < 1349; ++b) image.SetByte(b, 'z');
  const auto lines = NoteLines(image);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].size(), 149u);
}

}  // namespace
}  // namespace morvek::model
