#pragma once

#include <QGroupBox>
#include <array>

#include "model/map_geometry.h"
#include "pages/layout_hub.h"
#include "ui/map_page_view.h"

class QCheckBox;
class QFrame;
class QLabel;
class QSpinBox;

namespace morvek::ui {

class GridSelection;
class SpinButton;
class ValuePrompt;

// The single 15 x 10 map grid that the three map pages share, with its rpm axis, throttle row
// captions, column and tools spin buttons, check boxes and the advance page's extra values.
// Every member is reached by index; nothing here computes a value, it shows a MapPageView.
class MapGrid : public QGroupBox {
  Q_OBJECT

 public:
  explicit MapGrid(QWidget* parent = nullptr);

  static constexpr double kDesignPointSize = 8.0;

  QSpinBox* rpm(int column) const { return rpm_[column]; }
  QSpinBox* cell(int row, int column) const { return cells_[model::MapElement(row, column)]; }
  QLabel* ms_label(int row, int column) const { return ms_[model::MapElement(row, column)]; }
  QLabel* tps_row(int row) const { return tps_rows_[row]; }
  SpinButton* column_button(int column) const { return columns_[column]; }
  SpinButton* tools_button() const { return tools_; }
  QCheckBox* all_box() const { return all_; }
  QCheckBox* tps_box() const { return tps_; }
  QCheckBox* ms_box() const { return zobr_ms_; }
  QSpinBox* advance_misc(int k) const { return misc_[k]; }
  QLabel* jet_mode_label() const { return jet_mode_; }
  GridSelection& selection() const { return *selection_; }
  ValuePrompt& prompt() const { return *prompt_; }
  // What the grid showed last: the page, its cells and axis.
  const MapPageView& shown() const { return shown_; }
  // The text a cell shows now: its number, or its time in the "Ms" view.
  QString CellText(int row, int column) const;

  // Heat colours: each cell coloured by its value over the map's range, from the next Show on.
  void SetHeatColours(bool on);
  bool heat_colours() const { return heat_; }

  // Shows a map page's values (the millisecond texts included).
  void Show(const MapPageView& view);
  // Which of the cells, millisecond labels, spinners, column buttons and row captions show.
  void SetDisplayMode(pages::GridDisplayMode mode);
  pages::GridDisplayMode display_mode() const { return mode_; }
  // The captions of the advance page's extra values, in the window's language.
  void SetAdvanceCaptions(const QString& base_advance, const QString& cylinder_correction);

 signals:
  // After every Show: an edit, a refresh or another map page.
  void mapShown();

 private:
  void BuildAxes();
  void BuildCells();
  void BuildBottomRow();
  // Puts the cells of row 9 into this row of the grid's layout.
  void PlaceLastRow(int grid_row);
  void PaintHeat();
  // In the editable milliseconds view a cell keeps only its arrows, at the right of its
  // millisecond label, so a single time can still be nudged.
  void SetArrowsOnly(int k, bool arrows_only);

  std::array<QSpinBox*, model::kMapColumns> rpm_{};
  std::array<QSpinBox*, model::kMapCells> cells_{};
  std::array<QLabel*, model::kMapCells> ms_{};
  std::array<QLabel*, model::kMapRows> tps_rows_{};
  QLabel* tps_caption_ = nullptr;
  std::array<SpinButton*, model::kMapColumns> columns_{};
  std::array<QSpinBox*, 3> misc_{};
  QLabel* base_advance_ = nullptr;
  QLabel* cyl_corr_ = nullptr;
  QLabel* jet_mode_ = nullptr;
  SpinButton* tools_ = nullptr;
  QCheckBox* all_ = nullptr;
  QCheckBox* tps_ = nullptr;
  QCheckBox* zobr_ms_ = nullptr;
  QFrame* bevel_ = nullptr;
  pages::GridDisplayMode mode_ = pages::GridDisplayMode::kEditable;
  GridSelection* selection_ = nullptr;
  ValuePrompt* prompt_ = nullptr;
  MapPageView shown_;
  bool heat_ = false;
};

}  // namespace morvek::ui
