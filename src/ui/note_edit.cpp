#include "ui/note_edit.h"

#include <QSignalBlocker>
#include <QTextCursor>

namespace morvek::ui {
namespace {

// A line break is stored as a terminating zero and counts as two typed characters.
int CountedChars(const QString& text) { return static_cast<int>(text.size() + text.count('\n')); }

}  // namespace

NoteEdit::NoteEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("Memo1"));
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabChangesFocus(true);
  connect(this, &QPlainTextEdit::textChanged, this, &NoteEdit::Enforce);
}

QStringList NoteEdit::lines() const {
  const QString text = toPlainText();
  if (text.isEmpty()) return {};
  return text.split('\n');
}

void NoteEdit::setLines(const QStringList& lines) {
  const QSignalBlocker block(this);
  accepted_ = lines.join('\n');
  setPlainText(accepted_);
}

void NoteEdit::Enforce() {
  QString text = toPlainText();
  if (text.contains('\t')) {
    const int position = textCursor().position();
    text.replace('\t', ' ');
    const QSignalBlocker block(this);
    setPlainText(text);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(text.size())));
    setTextCursor(cursor);
  }
  if (CountedChars(text) <= kMaxChars) {
    accepted_ = text;
    return;
  }
  // Refuse the change that went over the limit; the cursor stays where the user typed.
  const int position = std::min(textCursor().position(), static_cast<int>(accepted_.size()));
  const QSignalBlocker block(this);
  setPlainText(accepted_);
  QTextCursor cursor = textCursor();
  cursor.setPosition(position);
  setTextCursor(cursor);
}

void NoteEdit::leaveEvent(QEvent* event) {
  QPlainTextEdit::leaveEvent(event);
  emit left();
}

void NoteEdit::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  emit left();
}

}  // namespace morvek::ui
