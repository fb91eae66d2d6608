#include "ui/gauge.h"

#include "ui/colours.h"

namespace morvek::ui {

Gauge::Gauge(const char* name, link::Colour colour, QWidget* parent)
    : QProgressBar(parent), colour_(colour) {
  setObjectName(name);
  setRange(0, 100);
  setValue(0);
  setTextVisible(false);
  setFixedHeight(15);
  setMinimumWidth(120);
  QPalette p = palette();
  p.setColor(QPalette::Highlight, ToQColor(colour));
  setPalette(p);
}

void Gauge::SetColour(link::Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  QPalette p = palette();
  p.setColor(QPalette::Highlight, ToQColor(colour));
  setPalette(p);
}

}  // namespace morvek::ui
