#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QSpinBox;
class QWidget;

namespace morvek::ui {

// The name of the edit box that a spinner stands for ("Edit_Uni_3_4" for "UpDown_Uni_3_4").
inline constexpr char kEditNameProperty[] = "editName";

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent);
QCheckBox* MakeCheckBox(const QString& name, const QString& text, QWidget* parent);
// An edit box with its spinner, as one spin box named after the spinner; the edit's name is
// kept in the property kEditNameProperty.
QSpinBox* MakeSpinner(const QString& spinner_name, const QString& edit_name, int minimum,
                      int maximum, int step, QWidget* parent);

}  // namespace morvek::ui
