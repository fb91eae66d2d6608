// The state file of the last run: any text reads without harm, only the positions it reaches
// change, and the state the program writes reads back to exactly the same image and flags.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/state_file.h"
#include "fuzz_check.h"
#include "model/parameter_image.h"

using namespace morvek;

namespace {

constexpr int kValueCount = model::kImageSize + model::kPageCount;

// A recognisable starting state, so that positions the file does not reach can be checked.
void FillPattern(model::ParameterImage& image, files::AllFlags& flags) {
  for (int b = 0; b < model::kImageSize; ++b)
    image.SetByte(b, static_cast<std::uint8_t>(b * 7 + 3));
  for (std::size_t f = 0; f < flags.size(); ++f) flags[f] = static_cast<std::uint8_t>(f + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  model::ParameterImage image;
  files::AllFlags flags{};
  FillPattern(image, flags);
  model::ParameterImage pattern = image;
  files::AllFlags pattern_flags = flags;

  const int count = files::ParseStateFile(text, image, flags);
  FUZZ_CHECK(count >= 0 && count <= kValueCount, "more values read than the state holds");
  for (int b = count; b < model::kImageSize; ++b)
    FUZZ_CHECK(image.Byte(b) == pattern.Byte(b), "a byte past the end of the file changed");
  for (int f = count - model::kImageSize; f < model::kPageCount; ++f) {
    if (f < 0) continue;
    FUZZ_CHECK(flags[static_cast<std::size_t>(f)] == pattern_flags[static_cast<std::size_t>(f)],
               "a flag past the end of the file changed");
  }

  const std::string written = files::FormatStateFile(image, flags);
  model::ParameterImage back;
  files::AllFlags back_flags{};
  FUZZ_CHECK(files::ParseStateFile(written, back, back_flags) == kValueCount,
             "a written state file does not carry every value");
  FUZZ_CHECK(back == image, "the image does not survive the state file");
  FUZZ_CHECK(back_flags == flags, "the flags do not survive the state file");
  return 0;
}
