#include "app/edit_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "app/application.h"
#include "app/history_keys.h"
#include "app/page_controller.h"
#include "pages/injection_maps.h"
#include "pages/page_catalog.h"
#include "pages/page_commands.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"
#include "ui/tool_bar.h"

namespace morvek::app {
namespace {

// Looked for on the page that holds it, once that page is built.
template <typename T>
T* Find(ui::MainWindow& w, int page, const char* name) {
  return w.pages().sheet(page)->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

EditCommands::EditCommands(Application& app, PageController& page) : app_(app), page_(page) {
  Connect();
}

void EditCommands::Connect() {
  ui::MainWindow& w = app_.window();
  auto on = [&](const char* action, auto slot) {
    QAction* a = w.action(action);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, slot);
  };
  on("MenuNew", [this] { New(false); });
  on("MenuNewActPage", [this] { New(true); });
  on("Menu_Jet123Normal", [this] { JetMode(pages::kJetModeSeparate); });
  on("Menu_Jet123Coupled", [this] { JetMode(pages::kJetModeCoupled); });
  on("Menu_Jet123Stejny", [this] { JetMode(pages::kJetModeSame); });
  on("MenuZpet", [this] { Undo(); });
  on("MenuZnovu", [this] { Redo(); });
  w.tool_bar().new_button()->setEnabled(true);
  connect(w.tool_bar().new_button(), &QToolButton::clicked, this, [this] { New(false); });
  connect(w.tool_bar().undo(), &QToolButton::clicked, this, [this] { Undo(); });
  connect(w.tool_bar().redo(), &QToolButton::clicked, this, [this] { Redo(); });
  new HistoryKeys(w, *w.action("MenuZpet"), *w.action("MenuZnovu"), this);
  w.OnPageBuilt(pages::kBikePage, this, [this, &w] {
    if (auto* bike = Find<QComboBox>(w, pages::kBikePage, "ComboBoxBike"))
      connect(bike, &QComboBox::activated, this, &EditCommands::BikeChosen);
  });
  w.OnPageBuilt(pages::kLadeniPage, this, [this, &w] {
    if (auto* tuning = Find<QCheckBox>(w, pages::kLadeniPage, "CheckBoxLadeniPovoleno")) {
      connect(tuning, &QCheckBox::toggled, this, [this](bool on) {
        if (!on) TuningEnded();
      });
    }
  });

  const link::LiveValues& live = app_.session().live_values();
  w.OnPageBuilt(pages::kCidlaPage, this, [this, &w, &live] {
    if (auto* b = Find<QPushButton>(w, pages::kCidlaPage, "ButtonTps0"))
      connect(b, &QPushButton::clicked, this, [this, &live] {
        page_.Finish(pages::TakeTps0(page_.pages(), page_.values(), live.throttle_mv));
      });
    if (auto* b = Find<QPushButton>(w, pages::kCidlaPage, "ButtonTps100"))
      connect(b, &QPushButton::clicked, this, [this, &live] {
        page_.Finish(pages::TakeTps100(page_.pages(), page_.values(), live.throttle_mv));
      });
  });
  w.OnPageBuilt(pages::kGearPage, this, [this, &w, &live] {
    for (int gear = 1; gear <= 6; ++gear) {
      const QByteArray name = QStringLiteral("ButtonGear%1").arg(gear).toLatin1();
      if (auto* b = Find<QPushButton>(w, pages::kGearPage, name.constData()))
        connect(b, &QPushButton::clicked, this, [this, &live, gear] {
          page_.Finish(
              pages::TakeGearRatio(page_.pages(), page_.values(), gear, live.rpm_speed_ratio));
        });
    }
  });
}

void EditCommands::New(bool active_page_only) {
  const auto scope =
      active_page_only ? model::DefaultsScope::kActivePage : model::DefaultsScope::kWholeImage;
  if (!pages::CanApplyDefaults(app_.editor(), scope)) return;
  const auto question =
      active_page_only ? i18n::TextId::MsgDefaultSettingPage : i18n::TextId::MsgDefaultSetting;
  if (app_.prompts().Confirm(std::string(i18n::Text(question, app_.texts().language()))) !=
      ui::Answer::kYes)
    return;
  page_.SyncCheckBoxes();
  app_.session().HideMessage();
  app_.SetCurrentFileName({});
  page_.Finish(pages::ApplyNew(page_.pages(), page_.values(), scope));
}

void EditCommands::BikeChosen(int item) {
  page_.SyncCheckBoxes();
  // The separator offers no reset; a preset asks for the default setting first.
  bool reset = false;
  if (item >= 0 && item < pages::kBikeSeparatorItem) {
    const ui::Answer answer = app_.prompts().Confirm(
        std::string(i18n::Text(i18n::TextId::MsgDefaultSetting, app_.texts().language())));
    // Cancel takes the choice back: the combo box shows the preset of the image again.
    if (answer == ui::Answer::kCancel) {
      page_.Refresh();
      return;
    }
    reset = answer == ui::Answer::kYes;
  }
  if (reset) {
    app_.session().HideMessage();
    app_.SetCurrentFileName({});
  }
  page_.Finish(pages::ChangeBike(page_.pages(), page_.values(), item, reset));
  app_.ApplyLanguage();
}

void EditCommands::JetMode(int mode) {
  page_.SyncCheckBoxes();
  const int before = app_.editor().active_page();
  ui::MainWindow& w = app_.window();
  // Hidden while it is rebound (when built), so it never paints half-bound.
  const bool grid = w.grid_built();
  if (grid) w.grid().hide();
  const pages::ChangeResult result = pages::SetJetMode(page_.pages(), page_.values(), mode);
  if (app_.editor().active_page() != before) {
    const QSignalBlocker block(&app_.window().pages());
    app_.window().pages().setCurrentIndex(app_.editor().active_page());
  }
  page_.Finish(result);
  if (grid) w.grid().show();
}

void EditCommands::Undo() {
  page_.SyncCheckBoxes();
  const model::HistoryStep step = pages::Undo(page_.pages(), page_.values());
  if (step.switch_page) SwitchToPage(step.page);
  page_.Finish({step.changed, step.start_programming, {}});
}

void EditCommands::Redo() {
  page_.SyncCheckBoxes();
  const model::HistoryStep step = pages::Redo(page_.pages(), page_.values());
  if (step.switch_page) SwitchToPage(step.page);
  page_.Finish({step.changed, step.start_programming, {}});
}

void EditCommands::TuningEnded() {
  if (app_.editor().RecordControllerChange()) page_.UpdateHistoryCommands();
}

void EditCommands::NoticeLink() {
  link::Session& session = app_.session();
  const std::pair<int, int> port{session.com_port_index(), session.com_auto_index()};
  const bool connected = session.connected();
  // Another controller may be answering now.
  if ((connected && !connected_) || (port_.first >= 0 && port != port_))
    app_.editor().controller().Forget();
  connected_ = connected;
  port_ = port;
}

void EditCommands::AfterLinkTick() { NoticeLink(); }

void EditCommands::ControllerPageArrived(int page) {
  NoticeLink();
  model::Editor& editor = app_.editor();
  editor.controller().Confirm(editor.image(), page);
  editor.NoteControllerChange();
  editor.SettleProgramFlags();
}

void EditCommands::PagesKept(const std::vector<int>& pages) {
  NoticeLink();
  model::Editor& editor = app_.editor();
  for (int p : pages) editor.controller().Confirm(editor.image(), p);
  editor.SettleProgramFlags();
}

void EditCommands::ControllerConfirmed(link::ImageSource source) {
  model::Editor& editor = app_.editor();
  editor.controller().ConfirmAll(editor.image());
  if (source == link::ImageSource::kRead) editor.NoteControllerChange();
  editor.RecordControllerChange();
  editor.SettleProgramFlags();
  page_.UpdateHistoryCommands();
}

void EditCommands::SwitchToPage(int page) {
  const QSignalBlocker block(&app_.window().pages());
  app_.window().pages().setCurrentIndex(page);
  app_.PageControl1Change(page);
}

}  // namespace morvek::app
