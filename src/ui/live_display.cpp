#include "ui/live_display.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/colours.h"
#include "ui/gauge.h"
#include "ui/widget_factory.h"

namespace morvek::ui {
namespace {

using link::Colour;

QLabel* MonitorLabel(const char* name, QWidget* parent) {
  QLabel* label = MakeLabel(QString::fromLatin1(name), QStringLiteral("---"), parent);
  label->setMinimumWidth(200);
  label->setMargin(1);
  return label;
}

}  // namespace

LiveDisplay::LiveDisplay(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("LiveDisplay"));
  auto* columns = new QHBoxLayout(this);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->setSpacing(16);

  // First column: engine speed, throttle, coolant and lambda, each with its bar.
  auto* first = new QVBoxLayout;
  first->setSpacing(2);
  first->addWidget(MonitorLabel("LabelRpm", this));
  first->addWidget(new Gauge("CGaugeRpm", Colour::kFuchsia, this));
  first->addWidget(MonitorLabel("LabelTpsMon", this));
  first->addWidget(new Gauge("CGaugeTps", Colour::kDesktop, this));
  first->addWidget(MonitorLabel("LabelVoda", this));
  first->addWidget(new Gauge("CGaugeVoda", Colour::kAqua, this));
  first->addWidget(MonitorLabel("LabelLambda", this));
  first->addWidget(new Gauge("CGaugeLambda", Colour::kBlack, this));
  strip_row_ = new QWidget(this);
  strip_row_->setObjectName(QStringLiteral("LambdaStrips"));
  auto* strips = new QHBoxLayout(strip_row_);
  strips->setContentsMargins(0, 0, 0, 0);
  strips->setSpacing(0);
  const char* strip_names[3] = {"LabelLambdaBlue", "LabelLambdaGreen", "LabelLambdaRed"};
  const Colour strip_colours[3] = {Colour::kBlue, Colour::kLime, Colour::kRed};
  for (int k = 0; k < 3; ++k) {
    strips_[k] = MakeLabel(QString::fromLatin1(strip_names[k]), QString(), strip_row_);
    strips_[k]->setFixedHeight(5);
    SetBackground(*strips_[k], strip_colours[k]);
    strips->addWidget(strips_[k], 1);
  }
  first->addWidget(strip_row_);
  QLabel* ee = MakeLabel(QStringLiteral("LabelEeDataErr"), QStringLiteral("EE data error"), this);
  ee->hide();
  first->addWidget(ee);
  first->addStretch(1);
  columns->addLayout(first, 1);

  // Second column: air, pressure, battery, advance, injection duty with its bar, injection.
  auto* second = new QVBoxLayout;
  second->setSpacing(2);
  for (const char* name :
       {"LabelVzduch", "LabelTlak", "LabelNapeti", "LabelMon_Ign", "LabelMaxInjProcent"})
    second->addWidget(MonitorLabel(name, this));
  second->addWidget(new Gauge("CGaugeDuty", Colour::kBlue, this));
  second->addWidget(MonitorLabel("LabelMon_Jet_A", this));
  second->addStretch(1);
  columns->addLayout(second, 1);

  // Third column: pick-up, speed, gear, blocking, the port and the autotune status.
  auto* third = new QVBoxLayout;
  third->setSpacing(2);
  for (const char* name : {"LabelSnimacCmps", "LabelMonSpeed", "LabelGear", "LabelMonBlokOut"})
    third->addWidget(MonitorLabel(name, this));
  label_com_ = MakeLabel(QStringLiteral("LabelCom"), QStringLiteral("COM= COM1"), this);
  third->addWidget(label_com_);
  QLabel* tuning = MonitorLabel("LabelLadeniMsg", this);
  tuning->clear();
  third->addWidget(tuning);
  third->addStretch(1);
  columns->addLayout(third, 1);
}

void LiveDisplay::SetLambdaStrips(int b0, int b1, int b2, int b3) {
  auto* strips = static_cast<QHBoxLayout*>(strip_row_->layout());
  const int span = b3 - b0;
  if (span <= 0) {
    for (int k = 0; k < 3; ++k) strips->setStretch(k, 1);
    return;
  }
  const int blue = std::max(0, b1 - b0);
  const int green = std::max(0, b2 - b1);
  const int red = std::max(0, span - blue - green);
  strips->setStretch(0, blue);
  strips->setStretch(1, green);
  strips->setStretch(2, red);
}

}  // namespace morvek::ui
