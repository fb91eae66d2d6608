// TabSheet_Gear and TabSheet_Race: the gear detection with its per-gear ratios and corrections,
// and the per-gear shift light and clutch master.

#include <QCheckBox>
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
#include "ui/widget_factory.h"

namespace morvek::ui::page_sheets {
namespace {

using namespace page_parts;

constexpr int kGears = 6;

// Row captions "Gear 1" ... "Gear 6" named label_base + gear, from row `first` on.
void AddGearLabels(QGridLayout* grid, int first, const QString& label_base, QWidget* parent) {
  for (int gear = 1; gear <= kGears; ++gear) {
    auto* label = new QLabel(QStringLiteral("Gear %1").arg(gear), parent);
    label->setObjectName(label_base + QString::number(gear));
    grid->addWidget(label, first + gear - 1, 0);
  }
}

QGroupBox* Ratios(const PageParts& parts, QWidget* parent) {
  QGroupBox* box = Group("GroupBoxRpmSpeedProGear", "Ratio Rpm / Speed for gear", parent);
  QGridLayout* grid = CompactGrid(box);
  // A header row like the corrections beside, so that the gears stand in one line.
  grid->addWidget(new QLabel(QStringLiteral("[x10]"), box), 0, 1);
  AddGearLabels(grid, 1, QStringLiteral("LabelPomerRpmSpeed"), box);
  AddArrayColumn(grid, 1, 1, parts, "PomerRpmSpeed", kGears, box);
  // Each button takes the live ratio for its gear.
  for (int gear = 1; gear <= kGears; ++gear) {
    const std::string n = std::to_string(gear);
    grid->addWidget(Button("ButtonGear" + n, "<- Gear " + n, box), gear, 2);
  }
  return box;
}

// The ratios the controller learnt by itself, one per gear ("Gear 1" ... beside its ratio).
QGroupBox* LearntRatios(QWidget* parent) {
  QGroupBox* box = Group("GroupBoxMonAutoGear", "Learnt ratios Rpm / Speed", parent);
  QGridLayout* grid = CompactGrid(box);
  AddGearLabels(grid, 0, QStringLiteral("LabelMonGearAuto"), box);
  for (int gear = 1; gear <= kGears; ++gear) {
    grid->addWidget(MakeLabel(QStringLiteral("LabelMonPomerRpmSpeedAuto%1").arg(gear),
                              QStringLiteral("---"), box),
                    gear - 1, 1);
  }
  grid->setColumnStretch(2, 1);
  return box;
}

QGroupBox* GearCorrections(const PageParts& parts, QWidget* parent) {
  QGroupBox* box = Group("GroupBoxGearKor", "Corrections for gear", parent);
  QGridLayout* grid = CompactGrid(box);
  grid->addWidget(Caption("LabelGearKorAdv", "Adv. [°]", box), 0, 1);
  grid->addWidget(Caption("LabelGearKorJet", "Inj. [%]", box), 0, 2);
  AddGearLabels(grid, 1, QStringLiteral("LabelGearKor"), box);
  AddArrayColumn(grid, 1, 1, parts, "GearKorAdv", kGears, box);
  AddArrayColumn(grid, 2, 1, parts, "GearKorJet", kGears, box);
  return box;
}

QGroupBox* Speedometer(const PageParts& parts, QWidget* parent) {
  QGroupBox* box = Group("GroupBoxPulsuProSpeed", "Setting of speedometer", parent);
  QGridLayout* grid = CompactGrid(box);
  grid->addWidget(parts.Radio("RadioGroupSpeedMode", "Meaning of the value",
                              {QStringLiteral("Pulse over 1s for 100 km/hod"),
                               QStringLiteral("Distance for pulse [mm]")},
                              box),
                  0, 0, 1, 2);
  AddSpinnerRows(grid, 1, parts, {{"LabelPulsuProSpeed", "Value", "UpDownPulsuProSpeed"}}, box);
  return box;
}

}  // namespace

void BuildGearPage(QWidget* sheet) {
  const PageParts parts(pages::kGearPage);
  QHBoxLayout* row = SheetRow(sheet);

  QVBoxLayout* system = Column(row);
  system->addWidget(parts.Radio("RadioGroupGearSystem", "Gear system",
                                {QStringLiteral("Ration Rpm Speed"),
                                 QStringLiteral("Automat (Ratio Rpm Speed)"), QStringLiteral("No")},
                                sheet));
  auto* count = new QGridLayout;
  AddSpinnerRows(count, 0, parts, {{"LabelPocetGear", "Number of gears", "UpDownPocetGear"}},
                 sheet);
  count->setColumnStretch(2, 1);
  system->addLayout(count);
  system->addWidget(Speedometer(parts, sheet));
  system->addStretch(1);

  QVBoxLayout* ratios = Column(row);
  ratios->addWidget(Ratios(parts, sheet));
  // The live ratio, to compare with the ones set.
  ratios->addWidget(
      MakeLabel(QStringLiteral("LabelMonPomerRpmSpeed"), QStringLiteral("---"), sheet));
  ratios->addStretch(1);

  QVBoxLayout* corrections = Column(row);
  corrections->addWidget(GearCorrections(parts, sheet));
  corrections->addStretch(1);

  QVBoxLayout* automat = Column(row);
  automat->addWidget(SpinnerGroup(parts, "GroupBoxGearAuto", "Automat: learning of ratio",
                                  {{"LabelGearAutoTime", "Min time [s]", "UpDownGearAutoTime"},
                                   {"LabelGearAutoRpm", "Min Rpm", "UpDownGearAutoRpm"},
                                   {"LabelGearAutoTps", "Min TPS [%]", "UpDownGearAutoTps"},
                                   {"LabelGearAutoBand", "Band [0.1 %]", "UpDownGearAutoBand"}},
                                  sheet));
  automat->addWidget(LearntRatios(sheet));
  automat->addStretch(1);
  row->addStretch(1);
}

void BuildRacePage(QWidget* sheet) {
  const PageParts parts(pages::kRacePage);
  QHBoxLayout* row = SheetRow(sheet);

  QGroupBox* clutch = Group("GroupBoxClutch", "Gear Shift Light and Clutch master", sheet);
  QGridLayout* grid = CompactGrid(clutch);
  grid->addWidget(Caption("LabelPilotLight", "Gear Shift Light [rpm]", clutch), 0, 1, 1, 2);
  grid->addWidget(Caption("LabelClutchTime", "Clutch master time [ms]", clutch), 0, 3);
  grid->addWidget(Caption("LabelClutchPause", "Clutch master pause [ms]", clutch), 0, 4);
  AddGearLabels(grid, 1, QStringLiteral("LabelRaceGear"), clutch);
  AddArrayColumn(grid, 1, 1, parts, "PilotLight1", kGears, clutch);
  AddArrayColumn(grid, 2, 1, parts, "PilotLight2", kGears, clutch);
  AddArrayColumn(grid, 3, 1, parts, "ClutchTime", kGears, clutch);
  AddArrayColumn(grid, 4, 1, parts, "ClutchPause", kGears, clutch);
  row->addWidget(clutch, 0, Qt::AlignTop);

  QVBoxLayout* mode = Column(row);
  mode->addWidget(parts.Radio("RadioGroupClutchMode", "Clutch mode", {}, sheet));
  auto* limits = new QGridLayout;
  limits->setVerticalSpacing(3);
  AddSpinnerRows(limits, 0, parts,
                 {{"LabelClutchMinRpm", "Min Rpm for Clutch", "UpDownClutchMinRpm"},
                  {"LabelClutchJet", "Clutch Inj. [%]", "UpDownClutchJet"},
                  {"LabelClutchAdv", "Clutch Adv. [°]", "UpDownClutchAdv"}},
                 sheet);
  mode->addLayout(limits);
  QGroupBox* display = Group("GroupBoxDisplay", "Display on Bike", sheet);
  CompactGrid(display)->addWidget(
      parts.Check("CheckBoxTempDisplay", "Temperature instead of speed", display), 0, 0);
  mode->addWidget(display);
  mode->addStretch(1);
  row->addStretch(1);
}

}  // namespace morvek::ui::page_sheets
