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
  // 1. Close the port.
  app.session().Stop();
  // 2. The page on screen into the image.
  app.CollectActivePage();
  // 3. The limits pass.
  app.RunLimitsPass();
  // 4. The settings keys in their order, then the state file.
  files::SaveSettings(app.ini(), app.CurrentSettings());
  app.paths().EnsureDirectory();
  app.ini().Save(app.paths().SettingsFile());
  files::WriteStateFile(app.paths().StateFile(), app.editor().image(), app.editor().all_flags());
}

}  // namespace morvek::app
