#pragma once

class QWidget;

namespace morvek::ui {

// Builds the designed controls of an editing page (0 and 4..12) onto its tab sheet, each named
// as the page's control list names it. The map pages 1..3 share the grid and are not built
// here; any other index builds nothing.
void BuildEditingPage(int page, QWidget* sheet);

}  // namespace morvek::ui
