#include "ui/colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace morvek::ui {

QColor ToQColor(link::Colour colour) {
  const QPalette palette = QApplication::palette();
  switch (colour) {
    case link::Colour::kButtonFace:
      return palette.color(QPalette::Button);
    case link::Colour::kWindow:
      return palette.color(QPalette::Base);
    case link::Colour::kDesktop:
      return QColor(0, 120, 215);
    case link::Colour::kBlack:
      return Qt::black;
    case link::Colour::kWhite:
      return QColor(255, 255, 255);
    case link::Colour::kRed:
      return QColor(255, 0, 0);
    case link::Colour::kLime:
      return QColor(0, 255, 0);
    case link::Colour::kYellow:
      return QColor(255, 255, 0);
    case link::Colour::kBlue:
      return QColor(0, 0, 255);
    case link::Colour::kFuchsia:
      return QColor(255, 0, 255);
    case link::Colour::kAqua:
      return QColor(0, 255, 255);
  }
  return palette.color(QPalette::Button);
}

link::Colour ToColour(pages::LayoutColour colour) {
  switch (colour) {
    case pages::LayoutColour::kButtonFace:
      return link::Colour::kButtonFace;
    case pages::LayoutColour::kRed:
      return link::Colour::kRed;
    case pages::LayoutColour::kYellow:
      return link::Colour::kYellow;
    case pages::LayoutColour::kAqua:
      return link::Colour::kAqua;
    case pages::LayoutColour::kWindow:
      return link::Colour::kWindow;
  }
  return link::Colour::kButtonFace;
}

void SetBackground(QWidget& widget, link::Colour colour) {
  const bool system = colour == link::Colour::kButtonFace;
  if (system) {
    if (widget.autoFillBackground()) {
      widget.setAutoFillBackground(false);
      widget.setPalette(QPalette());
    }
    return;
  }
  const QColor wanted = ToQColor(colour);
  if (widget.autoFillBackground() && widget.palette().color(QPalette::Window) == wanted) return;
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, wanted);
  // Dark backgrounds need light text.
  palette.setColor(QPalette::WindowText, wanted.lightness() < 110 ? Qt::white : Qt::black);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace morvek::ui
