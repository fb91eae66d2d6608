#include "ui/grid_selection.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <algorithm>

#include "ui/map_grid.h"
#include "ui/selection_overlay.h"

namespace morvek::ui {
namespace {

constexpr const char* kRow = "morvekMapRow";
constexpr const char* kColumn = "morvekMapColumn";

void Mark(QWidget* widget, int row, int column) {
  widget->setProperty(kRow, row);
  widget->setProperty(kColumn, column);
}

}  // namespace

GridSelection::GridSelection(MapGrid& grid) : QObject(&grid), grid_(grid) {
  overlay_ = new SelectionOverlay(&grid);
  overlay_->setGeometry(grid.rect());
  overlay_->raise();
  grid.installEventFilter(this);
  for (int j = 0; j < model::kMapRows; ++j) {
    for (int i = 0; i < model::kMapColumns; ++i) {
      QSpinBox* cell = grid.cell(j, i);
      Mark(cell, j, i);
      cell->installEventFilter(this);
      cell->setContextMenuPolicy(Qt::PreventContextMenu);
      if (auto* edit = cell->findChild<QLineEdit*>()) {
        Mark(edit, j, i);
        edit->installEventFilter(this);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
      }
      QLabel* ms = grid.ms_label(j, i);
      Mark(ms, j, i);
      ms->installEventFilter(this);
    }
  }
}

pages::MapSelection GridSelection::Target() const {
  if (!selection_.empty()) return selection_;
  return {cursor_row_, cursor_column_, cursor_row_, cursor_column_};
}

bool GridSelection::CellOf(const QObject* widget, int& row, int& column) const {
  if (widget == nullptr) return false;
  const QVariant r = widget->property(kRow);
  if (!r.isValid()) return false;
  row = r.toInt();
  column = widget->property(kColumn).toInt();
  return true;
}

void GridSelection::Select(const pages::MapSelection& selection) {
  pages::MapSelection s = selection.Clipped();
  if (!s.empty()) {
    s.top = std::max(s.top, first_row_);
    s.bottom = std::min(s.bottom, last_row_);
    if (s.empty()) s = {};
  }
  if (s == selection_) return;
  selection_ = s;
  Changed();
}

void GridSelection::SelectAll() {
  anchor_row_ = first_row_;
  anchor_column_ = 0;
  Select({first_row_, 0, last_row_, model::kMapColumns - 1});
}

void GridSelection::Clear() { Select({}); }

void GridSelection::SetRows(int first, int last) {
  first_row_ = first;
  last_row_ = last;
  cursor_row_ = std::clamp(cursor_row_, first, last);
  anchor_row_ = std::clamp(anchor_row_, first, last);
  Select(selection_);
  Changed();
}

void GridSelection::MoveTo(int row, int column, bool extend) {
  row = std::clamp(row, first_row_, last_row_);
  column = std::clamp(column, 0, model::kMapColumns - 1);
  if (!extend) {
    anchor_row_ = row;
    anchor_column_ = column;
  }
  cursor_row_ = row;
  cursor_column_ = column;
  Focus(row, column);
  if (extend) {
    Select(pages::MapSelection::Spanning(anchor_row_, anchor_column_, row, column));
  } else {
    Clear();
  }
}

void GridSelection::Focus(int row, int column) {
  QSpinBox* cell = grid_.cell(row, column);
  if (!cell->isVisible()) return;
  if (!cell->hasFocus()) cell->setFocus(Qt::OtherFocusReason);
  cell->selectAll();
}

void GridSelection::Changed() {
  QRect area;
  const pages::MapSelection& s = selection_;
  if (!s.empty()) {
    for (int j : {s.top, s.bottom})
      for (int i : {s.left, s.right}) {
        QWidget* cell = grid_.cell(j, i);
        if (!cell->isVisible()) cell = grid_.ms_label(j, i);
        area |= cell->geometry();
      }
  }
  overlay_->SetArea(area.adjusted(-1, -1, 1, 1));
  emit selectionChanged();
}

bool GridSelection::CellAt(QPoint at, int& row, int& column) const {
  for (int j = first_row_; j <= last_row_; ++j)
    for (int i = 0; i < model::kMapColumns; ++i) {
      QWidget* cell = grid_.cell(j, i);
      if (!cell->isVisible()) cell = grid_.ms_label(j, i);
      // Between two cells the nearer one counts, so a drag over the gaps does not flicker.
      if (cell->isVisible() && cell->geometry().adjusted(-2, -2, 2, 2).contains(at)) {
        row = j;
        column = i;
        return true;
      }
    }
  return false;
}

bool GridSelection::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &grid_) {
    // The overlay covers the grid whatever its size, and the frame follows the cells.
    if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest) {
      overlay_->setGeometry(grid_.rect());
      overlay_->raise();
      Changed();
    }
    return false;
  }
  switch (event->type()) {
    case QEvent::KeyPress:
      return Key(watched, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
      return Mouse(watched, event);
    case QEvent::ContextMenu: {
      int row = 0;
      int column = 0;
      if (!CellOf(watched, row, column)) return false;
      // A right click outside the selection moves the cursor there first.
      if (!Target().Contains(row, column)) MoveTo(row, column, false);
      emit menuRequested(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    }
    default:
      return false;
  }
}

bool GridSelection::Key(QObject* watched, QEvent* event) {
  int row = 0;
  int column = 0;
  if (!CellOf(watched, row, column)) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers mods =
      key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  // The cursor is where the focus is, whatever moved it there (a click, Tab).
  if (row != cursor_row_ || column != cursor_column_) {
    cursor_row_ = anchor_row_ = row;
    cursor_column_ = anchor_column_ = column;
  }
  const bool shift = mods == Qt::ShiftModifier;
  if (mods == Qt::NoModifier || shift) {
    switch (key->key()) {
      case Qt::Key_Left:
        MoveTo(cursor_row_, cursor_column_ - 1, shift);
        return true;
      case Qt::Key_Right:
        MoveTo(cursor_row_, cursor_column_ + 1, shift);
        return true;
      case Qt::Key_Up:
        MoveTo(cursor_row_ - 1, cursor_column_, shift);
        return true;
      case Qt::Key_Down:
        MoveTo(cursor_row_ + 1, cursor_column_, shift);
        return true;
      case Qt::Key_Escape:
        if (selection_.empty()) return false;
        Clear();
        return true;
      default:
        break;
    }
  }
  if (mods == Qt::ControlModifier) {
    switch (key->key()) {
      case Qt::Key_A:
        SelectAll();
        return true;
      case Qt::Key_C:
        emit copyRequested();
        return true;
      case Qt::Key_V:
        emit pasteRequested();
        return true;
      default:
        return false;
    }
  }
  if (mods & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const QString text = key->text();
  if (text.size() != 1) return false;
  using Op = pages::SelectionOperation;
  switch (text.at(0).toLower().unicode()) {
    case '=':
      emit operationKey(Op::kSet, 1);
      return true;
    case '+':
      emit operationKey(Op::kAdd, 1);
      return true;
    case '-':
      emit operationKey(Op::kAdd, -1);
      return true;
    case '*':
      emit operationKey(Op::kScale, 1);
      return true;
    case 'h':
      emit operationKey(Op::kInterpolateH, 1);
      return true;
    case 'v':
      emit operationKey(Op::kInterpolateV, 1);
      return true;
    case 's':
      emit operationKey(Op::kSmooth, 1);
      return true;
    default:
      return false;
  }
}

bool GridSelection::Mouse(QObject* watched, QEvent* event) {
  const auto* mouse = static_cast<QMouseEvent*>(event);
  int row = 0;
  int column = 0;
  if (!CellOf(watched, row, column)) return false;
  const QPoint at = grid_.mapFromGlobal(mouse->globalPosition().toPoint());
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (mouse->button() != Qt::LeftButton) return false;
      dragging_ = true;
      dragged_ = false;
      if (mouse->modifiers() & Qt::ShiftModifier) {
        cursor_row_ = row;
        cursor_column_ = column;
        Select(pages::MapSelection::Spanning(anchor_row_, anchor_column_, row, column));
        Focus(row, column);
        return true;
      }
      anchor_row_ = cursor_row_ = row;
      anchor_column_ = cursor_column_ = column;
      Clear();
      return false;  // the cell takes the focus and the spinner arrows their click
    case QEvent::MouseMove: {
      if (!dragging_ || !(mouse->buttons() & Qt::LeftButton)) return false;
      int r = 0;
      int c = 0;
      if (!CellAt(at, r, c)) return dragged_;
      if (!dragged_ && r == anchor_row_ && c == anchor_column_) return false;
      dragged_ = true;
      cursor_row_ = r;
      cursor_column_ = c;
      Select(pages::MapSelection::Spanning(anchor_row_, anchor_column_, r, c));
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (mouse->button() != Qt::LeftButton || !dragging_) return false;
      dragging_ = false;
      // A click leaves the cell's text selected, so typing replaces it.
      if (!dragged_) {
        if (auto* spin = grid_.cell(row, column); spin->isVisible() && spin->hasFocus())
          spin->selectAll();
        return false;
      }
      return true;
    default:
      return false;
  }
}

}  // namespace morvek::ui
