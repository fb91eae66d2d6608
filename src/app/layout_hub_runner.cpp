#include "app/layout_hub_runner.h"

#include <QCheckBox>

#include "app/application.h"
#include "pages/layout_hub.h"
#include "ui/layout_applier.h"
#include "ui/map_grid.h"

namespace morvek::app {

void RunLayoutHub(Application& app) {
  ui::MainWindow& w = app.window();
  const auto* tuning = w.findChild<QCheckBox*>(QStringLiteral("CheckBoxLadeniPovoleno"));
  pages::LayoutFlags flags;
  flags.milliseconds = w.milliseconds();
  flags.output_test_inhibit = app.session().live_values().output_test_inhibit;
  flags.tuning_on = tuning != nullptr && tuning->isChecked();
  ui::ApplyPageLayout(w,
                      pages::LayoutPage(app.editor().image(), app.editor().active_page(), flags));
}

}  // namespace morvek::app
