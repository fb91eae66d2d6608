#include "chart/chart_window.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "i18n/own_texts.h"

namespace morvek::chart {
namespace {

using i18n::OwnText;

constexpr OwnText kTraceNames[ChartWindow::kTraceCount] = {
    OwnText::kChartRpm, OwnText::kChartThrottle, OwnText::kChartLambda, OwnText::kChartInjection,
    OwnText::kChartAdvance};
constexpr const char* kTraceColumns[ChartWindow::kTraceCount] = {
    "rpm", "throttle_pct_fine", "lambda_af", "injection_us", "advance_deg"};
// The usual range of each value; a value beyond it widens the axis.
constexpr double kYRange[ChartWindow::kTraceCount][2] = {
    {0, 16000}, {0, 100}, {10, 18}, {0, 20000}, {0, 60}};
const QColor kTraceColours[ChartWindow::kTraceCount] = {QColor(0, 0, 160), QColor(0, 128, 0),
                                                        QColor(200, 0, 200), QColor(200, 120, 0),
                                                        QColor(0, 140, 160)};

QString Own(OwnText id, i18n::Language language) {
  return QString::fromUtf8(i18n::Text(id, language).data(),
                           static_cast<qsizetype>(i18n::Text(id, language).size()));
}

int ColumnOf(int trace) { return *logging::LogColumnIndex(kTraceColumns[trace]); }

}  // namespace

double TraceValue(const logging::LogRow& row, int trace) { return row.unit_value(ColumnOf(trace)); }

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FormCharts"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(0);
  const char* names[kTraceCount] = {"ChartRpm", "ChartThrottle", "ChartLambda", "ChartInjection",
                                    "ChartAdvance"};
  for (int t = 0; t < kTraceCount; ++t) {
    traces_[static_cast<std::size_t>(t)] = MakeTrace(names[t], kYRange[t][0], kYRange[t][1]);
    Trace& trace = traces_[static_cast<std::size_t>(t)];
    trace.series->setColor(kTraceColours[t]);
    layout->addWidget(trace.view, 1);
  }
  SetXRange(0, kLiveSeconds + kLiveStep);

  cursor_text_ = new QLabel(this);
  cursor_text_->setObjectName(QStringLiteral("LabelLogCursor"));
  layout->addWidget(cursor_text_);
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setObjectName(QStringLiteral("SliderLogCursor"));
  slider_->setVisible(false);
  layout->addWidget(slider_);
  connect(slider_, &QSlider::valueChanged, this, &ChartWindow::SetCursorRow);

  auto* buttons = new QHBoxLayout;
  open_ = new QPushButton(this);
  open_->setObjectName(QStringLiteral("ButtonOpenLog"));
  replay_ = new QPushButton(this);
  replay_->setObjectName(QStringLiteral("ButtonReplay"));
  replay_->setEnabled(false);
  live_ = new QPushButton(this);
  live_->setObjectName(QStringLiteral("ButtonLiveView"));
  live_->setEnabled(false);
  buttons->addWidget(open_);
  buttons->addWidget(replay_);
  buttons->addWidget(live_);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  connect(open_, &QPushButton::clicked, this, &ChartWindow::openLogRequested);
  connect(replay_, &QPushButton::clicked, this, [this] { emit replayRequested(!replaying_); });
  connect(live_, &QPushButton::clicked, this, [this] {
    if (replaying_) emit replayRequested(false);
    ShowLive();
  });
  resize(900, 760);
  ApplyLanguage(language_);
}

ChartWindow::Trace ChartWindow::MakeTrace(const char* name, double y_min, double y_max) {
  Trace t;
  t.chart = new QChart;
  t.chart->legend()->hide();
  t.chart->setMargins(QMargins(kMargin, kMargin, kMargin, kMargin));
  t.chart->setBackgroundRoundness(0);
  t.series = new QLineSeries(t.chart);
  t.cursor = new QLineSeries(t.chart);
  t.cursor->setColor(Qt::red);
  t.chart->addSeries(t.series);
  t.chart->addSeries(t.cursor);
  t.x = new QValueAxis(t.chart);
  t.x->setLabelFormat(QStringLiteral("%.0f"));
  t.y = new QValueAxis(t.chart);
  t.y->setLabelFormat(QStringLiteral("%.0f"));
  t.y_min = y_min;
  t.y_max = y_max;
  t.y->setRange(y_min, y_max);
  t.chart->addAxis(t.x, Qt::AlignBottom);
  t.chart->addAxis(t.y, Qt::AlignLeft);
  for (QLineSeries* s : {t.series, t.cursor}) {
    s->attachAxis(t.x);
    s->attachAxis(t.y);
  }
  t.view = new QChartView(t.chart, this);
  t.view->setObjectName(QString::fromLatin1(name));
  t.view->setRenderHint(QPainter::Antialiasing, false);
  t.view->setMinimumHeight(110);
  return t;
}

void ChartWindow::ApplyLanguage(i18n::Language language) {
  language_ = language;
  setWindowTitle(log_name_.isEmpty() ? Own(OwnText::kLiveCharts, language)
                                     : Own(OwnText::kLiveCharts, language) + " - " + log_name_);
  for (int t = 0; t < kTraceCount; ++t) {
    Trace& trace = traces_[static_cast<std::size_t>(t)];
    trace.y->setTitleText(Own(kTraceNames[t], language));
    trace.x->setTitleText(t == kTraceCount - 1 ? Own(OwnText::kChartTime, language) : QString());
  }
  open_->setText(Own(OwnText::kOpenLog, language));
  replay_->setText(Own(replaying_ ? OwnText::kStopReplay : OwnText::kReplay, language));
  live_->setText(Own(OwnText::kLiveView, language));
  ShowCursorText();
}

void ChartWindow::SetXRange(double from, double to) {
  for (Trace& t : traces_) t.x->setRange(from, to);
}

void ChartWindow::FitY(Trace& trace, double value) {
  // Axes only ever widen while points come in, so a frame seldom moves one.
  if (value >= trace.y_min && value <= trace.y_max) return;
  trace.y_min = std::min(trace.y_min, value);
  trace.y_max = std::max(trace.y_max, value);
  trace.y->setRange(trace.y_min, trace.y_max);
}

void ChartWindow::AddLive(const logging::LogRow& row, double seconds) {
  if (showing_log()) return;
  // The time axis moves on in steps of 10 s rather than with every frame: moving an axis lays
  // out the whole chart, an appended point draws only itself.
  const bool shift = seconds > live_start_ + kLiveSeconds + kLiveStep;
  if (shift) {
    live_start_ = seconds - kLiveSeconds;
    SetXRange(live_start_, live_start_ + kLiveSeconds + kLiveStep);
  }
  for (int t = 0; t < kTraceCount; ++t) {
    Trace& trace = traces_[static_cast<std::size_t>(t)];
    const double value = TraceValue(row, t);
    trace.series->append(seconds, value);
    FitY(trace, value);
    if (!shift) continue;
    int old = 0;
    while (old < trace.series->count() && trace.series->at(old).x() < live_start_) ++old;
    if (old > 0) trace.series->removePoints(0, old);
  }
}

void ChartWindow::ShowLog(const std::vector<logging::LogRow>& rows, const QString& name) {
  log_ = rows;
  log_name_ = name;
  const double first = rows.empty() ? 0.0 : rows.front().time_ms / 1000.0;
  const double last = rows.empty() ? 0.0 : rows.back().time_ms / 1000.0;
  for (int t = 0; t < kTraceCount; ++t) {
    Trace& trace = traces_[static_cast<std::size_t>(t)];
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(rows.size()));
    trace.y_min = kYRange[t][0];
    trace.y_max = kYRange[t][1];
    for (const logging::LogRow& row : rows) {
      const double value = TraceValue(row, t);
      points.append(QPointF(row.time_ms / 1000.0, value));
      trace.y_min = std::min(trace.y_min, value);
      trace.y_max = std::max(trace.y_max, value);
    }
    trace.y->setRange(trace.y_min, trace.y_max);
    trace.series->replace(points);
  }
  SetXRange(first, std::max(last, first + 1.0));
  slider_->setRange(0, std::max(0, static_cast<int>(rows.size()) - 1));
  slider_->setVisible(!rows.empty());
  replay_->setEnabled(!rows.empty());
  live_->setEnabled(true);
  cursor_row_ = -1;
  SetCursorRow(0);
  ApplyLanguage(language_);
}

void ChartWindow::ShowLive() {
  log_.clear();
  log_name_.clear();
  for (Trace& t : traces_) {
    t.series->clear();
    t.cursor->clear();
  }
  live_start_ = 0;
  SetXRange(0, kLiveSeconds + kLiveStep);
  slider_->setVisible(false);
  replay_->setEnabled(false);
  live_->setEnabled(false);
  cursor_row_ = 0;
  ApplyLanguage(language_);
}

void ChartWindow::SetCursorRow(int index) {
  if (log_.empty()) return;
  index = std::clamp(index, 0, static_cast<int>(log_.size()) - 1);
  if (index == cursor_row_) return;
  cursor_row_ = index;
  const double x = log_[static_cast<std::size_t>(index)].time_ms / 1000.0;
  for (Trace& t : traces_)
    t.cursor->replace(QList<QPointF>{QPointF(x, t.y_min), QPointF(x, t.y_max)});
  if (slider_->value() != index) slider_->setValue(index);
  ShowCursorText();
}

void ChartWindow::SetReplaying(bool replaying) {
  replaying_ = replaying;
  open_->setEnabled(!replaying);
  ApplyLanguage(language_);
}

void ChartWindow::ShowCursorText() {
  if (log_.empty()) {
    cursor_text_->clear();
    return;
  }
  const logging::LogRow& row = log_[static_cast<std::size_t>(cursor_row_)];
  QString text = QStringLiteral("%1 = %2").arg(Own(OwnText::kChartTime, language_),
                                               QString::number(row.time_ms / 1000.0, 'f', 2));
  for (int t = 0; t < kTraceCount; ++t)
    text += QStringLiteral("   %1 = %2")
                .arg(Own(kTraceNames[t], language_),
                     QString::number(TraceValue(row, t), 'f', t == 1 || t == 2 ? 1 : 0));
  cursor_text_->setText(text);
}

int ChartWindow::PointCount(int trace) const {
  return static_cast<int>(traces_[static_cast<std::size_t>(trace)].series->count());
}

}  // namespace morvek::chart
