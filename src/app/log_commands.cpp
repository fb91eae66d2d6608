#include "app/log_commands.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <filesystem>

#include "app/application.h"
#include "chart/chart_window.h"
#include "i18n/own_texts.h"
#include "logging/csv_log_reader.h"
#include "ui/live_display.h"

namespace morvek::app {
namespace {

using i18n::OwnText;

std::string Own(OwnText id, i18n::Language language) {
  return std::string(i18n::Text(id, language));
}

QString QOwn(OwnText id, i18n::Language language) {
  return QString::fromStdString(Own(id, language));
}

}  // namespace

LogCommands::LogCommands(Application& app) : app_(app) {
  ui::MainWindow& w = app_.window();
  QMenu* tools = w.findChild<QMenu*>(QStringLiteral("MenuTools"));
  tools->addSeparator();
  auto add = [&](const char* name) {
    auto* action = new QAction(tools);
    action->setObjectName(QString::fromLatin1(name));
    tools->addAction(action);
    return action;
  };
  start_ = add("MenuStartLogging");
  stop_ = add("MenuStopLogging");
  stop_->setEnabled(false);
  charts_action_ = add("MenuLiveCharts");
  connect(start_, &QAction::triggered, this, &LogCommands::StartLogging);
  connect(stop_, &QAction::triggered, this, &LogCommands::StopLogging);
  connect(charts_action_, &QAction::triggered, this, &LogCommands::ShowCharts);

  indicator_ = new QLabel(w.statusBar());
  indicator_->setObjectName(QStringLiteral("LabelLogging"));
  indicator_->setVisible(false);
  w.statusBar()->addPermanentWidget(indicator_);
  replay_status_ = new QLabel(w.statusBar());
  replay_status_->setObjectName(QStringLiteral("LabelReplay"));
  replay_status_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
  replay_status_->setVisible(false);
  w.statusBar()->addPermanentWidget(replay_status_);
}

LogCommands::~LogCommands() = default;

chart::ChartWindow& LogCommands::charts() {
  // Made when first asked for: the charts are rarely opened, and building them holds up the
  // first show of the window.
  if (!charts_) {
    charts_ = std::make_unique<chart::ChartWindow>(&app_.window());
    connect(charts_.get(), &chart::ChartWindow::openLogRequested, this, &LogCommands::OpenLog);
    connect(charts_.get(), &chart::ChartWindow::replayRequested, this,
            [this](bool start) { start ? StartReplay() : StopReplay(); });
    charts_->ApplyLanguage(app_.texts().language());
  }
  return *charts_;
}

void LogCommands::ApplyLanguage(i18n::Language language) {
  start_->setText(QOwn(OwnText::kStartLogging, language));
  stop_->setText(QOwn(OwnText::kStopLogging, language));
  charts_action_->setText(QOwn(OwnText::kLiveCharts, language));
  if (charts_) charts_->ApplyLanguage(language);
  ShowIndicator();
  ShowReplay();
}

void LogCommands::StartLogging() {
  if (writer_) return;
  const i18n::Language language = app_.texts().language();
  const auto path =
      app_.prompts().LogFileName(last_log_path_, Own(OwnText::kLogFilter, language), true);
  if (!path) return;
  last_log_path_ = *path;
  std::string reason;
  logging::CsvLogWriter::Refusal refusal = logging::CsvLogWriter::Refusal::kNone;
  writer_ = logging::CsvLogWriter::Open(*path, reason, &refusal);
  // A log never replaces a file: a taken name or a parameter file's name is refused.
  if (refusal == logging::CsvLogWriter::Refusal::kNameTaken)
    app_.prompts().Message(Own(OwnText::kLogNameTaken, language) + *path);
  else if (refusal == logging::CsvLogWriter::Refusal::kParameterName)
    app_.prompts().Message(Own(OwnText::kLogParameterName, language) + *path);
  else if (!writer_)
    app_.prompts().Message(Own(OwnText::kLogCannotBeWritten, language) + *path + "\n" + reason);
  if (!writer_) return;
  // Logging records the controller: a replay running ends, so the log starts without a gap.
  StopReplay();
  run_logs_.push_back(*path);
  log_clock_.start();
  start_->setEnabled(false);
  stop_->setEnabled(true);
  ShowIndicator();
}

void LogCommands::StopLogging() {
  writer_.reset();
  start_->setEnabled(true);
  stop_->setEnabled(false);
  ShowIndicator();
}

void LogCommands::ShowIndicator() {
  indicator_->setVisible(writer_ != nullptr);
  if (writer_)
    indicator_->setText(QOwn(OwnText::kLoggingRows, app_.texts().language()) +
                        QString::number(writer_->rows()));
}

void LogCommands::FrameDecoded() {
  const link::Session& session = app_.session();
  const bool log = writer_ && !session.replaying();
  const bool chart = charts_ && charts_->isVisible() && !charts_->showing_log();
  if (!log && !chart) return;
  const logging::LogRow row =
      logging::MakeLogRow(session.last_monitor_frame(), session.rpm_before_last_frame(),
                          log ? log_clock_.elapsed() : 0);
  if (chart) charts_->AddLive(row, static_cast<double>(chart_clock_.elapsed()) / 1000.0);
  if (!log) return;
  if (writer_->Append(row)) {
    ShowIndicator();
    return;
  }
  // A full disk or a vanished drive: the rows written so far stay in the file.
  const i18n::Language language = app_.texts().language();
  const std::string text = Own(OwnText::kLogStopped, language) + writer_->path() + "\n" +
                           writer_->error() + "\n" + Own(OwnText::kLogRowsKept, language) +
                           std::to_string(writer_->rows());
  StopLogging();
  app_.prompts().Message(text);
}

void LogCommands::ShowCharts() {
  if (!chart_clock_.isValid()) chart_clock_.start();
  charts().show();
  charts_->raise();
}

void LogCommands::OpenLog() {
  const auto path = app_.prompts().LogFileName(
      last_log_path_, Own(OwnText::kLogFilter, app_.texts().language()), false);
  if (path) OpenLogPath(*path);
}

bool LogCommands::OpenLogPath(const std::string& path) {
  const logging::CsvLog log = logging::ReadCsvLog(path);
  if (!log.error.empty()) {
    app_.prompts().Message(Own(OwnText::kLogCannotBeRead, app_.texts().language()) + path + "\n" +
                           log.error);
    return false;
  }
  StopReplay();
  last_log_path_ = path;
  replay_rows_ = log.rows;
  charts().ShowLog(replay_rows_,
                   QString::fromStdString(std::filesystem::path(path).filename().string()));
  ShowCharts();
  return true;
}

void LogCommands::StartReplay() {
  if (replay_rows_.empty()) return;
  // The log keeps only what the controller sent: it ends here, without a gap, and says so.
  if (writer_) {
    const i18n::Language language = app_.texts().language();
    const std::string text = Own(OwnText::kLoggingEndsForReplay, language) + writer_->path() +
                             "\n" + Own(OwnText::kLogRowsKept, language) +
                             std::to_string(writer_->rows());
    StopLogging();
    app_.prompts().Message(text);
  }
  replay_next_ = 0;
  replay_clock_.start();
  app_.session().SetReplaying(true);
  charts().SetReplaying(true);
  ShowReplay();
}

void LogCommands::ShowReplay() {
  const bool on = app_.session().replaying();
  const QString text = QOwn(OwnText::kReplay, app_.texts().language());
  QLabel* live = app_.window().live_display().label_replay();
  live->setText(text);
  live->setVisible(on);
  replay_status_->setText(text);
  replay_status_->setVisible(on);
}

void LogCommands::StopReplay() {
  if (!app_.session().replaying()) return;
  app_.session().SetReplaying(false);
  charts().SetReplaying(false);
  ShowReplay();
}

void LogCommands::FeedReplay() {
  if (!app_.session().replaying()) return;
  // Rows come at the pace they were recorded; a tick that comes late catches up in order, so
  // every row passes through the display's decoding.
  const std::int64_t now = replay_rows_.front().time_ms + replay_clock_.elapsed();
  while (replay_next_ < replay_rows_.size() && replay_rows_[replay_next_].time_ms <= now) {
    logging::LogRow row = replay_rows_[replay_next_];
    // The controller's save work belongs to the recording, not to the controller of now.
    row.values[static_cast<std::size_t>(*logging::LogColumnIndex("saving_counter"))] = 0;
    app_.session().ReplayMonitorFrame(logging::MonitorFrameOf(row));
    charts().SetCursorRow(static_cast<int>(replay_next_));
    ++replay_next_;
  }
  if (replay_next_ >= replay_rows_.size()) StopReplay();
}

}  // namespace morvek::app
