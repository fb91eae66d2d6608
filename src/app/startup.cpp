#include "app/startup.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

#include "app/application.h"
#include "app/file_commands.h"
#include "app/layout_hub_runner.h"
#include "app/map_edit_commands.h"
#include "app/page_controller.h"
#include "files/debug_switch_file.h"
#include "files/settings.h"
#include "files/state_file.h"
#include "i18n/own_texts.h"
#include "model/fixed_bytes.h"
#include "ui/gauge.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"

namespace morvek::app {
namespace {

// Step 6: the window in the middle of the screen (truncating divisions).
void CentreWindow(ui::MainWindow& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  const QSize size = window.frameGeometry().size().expandedTo(window.size());
  window.move((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

// The window never opens larger than the screen's free area, nor with its menu bar off it.
void FitToScreen(ui::MainWindow& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize frame = window.frameGeometry().size() - window.size();
  window.resize(window.size().boundedTo(area.size() - frame));
  const QSize outer = window.size() + frame;
  const int x =
      std::clamp(window.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
  const int y =
      std::clamp(window.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
  window.move(x, y);
}

// Step 8: the settings file, then the state file. Returns the raw port and language values;
// the limits pass that follows bounds them.
struct LoadedIndexes {
  int com_port = 0;
  int com_auto = 0;
  int language = 0;
};

LoadedIndexes LoadSettings(Application& app, std::uint8_t com_port_index) {
  ui::MainWindow& w = app.window();
  app.ini() = files::IniFile::Load(app.paths().SettingsFile());
  files::Settings defaults = app.CurrentSettings();
  defaults.com_port_index = com_port_index;
  const files::Settings s = files::LoadSettings(app.ini(), defaults);
  w.move(s.left, s.top);
  w.resize(s.width, s.height);
  FitToScreen(w);
  app.texts().SetCurrentFileName(s.file);
  app.last_file_path() = s.ini_dir;
  app.file_commands().StartOn(s.ini_dir);
  // Setting the active page runs the page-change handler, which places the map grid.
  app.editor().set_active_page(s.active_page);
  {
    const QSignalBlocker block(&w.pages());
    w.pages().setCurrentIndex(s.active_page);
  }
  w.SetMilliseconds(s.zobr_ms);
  w.ext_monitor().setChecked(s.ext_monitor);
  w.all_poloha_a().setChecked(s.all_poloha_a);
  app.map_edit_commands().SetHeatColours(s.heat_colours);
  files::ReadStateFile(app.paths().StateFile(), app.editor().image(), app.editor().all_flags());
  return {s.com_port_index, s.com_auto_index, s.language_index};
}

// A window that saves nothing says so for its whole run.
void ShowReadOnly(Application& app) {
  auto* label = new QLabel(app.window().statusBar());
  label->setObjectName(QStringLiteral("LabelReadOnly"));
  label->setText(QString::fromUtf8(i18n::Text(i18n::OwnText::kReadOnly, app.texts().language())));
  label->setStyleSheet(QStringLiteral("color: red"));
  app.window().statusBar()->addPermanentWidget(label);
}

}  // namespace

void FormCreate(Application& app) {
  ui::MainWindow& w = app.window();
  model::Editor& editor = app.editor();
  // 1.-2. The frame buffers live in the session; the run-time controls (page table, map grid,
  // Com menu items) were built with the window. 3. The status bar shows the long hint of the
  // control under the mouse through the window's status tips.
  // 4. COM index 1 so that a missing "ComPort" key loads as COM1; BIKE 0.
  const std::uint8_t com_port_default = 1;
  editor.image().SetByte(0, 0);
  // 5. The defaults of preset 0.
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  // 6. Centred on the screen.
  CentreWindow(w);
  // 7. data.ign beside the program (in the user's folder when the program is installed).
  const ApplicationOptions& options = app.options();
  app.exe_dir_file_path() =
      (options.data_directory.empty() ? options.program_directory : options.data_directory) /
      "data.ign";
  // 8. Settings and the state file.
  LoadedIndexes loaded = LoadSettings(app, com_port_default);
  // 9. The page-change handler for the active page.
  app.PageControl1Change(editor.active_page());
  // 10. The progress gauge runs to 10.
  w.gauge_program().setMaximum(link::kProgressMaximum);
  // 11. The fixed header bytes, whatever the state file held.
  model::WriteFixedHeaderBytes(editor.image());
  // 12. The base injection tables of the preset.
  editor.ComputeBaseTables();
  editor.ImageChanged();
  // 13. A language word on the command line overrides the saved language.
  const auto& args = app.options().arguments;
  if (!args.empty()) {
    if (const auto word = i18n::LanguageFromCommandWord(args.front()))
      loaded.language = static_cast<int>(*word);
  }
  // 14. The watchdog starts at 18 inside the session: "No Connection" on the seventh tick.
  // 15. Limits pass (which also bounds language and ports), language, refresh, history.
  app.RunLimitsPass(&loaded.language, &loaded.com_port, &loaded.com_auto);
  app.texts().SetLanguage(
      i18n::LanguageFromIndex(loaded.language).value_or(i18n::Language::kEnglish));
  if (app.options().com_port_override) {
    app.set_saved_com_port_index(loaded.com_port);
    loaded.com_port = *app.options().com_port_override;
  }
  app.session().set_com_port_index(loaded.com_port);
  app.session().set_com_auto_index(loaded.com_auto);
  app.session().SetExtendedMonitor(w.ext_monitor().isChecked());
  app.ApplyLanguage();
  app.RefreshActivePage();
  editor.ResetHistory();
  app.page_controller().UpdateHistoryCommands();
  // The configuration folder is this window's, or the user decides before the port opens.
  switch (app.config_lock().Acquire(app.paths().directory, app.prompts(), app.texts().language())) {
    case ConfigLock::Outcome::kQuit:
      app.set_shut_down();
      return;
    case ConfigLock::Outcome::kReadOnly:
      ShowReadOnly(app);
      break;
    case ConfigLock::Outcome::kOwner:
      break;
  }
  // 16. Open the port; a fixed port that fails is reported.
  app.session().Start();
  // 17. Language and refresh again.
  app.ApplyLanguage();
  app.RefreshActivePage();
  // 18. The message line, its gauge and the EE error label start hidden.
  w.label_hlaseni().hide();
  w.gauge_program().hide();
  if (auto* ee = w.findChild<QLabel*>(QStringLiteral("LabelEeDataErr"))) ee->hide();
  // 19. The debug switch file shows the eight test values.
  app.set_debug_display(files::ReadDebugSwitchFile(app.paths().DebugSwitchFile()));
  // 20. The feature-dependent layout; the connection line and the port label show what the
  // session reports now (message boxes included).
  RunLayoutHub(app);
  app.Render();
}

}  // namespace morvek::app
