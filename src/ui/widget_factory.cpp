#include "ui/widget_factory.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

namespace morvek::ui {

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QCheckBox* MakeCheckBox(const QString& name, const QString& text, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  return box;
}

QSpinBox* MakeSpinner(const QString& spinner_name, const QString& edit_name, int minimum,
                      int maximum, int step, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(spinner_name);
  spin->setProperty(kEditNameProperty, edit_name);
  spin->setRange(minimum, maximum);
  // Each change of the step writes the edit's text again; most spinners keep the step of 1.
  if (step != spin->singleStep()) spin->setSingleStep(step);
  spin->setAlignment(Qt::AlignRight);
  spin->setKeyboardTracking(false);
  return spin;
}

}  // namespace morvek::ui
