// TabSheet_Poloha: the injection position over the rpm axis, its reference point and the angle
// tools.

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "pages/page_catalog.h"
#include "ui/pages/page_parts.h"
#include "ui/pages/page_sheets.h"
#include "ui/radio_group.h"
#include "ui/spin_button.h"

namespace morvek::ui::page_sheets {
namespace {

using namespace page_parts;

constexpr int kPoints = 15;
// The fifteen points in two blocks of rows, so that the page fits its designed width with
// every number readable whole.
constexpr int kPointsPerBlock = 8;

QGroupBox* PositionBox(const PageParts& parts, QWidget* parent) {
  QGroupBox* box = Group("GroupBoxPolohaA", "Position of Injection A", parent);
  QGridLayout* grid = CompactGrid(box);
  grid->setHorizontalSpacing(3);
  QLabel* rpm = Caption("LabelPolohaA_1", "Rpm", box);
  QLabel* angle = Caption("LabelPolohaA_2", "Angle [°]", box);
  grid->addWidget(rpm, 0, 0);
  grid->addWidget(angle, 1, 0);
  // The second block repeats the captions under names of its own.
  grid->addWidget(Caption("LabelPolohaA_1b", "Rpm", box), 2, 0);
  grid->addWidget(Caption("LabelPolohaA_2b", "Angle [°]", box), 3, 0);
  for (int k = 0; k < kPoints; ++k) {
    const int block_row = 2 * (k / kPointsPerBlock);
    const int column = k % kPointsPerBlock + 1;
    grid->addWidget(parts.ArraySpinner("Rpm_PolohaA", k, box), block_row, column);
    grid->addWidget(parts.ArraySpinner("PolohaA", k, box), block_row + 1, column);
  }
  return box;
}

}  // namespace

void BuildPolohaPage(QWidget* sheet) {
  const PageParts parts(pages::kPolohaPage);
  QHBoxLayout* row = SheetRow(sheet);
  row->addWidget(PositionBox(parts, sheet), 0, Qt::AlignTop);
  row->addWidget(parts.Radio("RadioGroupPolohaA", "Position of:", {}, sheet), 0, Qt::AlignTop);
  // The angle tools: every angle (or the live one) one step down or up.
  auto* tools = new QHBoxLayout;
  tools->addWidget(new SpinButton(QStringLiteral("CSpinButtonPolohaA"), sheet));
  if (auto* all = sheet->findChild<QCheckBox*>(QStringLiteral("CheckBoxAll_PolohaA")))
    tools->addWidget(all);
  row->addLayout(tools);
  row->setAlignment(tools, Qt::AlignTop);
  row->addStretch(1);
}

}  // namespace morvek::ui::page_sheets
