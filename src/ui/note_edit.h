#pragma once

#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace morvek::ui {

// Memo1: the note stored in the controller, at most 149 characters with a line break counting
// two, so that the lines always fit the note area. Text beyond the limit is refused as it is
// typed or pasted. Tab moves on to the next control, as in every other box of the window; a
// pasted tab becomes a space.
class NoteEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit NoteEdit(QWidget* parent = nullptr);

  static constexpr int kMaxChars = 149;

  // The lines as plain text (QString); the window converts them with the note's code page.
  QStringList lines() const;
  void setLines(const QStringList& lines);

 signals:
  // The mouse or the keyboard focus left the note: its text is stored.
  void left();

 protected:
  void leaveEvent(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Enforce();
  QString accepted_;
};

}  // namespace morvek::ui
