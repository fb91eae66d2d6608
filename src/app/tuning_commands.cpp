#include "app/tuning_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

#include "app/application.h"
#include "app/layout_hub_runner.h"
#include "app/output_test_commands.h"
#include "app/page_controller.h"
#include "link/colour.h"
#include "link/output_tests.h"
#include "ui/colours.h"
#include "ui/page_table.h"

namespace morvek::app {
namespace {

// A switch that changes what the controller does is shown red while it is on.
void MarkRed(QCheckBox& box) {
  ui::SetBackground(box, box.isChecked() ? link::Colour::kRed : link::Colour::kButtonFace);
}

}  // namespace

TuningCommands::TuningCommands(Application& app, PageController& page) : app_(app), page_(page) {
  ui::MainWindow& w = app_.window();
  QCheckBox& prog = w.prog_hned();
  prog.setEnabled(true);
  connect(&prog, &QCheckBox::toggled, this, [this, &prog] {
    MarkRed(prog);
    page_.SyncCheckBoxes();
  });
  // A click on any of the window's switches takes the page on screen first, as every edit
  // does: what was typed and not yet committed counts, the page is laid out for the new state
  // and the change ends in the common after-change path.
  for (QCheckBox* box : {&prog, &w.ext_monitor()})
    connect(box, &QCheckBox::clicked, this, &TuningCommands::SwitchClicked);
  // The tuning switch and F6 with it come with the tuning page.
  w.OnPageBuilt(pages::kLadeniPage, this, [this, &w] {
    tuning_ = w.pages()
                  .sheet(pages::kLadeniPage)
                  ->findChild<QCheckBox*>(QStringLiteral("CheckBoxLadeniPovoleno"));
    if (tuning_ == nullptr) return;
    connect(tuning_, &QCheckBox::toggled, this, &TuningCommands::SetTuning);
    connect(tuning_, &QCheckBox::clicked, this, &TuningCommands::SwitchClicked);
    QAction* f6 = w.action("MenuLadeniOn");
    f6->setEnabled(true);
    // F6 is a click on the box, so it ends like one.
    connect(f6, &QAction::triggered, this, [this] { tuning_->click(); });
  });
  output_tests_ = new OutputTestCommands(app_);
}

void TuningCommands::PollOutputTests() { output_tests_->Poll(); }

void TuningCommands::SwitchClicked() {
  if (page_.pages().refreshing()) return;
  page_.SyncCheckBoxes();
  page_.Collect();
  RunLayoutHub(app_);
  page_.Finish(page_.pages().AfterChange(page_.values()));
}

void TuningCommands::SetTuning(bool on) {
  app_.session().SetAutotuneOn(on);
  page_.SyncCheckBoxes();
  RunLayoutHub(app_);
}

}  // namespace morvek::app
