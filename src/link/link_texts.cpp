#include "link/link_texts.h"

#include "link/text_format.h"
#include "model/parameter_image.h"

namespace morvek::link {

std::string LinkText(i18n::TextId id, i18n::Language language) {
  return std::string(i18n::Text(id, language));
}

std::string UnmatchedVersionText(i18n::Language language, int controller_version) {
  return LinkText(i18n::TextId::MsgUnmatchedVersion, language) +
         Printf("  PC-%d, IGN-%d", model::kProgramVersion, controller_version);
}

}  // namespace morvek::link
