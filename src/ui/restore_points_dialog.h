#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "i18n/text_table.h"

class QPushButton;
class QTableWidget;

namespace morvek::ui {

// One line of the list, as it is shown.
struct RestorePointRow {
  std::string id;
  std::string time;
  std::string kind;
  std::string port;
  std::string controller;
  std::string pages;
};

// The stored restore points, newest first, with Load, Export… and Close. It only shows the
// rows it is given and reports which point the user chose.
class RestorePointsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RestorePointsDialog(QWidget* parent = nullptr);

  void ApplyLanguage(i18n::Language language);
  void SetRows(const std::vector<RestorePointRow>& rows);
  // The id of the selected row, empty when none is selected.
  std::string SelectedId() const;

 signals:
  void loadRequested(const QString& id);
  void exportRequested(const QString& id);

 private:
  void UpdateButtons();

  QTableWidget* table_ = nullptr;
  QPushButton* load_ = nullptr;
  QPushButton* export_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace morvek::ui
