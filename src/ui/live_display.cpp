#include "ui/live_display.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "pages/layout_hub.h"
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
  strip_row_->setFixedHeight(5);
  // Placed by hand: the split is exact to the pixel, as the layout hub computes it.
  strip_row_->installEventFilter(this);
  const char* strip_names[3] = {"LabelLambdaBlue", "LabelLambdaGreen", "LabelLambdaRed"};
  const Colour strip_colours[3] = {Colour::kBlue, Colour::kLime, Colour::kRed};
  for (int k = 0; k < 3; ++k) {
    strips_[k] = MakeLabel(QString::fromLatin1(strip_names[k]), QString(), strip_row_);
    SetBackground(*strips_[k], strip_colours[k]);
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
  // While a recorded log is replayed the values above are not the engine's.
  label_replay_ = MakeLabel(QStringLiteral("LabelReplayLive"), QString(), this);
  label_replay_->setStyleSheet(QStringLiteral("color: white; background: #c00000; padding: 2px"));
  label_replay_->hide();
  third->addWidget(label_replay_);
  third->addStretch(1);
  columns->addLayout(third, 1);
}

void LiveDisplay::SetLambdaBar(const std::array<int, 4>& bar) {
  if (bar == lambda_bar_) return;
  lambda_bar_ = bar;
  PlaceStrips();
}

bool LiveDisplay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == strip_row_ && event->type() == QEvent::Resize) PlaceStrips();
  return QWidget::eventFilter(watched, event);
}

void LiveDisplay::PlaceStrips() {
  // The strip row is as wide as the lambda bar above it.
  const pages::LambdaStrips widths = pages::LambdaStripWidths(lambda_bar_, strip_row_->width());
  const int height = strip_row_->height();
  strips_[0]->setGeometry(0, 0, widths.blue, height);
  strips_[1]->setGeometry(widths.blue, 0, widths.green, height);
  strips_[2]->setGeometry(widths.blue + widths.green, 0, widths.red, height);
}

}  // namespace morvek::ui
