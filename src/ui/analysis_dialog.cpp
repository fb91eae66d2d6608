#include "ui/analysis_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace morvek::ui {
namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

AnalysisDialog::AnalysisDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormAnalysis"));
  logs_caption_ = new QLabel(this);
  logs_ = Named(new QListWidget(this), "ListAnalysisLogs");
  logs_->setMaximumHeight(90);
  add_logs_ = Named(new QPushButton(this), "ButtonAnalysisAddLogs");
  remove_log_ = Named(new QPushButton(this), "ButtonAnalysisRemoveLog");

  map_caption_ = new QLabel(this);
  map_ = Named(new QComboBox(this), "ComboAnalysisMap");
  map_->addItems({QStringLiteral("JET_1A"), QStringLiteral("JET_2A")});
  target_caption_ = new QLabel(this);
  target_ = Named(new QDoubleSpinBox(this), "SpinAnalysisTarget");
  target_->setRange(8, 25);
  target_->setDecimals(1);
  target_->setSingleStep(0.1);
  delay_caption_ = new QLabel(this);
  delay_ = Named(new QSpinBox(this), "SpinAnalysisDelay");
  delay_->setRange(0, 5000);
  delay_->setSingleStep(10);
  min_hits_caption_ = new QLabel(this);
  min_hits_ = Named(new QSpinBox(this), "SpinAnalysisMinHits");
  min_hits_->setRange(1, 100000);
  max_change_caption_ = new QLabel(this);
  max_change_ = Named(new QSpinBox(this), "SpinAnalysisMaxChange");
  max_change_->setRange(1, 100);
  run_ = Named(new QPushButton(this), "ButtonAnalysisRun");

  proposal_ = Named(new QRadioButton(this), "RadioAnalysisProposal");
  coverage_ = Named(new QRadioButton(this), "RadioAnalysisCoverage");
  proposal_->setChecked(true);
  auto* views = new QButtonGroup(this);
  views->addButton(proposal_);
  views->addButton(coverage_);

  cells_ = Named(new QTableWidget(model::kMapRows, model::kMapColumns, this), "TableAnalysisCells");
  cells_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cells_->setSelectionMode(QAbstractItemView::NoSelection);
  cells_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  cells_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  cells_->setMinimumSize(760, 300);
  for (int r = 0; r < model::kMapRows; ++r)
    for (int c = 0; c < model::kMapColumns; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      cells_->setItem(r, c, item);
    }
  hint_ = new QLabel(this);
  summary_ = Named(new QLabel(this), "LabelAnalysisSummary");
  rejected_caption_ = new QLabel(this);
  rejections_ = Named(new QLabel(this), "LabelAnalysisRejections");
  rejections_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  apply_ = Named(new QPushButton(this), "ButtonAnalysisApply");
  apply_->setEnabled(false);
  cancel_ = Named(new QPushButton(this), "ButtonAnalysisCancel");

  auto* logs_row = new QHBoxLayout;
  logs_row->addWidget(logs_, 1);
  auto* log_buttons = new QVBoxLayout;
  log_buttons->addWidget(add_logs_);
  log_buttons->addWidget(remove_log_);
  log_buttons->addStretch(1);
  logs_row->addLayout(log_buttons);

  auto* choices = new QHBoxLayout;
  for (auto [caption, field] : {std::pair<QLabel*, QWidget*>{map_caption_, map_},
                                {target_caption_, target_},
                                {delay_caption_, delay_},
                                {min_hits_caption_, min_hits_},
                                {max_change_caption_, max_change_}}) {
    choices->addWidget(caption);
    choices->addWidget(field);
    choices->addSpacing(8);
  }
  choices->addStretch(1);
  choices->addWidget(run_);

  auto* view_row = new QHBoxLayout;
  view_row->addWidget(proposal_);
  view_row->addWidget(coverage_);
  view_row->addSpacing(16);
  view_row->addWidget(hint_, 1);

  auto* bottom = new QHBoxLayout;
  auto* result = new QVBoxLayout;
  result->addWidget(summary_);
  result->addWidget(rejected_caption_);
  result->addWidget(rejections_, 1);
  bottom->addLayout(result, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(apply_);
  buttons->addWidget(cancel_);
  bottom->addLayout(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(logs_caption_);
  layout->addLayout(logs_row);
  layout->addLayout(choices);
  layout->addLayout(view_row);
  layout->addWidget(cells_, 1);
  layout->addLayout(bottom);

  connect(add_logs_, &QPushButton::clicked, this, &AnalysisDialog::addLogsClicked);
  connect(remove_log_, &QPushButton::clicked, this,
          [this] { emit removeLogClicked(logs_->currentRow()); });
  connect(run_, &QPushButton::clicked, this, &AnalysisDialog::runClicked);
  connect(coverage_, &QRadioButton::toggled, this, &AnalysisDialog::viewChanged);
  connect(cells_, &QTableWidget::cellClicked, this,
          [this](int row, int column) { emit cellClicked(model::MapElement(row, column)); });
  connect(apply_, &QPushButton::clicked, this, &AnalysisDialog::applyClicked);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void AnalysisDialog::SetTexts(const AnalysisDialogTexts& t) {
  setWindowTitle(Q(t.title));
  logs_caption_->setText(Q(t.logs));
  add_logs_->setText(Q(t.add_logs));
  remove_log_->setText(Q(t.remove_log));
  map_caption_->setText(Q(t.map));
  target_caption_->setText(Q(t.target));
  delay_caption_->setText(Q(t.delay));
  min_hits_caption_->setText(Q(t.min_hits));
  max_change_caption_->setText(Q(t.max_change));
  run_->setText(Q(t.run));
  proposal_->setText(Q(t.proposal));
  coverage_->setText(Q(t.coverage));
  apply_->setText(Q(t.apply));
  cancel_->setText(Q(t.cancel));
  rejected_caption_->setText(Q(t.rejected));
  hint_->setText(Q(t.lock_hint));
}

void AnalysisDialog::SetLogs(const std::vector<std::string>& names,
                             const std::vector<bool>& ticked) {
  logs_->clear();
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto* item = new QListWidgetItem(Q(names[i]), logs_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(i < ticked.size() && ticked[i] ? Qt::Checked : Qt::Unchecked);
  }
}

std::vector<bool> AnalysisDialog::TickedLogs() const {
  std::vector<bool> ticked;
  for (int i = 0; i < logs_->count(); ++i)
    ticked.push_back(logs_->item(i)->checkState() == Qt::Checked);
  return ticked;
}

void AnalysisDialog::SetChoice(const AnalysisChoice& c, bool map_choosable) {
  map_->setCurrentIndex(c.map);
  map_->setEnabled(map_choosable);
  target_->setValue(c.target_af);
  delay_->setValue(c.delay_ms);
  min_hits_->setValue(c.min_hits);
  max_change_->setValue(c.max_change_pct);
}

AnalysisChoice AnalysisDialog::Choice() const {
  return {map_->currentIndex(), target_->value(), delay_->value(), min_hits_->value(),
          max_change_->value()};
}

bool AnalysisDialog::coverage_view() const { return coverage_->isChecked(); }

void AnalysisDialog::ShowCells(const std::array<std::string, model::kMapColumns>& rpm,
                               const std::array<std::string, model::kMapRows>& tps,
                               const std::vector<AnalysisCellView>& cells) {
  QStringList columns;
  for (const std::string& s : rpm) columns << Q(s);
  QStringList rows;
  for (const std::string& s : tps) rows << Q(s);
  cells_->setHorizontalHeaderLabels(columns);
  cells_->setVerticalHeaderLabels(rows);
  for (int k = 0; k < model::kMapCells && k < static_cast<int>(cells.size()); ++k) {
    const AnalysisCellView& v = cells[static_cast<std::size_t>(k)];
    QTableWidgetItem* item = cells_->item(k / model::kMapColumns, k % model::kMapColumns);
    item->setText(Q(v.text));
    item->setToolTip(Q(v.tool_tip));
    item->setBackground(QColor(v.red, v.green, v.blue));
    item->setForeground(QColor(Qt::black));
    QFont font = item->font();
    font.setStrikeOut(v.locked);
    font.setBold(v.locked);
    item->setFont(font);
  }
}

void AnalysisDialog::SetSummary(const std::string& summary, const std::string& rejections) {
  summary_->setText(Q(summary));
  rejections_->setText(Q(rejections));
}

void AnalysisDialog::SetApplyEnabled(bool enabled) { apply_->setEnabled(enabled); }

}  // namespace morvek::ui
