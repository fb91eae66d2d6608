#include "app/shutdown.h"

#include <QCheckBox>

#include "app/application.h"
#include "files/settings.h"
#include "files/state_file.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"

namespace morvek::app {

void FormClose(Application& app) {
  if (app.shut_down()) return;
  app.set_shut_down();
  ui::MainWindow& w = app.window();
  // 1. Close the port.
  app.session().Stop();
  // 2. The page on screen is shown read-only so far: nothing to fold back.
  // 3. The limits pass.
  app.RunLimitsPass();
  // 4. The settings keys in their order, then the state file.
  files::Settings s;
  // Position of the frame, size of the window, as restored by move() and resize().
  s.left = w.x();
  s.top = w.y();
  s.height = w.height();
  s.width = w.width();
  s.com_port_index = static_cast<std::uint8_t>(app.session().com_port_index());
  s.com_auto_index = static_cast<std::uint8_t>(app.session().com_auto_index());
  s.language_index = static_cast<std::uint8_t>(app.texts().language());
  s.file = app.texts().CurrentFileName();
  s.ini_dir = app.last_file_path();
  s.active_page = w.pages().currentIndex();
  s.zobr_ms = w.grid().ms_box()->isChecked();
  s.ext_monitor = w.ext_monitor().isChecked();
  s.all_poloha_a = w.all_poloha_a().isChecked();
  files::SaveSettings(app.ini(), s);
  app.paths().EnsureDirectory();
  app.ini().Save(app.paths().SettingsFile());
  files::WriteStateFile(app.paths().StateFile(), app.editor().image(), app.editor().all_flags());
}

}  // namespace morvek::app
