#include "app/page_controller.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QToolButton>

#include "app/application.h"
#include "app/layout_hub_runner.h"
#include "model/field_table.h"
#include "ui/colours.h"
#include "ui/live_display.h"
#include "ui/map_grid.h"
#include "ui/map_page_view.h"
#include "ui/note_edit.h"
#include "ui/page_table.h"
#include "ui/radio_group.h"
#include "ui/tool_bar.h"

namespace morvek::app {

PageController::PageController(Application& app)
    : app_(app), pages_(app.editor()), binder_(app.window().pages()) {
  ConnectControls();
}

void PageController::ConnectControls() {
  ui::MainWindow& w = app_.window();
  for (int page = 0; page < pages::kPageCount; ++page)
    w.OnPageBuilt(page, this, [this, page] { ConnectPage(page); });
  // "All" of the grid belongs to the page; "Ms" is a view of the times.
  w.OnPageBuilt(pages::kAdvancePage, this, [this, &w] {
    connect(w.grid().ms_box(), &QCheckBox::clicked, this, [this] { Refresh(); });
  });
}

void PageController::ConnectPage(int page) {
  for (const pages::Control& c : pages::PageControls(page)) {
    QWidget* widget = binder_.Widget(page, c);
    if (widget == nullptr) continue;
    // The map pages share one grid: its controls are wired once, by the advance page.
    if (pages::IsMapPage(page) && page != pages::kAdvancePage &&
        pages::FindControl(pages::kAdvancePage, c.name) != nullptr)
      continue;
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
      // A spinner click, or a number committed by Enter or by leaving the edit.
      connect(spin, &QSpinBox::valueChanged, this, [this] { Edit(); });
      spin->installEventFilter(this);
      // Keys reach the spinner's edit box first.
      if (auto* edit = spin->findChild<QLineEdit*>()) edit->installEventFilter(this);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
      connect(box, &QCheckBox::clicked, this, [this] { Edit(); });
      box->installEventFilter(this);
    } else if (auto* radio = qobject_cast<ui::RadioGroup*>(widget)) {
      const std::string name = c.name;
      connect(radio, &ui::RadioGroup::clicked, this, [this, name] {
        ReadControls();
        Finish(pages::RadioGroupClicked(pages_, values_, name));
      });
    } else if (auto* note = qobject_cast<ui::NoteEdit*>(widget)) {
      connect(note, &ui::NoteEdit::left, this, [this] {
        ReadControls();
        // Not shown again: the user may still be typing in it.
        const pages::ChangeResult result = pages::CollectNote(pages_, values_);
        if (result.start_programming) app_.session().StartProgramming();
        UpdateHistoryCommands();
        app_.Render();
      });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      combo->installEventFilter(this);
    }
  }
}

bool PageController::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      // Enter commits like a spinner click and moves on to the next control.
      auto* widget = static_cast<QWidget*>(watched);
      if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) widget = spin;
      QWidget* next = widget->nextInFocusChain();
      while (next != widget &&
             (widget->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus) ||
              !next->isVisible() || !next->isEnabled()))
        next = next->nextInFocusChain();
      if (next != widget) next->setFocus(Qt::TabFocusReason);
      Edit();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void PageController::ReadControls() { binder_.Read(pages_.active_page(), values_); }

void PageController::Refresh() { Show(pages_.RefreshActivePage(values_)); }

void PageController::Collect() {
  ReadControls();
  pages_.CollectActivePage(values_);
}

void PageController::Edit() {
  // Setting ranges and values while a page is shown must not read as an edit.
  if (pages_.refreshing() || showing_) return;
  SyncCheckBoxes();
  ReadControls();
  Finish(pages_.Edit(values_));
}

void PageController::Finish(const pages::ChangeResult& result) {
  Show(result.refresh);
  if (result.start_programming) app_.session().StartProgramming();
  UpdateHistoryCommands();
  app_.Render();
}

void PageController::Show(const pages::RefreshReport& report) {
  ui::MainWindow& w = app_.window();
  const QScopedValueRollback<bool> showing(showing_, true);
  const int page = pages_.active_page();
  // The page shown has its controls, whether or not it was built with the window.
  w.EnsurePage(page);
  const files::CodePage code_page = files::CodePageForLanguage(app_.texts().language());
  binder_.set_code_page(code_page);
  if (pages::IsMapPage(page))
    w.ShowMapPage(ui::BuildMapPageView(app_.editor(), page, w.milliseconds()));
  binder_.Show(page, values_, [this](const pages::Control& c) { return pages_.ControlRange(c); });
  w.RenderIdentification(app_.session().identification(), code_page);
  app_.ShowImageDependentMonitorLabels();
  RunLayoutHub(app_);
  if (report.bike_not_for_preset)
    app_.prompts().Message(
        std::string(i18n::Text(i18n::TextId::MsgProgramNotForBike, app_.texts().language())));
}

void PageController::UpdateHistoryCommands() {
  ui::MainWindow& w = app_.window();
  const bool undo = app_.editor().CanUndo();
  const bool redo = app_.editor().CanRedo();
  w.action("MenuZpet")->setEnabled(undo);
  w.action("MenuZnovu")->setEnabled(redo);
  w.tool_bar().undo()->setEnabled(undo);
  w.tool_bar().redo()->setEnabled(redo);
}

void PageController::SyncCheckBoxes() {
  ui::MainWindow& w = app_.window();
  app_.editor().program_after_change = w.prog_hned().isChecked();
  auto* tuning = w.findChild<QCheckBox*>(QStringLiteral("CheckBoxLadeniPovoleno"));
  app_.editor().autotune_on = tuning != nullptr && tuning->isChecked();
}

}  // namespace morvek::app
