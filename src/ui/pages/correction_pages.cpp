// TabSheet_Korekce and TabSheet_Cidla: the temperature and after-start corrections and the
// sensor characteristics, whose tables share the temperature axis.

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "pages/page_catalog.h"
#include "ui/pages/page_parts.h"
#include "ui/pages/page_sheets.h"
#include "ui/radio_group.h"

namespace morvek::ui::page_sheets {
namespace {

using namespace page_parts;

// The corrections are given at every second temperature point: -10, 20, 50, 80, 110 °C.
constexpr int kCorrectionPoints = 5;

QLabel* TemperatureLabel(const QString& name, int point, QWidget* parent) {
  auto* label = new QLabel(TemperatureText(point), parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

// Row captions -10 °C ... 110 °C from row 1 on, under a header row.
void AddCorrectionTemperatures(QGridLayout* grid, const QString& prefix, QWidget* parent) {
  for (int k = 0; k < kCorrectionPoints; ++k)
    grid->addWidget(TemperatureLabel(prefix + QString::number(k), 2 * k, parent), k + 1, 0);
}

QGroupBox* InjectionCorrections(const PageParts& parts, QWidget* parent) {
  QGroupBox* box =
      Group("GroupBoxKorVodaVzduch", "Temperature Corrections of injection [%]", parent);
  QGridLayout* grid = CompactGrid(box);
  grid->addWidget(Caption("LabelVoda2", "Coolant", box), 0, 1);
  grid->addWidget(Caption("LabelVzduch2", "Inlet Air", box), 0, 2);
  AddCorrectionTemperatures(grid, QStringLiteral("LabelKorTeplota_"), box);
  AddArrayColumn(grid, 1, 1, parts, "KorVoda", kCorrectionPoints, box);
  AddArrayColumn(grid, 2, 1, parts, "KorVzduch", kCorrectionPoints, box);
  grid->setColumnStretch(3, 1);
  return box;
}

QGroupBox* AdvanceCorrections(const PageParts& parts, QWidget* parent) {
  QGroupBox* box = Group("GroupBoxIgnVoda", "Temperature Corrections of advance [°]", parent);
  QGridLayout* grid = CompactGrid(box);
  grid->addWidget(Caption("LabelVoda3", "Coolant", box), 0, 1);
  AddCorrectionTemperatures(grid, QStringLiteral("LabelIgnTeplota_"), box);
  AddArrayColumn(grid, 1, 1, parts, "IgnVoda", kCorrectionPoints, box);
  grid->setColumnStretch(2, 1);
  return box;
}

// The after-start corrections: correction k holds from time k (time 0 is the start) and the
// last time ends them at 100 %.
QGroupBox* StartingCorrections(const PageParts& parts, QWidget* parent) {
  QGroupBox* box = Group("GroupBoxSytic", "Starting Corrections [%]", parent);
  QGridLayout* grid = CompactGrid(box);
  grid->addWidget(Caption("LabelSyticCas", "Time [s]", box), 0, 0);
  grid->addWidget(Caption("LabelSyticKorekce", "Corrections for -10°C [%]", box), 1, 0);
  QLabel* start = Caption("LabelSyticCas0", "0", box);
  QLabel* end = Caption("LabelSyticKorekce4", "100", box);
  for (QLabel* fixed : {start, end}) fixed->setAlignment(Qt::AlignCenter);
  grid->addWidget(start, 0, 1);
  for (int k = 1; k <= 4; ++k)
    grid->addWidget(parts.Spinner("UpDownSyticCas" + std::to_string(k), box), 0, k + 1);
  for (int k = 0; k <= 3; ++k)
    grid->addWidget(parts.Spinner("UpDownSyticKorekce" + std::to_string(k), box), 1, k + 1);
  grid->addWidget(end, 1, 5);
  return box;
}

QGroupBox* TpsSensor(const PageParts& parts, QWidget* parent) {
  QGroupBox* box = Group("GroupBoxTps", "Throttle sensor - TPS", parent);
  QGridLayout* grid = CompactGrid(box);
  AddSpinnerRows(grid, 0, parts,
                 {{"LabelTps0", "TPS 0 % [mV]", "UpDownTps0"},
                  {"LabelTps100", "TPS 100 % [mV]", "UpDownTps100"}},
                 box);
  // The live throttle voltage is taken over by these buttons.
  grid->addWidget(Button("ButtonTps0", "<- TPS 0 %", box), 0, 2);
  grid->addWidget(Button("ButtonTps100", "<- TPS 100 %", box), 1, 2);
  return box;
}

QGroupBox* TemperatureSensors(const PageParts& parts, QWidget* parent) {
  QGroupBox* box =
      Group("GroupBoxCidloTVodaVzduch", "Characteristic of temperature sensors [mV]", parent);
  QGridLayout* grid = CompactGrid(box);
  grid->addWidget(Caption("LabelVoda1", "Water", box), 0, 1);
  grid->addWidget(Caption("LabelVzduch1", "Air", box), 0, 2);
  for (int k = 0; k < kTemperaturePoints; ++k)
    grid->addWidget(TemperatureLabel(QStringLiteral("LabelTeplota_%1").arg(k), k, box), k + 1, 0);
  AddArrayColumn(grid, 1, 1, parts, "CidloVoda", kTemperaturePoints, box);
  AddArrayColumn(grid, 2, 1, parts, "CidloVzduch", kTemperaturePoints, box);
  return box;
}

QGroupBox* LambdaSensor(const PageParts& parts, QWidget* parent) {
  constexpr int kLambdaPoints = 5;
  QGroupBox* box = Group("GroupBoxCidloLambda", "Lambda sensor", parent);
  QGridLayout* grid = CompactGrid(box);
  grid->addWidget(parts.Radio("RadioGroupCidloLambdaMode", "Type",
                              {QStringLiteral("Standard"), QStringLiteral("Uego")}, box),
                  0, 0, 1, 2);
  grid->addWidget(Caption("LabelCidloLambdaAf", "A/F [x10]", box), 1, 0);
  grid->addWidget(Caption("LabelCidloLambdaNap", "Voltage [mV]", box), 1, 1);
  AddArrayColumn(grid, 0, 2, parts, "LambdaAf", kLambdaPoints, box);
  AddArrayColumn(grid, 1, 2, parts, "LambdaNap", kLambdaPoints, box);
  return box;
}

}  // namespace

void BuildKorekcePage(QWidget* sheet) {
  const PageParts parts(pages::kKorekcePage);
  QHBoxLayout* row = SheetRow(sheet);

  QVBoxLayout* tables = Column(row);
  tables->addWidget(InjectionCorrections(parts, sheet));
  tables->addWidget(AdvanceCorrections(parts, sheet));
  tables->addStretch(1);

  QVBoxLayout* start = Column(row);
  start->addWidget(StartingCorrections(parts, sheet));
  auto* injections = new QHBoxLayout;
  injections->addWidget(SpinnerGroup(parts, "GroupBoxAkcel", "Acceleration Injection",
                                     {{"LabelAkcelPrah", "Threshold [%/s]", "UpDownAkcelPrah"},
                                      {"LabelAkcelJet", "Size [us]", "UpDownAkcelJet"}},
                                     sheet),
                        0, Qt::AlignTop);
  injections->addWidget(SpinnerGroup(parts, "GroupBoxStartJet", "Start Injection",
                                     {{"LabelStartJet", "Time [ms]", "UpDownStartJet"}}, sheet),
                        0, Qt::AlignTop);
  injections->addStretch(1);
  start->addLayout(injections);
  start->addWidget(
      SpinnerGroup(parts, "GroupBoxAccK", "Acceleration inj. correction",
                   {{"LabelAccKPlus", "Sensitivity + [%/100%]", "UpDownAccKPlus"},
                    {"LabelAccKMinus", "Sensitivity - [%/100%]", "UpDownAccKMinus"},
                    {"LabelAccT0", "Time constant by TPS 0% [10ms]", "UpDownAccT0"},
                    {"LabelAccT100", "Time constant TPS 100% [10ms]", "UpDownAccT100"}},
                   sheet),
      0, Qt::AlignLeft);
  start->addStretch(1);
  row->addStretch(1);
}

void BuildCidlaPage(QWidget* sheet) {
  const PageParts parts(pages::kCidlaPage);
  QHBoxLayout* row = SheetRow(sheet);

  QVBoxLayout* first = Column(row);
  first->addWidget(TpsSensor(parts, sheet));
  first->addWidget(SpinnerGroup(parts, "GroupApsSensor", "Pressure sensor - AP",
                                {{"LabelApsTlak1", "Pressure 1 [kPa]", "UpDownApsTlak1"},
                                 {"LabelApsNapeti1", "Voltage 1 [mV]", "UpDownApsNapeti1"},
                                 {"LabelApsTlak2", "Pressure 2 [kPa]", "UpDownApsTlak2"},
                                 {"LabelApsNapeti2", "Voltage 2 [mV]", "UpDownApsNapeti2"}},
                                sheet));
  first->addStretch(1);

  QVBoxLayout* second = Column(row);
  second->addWidget(TemperatureSensors(parts, sheet));
  second->addStretch(1);

  QVBoxLayout* third = Column(row);
  third->addWidget(LambdaSensor(parts, sheet));
  third->addStretch(1);
  row->addStretch(1);
}

}  // namespace morvek::ui::page_sheets
