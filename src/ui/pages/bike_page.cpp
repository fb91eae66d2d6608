// TabSheet_Bike: the motorcycle type, the note, limiters, inputs and pins, cooling fans, the rpm
// signal and the lambda-on-rpm output.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/presets.h"
#include "pages/page_catalog.h"
#include "ui/note_edit.h"
#include "ui/pages/page_parts.h"
#include "ui/pages/page_sheets.h"
#include "ui/radio_group.h"

namespace morvek::ui::page_sheets {
namespace {

using namespace page_parts;

QGroupBox* BikeBox(QWidget* parent) {
  QGroupBox* box = Group("GroupBoxBike", "Motorbike Type", parent);
  auto* combo = new QComboBox(box);
  combo->setObjectName(ToQString(pages::kBikeComboName));
  for (int i = 0; i < model::kPresetCount; ++i)
    combo->addItem(ToQString(model::FindPreset(i)->name));
  combo->addItem(ToQString(model::kPresetSeparatorText));
  CompactGrid(box)->addWidget(combo, 0, 0);
  return box;
}

QGroupBox* LambdaTachoBox(const PageParts& parts, QWidget* parent) {
  QGroupBox* box = Group("GroupBoxLambdaTacho", "Lambda on Rpm output", parent);
  QGridLayout* grid = CompactGrid(box);
  grid->addWidget(Caption("LabelLambdaTachoAf", "A/F [x10]", box), 0, 0);
  grid->addWidget(Caption("LabelLambdaTachoRpm", "Rpm", box), 0, 1);
  for (int k = 0; k < 2; ++k) {
    grid->addWidget(parts.ArraySpinner("LambdaTachoAf", k, box), k + 1, 0);
    grid->addWidget(parts.ArraySpinner("LambdaTachoRpm", k, box), k + 1, 1);
  }
  return box;
}

}  // namespace

void BuildBikePage(QWidget* sheet) {
  const PageParts parts(pages::kBikePage);
  QHBoxLayout* row = SheetRow(sheet);

  QVBoxLayout* first = Column(row);
  first->addWidget(BikeBox(sheet));
  first->addWidget(Caption("LabelMemo", "Memo sheet:", sheet));
  auto* memo = new NoteEdit(sheet);
  memo->setFixedSize(memo->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20,
                     memo->fontMetrics().lineSpacing() * 7);
  first->addWidget(memo);
  // The controller's identification, made with the window, sits under the note.
  if (auto* ident = sheet->findChild<QGroupBox*>(QStringLiteral("GroupBoxVerze")))
    first->addWidget(ident);
  first->addStretch(1);

  QVBoxLayout* second = Column(row);
  second->addWidget(
      SpinnerGroup(parts, "GroupBoxOmez", "Limiters",
                   {{"LabelStartLimiter", "Start limiter [rpm]", "UpDownStartLimiter"},
                    {"LabelIgnLimiter", "Ignition Limiter [rpm]", "UpDownIgnLimiter"},
                    {"LabelJetLimiter", "Injection Limiter [rpm]", "UpDownJetLimiter"},
                    {"LabelRetardLimiterRpm", "Retard Limiter [rpm]", "UpDownRetardLimiterRpm"},
                    {"LabelRetardLimiterAdv", "Retard [°/100rpm]", "UpDownRetardLimiterAdv"}},
                   sheet));
  second->addWidget(SpinnerGroup(
      parts, "GroupBoxChlazeni", "Cooling",
      {{"LabelFan1", "Fan 1 on [°C]", "UpDownFan1"}, {"LabelFan2", "Fan 2 on [°C]", "UpDownFan2"}},
      sheet));
  second->addWidget(SpinnerGroup(parts, "GroupBoxRpm", "Rpm signal",
                                 {{"LabelRpmPulsu", "Pulses per revolution", "UpDownRpmPulsu"},
                                  {"LabelRpmKorekce", "Correction", "UpDownRpmKorekce"}},
                                 sheet));
  second->addStretch(1);

  QVBoxLayout* third = Column(row);
  QGroupBox* activation = Group("GroupBoxActivation", "Activation by Switch on", sheet);
  auto* activation_layout = new QVBoxLayout(activation);
  activation_layout->setContentsMargins(6, 4, 6, 6);
  activation_layout->setSpacing(2);
  activation_layout->addWidget(parts.Check("CheckBoxAktClutch", "Clutch master", activation));
  activation_layout->addWidget(parts.Check("CheckBoxAktStartLimiter", "Start limiter", activation));
  activation_layout->addWidget(parts.Check("CheckBoxAktRpm", "Tacho/Lambda", activation));
  third->addWidget(activation);
  third->addWidget(parts.Radio("RadioGroupPinEngine23", "Funktion of pin Engine 23",
                               {QStringLiteral("Neutral"), QStringLiteral("Oil")}, sheet));
  third->addWidget(parts.Radio("RadioGroupPinEngine14", "Funktion of pin Engine 14",
                               {QStringLiteral("ATS"), QStringLiteral("Neutral")}, sheet));
  third->addWidget(parts.Radio("RadioGroupPinBody11", "Funktion of pin Body 11",
                               {QStringLiteral("Fan 1"), QStringLiteral("Lambda Heat")}, sheet));
  third->addStretch(1);

  QVBoxLayout* fourth = Column(row);
  fourth->addWidget(LambdaTachoBox(parts, sheet));
  auto* misc = new QGridLayout;
  misc->setVerticalSpacing(3);
  misc->addWidget(parts.Check("CheckBoxNoFuelInd", "No fuel indication", sheet), 0, 0, 1, 2);
  misc->addWidget(parts.Check("CheckBoxBlokEnable", "Blocking enable", sheet), 1, 0, 1, 2);
  AddSpinnerRow(misc, 2, Caption("LabelBuzeni", "Excitation [µs]", sheet),
                parts.Spinner("UpDownBuzeni", sheet));
  fourth->addLayout(misc);
  fourth->addStretch(1);
  row->addStretch(1);
}

}  // namespace morvek::ui::page_sheets
