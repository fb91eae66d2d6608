#pragma once

#include <QWidget>

#include "pages/map_selection.h"

class QLabel;
class QLineEdit;

namespace morvek::ui {

// The small value box under the grid that the keys = + - * open: the caption says what the
// number is for, Enter applies it, Esc or leaving the box drops it. A decimal comma counts as
// a point.
class ValuePrompt : public QWidget {
  Q_OBJECT

 public:
  explicit ValuePrompt(QWidget* parent = nullptr);

  // Shows the box with its caption and takes the focus; `sign` -1 turns the number into a
  // subtraction.
  void Ask(const QString& caption, pages::SelectionOperation operation, int sign);
  QLineEdit* edit() const { return edit_; }

 signals:
  void accepted(pages::SelectionOperation operation, double value);
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Close();

  QLabel* caption_ = nullptr;
  QLineEdit* edit_ = nullptr;
  pages::SelectionOperation operation_ = pages::SelectionOperation::kSet;
  int sign_ = 1;
};

}  // namespace morvek::ui
