#include "ui/monitor_renderer.h"

#include <QLabel>
#include <QSpinBox>
#include <QStyle>

#include "ui/child_index.h"
#include "ui/colours.h"
#include "ui/gauge.h"

namespace morvek::ui {

MonitorRenderer::MonitorRenderer(QWidget& root) {
  rendered_colours_.fill(-1);
  const ChildIndex children(root);
  for (int i = 0; i < link::kMonitorLabelCount; ++i) {
    const auto name = link::ControlName(static_cast<link::MonitorLabel>(i));
    labels_[i] = children.Find<QLabel>(QString::fromLatin1(name.data(), name.size()));
  }
  for (int i = 0; i < link::kMonitorGaugeCount; ++i) {
    const auto name = link::ControlName(static_cast<link::MonitorGauge>(i));
    gauges_[i] = children.Find<Gauge>(QString::fromLatin1(name.data(), name.size()));
  }
  for (int i = 0; i < link::kMonitorEditCount; ++i) {
    // An edit and its spinner are one spin box named after the spinner: "EditIgnLimiter" is
    // "UpDownIgnLimiter".
    const auto name = link::ControlName(static_cast<link::MonitorEdit>(i));
    const QString spinner =
        QStringLiteral("UpDown") + QString::fromLatin1(name.substr(4).data(), name.size() - 4);
    edits_[i] = children.Find<QSpinBox>(spinner);
  }
}

void MonitorRenderer::Render(const link::MonitorView& view) {
  for (int i = 0; i < link::kMonitorLabelCount; ++i) {
    QLabel* widget = labels_[i];
    if (widget == nullptr) continue;
    const link::LabelView& label = view.label(static_cast<link::MonitorLabel>(i));
    // An empty text leaves LabelEeDataErr its own caption; other labels are cleared.
    if (!label.text.empty() || i != static_cast<int>(link::MonitorLabel::kLabelEeDataErr)) {
      const QString text = QString::fromStdString(label.text);
      if (widget->text() != text) widget->setText(text);
    }
    if (rendered_colours_[i] != static_cast<int>(label.colour)) {
      rendered_colours_[i] = static_cast<int>(label.colour);
      SetBackground(*widget, label.colour);
    }
    if (i != static_cast<int>(link::MonitorLabel::kLabelVersion)) widget->setVisible(label.visible);
  }
  for (int i = 0; i < link::kMonitorGaugeCount; ++i) {
    Gauge* widget = gauges_[i];
    if (widget == nullptr) continue;
    const link::GaugeView& gauge = view.gauge(static_cast<link::MonitorGauge>(i));
    widget->setValue(gauge.value < 0 ? 0 : (gauge.value > 100 ? 100 : gauge.value));
    widget->SetColour(gauge.colour);
  }
  for (int i = 0; i < link::kMonitorEditCount; ++i) {
    QSpinBox* spin = edits_[i];
    if (spin == nullptr) continue;
    const link::Colour colour = view.edit_colour(static_cast<link::MonitorEdit>(i));
    QPalette palette = spin->style()->standardPalette();
    if (colour != link::Colour::kWindow) palette.setColor(QPalette::Base, ToQColor(colour));
    if (spin->palette().color(QPalette::Base) != palette.color(QPalette::Base))
      spin->setPalette(palette);
  }
}

}  // namespace morvek::ui
