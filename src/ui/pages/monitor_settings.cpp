// The settings kept on TabSheet_Monitor: where the lambda bar changes colour.

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "pages/page_catalog.h"
#include "ui/pages/page_parts.h"
#include "ui/pages/page_sheets.h"

namespace morvek::ui::page_sheets {

using namespace page_parts;

void BuildMonitorSettings(QWidget* sheet) {
  const PageParts parts(pages::kMonitorPage);
  QGroupBox* box = Group("GroupBoxLambdaBar", "Setting of Lambda bar graph", sheet);
  QGridLayout* grid = CompactGrid(box);
  grid->setHorizontalSpacing(8);
  const SpinnerRow points[] = {{"LabelLambdaBar0", "Beginning", "UpDownLambdaBar0"},
                               {"LabelLambdaBar1", "1/3", "UpDownLambdaBar1"},
                               {"LabelLambdaBar2", "2/3", "UpDownLambdaBar2"},
                               {"LabelLambdaBar3", "Ending", "UpDownLambdaBar3"}};
  // One row: caption and spinner for each of the four points.
  for (int k = 0; k < 4; ++k)
    AddSpinnerRow(grid, 0, Caption(points[k].caption, points[k].design, box),
                  parts.Spinner(points[k].spinner, box), 2 * k);
  static_cast<QVBoxLayout*>(sheet->layout())->addWidget(box, 0, Qt::AlignLeft);
}

}  // namespace morvek::ui::page_sheets
