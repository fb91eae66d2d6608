#pragma once

#include <QGroupBox>

class QAbstractButton;
class QPushButton;
class QToolButton;

namespace morvek::ui {

// GroupBoxToolBar: the speed buttons (open, new, save, print, undo, redo) and the three
// device buttons. Hints come from the language texts; the long part goes to the status bar.
class ToolBar : public QGroupBox {
  Q_OBJECT

 public:
  explicit ToolBar(QWidget* parent = nullptr);

  QToolButton* open() const { return open_; }
  QToolButton* new_button() const { return new_; }
  QToolButton* save() const { return save_; }
  QToolButton* print() const { return print_; }
  QToolButton* undo() const { return undo_; }
  QToolButton* redo() const { return redo_; }
  QPushButton* program() const { return program_; }
  QPushButton* verify() const { return verify_; }
  QPushButton* read() const { return read_; }

 private:
  QToolButton* open_;
  QToolButton* new_;
  QToolButton* save_;
  QToolButton* print_;
  QToolButton* undo_;
  QToolButton* redo_;
  QPushButton* program_;
  QPushButton* verify_;
  QPushButton* read_;
};

}  // namespace morvek::ui
