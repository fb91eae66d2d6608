#include "ui/map_grid.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include "pages/heat_scale.h"
#include "ui/cell_paint.h"
#include "ui/grid_selection.h"
#include "ui/spin_button.h"
#include "ui/value_prompt.h"
#include "ui/widget_factory.h"

namespace morvek::ui {
namespace {

constexpr const char* kTpsRowCaptions[model::kMapRows] = {"0%",  "2%",  "5%",  "10%", "20%",
                                                          "30%", "40%", "60%", "80%", "100%"};
// Grid rows of the layout: rpm axis, bevel, ten map rows, column spin buttons.
constexpr int kRpmRow = 0;
constexpr int kBevelRow = 1;
constexpr int kFirstCellRow = 2;
constexpr int kColumnButtonRow = kFirstCellRow + model::kMapRows;

QString Indexed(const char* base, int i) { return QStringLiteral("%1_%2").arg(base).arg(i); }
QString Indexed(const char* base, int row, int column) {
  return QStringLiteral("%1_%2_%3").arg(base).arg(row).arg(column);
}

}  // namespace

MapGrid::MapGrid(QWidget* parent) : QGroupBox(parent) {
  // The grid is drawn in the window's design font of 8 points at most, so that fifteen
  // columns of five-digit numbers fit the designed window width without cutting a digit.
  QFont design = font();
  if (design.pointSizeF() > kDesignPointSize) design.setPointSizeF(kDesignPointSize);
  setFont(design);
  setObjectName(QStringLiteral("GroupBox_Uni"));
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(3);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  outer->addLayout(grid);
  BuildAxes();
  BuildCells();
  BuildBottomRow();
  outer->addStretch(1);
  // Last, so its overlay lies over every cell.
  selection_ = new GridSelection(*this);
}

void MapGrid::BuildAxes() {
  auto* grid = static_cast<QGridLayout*>(layout()->itemAt(0)->layout());
  grid->addWidget(MakeLabel(QStringLiteral("LabelRpm_Uni"), QStringLiteral("RPM"), this), kRpmRow,
                  0);
  tps_caption_ = MakeLabel(QStringLiteral("LabelTps_Uni"), QStringLiteral("TPS"), this);
  grid->addWidget(tps_caption_, kBevelRow, 0);
  for (int j = 0; j < model::kMapRows; ++j) {
    tps_rows_[j] = MakeLabel(Indexed("LabelTpsRow_Uni", j), kTpsRowCaptions[j], this);
    tps_rows_[j]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(tps_rows_[j], kFirstCellRow + j, 0);
  }
  // Hidden with the throttle rows, these keep their room: the single row then stands exactly
  // where row 0 stood.
  for (QLabel* label : {tps_caption_, tps_rows_[model::kMapRows - 1]}) {
    QSizePolicy keep = label->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    label->setSizePolicy(keep);
  }
  for (int i = 0; i < model::kMapColumns; ++i) {
    rpm_[i] =
        MakeSpinner(Indexed("UpDownRpm_Uni", i), Indexed("EditRpm_Uni", i), 300, 25000, 100, this);
    grid->addWidget(rpm_[i], kRpmRow, 1 + i);
  }
}

void MapGrid::BuildCells() {
  auto* grid = static_cast<QGridLayout*>(layout()->itemAt(0)->layout());
  // The rule between the rpm axis and the first row.
  bevel_ = new QFrame(this);
  bevel_->setObjectName(QStringLiteral("Bevel_Uni"));
  bevel_->setFrameShape(QFrame::HLine);
  bevel_->setFrameShadow(QFrame::Sunken);
  grid->addWidget(bevel_, kBevelRow, 1, 1, model::kMapColumns);
  int cell_height = 0;  // every cell has the same font and style, so one asks for the height
  for (int j = 0; j < model::kMapRows; ++j) {
    for (int i = 0; i < model::kMapColumns; ++i) {
      const int k = model::MapElement(j, i);
      cells_[k] =
          MakeSpinner(Indexed("UpDown_Uni", j, i), Indexed("Edit_Uni", j, i), 0, 60, 1, this);
      ms_[k] = MakeLabel(Indexed("LabelMs_Uni", j, i), QStringLiteral("11.92"), this);
      ms_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      // As tall as the cell it stands for, so the rows keep their places in the Ms view.
      if (cell_height == 0) cell_height = cells_[k]->sizeHint().height();
      ms_[k]->setMinimumHeight(cell_height);
      ms_[k]->hide();
      grid->addWidget(cells_[k], kFirstCellRow + j, 1 + i);
      grid->addWidget(ms_[k], kFirstCellRow + j, 1 + i);
    }
  }
  for (int i = 0; i < model::kMapColumns; ++i) {
    columns_[i] = new SpinButton(Indexed("CSpinButton_Uni", i), this);
    columns_[i]->setEnabled(false);  // column tools come with the bulk edit tools
    grid->addWidget(columns_[i], kColumnButtonRow, 1 + i, Qt::AlignHCenter);
  }
}

void MapGrid::BuildBottomRow() {
  auto* row = new QHBoxLayout;
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
  tps_ = MakeCheckBox(QStringLiteral("CheckBoxTps_Uni"), QStringLiteral("TPS"), this);
  tps_->setFocusPolicy(Qt::NoFocus);
  row->addWidget(tps_);
  jet_mode_ = MakeLabel(QStringLiteral("LabelJetMode_Uni"), QStringLiteral("  1->2     "), this);
  QFont font = jet_mode_->font();
  font.setPointSize(14);
  jet_mode_->setFont(font);
  jet_mode_->setAutoFillBackground(true);
  QPalette yellow = jet_mode_->palette();
  yellow.setColor(QPalette::Window, QColor(255, 255, 0));
  yellow.setColor(QPalette::WindowText, Qt::black);
  jet_mode_->setPalette(yellow);
  jet_mode_->hide();
  row->addWidget(jet_mode_);
  misc_[2] = MakeSpinner(QStringLiteral("UpDownAdvanceMisc_Uni_2"),
                         QStringLiteral("EditAdvanceMisc_Uni_2"), 0, 60, 1, this);
  base_advance_ =
      MakeLabel(QStringLiteral("LabelBaseAdvance_Uni"), QStringLiteral("Base advance [°]"), this);
  misc_[0] = MakeSpinner(QStringLiteral("UpDownAdvanceMisc_Uni_0"),
                         QStringLiteral("EditAdvanceMisc_Uni_0"), -15, 15, 1, this);
  misc_[1] = MakeSpinner(QStringLiteral("UpDownAdvanceMisc_Uni_1"),
                         QStringLiteral("EditAdvanceMisc_Uni_1"), -15, 15, 1, this);
  cyl_corr_ = MakeLabel(QStringLiteral("LabelCylCorr_Uni"),
                        QStringLiteral("Correction for cylinder 1,2"), this);
  row->addSpacing(20);
  row->addWidget(misc_[2]);
  row->addWidget(base_advance_);
  row->addSpacing(20);
  row->addWidget(misc_[0]);
  row->addWidget(misc_[1]);
  row->addWidget(cyl_corr_);
  row->addStretch(1);
  prompt_ = new ValuePrompt(this);
  row->addWidget(prompt_);
  zobr_ms_ = MakeCheckBox(QStringLiteral("CheckBoxZobrMs_Uni"), QStringLiteral("Ms"), this);
  zobr_ms_->setFocusPolicy(Qt::NoFocus);
  row->addWidget(zobr_ms_);
  row->addSpacing(20);
  tools_ = new SpinButton(QStringLiteral("CSpinButtonTools_Uni"), this);
  tools_->setEnabled(false);  // Tools Minus / Plus come with the bulk edit tools
  row->addWidget(tools_);
  all_ = MakeCheckBox(QStringLiteral("CheckBoxAll_Uni"), QStringLiteral("All"), this);
  all_->setFocusPolicy(Qt::NoFocus);
  row->addWidget(all_);
}

void MapGrid::SetAdvanceCaptions(const QString& base_advance, const QString& cylinder_correction) {
  base_advance_->setText(base_advance);
  cyl_corr_->setText(cylinder_correction);
}

void MapGrid::Show(const MapPageView& view) {
  // The values, ranges and boxes come from the page values; only the millisecond texts are
  // the grid's own.
  shown_ = view;
  if (view.show_ms) {
    setUpdatesEnabled(false);
    for (int k = 0; k < model::kMapCells; ++k) {
      const QString text = QString::fromStdString(view.ms_texts[k]);
      if (ms_[k]->text() != text) ms_[k]->setText(text);
    }
    setUpdatesEnabled(true);
  }
  if (heat_) PaintHeat();
  emit mapShown();
}

QString MapGrid::CellText(int row, int column) const {
  const int k = model::MapElement(row, column);
  if (ms_[k]->isVisible() || (shown_.show_ms && !cells_[k]->isVisible()))
    return ms_[k]->text().trimmed();
  return cells_[k]->cleanText();
}

void MapGrid::SetHeatColours(bool on) {
  if (on == heat_) return;
  heat_ = on;
  if (on) {
    PaintHeat();
    return;
  }
  for (int k = 0; k < model::kMapCells; ++k) {
    SetCellHeat(*cells_[k], QColor(), false);
    SetCellHeat(*ms_[k], QColor(), false);
  }
}

void MapGrid::PaintHeat() {
  const auto colours = pages::HeatColours(shown_.cells);
  for (int k = 0; k < model::kMapCells; ++k) {
    const pages::HeatRgb c = colours[k];
    const QColor colour(c.r, c.g, c.b);
    const bool light = pages::NeedsLightText(c);
    SetCellHeat(*cells_[k], colour, light);
    SetCellHeat(*ms_[k], colour, light);
  }
}

void MapGrid::PlaceLastRow(int grid_row) {
  auto* grid = static_cast<QGridLayout*>(layout()->itemAt(0)->layout());
  // The layout spaces a row from the row above by the first column, so the row's caption goes
  // along (hidden, keeping its room).
  QLabel* caption = tps_rows_[model::kMapRows - 1];
  grid->removeWidget(caption);
  grid->addWidget(caption, grid_row, 0);
  for (int i = 0; i < model::kMapColumns; ++i) {
    const int k = model::MapElement(model::kMapRows - 1, i);
    for (QWidget* widget : {static_cast<QWidget*>(cells_[k]), static_cast<QWidget*>(ms_[k])}) {
      grid->removeWidget(widget);
      grid->addWidget(widget, grid_row, 1 + i);
    }
  }
}

void MapGrid::SetArrowsOnly(int k, bool arrows_only) {
  QSpinBox* cell = cells_[k];
  QLineEdit* edit = cell->findChild<QLineEdit*>();
  if (edit == nullptr || edit->isHidden() == arrows_only) return;
  auto* grid = static_cast<QGridLayout*>(layout()->itemAt(0)->layout());
  QStyleOptionSpinBox option;
  option.initFrom(cell);
  option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
  option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
  const int arrows =
      style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, cell).width() +
      2 * style()->pixelMetric(QStyle::PM_SpinBoxFrameWidth, &option, cell) + 2;
  edit->setVisible(!arrows_only);
  cell->setMaximumWidth(arrows_only ? arrows : QWIDGETSIZE_MAX);
  grid->setAlignment(cell, arrows_only ? Qt::AlignRight : Qt::Alignment());
  // The arrows stand over the label's right end; its number stays clear of them.
  ms_[k]->setContentsMargins(0, 0, arrows_only ? arrows : 0, 0);
  if (arrows_only) cell->raise();
}

void MapGrid::SetDisplayMode(pages::GridDisplayMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  using M = pages::GridDisplayMode;
  const bool read_only = mode == M::kReadOnly || mode == M::kMillisecondsReadOnly;
  const bool milliseconds = mode == M::kMillisecondsEditable || mode == M::kMillisecondsReadOnly;
  const bool single_row = mode == M::kSingleRow;
  const auto buttons = read_only ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows;
  setUpdatesEnabled(false);
  for (QSpinBox* rpm : rpm_) rpm->setButtonSymbols(buttons);
  // The single row takes the place of row 0, right under the rpm axis.
  PlaceLastRow(single_row ? kFirstCellRow : kFirstCellRow + model::kMapRows - 1);
  for (int j = 0; j < model::kMapRows; ++j) {
    const bool row_shown = !single_row || j == model::kMapRows - 1;
    tps_rows_[j]->setVisible(!single_row);
    for (int i = 0; i < model::kMapColumns; ++i) {
      const int k = model::MapElement(j, i);
      cells_[k]->setReadOnly(read_only);
      cells_[k]->setButtonSymbols(buttons);
      const bool arrows_only = mode == M::kMillisecondsEditable;
      SetArrowsOnly(k, arrows_only);
      cells_[k]->setVisible(row_shown && (!milliseconds || arrows_only));
      ms_[k]->setVisible(row_shown && milliseconds);
    }
  }
  tps_caption_->setVisible(!single_row);
  const bool columns = mode == M::kEditable || mode == M::kMillisecondsEditable;
  for (SpinButton* column : columns_) column->setVisible(columns);
  selection_->SetRows(single_row ? model::kMapRows - 1 : 0, model::kMapRows - 1);
  setUpdatesEnabled(true);
}

}  // namespace morvek::ui
