// Pictures of the log analysis window: the simulated engine with a fuel need of its own is
// ridden warm for seven minutes and swept in neutral for four, logged, then analysed.
// Saves analysis-proposal<suffix>.png and analysis-coverage<suffix>.png in the directory
// given (suffix "@2x" at a scale factor of 2, or "-<lang>" when a language word and its
// short name follow, for the manuals). Not a test.
//
//   QT_QPA_PLATFORM=offscreen morvek_analysis_shot docs
//   QT_QPA_PLATFORM=offscreen morvek_analysis_shot docs/manual/pictures DEUTSCH de

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <fstream>

#include "../sim/sim_test_util.h"
#include "app/analysis_commands.h"
#include "app_fixture.h"
#include "logging/csv_log_writer.h"
#include "ui/analysis_dialog.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  const QStringList args = qt.arguments();
  if (args.size() != 2 && args.size() != 4) return 2;
  const QDir out(args[1]);
  QString suffix = qgetenv("QT_SCALE_FACTOR") == "2" ? QStringLiteral("@2x") : QString();
  std::vector<std::string> arguments;
  if (args.size() == 4) {
    arguments.push_back(args[2].toStdString());
    suffix = QLatin1Char('-') + args[3];
  }
  QTemporaryDir config;
  morvek::testing::AppFixture f(config.path(), arguments);
  // A ride on the tune on screen, logged at the monitor's pace: three frames a second.
  morvek::sim::ControllerConfig sim;
  sim.pages = f.app->editor().image();
  sim.scenario.kind = morvek::sim::ScenarioKind::kRide;
  sim.scenario.fuel_error_seed = 7;
  sim.scenario.start_coolant_c = 85;
  morvek::sim::ControllerModel engine(sim);
  const std::string log = config.filePath(QStringLiteral("ride.csv")).toStdString();
  std::ofstream file(log, std::ios::binary);
  file << morvek::logging::CsvHeaderLine();
  int previous_rpm = 0;
  for (int tick = 0; tick < 12000; ++tick) {
    if (tick == 8000) {
      morvek::sim::Scenario sweep = sim.scenario;
      sweep.kind = morvek::sim::ScenarioKind::kThrottleSweep;
      engine.SetScenario(sweep);
    }
    engine.Advance(55);
    if (tick % 6 != 0) continue;
    const auto frame = engine.HandleRequest(morvek::sim::testing::Request(0x30));
    if (!frame) continue;
    const morvek::logging::LogRow row =
        morvek::logging::MakeLogRow(*frame, previous_rpm, std::int64_t{tick} * 55);
    previous_rpm = static_cast<int>(row.value("rpm"));
    file << morvek::logging::CsvRowLine(row);
  }
  file.close();

  f.window().show();
  f.Find<QAction>("MenuAnalyzeLogs")->trigger();
  morvek::app::AnalysisCommands& analysis = f.app->analysis_commands();
  analysis.AddLog(log);
  // A target between the richest and the leanest cells, so both colours show.
  analysis.dialog()
      .findChild<QDoubleSpinBox*>(QStringLiteral("SpinAnalysisTarget"))
      ->setValue(13.2);
  if (!analysis.Run()) return 1;
  morvek::ui::AnalysisDialog& dialog = analysis.dialog();
  dialog.resize(980, 640);
  analysis.ToggleLock(morvek::model::MapElement(9, 10));
  QApplication::processEvents();
  bool ok = dialog.grab().save(out.filePath(QStringLiteral("analysis-proposal%1.png").arg(suffix)));
  dialog.findChild<QRadioButton*>(QStringLiteral("RadioAnalysisCoverage"))->click();
  QApplication::processEvents();
  ok =
      ok && dialog.grab().save(out.filePath(QStringLiteral("analysis-coverage%1.png").arg(suffix)));
  return ok ? 0 : 1;
}
