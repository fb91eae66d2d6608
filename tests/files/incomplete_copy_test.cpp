#include "files/incomplete_copy.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "files/file_findings.h"
#include "files/parameter_file_layout.h"
#include "files/parameter_file_reader.h"
#include "files/parameter_file_writer.h"
#include "model/editor.h"
#include "test_support.h"

namespace morvek::files {
namespace {

using K = FindingKind;

const VersionTexts kVersions{"-", "-", "-", "Jul  1 2009", "12:00:00"};

struct Opened {
  ReadResult read;
  model::Editor editor;
};

Opened Open(const std::string& text) {
  Opened o;
  testing::ApplyPresetDefaults(o.editor, 0);
  o.read = ReadParameterFile(text, o.editor, false);
  o.editor.ApplyLimits();
  return o;
}

// What a converter writes for `text`: the whole image, cut to what was read.
std::string Copy(const std::string& text) {
  Opened o = Open(text);
  return KeepGapsOfRead(WriteParameterFile(o.editor.image(), kVersions), o.read);
}

// The sections a reader finds missing or cut short, by keyword.
std::set<std::string> Gaps(const std::string& text) {
  Opened o = Open(text);
  std::set<std::string> gaps;
  for (const FileFinding& f : FileFindings(o.read, o.editor.image())) {
    if (f.kind == K::kMissingSection) gaps.insert(f.where);
    if (f.kind == K::kNotANumber) gaps.insert(f.where.substr(0, f.where.find_first_of(".[")));
  }
  return gaps;
}

std::string Without(const std::string& keyword) {
  return std::regex_replace(testing::DataFile("default_preset2.ign"),
                            std::regex("(^|\n)" + keyword + " [^\r]*\r\n"), "$1");
}

TEST(IncompleteCopy, ACompleteFileIsWrittenWhole) {
  const std::string whole = testing::DataFile("default_preset2.ign");
  Opened o = Open(whole);
  const std::string written = WriteParameterFile(o.editor.image(), kVersions);
  EXPECT_EQ(KeepGapsOfRead(written, o.read), written);
}

// The copy is as incomplete as its original: the same sections are missing or cut, and what
// the original did say comes back unchanged.
TEST(IncompleteCopy, TheCopyHasTheGapsOfItsOriginal) {
  const std::string whole = testing::DataFile("default_preset2.ign");
  struct Case {
    std::string name;
    std::string text;
    std::set<std::string> gaps;
  };
  const std::string no_memo = whole.substr(0, whole.rfind("MEMO"));
  const Case cases[] = {
      {"one section missing", Without("FAN"), {"FAN"}},
      {"the preset missing", Without("BIKE"), {"BIKE"}},
      {"no memo", no_memo, {"MEMO"}},
      {"a section cut by a word",
       std::regex_replace(whole, std::regex("LIMITER       7200 10800"), "LIMITER       7200 x"),
       {"LIMITER"}},
      {"a section cut at its first value",
       std::regex_replace(whole, std::regex("TPS            340"), "TPS            3x0"),
       {"TPS"}},
      {"cut by the end of the file", whole.substr(0, whole.find("\r\nFAN ") + 10), {}},
      {"the key line alone", "KALVORIN_KEY    84 \r\n", {}},
  };
  for (const Case& c : cases) {
    std::set<std::string> expected = c.gaps.empty() ? Gaps(c.text) : c.gaps;
    ASSERT_EQ(Gaps(c.text), expected) << c.name;
    const std::string copy = Copy(c.text);
    EXPECT_EQ(Gaps(copy), expected) << c.name << "\n" << copy;
    Opened original = Open(c.text);
    Opened again = Open(copy);
    EXPECT_TRUE(IsIncomplete(FileFindings(again.read, again.editor.image()))) << c.name;
    // Every value the original carried is in the copy as it was.
    for (const ReadValue& v : original.read.values)
      EXPECT_EQ(model::Stored(again.editor.image(), v.run->field, v.element),
                model::Stored(original.editor.image(), v.run->field, v.element))
          << c.name << " " << v.token;
  }
}

}  // namespace
}  // namespace morvek::files
