#include "app/shutdown.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>

#include "app/application.h"
#include "files/settings.h"
#include "files/state_file.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"

namespace morvek::app {

void FormClose(Application& app) {
  if (app.shut_down()) return;
  app.set_shut_down();
  // 1. Close the port.
  app.session().Stop();
  // 2. The page on screen into the image.
  app.CollectActivePage();
  // 3. The limits pass.
  app.RunLimitsPass();
  // 4. The settings keys in their order, then the state file. A window that found another
  // one on its configuration folder leaves that window's files alone.
  if (!app.saves_settings()) return;
  files::SaveSettings(app.ini(), app.CurrentSettings());
  app.paths().EnsureDirectory();
  app.ini().Save(app.paths().SettingsFile());
  files::WriteStateFile(app.paths().StateFile(), app.editor().image(), app.editor().all_flags());
}

void Terminate(Application& app) {
  FormClose(app);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<QDialog*>(top); dialog != nullptr && dialog->isVisible())
      dialog->reject();
  }
  app.window().close();
  // Not quit(): that asks every window to close, and a box that is open keeps it from ending.
  // exit() ends the running loops, and any loop started after it returns at once.
  QCoreApplication::exit(0);
}

}  // namespace morvek::app
