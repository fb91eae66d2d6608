#pragma once

#include <QColor>

class QWidget;

namespace morvek::ui {

// A map cell (a spinner, or a millisecond label) has two painters: the live operating point
// marks it lime, the heat colours give it the colour of its value. Each keeps its part on the
// widget and this paints what the two together say, so neither hides the other's state: the
// live mark wins, the heat colour shows whenever the cell is not live.
void SetCellLive(QWidget& cell, bool live);
// An invalid colour: no heat colour (the system colours).
void SetCellHeat(QWidget& cell, const QColor& colour, bool light_text);

}  // namespace morvek::ui
