#pragma once

#include <QTabWidget>
#include <array>

#include "model/editor.h"

namespace morvek::ui {

class MapGrid;

// PageControl1 with the thirteen editing pages. A sheet's place in the table is its page
// index, the identity every page dispatch uses: 0 Bike, 1 Advance, 2 Inj-1A, 3 Inj-2A,
// 4 Poloha ... 12 Monitor.
class PageTable : public QTabWidget {
  Q_OBJECT

 public:
  explicit PageTable(QWidget* parent = nullptr);

  static constexpr int kCount = model::kPageCount;
  static constexpr int kMonitorPage = 12;
  static const char* SheetName(int page);

  QWidget* sheet(int page) const { return sheets_[page]; }
  // The page index of a sheet, -1 for anything else.
  int PageIndexOf(const QWidget* sheet) const;

  // Whether a sheet's controls exist yet (the window may build them when first needed).
  bool built(int page) const { return built_[static_cast<std::size_t>(page)]; }
  void MarkBuilt(int page) { built_[static_cast<std::size_t>(page)] = true; }

  // Creates the map grid on the Advance sheet (filling it).
  MapGrid* CreateMapGrid();
  MapGrid* map_grid() const { return grid_; }
  // Moves the grid onto a map page's sheet.
  void AttachGrid(int page);
  int grid_page() const { return grid_page_; }

 private:
  std::array<QWidget*, kCount> sheets_{};
  std::array<bool, kCount> built_{};
  MapGrid* grid_ = nullptr;
  int grid_page_ = 1;
};

}  // namespace morvek::ui
