#include "ui/pages/page_builder.h"

#include <QBoxLayout>
#include <QWidget>

#include "pages/page_catalog.h"
#include "ui/pages/page_sheets.h"

namespace morvek::ui {

void BuildEditingPage(int page, QWidget* sheet) {
  using namespace page_sheets;
  switch (page) {
    case pages::kBikePage:
      BuildBikePage(sheet);
      break;
    case pages::kPolohaPage:
      BuildPolohaPage(sheet);
      break;
    case pages::kKorekcePage:
      BuildKorekcePage(sheet);
      break;
    case pages::kCidlaPage:
      BuildCidlaPage(sheet);
      break;
    case pages::kIdlePage:
      BuildIdlePage(sheet);
      break;
    case pages::kGasPage:
      BuildGasPage(sheet);
      break;
    case pages::kGearPage:
      BuildGearPage(sheet);
      break;
    case pages::kRacePage:
      BuildRacePage(sheet);
      break;
    case pages::kLadeniPage:
      BuildLadeniPage(sheet);
      break;
    case pages::kMonitorPage:
      BuildMonitorSettings(sheet);
      break;
    default:
      return;
  }
  // The controls keep their compact size at the top left; spare room stays empty below.
  static_cast<QBoxLayout*>(sheet->layout())->addStretch(1);
}

}  // namespace morvek::ui
