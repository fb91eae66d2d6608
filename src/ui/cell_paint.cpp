#include "ui/cell_paint.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include "ui/colours.h"

namespace morvek::ui {
namespace {

constexpr const char* kLive = "morvekLive";
constexpr const char* kHeat = "morvekHeat";
constexpr const char* kHeatLightText = "morvekHeatLightText";

void Paint(QWidget& cell) {
  const bool live = cell.property(kLive).toBool();
  const QColor heat = cell.property(kHeat).value<QColor>();
  const bool light = cell.property(kHeatLightText).toBool();
  if (qobject_cast<QAbstractSpinBox*>(&cell) != nullptr) {
    QPalette palette = cell.palette();
    const QColor base = live             ? ToQColor(link::Colour::kLime)
                        : heat.isValid() ? heat
                                         : ToQColor(link::Colour::kWindow);
    const QColor text = !live && heat.isValid() && light
                            ? QColor(Qt::white)
                            : QApplication::palette().color(QPalette::Text);
    if (palette.color(QPalette::Base) == base && palette.color(QPalette::Text) == text) return;
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    cell.setPalette(palette);
    return;
  }
  if (live || !heat.isValid()) {
    SetBackground(cell, live ? link::Colour::kLime : link::Colour::kButtonFace);
    return;
  }
  QPalette palette = cell.palette();
  palette.setColor(QPalette::Window, heat);
  palette.setColor(QPalette::WindowText, light ? QColor(Qt::white) : QColor(Qt::black));
  cell.setPalette(palette);
  cell.setAutoFillBackground(true);
}

}  // namespace

void SetCellLive(QWidget& cell, bool live) {
  cell.setProperty(kLive, live);
  Paint(cell);
}

void SetCellHeat(QWidget& cell, const QColor& colour, bool light_text) {
  if (cell.property(kHeat).value<QColor>() == colour &&
      cell.property(kHeatLightText).toBool() == light_text)
    return;
  cell.setProperty(kHeat, colour);
  cell.setProperty(kHeatLightText, light_text);
  Paint(cell);
}

}  // namespace morvek::ui
