// Data logging, the chart window and the replay of a log, on the real window offscreen
// against the simulated controller.

#include <sys/resource.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "app/log_commands.h"
#include "app_fixture.h"
#include "chart/chart_window.h"
#include "i18n/own_texts.h"
#include "logging/csv_log_reader.h"

using morvek::testing::AppFixture;

namespace {

morvek::sim::ControllerConfig Ride() {
  morvek::sim::ControllerConfig config;
  config.scenario.kind = morvek::sim::ScenarioKind::kRide;
  return config;
}

morvek::sim::ControllerConfig Unplugged() {
  morvek::sim::ControllerConfig config;
  config.scenario.kind = morvek::sim::ScenarioKind::kEngineOff;
  return config;
}

// The labels of the live display whose texts a frame decides.
const char* const kLiveLabels[] = {
    "LabelRpm",      "LabelTpsMon",        "LabelLambda",    "LabelVoda",        "LabelVzduch",
    "LabelNapeti",   "LabelTlak",          "LabelMon_Ign",   "LabelMon_Jet_A",   "LabelGear",
    "LabelMonSpeed", "LabelMaxInjProcent", "LabelLadeniMsg", "LabelMonClutchIn", "LabelMonNeutral"};

QStringList LiveTexts(AppFixture& f) {
  QStringList texts;
  for (const char* name : kLiveLabels) {
    QLabel* label = f.Find<QLabel>(name);
    texts << (label ? label->text() : QStringLiteral("<missing %1>").arg(name));
  }
  return texts;
}

// Ticks at the program's pace (the log's clock is the wall clock), and keeps what the live
// display showed after each decoded frame.
std::vector<QStringList> TickAndWatch(AppFixture& f, int ticks) {
  std::vector<QStringList> shown;
  int revision = f.app->session().monitor_view().revision();
  for (int i = 0; i < ticks; ++i) {
    QThread::msleep(55);
    f.Tick();
    if (f.app->session().monitor_view().revision() != revision) {
      revision = f.app->session().monitor_view().revision();
      shown.push_back(LiveTexts(f));
    }
  }
  return shown;
}

std::string Slurp(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

class LogTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  QString Dir() const { return dir_->path(); }

  // Records `ticks` ticks of a ride into path; returns what the display showed per frame.
  std::vector<QStringList> Record(AppFixture& f, const QString& path, int ticks) {
    f.prompts.save_name = path.toStdString();
    f.window().action("MenuStartLogging")->trigger();
    std::vector<QStringList> shown = TickAndWatch(f, ticks);
    f.window().action("MenuStopLogging")->trigger();
    return shown;
  }

 private slots:
  // Every test function starts in a config folder of its own, as a first run.
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void loggingRecordsEveryFrameWithTheDecodedValues() {
    AppFixture f(Dir(), {}, Ride());
    f.Tick(60);  // connected and riding
    QAction* start = f.window().action("MenuStartLogging");
    QAction* stop = f.window().action("MenuStopLogging");
    QVERIFY(start && stop && f.window().action("MenuLiveCharts"));
    QVERIFY(start->isEnabled() && !stop->isEnabled());
    QLabel* indicator = f.Find<QLabel>("LabelLogging");
    QVERIFY(indicator && indicator->isHidden());

    const QString path = Dir() + "/ride.csv";
    f.prompts.save_name = path.toStdString();
    start->trigger();
    QVERIFY(!start->isEnabled() && stop->isEnabled());
    std::vector<morvek::link::LiveValues> live;
    int revision = f.app->session().monitor_view().revision();
    for (int i = 0; i < 90; ++i) {
      f.Tick();
      if (f.app->session().monitor_view().revision() != revision) {
        revision = f.app->session().monitor_view().revision();
        live.push_back(f.app->session().live_values());
      }
    }
    QVERIFY(!indicator->isHidden());
    QCOMPARE(indicator->text(), QStringLiteral("Logging: rows %1").arg(live.size()));
    // Already on disk while the log is open.
    const morvek::logging::CsvLog open_log = morvek::logging::ParseCsvLog(Slurp(path));
    QCOMPARE(open_log.rows.size(), live.size());
    stop->trigger();
    QVERIFY(indicator->isHidden());
    QVERIFY(start->isEnabled() && !stop->isEnabled());
    f.Tick(30);  // nothing more is written

    const morvek::logging::CsvLog log = morvek::logging::ReadCsvLog(path.toStdString());
    QCOMPARE(QString::fromStdString(log.error), QString());
    QCOMPARE(log.rows.size(), live.size());
    QVERIFY(live.size() >= 14);
    int moving = 0;
    for (std::size_t i = 0; i < live.size(); ++i) {
      const auto& row = log.rows[i];
      QCOMPARE(row.value("rpm"), live[i].rpm);
      QCOMPARE(row.value("throttle_pct"), live[i].throttle_percent);
      QCOMPARE(row.value("throttle_mv"), live[i].throttle_mv);
      QCOMPARE(row.value("coolant_c"), live[i].coolant_plus100 - 100);
      QCOMPARE(row.value("air_c"), live[i].air_plus100 - 100);
      QCOMPARE(row.value("gear"), live[i].gear);
      QCOMPARE(row.value("lambda_af"), live[i].lambda);
      QCOMPARE(row.value("rpm_speed_ratio"), live[i].rpm_speed_ratio);
      if (live[i].rpm > 0) ++moving;
    }
    QVERIFY(moving > 0);
  }

  void targetsThatCannotBeWrittenStopWithAMessage() {
    AppFixture f(Dir(), {}, Ride());
    f.Tick(60);
    QAction* start = f.window().action("MenuStartLogging");
    // A log never takes the place of anything: what exists, and any parameter file's name,
    // is refused by its name and left as it was.
    const QString taken = Dir() + "/taken.csv";
    std::ofstream(taken.toStdString()) << "a log of yesterday\n";
    const QString taken_text =
        QStringLiteral("A data log is written only to a new file; this name exists already: ");
    struct Case {
      QString path;
      QString message;
    };
    const QString tune = Dir() + "/tune.IGN";
    for (const Case& c :
         {Case{"/dev/full", taken_text + "/dev/full"}, Case{taken, taken_text + taken},
          Case{tune,
               "A name ending in .ign belongs to a parameter file, never to a data log: " + tune},
          Case{Dir() + "/no/such/folder.csv",
               "The data log cannot be written: " + Dir() +
                   "/no/such/folder.csv\nNo such file or directory"}}) {
      f.prompts.messages.clear();
      f.prompts.save_name = c.path.toStdString();
      start->trigger();
      QCOMPARE(f.prompts.messages.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(f.prompts.messages[0]), c.message);
      QVERIFY(!f.app->log_commands().logging());
      QVERIFY(start->isEnabled());
    }
    QCOMPARE(Slurp(taken), std::string("a log of yesterday\n"));
    QVERIFY(!QFileInfo::exists(tune));

    // A disk that fills up while the engine runs: the log stops, says so once, and the rows
    // written stay whole in the file.
    const QString path = Dir() + "/full.csv";
    f.prompts.messages.clear();
    f.prompts.save_name = path.toStdString();
    start->trigger();
    QVERIFY(f.app->log_commands().logging());
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    rlimit small = old;
    small.rlim_cur = static_cast<rlim_t>(Slurp(path).size()) + 1500;  // a few rows more
    setrlimit(RLIMIT_FSIZE, &small);
    f.Tick(200);
    setrlimit(RLIMIT_FSIZE, &old);
    sigaction(SIGXFSZ, &previous, nullptr);

    QVERIFY(!f.app->log_commands().logging());
    QVERIFY(start->isEnabled());
    QVERIFY(f.Find<QLabel>("LabelLogging")->isHidden());
    QCOMPARE(f.prompts.messages.size(), std::size_t{1});
    const std::string text = Slurp(path);
    const morvek::logging::CsvLog log = morvek::logging::ParseCsvLog(text);
    QCOMPARE(QString::fromStdString(log.error), QString());
    QVERIFY(!log.rows.empty());
    QCOMPARE(text.back(), '\n');
    QCOMPARE(QString::fromStdString(f.prompts.messages[0]),
             QStringLiteral("Logging stopped: %1\nFile too large\nRows kept in the file: %2")
                 .arg(path)
                 .arg(log.rows.size()));
  }

  // A recorded pull played back on a window without a controller shows, frame by frame, what
  // the window showed while it was recorded, at the recorded pace.
  void replayDrivesTheLiveDisplayThroughTheRecordedValues() {
    const QString path = Dir() + "/pull.csv";
    std::vector<QStringList> recorded;
    {
      AppFixture f(Dir(), {}, Ride());
      f.Tick(60);
      recorded = Record(f, path, 70);
    }
    const morvek::logging::CsvLog log = morvek::logging::ReadCsvLog(path.toStdString());
    QCOMPARE(log.rows.size(), recorded.size());
    QVERIFY(recorded.size() >= 10);

    AppFixture f(Dir(), {}, Unplugged());
    f.controller.SetSilent(true);
    f.Tick(60);
    QVERIFY(f.app->session().connection().no_connection_visible);
    QVERIFY(f.app->log_commands().OpenLogPath(path.toStdString()));
    morvek::chart::ChartWindow& charts = f.app->log_commands().charts();
    QVERIFY(charts.isVisible() && charts.showing_log());
    auto* replay = charts.findChild<QPushButton*>(QStringLiteral("ButtonReplay"));
    QVERIFY(replay && replay->isEnabled());
    QCOMPARE(replay->text(), QStringLiteral("Replay"));
    QElapsedTimer clock;
    clock.start();
    replay->click();
    QCOMPARE(replay->text(), QStringLiteral("Stop replay"));
    std::vector<QStringList> shown;
    int revision = f.app->session().monitor_view().revision();
    while (f.app->session().replaying() && clock.elapsed() < 60000) {
      QThread::msleep(55);
      f.Tick();
      if (f.app->session().monitor_view().revision() != revision) {
        revision = f.app->session().monitor_view().revision();
        shown.push_back(LiveTexts(f));
        QCOMPARE(charts.cursor_row(), static_cast<int>(shown.size()) - 1);
      }
    }
    const qint64 span = log.rows.back().time_ms - log.rows.front().time_ms;
    QVERIFY2(clock.elapsed() >= span - 60, "replayed at the recorded pace");
    QCOMPARE(shown.size(), recorded.size());
    // The first frame's injection duty depends on the engine speed shown before it.
    shown[0].removeAt(11);
    recorded[0].removeAt(11);
    for (std::size_t i = 0; i < shown.size(); ++i) QCOMPARE(shown[i], recorded[i]);
    // The live values that move the map highlight are those of the last row; the display is
    // not drawn as stale while it replays.
    const auto& last = log.rows.back();
    QCOMPARE(f.app->session().live_values().rpm, last.value("rpm"));
    QCOMPARE(f.app->session().live_values().throttle_percent, last.value("throttle_pct"));
    QCOMPARE(replay->text(), QStringLiteral("Replay"));
  }

  // A replay is never taken for the engine: the live display and the status bar say so, and
  // a log of the controller running then ends with a message, its rows without a gap.
  void replayEndsLoggingAndSaysReplay() {
    const QString recorded = Dir() + "/recorded.csv";
    const QString live = Dir() + "/live.csv";
    AppFixture f(Dir(), {}, Ride());
    f.Tick(60);
    Record(f, recorded, 30);
    QVERIFY(f.app->log_commands().OpenLogPath(recorded.toStdString()));
    f.prompts.save_name = live.toStdString();
    f.window().action("MenuStartLogging")->trigger();
    QVERIFY(f.app->log_commands().logging());
    TickAndWatch(f, 40);
    const int rows = f.app->log_commands().logged_rows();
    QVERIFY2(rows >= 5, qPrintable(QString::number(rows)));
    f.prompts.messages.clear();
    f.app->log_commands().charts().findChild<QPushButton*>(QStringLiteral("ButtonReplay"))->click();
    QVERIFY(f.app->session().replaying());
    QVERIFY(!f.app->log_commands().logging());
    QCOMPARE(f.prompts.messages.size(), std::size_t{1});
    QCOMPARE(f.prompts.messages[0],
             "Logging ended before the replay, so that the log holds only "
             "the controller: " +
                 live.toStdString() + "\n" +
                 std::string(morvek::i18n::Text(morvek::i18n::OwnText::kLogRowsKept,
                                                morvek::i18n::Language::kEnglish)) +
                 std::to_string(rows));
    for (const char* name : {"LabelReplay", "LabelReplayLive"}) {
      QLabel* label = f.Find<QLabel>(name);
      QVERIFY2(label != nullptr && !label->isHidden() && label->text() == QStringLiteral("Replay"),
               name);
    }
    TickAndWatch(f, 10);
    // The log holds the controller's frames up to the replay, each about a tick apart.
    const morvek::logging::CsvLog log = morvek::logging::ReadCsvLog(live.toStdString());
    QVERIFY2(log.error.empty(), log.error.c_str());
    QCOMPARE(static_cast<int>(log.rows.size()), rows);
    for (std::size_t i = 1; i < log.rows.size(); ++i)
      QVERIFY2(log.rows[i].time_ms - log.rows[i - 1].time_ms < 1000, "a gap in the log");
    f.app->log_commands().StopReplay();
    QVERIFY(f.Find<QLabel>("LabelReplay")->isHidden());
    QVERIFY(f.Find<QLabel>("LabelReplayLive")->isHidden());
  }

  void chartWindowFollowsTheFramesAndItsCostPerTick() {
    AppFixture f(Dir(), {}, Ride());
    f.window().show();
    f.Tick(60);
    // Medians of the tick's own work, charts closed and open.
    auto measure = [&](int ticks, std::vector<qint64>& all, std::vector<qint64>& frames) {
      int revision = f.app->session().monitor_view().revision();
      QElapsedTimer timer;
      for (int i = 0; i < ticks; ++i) {
        timer.start();
        f.app->Tick();
        const qint64 ns = timer.nsecsElapsed();
        f.transport.Advance();
        all.push_back(ns);
        if (f.app->session().monitor_view().revision() != revision) {
          revision = f.app->session().monitor_view().revision();
          frames.push_back(ns);
        }
        QCoreApplication::processEvents();  // the charts paint between ticks
      }
      std::sort(all.begin(), all.end());
      std::sort(frames.begin(), frames.end());
    };
    std::vector<qint64> closed_all, closed_frames, open_all, open_frames;
    measure(600, closed_all, closed_frames);
    f.window().action("MenuLiveCharts")->trigger();
    morvek::chart::ChartWindow& charts = f.app->log_commands().charts();
    QVERIFY(QTest::qWaitForWindowExposed(&charts));
    measure(600, open_all, open_frames);
    QCOMPARE(charts.PointCount(0), static_cast<int>(open_frames.size()));
    for (int t = 1; t < morvek::chart::ChartWindow::kTraceCount; ++t)
      QCOMPARE(charts.PointCount(t), charts.PointCount(0));
    auto us = [](const std::vector<qint64>& v) { return v[v.size() / 2] / 1000.0; };
    qInfo(
        "tick median, charts closed: %.1f us (frame ticks %.1f us); open: %.1f us (frame "
        "ticks %.1f us)",
        us(closed_all), us(closed_frames), us(open_all), us(open_frames));
    // Under the sanitizers every call is many times slower: the limits are for the real build.
#ifdef __SANITIZE_ADDRESS__
    constexpr double kSlowdown = 20.0;
#else
    constexpr double kSlowdown = 1.0;
#endif
    QVERIFY(us(open_all) <= 1000.0 * kSlowdown);
    // The charts' own share of a frame tick, measured alone (the frame ticks above also
    // decode and render the whole live display, and vary with the machine's load).
    std::vector<qint64> add;
    QElapsedTimer timer;
    const auto row = morvek::logging::MakeLogRow(f.app->session().last_monitor_frame(), 0, 0);
    for (int i = 0; i < 300; ++i) {
      timer.start();
      charts.AddLive(row, 100.0 + i * 0.33);
      add.push_back(timer.nsecsElapsed());
      if (i % 6 == 0) QCoreApplication::processEvents();
    }
    std::sort(add.begin(), add.end());
    qInfo("charts' share of a frame: median %.1f us", us(add));
    QVERIFY(us(add) <= 500.0 * kSlowdown);

    // A log on the charts, and back to the engine.
    const QString path = Dir() + "/shown.csv";
    {
      std::ofstream out(path.toStdString());
      out << "time_ms,rpm,throttle_pct_fine,lambda_af,injection_us,advance_deg\n"
             "0,1200,0.0,14.7,1500,10\n330,4000,35.5,13.1,4200,25\n660,9000,100.0,12.5,8000,32\n";
    }
    QVERIFY(f.app->log_commands().OpenLogPath(path.toStdString()));
    QVERIFY(charts.showing_log());
    QCOMPARE(charts.PointCount(0), 3);
    auto* slider = charts.findChild<QSlider*>(QStringLiteral("SliderLogCursor"));
    QVERIFY(slider && slider->isVisible());
    slider->setValue(2);
    QCOMPARE(charts.cursor_row(), 2);
    QVERIFY(charts.findChild<QLabel*>(QStringLiteral("LabelLogCursor"))->text().contains("9000"));
    f.Tick(12);
    QCOMPARE(charts.PointCount(0), 3);  // the log stays while it is shown
    charts.findChild<QPushButton*>(QStringLiteral("ButtonLiveView"))->click();
    QVERIFY(!charts.showing_log());
    f.Tick(12);
    QCOMPARE(charts.PointCount(0), 2);

    // A file that is not a log is refused with the reason, and the charts stay as they were.
    const QString notes = Dir() + "/notes.txt";
    std::ofstream(notes.toStdString()) << "rpm went up\n";
    f.prompts.messages.clear();
    QVERIFY(!f.app->log_commands().OpenLogPath(notes.toStdString()));
    QCOMPARE(f.prompts.messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(f.prompts.messages[0])
                .startsWith("The data log cannot be read: " + notes + "\nline 1: not a data log"));
    QVERIFY(!charts.showing_log());

    if (const char* shot = std::getenv("MORVEK_CHART_SHOT")) {
      const char* shown_log = std::getenv("MORVEK_CHART_LOG");
      QVERIFY(f.app->log_commands().OpenLogPath(shown_log ? shown_log : path.toStdString()));
      charts.resize(1000, 820);
      slider->setValue(slider->maximum() * 2 / 3);
      QTest::qWait(200);
      QVERIFY(charts.grab().save(QString::fromLocal8Bit(shot)));
    }
  }

  void textsFollowTheLanguage() {
    AppFixture f(Dir(), {"DEUTSCH"});
    QCOMPARE(f.window().action("MenuStartLogging")->text(), QStringLiteral("Aufzeichnung starten"));
    f.app->ChooseLanguage(3);
    QCOMPARE(f.window().action("MenuStopLogging")->text(), QStringLiteral("Zastavit záznam"));
    QCOMPARE(f.window().action("MenuLiveCharts")->text(), QStringLiteral("Živé grafy"));
    auto& charts = f.app->log_commands().charts();
    QCOMPARE(charts.windowTitle(), QStringLiteral("Živé grafy"));
    QCOMPARE(charts.findChild<QPushButton*>(QStringLiteral("ButtonReplay"))->text(),
             QStringLiteral("Přehrát"));
  }
};

QTEST_MAIN(LogTest)
#include "log_test.moc"
