#include "ui/value_prompt.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "pages/map_clipboard.h"

namespace morvek::ui {

ValuePrompt::ValuePrompt(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SelectionPrompt"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  caption_ = new QLabel(this);
  caption_->setObjectName(QStringLiteral("LabelSelectionValue"));
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("EditSelectionValue"));
  edit_->setMaxLength(12);
  edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
  edit_->installEventFilter(this);
  row->addWidget(caption_);
  row->addWidget(edit_);
  hide();
}

void ValuePrompt::Ask(const QString& caption, pages::SelectionOperation operation, int sign) {
  operation_ = operation;
  sign_ = sign;
  caption_->setText(caption);
  edit_->clear();
  edit_->setStyleSheet(QString());
  show();
  edit_->setFocus(Qt::OtherFocusReason);
}

void ValuePrompt::Close() {
  if (isHidden()) return;
  hide();
  emit closed();
}

bool ValuePrompt::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_) return false;
  if (event->type() == QEvent::FocusOut && isVisible()) {
    Close();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Escape) {
    Close();
    return true;
  }
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
  const auto value = pages::ParseCellNumber(edit_->text().toStdString());
  if (!value) {
    // Stays open on what is not a number, marked, so the user can correct it.
    edit_->setStyleSheet(QStringLiteral("QLineEdit { background: #ffb0b0; }"));
    return true;
  }
  const pages::SelectionOperation operation = operation_;
  const double v = *value * sign_;
  Close();
  emit accepted(operation, v);
  return true;
}

}  // namespace morvek::ui
