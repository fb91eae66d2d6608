#include "i18n/about_text.h"

namespace morvek::i18n {

std::string AboutVersionText(int program_version) {
  return "Version - " + std::to_string(program_version);
}

}  // namespace morvek::i18n
