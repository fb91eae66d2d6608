#include "app/tool_commands.h"

#include <QAction>
#include <QCheckBox>

#include "app/application.h"
#include "app/page_controller.h"
#include "model/map_geometry.h"
#include "pages/live_highlight.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"
#include "ui/spin_button.h"

namespace morvek::app {

ToolCommands::ToolCommands(Application& app, PageController& page) : app_(app), page_(page) {
  ui::MainWindow& w = app_.window();
  for (const char* name : {"MenuToolsMinus", "MenuToolsPlus"}) w.action(name)->setEnabled(true);
  connect(w.action("MenuToolsMinus"), &QAction::triggered, this,
          [this] { MapStep(pages::kStepDown); });
  connect(w.action("MenuToolsPlus"), &QAction::triggered, this,
          [this] { MapStep(pages::kStepUp); });
  w.OnPageBuilt(pages::kAdvancePage, this, [this, &w] {
    ui::SpinButton* tools = w.grid().tools_button();
    tools->setEnabled(true);
    connect(tools, &ui::SpinButton::downClicked, this, [this] { MapStep(pages::kStepDown); });
    connect(tools, &ui::SpinButton::upClicked, this, [this] { MapStep(pages::kStepUp); });
    for (int c = 0; c < model::kMapColumns; ++c) {
      ui::SpinButton* column = w.grid().column_button(c);
      column->setEnabled(true);
      connect(column, &ui::SpinButton::downClicked, this,
              [this, c] { ColumnStep(c, pages::kStepDown); });
      connect(column, &ui::SpinButton::upClicked, this,
              [this, c] { ColumnStep(c, pages::kStepUp); });
    }
  });
  w.OnPageBuilt(pages::kPolohaPage, this, [this, &w] {
    if (auto* poloha = w.pages()
                           .sheet(pages::kPolohaPage)
                           ->findChild<ui::SpinButton*>(QStringLiteral("CSpinButtonPolohaA"))) {
      connect(poloha, &ui::SpinButton::downClicked, this,
              [this] { PositionStep(pages::kStepDown); });
      connect(poloha, &ui::SpinButton::upClicked, this, [this] { PositionStep(pages::kStepUp); });
    }
  });
  w.OnPageBuilt(pages::kIdlePage, this, [this, &w] {
    if (auto* idle = w.pages()
                         .sheet(pages::kIdlePage)
                         ->findChild<ui::SpinButton*>(QStringLiteral("CSpinButtonIdle"))) {
      connect(idle, &ui::SpinButton::downClicked, this, [this] { IdleStep(pages::kStepDown); });
      connect(idle, &ui::SpinButton::upClicked, this, [this] { IdleStep(pages::kStepUp); });
    }
  });
}

pages::LiveTarget ToolCommands::Live() const {
  const link::LiveValues& live = app_.session().live_values();
  const model::ParameterImage& image = app_.editor().image();
  const pages::LiveCell cell =
      pages::LiveMapCell(image, app_.editor().active_page(), live.rpm, live.throttle_percent);
  return {live.rpm, cell.row, cell.column, pages::LivePositionColumn(image, live.rpm)};
}

void ToolCommands::MapStep(int step) {
  page_.SyncCheckBoxes();
  page_.ReadControls();
  page_.Finish(pages::MapStep(page_.pages(), page_.values(), step, Live(),
                              app_.window().all_poloha_a().isChecked()));
}

void ToolCommands::ColumnStep(int column, int step) {
  page_.SyncCheckBoxes();
  page_.ReadControls();
  page_.Finish(pages::ColumnStep(page_.pages(), page_.values(), column, step));
}

void ToolCommands::PositionStep(int step) {
  page_.SyncCheckBoxes();
  page_.ReadControls();
  page_.Finish(pages::PositionStep(page_.pages(), page_.values(), step,
                                   app_.window().all_poloha_a().isChecked(),
                                   Live().position_column));
}

void ToolCommands::IdleStep(int step) {
  page_.SyncCheckBoxes();
  page_.ReadControls();
  page_.Finish(pages::IdleStep(page_.pages(), page_.values(), step));
}

}  // namespace morvek::app
