#include "ui/compare_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace morvek::ui {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kRowRole = Qt::UserRole;

}  // namespace

CompareDialog::CompareDialog(QWidget* parent)
    : QDialog(parent),
      list_(new QTreeWidget(this)),
      summary_(new QLabel(this)),
      hint_(new QLabel(this)),
      take_over_(new QPushButton(this)),
      close_(new QPushButton(this)) {
  setObjectName(QStringLiteral("FormCompare"));
  list_->setObjectName(QStringLiteral("TreeCompare"));
  summary_->setObjectName(QStringLiteral("LabelCompareSummary"));
  hint_->setObjectName(QStringLiteral("LabelCompareHint"));
  take_over_->setObjectName(QStringLiteral("ButtonTakeOver"));
  close_->setObjectName(QStringLiteral("ButtonCompareClose"));
  list_->setColumnCount(4);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAlternatingRowColors(true);
  list_->header()->setStretchLastSection(true);
  hint_->setWordWrap(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(summary_, 1);
  buttons->addWidget(take_over_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(hint_);
  layout->addLayout(buttons);
  resize(720, 420);

  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
    emit rowActivated(item->data(0, kRowRole).toInt());
  });
  connect(take_over_, &QPushButton::clicked, this, &CompareDialog::takeOverClicked);
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
}

void CompareDialog::Show(const CompareTexts& texts, const std::vector<CompareRow>& rows) {
  Fill(texts, rows);
  if (!isVisible()) show();
  raise();
  activateWindow();
}

void CompareDialog::Fill(const CompareTexts& texts, const std::vector<CompareRow>& rows) {
  setWindowTitle(Q(texts.title));
  list_->setHeaderLabels({Q(texts.page), Q(texts.field), Q(texts.screen), Q(texts.other)});
  list_->clear();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const CompareRow& r = rows[i];
    auto* item = new QTreeWidgetItem(list_, {Q(r.page), Q(r.field), Q(r.screen), Q(r.other)});
    item->setData(0, kRowRole, static_cast<int>(i));
    item->setCheckState(0, Qt::Unchecked);
  }
  // Room between the columns: a value must not run into the next one.
  constexpr int kColumnGap = 16;
  for (int c = 0; c < 3; ++c) {
    list_->resizeColumnToContents(c);
    list_->setColumnWidth(c, list_->columnWidth(c) + kColumnGap);
  }
  summary_->setText(Q(texts.summary));
  hint_->setText(Q(texts.hint));
  hint_->setVisible(!rows.empty());
  take_over_->setText(Q(texts.take_over));
  take_over_->setEnabled(!rows.empty());
  close_->setText(Q(texts.close));
}

std::vector<int> CompareDialog::Ticked() const {
  std::vector<int> rows;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item->checkState(0) == Qt::Checked) rows.push_back(item->data(0, kRowRole).toInt());
  }
  return rows;
}

void CompareDialog::SetTicked(const std::vector<int>& rows) {
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    const bool ticked =
        std::find(rows.begin(), rows.end(), item->data(0, kRowRole).toInt()) != rows.end();
    item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
  }
}

}  // namespace morvek::ui
