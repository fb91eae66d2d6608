#include "ui/restore_points_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "i18n/own_texts.h"

namespace morvek::ui {
namespace {

constexpr int kColumnCount = 5;
constexpr int kIdRole = Qt::UserRole;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

RestorePointsDialog::RestorePointsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("RestorePointsDialog"));
  table_ = new QTableWidget(0, kColumnCount, this);
  table_->setObjectName(QStringLiteral("TableRestorePoints"));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  auto button = [this](const char* name) {
    auto* b = new QPushButton(this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };
  load_ = button("ButtonRestoreLoad");
  export_ = button("ButtonRestoreExport");
  close_ = button("ButtonRestoreClose");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(load_);
  buttons->addWidget(export_);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  resize(720, 420);

  connect(table_, &QTableWidget::itemSelectionChanged, this, &RestorePointsDialog::UpdateButtons);
  connect(table_, &QTableWidget::cellDoubleClicked, this,
          [this] { emit loadRequested(QString::fromStdString(SelectedId())); });
  connect(load_, &QPushButton::clicked, this,
          [this] { emit loadRequested(QString::fromStdString(SelectedId())); });
  connect(export_, &QPushButton::clicked, this,
          [this] { emit exportRequested(QString::fromStdString(SelectedId())); });
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  UpdateButtons();
}

void RestorePointsDialog::ApplyLanguage(i18n::Language language) {
  using i18n::OwnText;
  auto text = [language](OwnText id) { return Q(i18n::Text(id, language)); };
  setWindowTitle(text(OwnText::kRestorePointsTitle));
  table_->setHorizontalHeaderLabels({text(OwnText::kColumnTime), text(OwnText::kColumnKind),
                                     text(OwnText::kColumnPort), text(OwnText::kColumnController),
                                     text(OwnText::kColumnPages)});
  load_->setText(text(OwnText::kButtonLoad));
  export_->setText(text(OwnText::kButtonExport));
  close_->setText(text(OwnText::kButtonClose));
}

void RestorePointsDialog::SetRows(const std::vector<RestorePointRow>& rows) {
  // A point kept while the list is open must not move the user's choice.
  const std::string chosen = SelectedId();
  int select = rows.empty() ? -1 : 0;
  table_->clearSelection();
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const RestorePointRow& row = rows[static_cast<std::size_t>(r)];
    const std::string* cells[kColumnCount] = {&row.time, &row.kind, &row.port, &row.controller,
                                              &row.pages};
    for (int c = 0; c < kColumnCount; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(*cells[c]));
      item->setData(kIdRole, QString::fromStdString(row.id));
      table_->setItem(r, c, item);
    }
    if (row.id == chosen) select = r;
  }
  table_->resizeColumnsToContents();
  if (select >= 0) table_->selectRow(select);
  UpdateButtons();
}

std::string RestorePointsDialog::SelectedId() const {
  const QList<QTableWidgetItem*> selected = table_->selectedItems();
  if (selected.isEmpty()) return {};
  return selected.front()->data(kIdRole).toString().toStdString();
}

void RestorePointsDialog::UpdateButtons() {
  const bool chosen = !SelectedId().empty();
  load_->setEnabled(chosen);
  export_->setEnabled(chosen);
}

}  // namespace morvek::ui
