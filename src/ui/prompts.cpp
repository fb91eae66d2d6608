#include "ui/prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>

namespace morvek::ui {
namespace {

const QString kOpenFilter = QStringLiteral("Ignition Parametrs(*.ign);;All Files (*.*)");
const QString kSaveFilter = QStringLiteral("Ignition Parametrs(*.ign)");

QString Title() { return QStringLiteral("Morvek"); }

}  // namespace

void QtPrompts::Message(const std::string& text) {
  if (unattended_) {
    std::fprintf(stderr, "morvek: %s\n", text.c_str());
    return;
  }
  QMessageBox::information(parent_, Title(), QString::fromStdString(text));
}

Answer QtPrompts::Confirm(const std::string& text) {
  if (unattended_) return Answer::kCancel;
  const auto button = QMessageBox::question(
      parent_, Title(), QString::fromStdString(text),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
  if (button == QMessageBox::Yes) return Answer::kYes;
  if (button == QMessageBox::No) return Answer::kNo;
  return Answer::kCancel;
}

std::optional<std::string> QtPrompts::OpenFileName(const std::string& initial) {
  if (unattended_) return std::nullopt;
  const QString name =
      QFileDialog::getOpenFileName(parent_, Title(), QString::fromStdString(initial), kOpenFilter);
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

std::optional<std::string> QtPrompts::SaveFileName(const std::string& initial) {
  if (unattended_) return std::nullopt;
  const QString name =
      QFileDialog::getSaveFileName(parent_, Title(), QString::fromStdString(initial), kSaveFilter);
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

std::optional<std::string> QtPrompts::LogFileName(const std::string& initial,
                                                  const std::string& filter, bool save) {
  if (unattended_) return std::nullopt;
  const QString start = QString::fromStdString(initial);
  const QString types = QString::fromStdString(filter);
  // A log never replaces a file, so the dialog does not offer to: a taken name is refused,
  // with the reason, once it is chosen.
  const QString name = save ? QFileDialog::getSaveFileName(parent_, Title(), start, types, nullptr,
                                                           QFileDialog::DontConfirmOverwrite)
                            : QFileDialog::getOpenFileName(parent_, Title(), start, types);
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

}  // namespace morvek::ui
