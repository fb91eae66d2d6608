#include "ui/prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace morvek::ui {
namespace {

const QString kFilter = QStringLiteral("Parameters (*.ign);;All files (*)");

QString Title() { return QStringLiteral("Morvek"); }

}  // namespace

void QtPrompts::Message(const std::string& text) {
  QMessageBox::information(parent_, Title(), QString::fromStdString(text));
}

Answer QtPrompts::Confirm(const std::string& text) {
  const auto button = QMessageBox::question(
      parent_, Title(), QString::fromStdString(text),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
  if (button == QMessageBox::Yes) return Answer::kYes;
  if (button == QMessageBox::No) return Answer::kNo;
  return Answer::kCancel;
}

std::optional<std::string> QtPrompts::OpenFileName(const std::string& initial) {
  const QString name =
      QFileDialog::getOpenFileName(parent_, Title(), QString::fromStdString(initial), kFilter);
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

std::optional<std::string> QtPrompts::SaveFileName(const std::string& initial) {
  const QString name =
      QFileDialog::getSaveFileName(parent_, Title(), QString::fromStdString(initial), kFilter);
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

}  // namespace morvek::ui
