// TabSheet_Ladeni: the autotune settings and the output tests.

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "link/output_tests.h"
#include "pages/page_catalog.h"
#include "ui/pages/page_parts.h"
#include "ui/pages/page_sheets.h"
#include "ui/radio_group.h"
#include "ui/widget_factory.h"

namespace morvek::ui::page_sheets {
namespace {

using namespace page_parts;
using link::OutputTest;

QGroupBox* Tuning(const PageParts& parts, QWidget* parent) {
  QGroupBox* box = Group("GroupBoxLadeni", "Tunning", parent);
  QGridLayout* grid = CompactGrid(box);
  // The autotune switch is no parameter: it turns the autotune exchange on and off.
  grid->addWidget(MakeCheckBox(QStringLiteral("CheckBoxLadeniPovoleno"),
                               DesignText("CheckBoxLadeniPovoleno", "Tuning on"), box),
                  0, 0, 1, 2);
  grid->addWidget(parts.Radio("RadioGroupLadeniMode", "Tunning mode", {}, box), 1, 0, 1, 2);
  AddSpinnerRows(grid, 2, parts,
                 {{"LabelLadeniLambda", "A/F [x10]", "UpDownLadeniLambda"},
                  {"LabelLadeniHyster", "A/F tolerance [x10]", "UpDownLadeniHyster"},
                  {"LabelLadeniRpm", "Rpm tolerance", "UpDownLadeniRpm"},
                  {"LabelLadeniTps", "Tps, Iap tolerance", "UpDownLadeniTps"},
                  {"LabelLadeniCas", "Step time [ms]", "UpDownLadeniCas"},
                  {"LabelLadeniKrok", "Step [%]", "UpDownLadeniKrok"},
                  {"LabelLadeniKanal", "Channel", "UpDownLadeniKanal"},
                  {"LabelMaxAcc", "Max Acc Kor. [%]", "UpDownLadeniMaxAcc"}},
                 box);
  return box;
}

// Which sub-group of "Test Outs" a button belongs to; the fuel pump, cooling, gas and pilot
// light buttons stand in "Test Outs" itself.
enum class TestGroup { kOut, kJet, kIgn, kRpm, kServo };

TestGroup GroupOf(OutputTest test) {
  if (test <= OutputTest::kJet4B) return TestGroup::kJet;
  if (test <= OutputTest::kIgn4) return TestGroup::kIgn;
  if (test == OutputTest::kRpm) return TestGroup::kRpm;
  if (test >= OutputTest::kServoInPlus) return TestGroup::kServo;
  return TestGroup::kOut;
}

QGroupBox* TestOuts(const PageParts& parts, QWidget* parent) {
  QGroupBox* out = Group("GroupBoxTestOut", "Test Outs", parent);
  QGridLayout* out_grid = CompactGrid(out);
  QGroupBox* jet = Group("GroupBoxTestJet", "Injectors", out);
  QGroupBox* ign = Group("GroupBoxTestIgn", "Ignition", out);
  QGroupBox* rpm = Group("GroupBoxTestRpm", "Rpm", out);
  QGroupBox* servo = Group("GroupBoxTestServo", "Servo", out);
  auto* misc = new QWidget(out);
  QGridLayout* jet_grid = CompactGrid(jet);
  QGridLayout* ign_grid = CompactGrid(ign);
  QGridLayout* rpm_grid = CompactGrid(rpm);
  QGridLayout* servo_grid = CompactGrid(servo);
  QGridLayout* misc_grid = CompactGrid(misc);
  misc_grid->setContentsMargins(0, 0, 0, 0);

  // Buttons two to a row, in the order of their request bits within their group.
  int jets = 0, igns = 0, servos = 0, miscs = 0;
  for (const link::OutputTestButton& b : link::OutputTestButtons()) {
    switch (GroupOf(b.test)) {
      case TestGroup::kJet:
        jet_grid->addWidget(Button(b.name, b.caption, jet), jets / 2, jets % 2);
        ++jets;
        break;
      case TestGroup::kIgn:
        ign_grid->addWidget(Button(b.name, b.caption, ign), igns / 2, igns % 2);
        ++igns;
        break;
      case TestGroup::kRpm:
        rpm_grid->addWidget(Button(b.name, b.caption, rpm), 0, 0, 1, 2);
        break;
      case TestGroup::kServo:
        servo_grid->addWidget(Button(b.name, b.caption, servo), servos / 2, servos % 2);
        ++servos;
        break;
      case TestGroup::kOut:
        misc_grid->addWidget(Button(b.name, b.caption, misc), miscs / 2, miscs % 2);
        ++miscs;
        break;
    }
  }
  AddSpinnerRows(rpm_grid, 1, parts, {{"LabelTestRpm", "Speed [rpm]", "UpDownTestRpm"}}, rpm);
  AddSpinnerRows(servo_grid, 2, parts, {{"LabelTestServo", "Time [ms]", "UpDownTestServo"}}, servo);

  out_grid->addWidget(jet, 0, 0, 2, 1);
  out_grid->addWidget(ign, 0, 1);
  out_grid->addWidget(rpm, 1, 1);
  out_grid->addWidget(misc, 2, 0);
  out_grid->addWidget(servo, 2, 1, 2, 1);
  // What became of the last test asked for: sent, answered or not.
  auto* result = new QLabel(out);
  result->setObjectName(QStringLiteral("LabelTestOutResult"));
  result->setWordWrap(true);
  out_grid->addWidget(result, 4, 0, 1, 2);
  out_grid->setRowStretch(3, 1);
  return out;
}

}  // namespace

void BuildLadeniPage(QWidget* sheet) {
  const PageParts parts(pages::kLadeniPage);
  QHBoxLayout* row = SheetRow(sheet);

  QVBoxLayout* tuning = Column(row);
  QLabel* caution = Caption("LabelLadeniCaution", "Caution - For experienced user only!", sheet);
  QFont bold = caution->font();
  bold.setBold(true);
  caution->setFont(bold);
  tuning->addWidget(caution);
  tuning->addWidget(Tuning(parts, sheet));
  tuning->addStretch(1);

  row->addWidget(TestOuts(parts, sheet), 0, Qt::AlignTop);
  row->addStretch(1);
}

}  // namespace morvek::ui::page_sheets
