#pragma once

#include <QObject>
#include <QPoint>

#include "pages/map_selection.h"

class QSpinBox;
class QWidget;

namespace morvek::ui {

class MapGrid;
class SelectionOverlay;

// The keyboard and mouse of the map grid's cells as a spreadsheet has them: arrows move
// between cells (Up/Down between rows, instead of stepping the value), Shift+arrows and a drag
// select a rectangle, Ctrl+A the whole map, Esc clears; a cell reached by them has its text
// selected, so typing replaces it. The spinner arrows and PgUp/PgDn still step the value.
// Ctrl+Z is left to the window. The operation keys = + - * H V S, Ctrl+C and Ctrl+V and the
// context menu are reported as signals; what they do is decided elsewhere.
class GridSelection : public QObject {
  Q_OBJECT

 public:
  explicit GridSelection(MapGrid& grid);

  // The rectangle selected; empty when only the cursor's cell is.
  const pages::MapSelection& selection() const { return selection_; }
  // What an operation works on: the selection, or the cursor's cell alone.
  pages::MapSelection Target() const;
  int cursor_row() const { return cursor_row_; }
  int cursor_column() const { return cursor_column_; }

  void Select(const pages::MapSelection& selection);
  void SelectAll();
  void Clear();
  // Moves the cursor (and the focus) to a cell; `extend` grows the selection from its anchor.
  void MoveTo(int row, int column, bool extend);
  // The rows the grid shows (the advance map without throttle rows: row 9 alone).
  void SetRows(int first, int last);

  // The cell a widget of the grid belongs to; false for other widgets.
  bool CellOf(const QObject* widget, int& row, int& column) const;

 signals:
  void selectionChanged();
  void operationKey(pages::SelectionOperation operation, int sign);
  void copyRequested();
  void pasteRequested();
  void menuRequested(QPoint global);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Key(QObject* watched, QEvent* event);
  bool Mouse(QObject* watched, QEvent* event);
  bool CellAt(QPoint grid_position, int& row, int& column) const;
  void Focus(int row, int column);
  void Changed();

  MapGrid& grid_;
  SelectionOverlay* overlay_ = nullptr;
  pages::MapSelection selection_;
  int anchor_row_ = 0;
  int anchor_column_ = 0;
  int cursor_row_ = 0;
  int cursor_column_ = 0;
  int first_row_ = 0;
  int last_row_ = 9;
  bool dragging_ = false;
  bool dragged_ = false;
};

}  // namespace morvek::ui
