#pragma once

#include "i18n/text_table.h"

class QMainWindow;

namespace morvek::ui {

// Puts the captions, hints and radio-group items of a language on the window's controls,
// found by name: menus and menu items, tab sheets, group boxes, labels, buttons and check
// boxes. Controls the window does not have yet are skipped. Running it twice gives the same
// result as running it once.
void ApplyLanguageTexts(QMainWindow& window, i18n::Language language);

}  // namespace morvek::ui
