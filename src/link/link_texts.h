#pragma once

#include <string>

#include "i18n/text_table.h"
#include "link/transaction_failure.h"

namespace morvek::link {

// A language text as a string.
std::string LinkText(i18n::TextId id, i18n::Language language);

// "Unmatched version of PC and Ignition programs!  PC-84, IGN-<version>" in the language.
std::string UnmatchedVersionText(i18n::Language language, int controller_version);

// Why a transaction failed, in the language, with the page filled in; empty for kNone.
std::string FailureText(const TransactionFailure& failure, i18n::Language language);

}  // namespace morvek::link
