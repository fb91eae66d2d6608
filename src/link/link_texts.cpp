#include "link/link_texts.h"

#include "i18n/own_texts.h"
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

std::string FailureText(const TransactionFailure& failure, i18n::Language language) {
  using i18n::OwnText;
  OwnText id = OwnText::kFailNoReply;
  switch (failure.reason) {
    case FailureReason::kNone:
      return {};
    case FailureReason::kNoReply:
      id = OwnText::kFailNoReply;
      break;
    case FailureReason::kDiffers:
      id = OwnText::kFailDiffers;
      break;
    case FailureReason::kHungUp:
      id = OwnText::kFailHungUp;
      break;
    case FailureReason::kSilent:
      id = OwnText::kFailSilent;
      break;
    case FailureReason::kRestarted:
      id = OwnText::kFailRestarted;
      break;
    case FailureReason::kNeverSaved:
      id = OwnText::kFailNeverSaved;
      break;
    case FailureReason::kDiffersAfterSaving:
      id = OwnText::kFailDiffersAfterSaving;
      break;
    case FailureReason::kStrayWrite:
      id = OwnText::kFailStrayWrite;
      break;
    case FailureReason::kBackupNotKept:
      id = OwnText::kFailBackupNotKept;
      break;
  }
  std::string text(i18n::Text(id, language));
  const std::string page = std::to_string(failure.page);
  for (std::size_t at = text.find("%P"); at != std::string::npos; at = text.find("%P", at))
    text.replace(at, 2, page);
  return text;
}

}  // namespace morvek::link
