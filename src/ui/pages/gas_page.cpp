// TabSheet_Gas: the nitrous switch, the gas and injection ramp and the retard ramp.

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "pages/page_catalog.h"
#include "ui/pages/page_parts.h"
#include "ui/pages/page_sheets.h"

namespace morvek::ui::page_sheets {

using namespace page_parts;

void BuildGasPage(QWidget* sheet) {
  const PageParts parts(pages::kGasPage);
  static_cast<QVBoxLayout*>(sheet->layout())
      ->addWidget(parts.Check("CheckBoxGas", "N2O enabled", sheet));
  QHBoxLayout* row = SheetRow(sheet);
  row->addWidget(
      SpinnerGroup(parts, "GroupBoxGas", "N2O",
                   {{"LabelGas1", "N2O initial [%]", "UpDownGas1"},
                    {"LabelGas2", "N2O final [%]", "UpDownGas2"},
                    {"LabelGasD", "Delay [ms]", "UpDownGasD"},
                    {"LabelGasT", "Build up time [ms]", "UpDownGasT"},
                    {"LabelGasJetKor1", "Correction Inj. initial [%]", "UpDownGasJetKor1"},
                    {"LabelGasJetKor2", "Correction Inj. final [%]", "UpDownGasJetKor2"}},
                   sheet),
      0, Qt::AlignTop);
  row->addWidget(SpinnerGroup(parts, "GroupBoxRetard", "Retard",
                              {{"LabelRetard1", "Retard initial [°]", "UpDownRetard1"},
                               {"LabelRetard2", "Retard final [°]", "UpDownRetard2"},
                               {"LabelRetardD", "Delay [ms]", "UpDownRetardD"},
                               {"LabelRetardT", "Build up time [ms]", "UpDownRetardT"}},
                              sheet),
                 0, Qt::AlignTop);
  row->addStretch(1);
}

}  // namespace morvek::ui::page_sheets
