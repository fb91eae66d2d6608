#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "i18n/text_table.h"
#include "logging/log_row.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QSlider;
class QValueAxis;

namespace morvek::chart {

// Engine speed, throttle, lambda, injection time and advance as curves: the last 60 s of the
// monitor frames as they come (up to 70 s: the time axis moves on in steps of 10 s), or a
// whole data log with a cursor that a replay moves along.
class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr double kLiveSeconds = 60.0;
  static constexpr double kLiveStep = 10.0;
  static constexpr int kTraceCount = 5;

  explicit ChartWindow(QWidget* parent = nullptr);

  void ApplyLanguage(i18n::Language language);
  // A monitor frame at `seconds` since the charts started following the engine. Shown only
  // while no log is shown; points older than 60 s are dropped.
  void AddLive(const logging::LogRow& row, double seconds);
  // A whole log, with the cursor on its first row.
  void ShowLog(const std::vector<logging::LogRow>& rows, const QString& name);
  // Back to the last 60 s of the engine, starting empty.
  void ShowLive();
  void SetCursorRow(int index);
  void SetReplaying(bool replaying);

  bool showing_log() const { return !log_.empty(); }
  int cursor_row() const { return cursor_row_; }
  // Points of a trace now drawn (tests).
  int PointCount(int trace) const;

 signals:
  void openLogRequested();
  void replayRequested(bool start);

 private:
  struct Trace {
    QChart* chart = nullptr;
    QChartView* view = nullptr;
    QLineSeries* series = nullptr;
    QLineSeries* cursor = nullptr;
    QValueAxis* x = nullptr;
    QValueAxis* y = nullptr;
    double y_min = 0;
    double y_max = 0;
  };
  Trace MakeTrace(const char* name, double y_min, double y_max);
  void SetXRange(double from, double to);
  void FitY(Trace& trace, double value);
  void ShowCursorText();
  static constexpr int kMargin = 2;

  std::array<Trace, kTraceCount> traces_;
  std::vector<logging::LogRow> log_;
  QString log_name_;
  int cursor_row_ = 0;
  double live_start_ = 0;  // the time at the left end of the live charts
  bool replaying_ = false;
  i18n::Language language_ = i18n::Language::kEnglish;
  QPushButton* open_ = nullptr;
  QPushButton* replay_ = nullptr;
  QPushButton* live_ = nullptr;
  QSlider* slider_ = nullptr;
  QLabel* cursor_text_ = nullptr;
};

// The value a trace draws for a row: rpm, throttle %, lambda A/F, injection µs, advance °.
double TraceValue(const logging::LogRow& row, int trace);

}  // namespace morvek::chart
