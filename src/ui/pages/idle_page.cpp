// TabSheet_Idle: the idle control by step motor and by advance, with the desired values over the
// temperature axis.

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
#include "ui/widget_factory.h"

namespace morvek::ui::page_sheets {
namespace {

using namespace page_parts;

// A table of nine desired values beside the temperature captions ("LabelIdleServo_0" ...).
QGroupBox* TemperatureTable(const PageParts& parts, std::string_view name, std::string_view design,
                            const QString& label_base, std::string_view array, QWidget* parent) {
  QGroupBox* box = Group(name, design, parent);
  QGridLayout* grid = CompactGrid(box);
  for (int k = 0; k < kTemperaturePoints; ++k) {
    auto* label = new QLabel(TemperatureText(k), box);
    label->setObjectName(QStringLiteral("%1_%2").arg(label_base).arg(k));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, k, 0);
  }
  AddArrayColumn(grid, 1, 0, parts, array, kTemperaturePoints, box);
  grid->setColumnStretch(2, 1);
  return box;
}

}  // namespace

void BuildIdlePage(QWidget* sheet) {
  const PageParts parts(pages::kIdlePage);
  QHBoxLayout* row = SheetRow(sheet);

  QVBoxLayout* control = Column(row);
  control->addWidget(parts.Radio(
      "RadioGroupIdleMode", "Idle control",
      {QStringLiteral("No"), QStringLiteral("Step motor without potentiometer")}, sheet));
  auto* motor = new QGridLayout;
  motor->setVerticalSpacing(3);
  int r = AddSpinnerRows(motor, 0, parts,
                         {{"LabelIdleRpmMez", "Control Range [rpm]", "UpDownIdleRpmMez"},
                          {"LabelIdleTpsMez", "Control Range TPS [%]", "UpDownIdleTpsMez"}},
                         sheet);
  motor->addWidget(parts.Check("CheckBoxIdleSmerReg", "Inverted regulation", sheet), r++, 0, 1, 2);
  AddSpinnerRows(motor, r, parts,
                 {{"LabelIdleStepPuls", "Step motor excitation[us]", "UpDownIdleStepPuls"},
                  {"LabelIdleStepPerioda", "Step motor period [ms]", "UpDownIdleStepPerioda"},
                  {"LabelIdleHyster", "Hysteresis [rpm]", "UpDownIdleHyster"},
                  {"LabelIdleStart", "Start time [ms]", "UpDownIdleStart"}},
                 sheet);
  control->addLayout(motor);
  control->addStretch(1);

  QVBoxLayout* servo = Column(row);
  QGroupBox* servo_box = TemperatureTable(parts, "GroupBoxIdleServoPoz", "Idle Servo RPM desired",
                                          QStringLiteral("LabelIdleServo"), "IdleServo", sheet);
  // Moves all nine servo targets one step; it sits under their column.
  auto* servo_grid = static_cast<QGridLayout*>(servo_box->layout());
  servo_grid->addWidget(new SpinButton(QStringLiteral("CSpinButtonIdle"), servo_box),
                        kTemperaturePoints, 1, Qt::AlignHCenter);
  servo->addWidget(servo_box);
  servo->addStretch(1);

  QVBoxLayout* advance = Column(row);
  advance->addWidget(TemperatureTable(parts, "GroupBoxIdleAdvPoz", "Idle RPM desired by advance",
                                      QStringLiteral("LabelIdleAdv"), "IdleAdv", sheet));
  advance->addStretch(1);

  QVBoxLayout* by_advance = Column(row);
  by_advance->addWidget(parts.Check("CheckBoxIdleAdvOn", "Idle control by advance", sheet));
  auto* advance_grid = new QGridLayout;
  advance_grid->setVerticalSpacing(3);
  AddSpinnerRows(advance_grid, 0, parts,
                 {{"LabelIdleAdvNaRpm", "Advance control[°/1000rpm]", "UpDownIdleAdvNaRpm"},
                  {"LabelIdleAdvNaCas", "Regulace advance [°/10s]", "UpDownIdleAdvNaCas"},
                  {"LabelIdleMaxAdv", "Maximal advance [°]", "UpDownIdleMaxAdv"}},
                 sheet);
  by_advance->addLayout(advance_grid);
  // What the controller's idle control by advance adds now.
  by_advance->addWidget(MakeLabel(QStringLiteral("LabelIdleKorAdv"), QStringLiteral("---"), sheet));
  by_advance->addStretch(1);
  row->addStretch(1);
}

}  // namespace morvek::ui::page_sheets
