#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "i18n/text_table.h"
#include "logging/csv_log_writer.h"
#include "logging/log_row.h"

class QAction;
class QLabel;

namespace morvek::chart {
class ChartWindow;
}

namespace morvek::app {

class Application;

// Tools "Start logging" / "Stop logging" and "Live charts": every monitor frame as a row of a
// CSV data log, the chart window, and the replay of a log through the live display.
class LogCommands : public QObject {
  Q_OBJECT

 public:
  explicit LogCommands(Application& app);
  ~LogCommands() override;

  void StartLogging();
  void StopLogging();
  void ShowCharts();
  void OpenLog();
  // Opens a log in the chart window; false (with a message) when it cannot be read.
  bool OpenLogPath(const std::string& path);
  void StartReplay();
  void StopReplay();

  // A monitor frame was decoded (from the controller or from a replay).
  void FrameDecoded();
  // At the start of every tick: the rows of a replay whose time has come.
  void FeedReplay();
  void ApplyLanguage(i18n::Language language);

  bool logging() const { return writer_ != nullptr; }
  int logged_rows() const { return writer_ ? writer_->rows() : 0; }
  // The chart window, made on first use.
  chart::ChartWindow& charts();
  // The logs this run has recorded, oldest first.
  const std::vector<std::string>& run_logs() const { return run_logs_; }

 private:
  void ShowIndicator();
  void ShowReplay();

  Application& app_;
  std::unique_ptr<logging::CsvLogWriter> writer_;
  QElapsedTimer log_clock_;
  QElapsedTimer chart_clock_;
  std::unique_ptr<chart::ChartWindow> charts_;
  std::vector<logging::LogRow> replay_rows_;
  std::size_t replay_next_ = 0;
  QElapsedTimer replay_clock_;
  QAction* start_ = nullptr;
  QAction* stop_ = nullptr;
  QAction* charts_action_ = nullptr;
  QLabel* indicator_ = nullptr;
  QLabel* replay_status_ = nullptr;
  std::string last_log_path_;
  std::vector<std::string> run_logs_;
};

}  // namespace morvek::app
