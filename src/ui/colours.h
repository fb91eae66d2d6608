#pragma once

#include <QColor>

#include "link/colour.h"
#include "pages/layout_hub.h"

class QLabel;
class QWidget;

namespace morvek::ui {

// The pure colours as they are; the system colours from the application's palette.
QColor ToQColor(link::Colour colour);

// The colours the layout hub paints, as the monitor's colours.
link::Colour ToColour(pages::LayoutColour colour);

// Paints a label's background. Button face and window leave the label transparent on its
// parent, which is what the system colours look like there.
void SetBackground(QWidget& widget, link::Colour colour);

}  // namespace morvek::ui
