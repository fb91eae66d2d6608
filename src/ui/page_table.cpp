#include "ui/page_table.h"

#include <QVBoxLayout>

#include "ui/map_grid.h"
#include "ui/map_page_view.h"

namespace morvek::ui {
namespace {

struct SheetDesign {
  const char* name;
  const char* caption;
};

// In page index order; the captions are those of the design, replaced by the language texts.
constexpr SheetDesign kSheets[PageTable::kCount] = {
    {"TabSheet_Bike", "Bike"},       {"TabSheet_Advance", "Advance"},
    {"TabSheet_Inj1A", "Inj-1A"},    {"TabSheet_Inj2A", "Inj-2A"},
    {"TabSheet_Poloha", "Poloha"},   {"TabSheet_Korekce", "Korekce"},
    {"TabSheet_Cidla", "Čidla"},     {"TabSheet_Idle", "Volnoběh"},
    {"TabSheet_Gas", "N2O"},         {"TabSheet_Gear", "Gear"},
    {"TabSheet_Race", "Race"},       {"TabSheet_Ladeni", "Ladeni"},
    {"TabSheet_Monitor", "Monitor"},
};

}  // namespace

const char* PageTable::SheetName(int page) { return kSheets[page].name; }

PageTable::PageTable(QWidget* parent) : QTabWidget(parent) {
  setObjectName(QStringLiteral("PageControl1"));
  for (int page = 0; page < kCount; ++page) {
    auto* sheet = new QWidget;
    sheet->setObjectName(QString::fromLatin1(kSheets[page].name));
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(4, 4, 4, 4);
    sheets_[page] = sheet;
    // insertTab at the table position makes the tab index the page index.
    insertTab(page, sheet, QString::fromUtf8(kSheets[page].caption));
  }
}

int PageTable::PageIndexOf(const QWidget* sheet) const {
  for (int page = 0; page < kCount; ++page)
    if (sheets_[page] == sheet) return page;
  return -1;
}

MapGrid* PageTable::CreateMapGrid() {
  grid_ = new MapGrid(sheets_[kAdvancePage]);
  sheets_[kAdvancePage]->layout()->addWidget(grid_);
  grid_page_ = kAdvancePage;
  return grid_;
}

void PageTable::AttachGrid(int page) {
  if (grid_ == nullptr || !IsMapPage(page) || page == grid_page_) return;
  sheets_[grid_page_]->layout()->removeWidget(grid_);
  grid_->setParent(sheets_[page]);
  sheets_[page]->layout()->addWidget(grid_);
  grid_page_ = page;
}

}  // namespace morvek::ui
