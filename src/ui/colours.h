#pragma once

#include <QColor>

#include "link/colour.h"

class QLabel;
class QWidget;

namespace morvek::ui {

// The pure colours as they are; the system colours from the application's palette.
QColor ToQColor(link::Colour colour);

// Paints a label's background. Button face and window leave the label transparent on its
// parent, which is what the system colours look like there.
void SetBackground(QWidget& widget, link::Colour colour);

}  // namespace morvek::ui
