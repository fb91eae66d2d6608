#include "ui/monitor_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <initializer_list>

#include "ui/gauge.h"
#include "ui/widget_factory.h"

namespace morvek::ui {
namespace {

QGroupBox* Group(const char* name, const char* caption, std::initializer_list<const char*> labels,
                 QWidget* parent) {
  auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  auto* layout = new QVBoxLayout(box);
  layout->setSpacing(1);
  for (const char* label : labels)
    layout->addWidget(MakeLabel(QString::fromLatin1(label), QStringLiteral("---"), box));
  layout->addStretch(1);
  return box;
}

}  // namespace

MonitorPage::MonitorPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MonitorPage"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(
      Group("GroupBoxMonInput", "Inputs",
            {"LabelMonTlStartIn", "LabelMonClutchIn", "LabelMonNeutral", "LabelMonSideStand",
             "LabelMonStartLimiterIn", "LabelMonClutchMasterIn", "LabelMonRpmLambdaIn",
             "LabelMonPinEngine23In", "LabelMonPinBody11In", "LabelMonPinEngine14In"},
            this),
      0, 0, 2, 1);
  QGroupBox* outputs =
      Group("GroupBoxMonOutput", "Outputs",
            {"LabelMonTlStartOut", "LabelMonStartLimiterOut", "LabelMonIgnLimiter",
             "LabelMonJetLimiter", "LabelMonRetardLimiter", "LabelMonRpmLambdaOut", "LabelN2oOn",
             "LabelMonClutchOut", "LabelOilOk", "LabelMonLambdaHeat", "LabelMonFan1",
             "LabelMonFan2", "LabelMonPilotLight", "LabelMonFuelMv"},
            this);
  // The fuel bar sits under the fuel label, before the closing stretch.
  auto* out_layout = static_cast<QVBoxLayout*>(outputs->layout());
  out_layout->insertWidget(out_layout->count() - 1,
                           new Gauge("CGaugeFuel", link::Colour::kBlue, outputs));
  grid->addWidget(outputs, 0, 1, 2, 1);
  grid->addWidget(Group("GroupBoxMonAdvance", "Advance",
                        {"LabelMon_Ign1", "LabelMon_Ign2", "LabelKorVodaIgn"}, this),
                  0, 2);
  grid->addWidget(
      Group("GroupBoxMonInj", "Injection",
            {"LabelMon_Jet_1A", "LabelMon_Jet_2A", "LabelMon_PolohaA", "LabelKorVodaJet",
             "LabelKorVzduch", "LabelKorTlak", "LabelKorSytic", "LabelKorNapeti", "LabelKorAccJet"},
            this),
      1, 2);
  // The idle correction and the gear ratios are shown on the Idle and Gear pages, beside the
  // settings they belong to.
  grid->addWidget(Group("GroupBoxMonDevice", "Controller", {"LabelPocetProgramovani"}, this), 0, 3,
                  2, 1);
  for (int c = 0; c < 4; ++c) grid->setColumnStretch(c, 1);
}

}  // namespace morvek::ui
