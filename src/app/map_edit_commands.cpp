#include "app/map_edit_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>

#include "app/application.h"
#include "app/page_controller.h"
#include "i18n/map_edit_texts.h"
#include "pages/live_highlight.h"
#include "pages/page_catalog.h"
#include "ui/grid_selection.h"
#include "ui/map_3d_view.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"
#include "ui/value_prompt.h"

namespace morvek::app {
namespace {

using Op = pages::SelectionOperation;
using T = i18n::MapEditText;

constexpr int kMessageMs = 15000;

struct ActionEntry {
  const char* name;
  T caption;
  const char* keys;  // shown beside the caption; the grid's cells take the keys themselves
};
constexpr ActionEntry kSelectionActions[] = {
    {"MenuSelSet", T::kSet, "="},
    {"MenuSelAdd", T::kAdd, "+"},
    {"MenuSelSubtract", T::kSubtract, "-"},
    {"MenuSelScale", T::kScale, "*"},
    {"MenuSelInterpolateH", T::kInterpolateH, "H"},
    {"MenuSelInterpolateV", T::kInterpolateV, "V"},
    {"MenuSelInterpolateBilinear", T::kInterpolateBilinear, ""},
    {"MenuSelSmooth", T::kSmooth, "S"},
    {"MenuSelFill", T::kFill, ""},
    {"MenuSelCopy", T::kCopy, "Ctrl+C"},
    {"MenuSelPaste", T::kPaste, "Ctrl+V"},
    {"MenuSelAll", T::kSelectAll, "Ctrl+A"},
};

static_assert(std::size(kSelectionActions) == 12, "one kept action per entry");

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Fill(QString text, std::initializer_list<std::pair<const char*, QString>> fields) {
  for (const auto& [key, value] : fields) text.replace(QLatin1String(key), value);
  return text;
}

}  // namespace

MapEditCommands::MapEditCommands(Application& app, PageController& page) : app_(app), page_(page) {
  ui::MainWindow& w = app_.window();

  // Tools -> Selection, which the cells' context menu shows as well.
  auto* tools = w.menuBar()->findChild<QMenu*>(QStringLiteral("MenuTools"));
  selection_menu_ = new QMenu(&w);
  selection_menu_->setObjectName(QStringLiteral("MenuSelection"));
  if (tools != nullptr) {
    tools->addSeparator();
    tools->addMenu(selection_menu_);
  }
  // Kept by place, not looked up by name: a search of the window's objects costs as much as
  // building a small page.
  for (std::size_t k = 0; k < std::size(kSelectionActions); ++k)
    selection_actions_[k] = AddAction(selection_menu_, kSelectionActions[k].name);
  const auto on = [&](const char* name, auto&& slot) {
    for (std::size_t k = 0; k < std::size(kSelectionActions); ++k)
      if (std::string_view(kSelectionActions[k].name) == name)
        connect(selection_actions_[k], &QAction::triggered, this, slot);
  };
  on("MenuSelSet", [this] { Ask(Op::kSet, 1); });
  on("MenuSelAdd", [this] { Ask(Op::kAdd, 1); });
  on("MenuSelSubtract", [this] { Ask(Op::kAdd, -1); });
  on("MenuSelScale", [this] { Ask(Op::kScale, 1); });
  on("MenuSelInterpolateH", [this] { Apply(Op::kInterpolateH); });
  on("MenuSelInterpolateV", [this] { Apply(Op::kInterpolateV); });
  on("MenuSelInterpolateBilinear", [this] { Apply(Op::kInterpolateBilinear); });
  on("MenuSelSmooth", [this] { Apply(Op::kSmooth); });
  on("MenuSelFill", [this] { Apply(Op::kFill); });
  on("MenuSelCopy", [this] { Copy(); });
  on("MenuSelPaste", [this] { Paste(); });
  on("MenuSelAll", [this] { app_.window().grid().selection().SelectAll(); });

  // View: heat colours and the 3D map, before the Language menu.
  view_menu_ = new QMenu(&w);
  view_menu_->setObjectName(QStringLiteral("MenuView"));
  auto* language = w.menuBar()->findChild<QMenu*>(QStringLiteral("MenuLanguage"));
  w.menuBar()->insertMenu(language != nullptr ? language->menuAction() : nullptr, view_menu_);
  heat_ = AddAction(view_menu_, "MenuHeatColours");
  heat_->setCheckable(true);
  map_3d_ = AddAction(view_menu_, "Menu3DMap");
  connect(heat_, &QAction::toggled, this, [this](bool checked) { SetHeatColours(checked); });
  connect(map_3d_, &QAction::triggered, this, &MapEditCommands::Show3DMap);

  w.OnPageBuilt(pages::kAdvancePage, this, [this] { ConnectGrid(); });
}

void MapEditCommands::ConnectGrid() {
  ui::MapGrid& grid = app_.window().grid();
  ui::GridSelection& selection = grid.selection();
  grid.SetHeatColours(heat_->isChecked());
  connect(&selection, &ui::GridSelection::operationKey, this, [this](Op operation, int sign) {
    if (operation == Op::kSet || operation == Op::kAdd || operation == Op::kScale)
      Ask(operation, sign);
    else
      Apply(operation);
  });
  connect(&selection, &ui::GridSelection::copyRequested, this, &MapEditCommands::Copy);
  connect(&selection, &ui::GridSelection::pasteRequested, this, &MapEditCommands::Paste);
  connect(&selection, &ui::GridSelection::menuRequested, this,
          [this](QPoint at) { selection_menu_->popup(at); });
  connect(&grid.prompt(), &ui::ValuePrompt::accepted, this,
          [this](Op operation, double value) { Apply(operation, value); });
  connect(&grid.prompt(), &ui::ValuePrompt::closed, this, &MapEditCommands::BackToGrid);
  connect(&grid, &ui::MapGrid::mapShown, this, &MapEditCommands::Update3D);
}

MapEditCommands::~MapEditCommands() = default;

QAction* MapEditCommands::AddAction(QMenu* menu, const char* name) {
  QAction* action = menu->addAction(QString());
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

void MapEditCommands::ApplyLanguage() {
  const i18n::Language language = app_.texts().language();
  selection_menu_->setTitle(Q(i18n::Text(T::kSelectionMenu, language)));
  for (std::size_t k = 0; k < std::size(kSelectionActions); ++k) {
    const ActionEntry& e = kSelectionActions[k];
    QString text = Q(i18n::Text(e.caption, language));
    QString keys = QString::fromLatin1(e.keys);
    // German keyboards name the control key Strg, as the German manual does.
    if (language == i18n::Language::kGerman)
      keys.replace(QLatin1String("Ctrl"), QLatin1String("Strg"));
    if (!keys.isEmpty()) text += QLatin1Char('\t') + keys;
    selection_actions_[k]->setText(text);
  }
  view_menu_->setTitle(Q(i18n::Text(T::kViewMenu, language)));
  heat_->setText(Q(i18n::Text(T::kHeatColours, language)));
  map_3d_->setText(Q(i18n::Text(T::kMap3D, language)));
  Update3D();
}

void MapEditCommands::Ask(Op operation, int sign) {
  if (!pages::IsMapPage(app_.editor().active_page())) return;
  const i18n::Language language = app_.texts().language();
  const T caption = operation == Op::kSet     ? T::kPromptSet
                    : operation == Op::kScale ? T::kPromptScale
                    : sign < 0                ? T::kPromptSubtract
                                              : T::kPromptAdd;
  app_.window().grid().prompt().Ask(Q(i18n::Text(caption, language)), operation, sign);
}

void MapEditCommands::BackToGrid() {
  ui::MapGrid& grid = app_.window().grid();
  const ui::GridSelection& s = grid.selection();
  QSpinBox* cell = grid.cell(s.cursor_row(), s.cursor_column());
  if (cell->isVisible()) {
    cell->setFocus(Qt::OtherFocusReason);
    cell->selectAll();
  }
}

void MapEditCommands::Apply(Op operation, double value) {
  if (!pages::IsMapPage(app_.editor().active_page())) return;
  ui::MapGrid& grid = app_.window().grid();
  const ui::GridSelection& s = grid.selection();
  page_.SyncCheckBoxes();
  page_.ReadControls();
  const pages::SelectionEditResult result =
      pages::ApplySelection(page_.pages(), page_.values(),
                            {operation, s.Target(), value, s.cursor_row(), s.cursor_column()});
  Report(result);
}

void MapEditCommands::Report(const pages::SelectionEditResult& result) {
  const i18n::Language language = app_.texts().language();
  if (result.refused) {
    ShowMessage(Q(i18n::Text(T::kMapFollows, language)));
    return;
  }
  page_.Finish(result.change);
  if (result.limited.empty()) {
    app_.window().statusBar()->clearMessage();
    return;
  }
  const pages::LimitedCell& first = result.limited.front();
  ShowMessage(
      Fill(Q(i18n::Text(T::kLimited, language)), {{"%N", QString::number(result.limited.size())},
                                                  {"%R", QString::number(first.row + 1)},
                                                  {"%C", QString::number(first.column + 1)},
                                                  {"%W", QString::number(first.wanted)},
                                                  {"%K", QString::number(first.kept)}}));
}

void MapEditCommands::ShowMessage(const QString& text) {
  app_.window().statusBar()->showMessage(text, kMessageMs);
}

void MapEditCommands::Copy() {
  if (!pages::IsMapPage(app_.editor().active_page())) return;
  ui::MapGrid& grid = app_.window().grid();
  pages::ShownMap shown;
  for (int j = 0; j < model::kMapRows; ++j)
    for (int i = 0; i < model::kMapColumns; ++i)
      shown.cells[static_cast<std::size_t>(model::MapElement(j, i))] =
          grid.CellText(j, i).toStdString();
  for (int i = 0; i < model::kMapColumns; ++i)
    shown.rpm[static_cast<std::size_t>(i)] = grid.rpm(i)->cleanText().toStdString();
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(pages::CopyText(shown, grid.selection().Target())));
}

void MapEditCommands::Paste() {
  if (!pages::IsMapPage(app_.editor().active_page())) return;
  const i18n::Language language = app_.texts().language();
  ui::MapGrid& grid = app_.window().grid();
  ui::GridSelection& s = grid.selection();
  if (!pages::CanEditMap(app_.editor())) {
    app_.prompts().Message(std::string(i18n::Text(T::kMapFollows, language)));
    return;
  }
  const bool single = grid.display_mode() == pages::GridDisplayMode::kSingleRow;
  const pages::PastePlan plan =
      pages::PlanPaste(QGuiApplication::clipboard()->text().toStdString(), s.cursor_row(),
                       s.cursor_column(), single ? model::kMapRows - 1 : 0, model::kMapRows - 1);
  QString refusal;
  switch (plan.problem) {
    case pages::PasteProblem::kNone:
    case pages::PasteProblem::kReadOnly:
      break;
    case pages::PasteProblem::kEmpty:
      refusal = Q(i18n::Text(T::kPasteEmpty, language));
      break;
    case pages::PasteProblem::kNotANumber:
      refusal = Fill(Q(i18n::Text(T::kPasteNotANumber, language)),
                     {{"%R", QString::number(plan.row)},
                      {"%C", QString::number(plan.column)},
                      {"%X", QString::fromStdString(plan.text)}});
      break;
    case pages::PasteProblem::kDoesNotFit:
      refusal = Fill(Q(i18n::Text(T::kPasteDoesNotFit, language)),
                     {{"%N", QString::number(plan.rows)},
                      {"%M", QString::number(plan.columns)},
                      {"%R", QString::number(plan.row)},
                      {"%C", QString::number(plan.column)}});
      break;
    case pages::PasteProblem::kRagged:
      refusal =
          Fill(Q(i18n::Text(T::kPasteRagged, language)), {{"%R", QString::number(plan.row)},
                                                          {"%N", QString::number(plan.column)},
                                                          {"%M", QString::number(plan.columns)}});
      break;
  }
  if (!refusal.isEmpty()) {
    app_.prompts().Message(refusal.toStdString());
    return;
  }
  page_.SyncCheckBoxes();
  page_.ReadControls();
  const bool milliseconds =
      grid.ms_box()->isChecked() && app_.editor().active_page() != pages::kAdvancePage;
  Report(pages::ApplyPaste(page_.pages(), page_.values(), plan, milliseconds));
  // The block pasted stays selected, so it can be worked on at once.
  s.Select({plan.top, plan.left, plan.top + plan.rows - 1, plan.left + plan.columns - 1});
}

void MapEditCommands::SetHeatColours(bool on) {
  // A grid built later takes the switch when it is built.
  if (app_.window().grid_built()) app_.window().grid().SetHeatColours(on);
  if (heat_->isChecked() != on) heat_->setChecked(on);
}

bool MapEditCommands::heat_colours() const { return heat_->isChecked(); }

void MapEditCommands::Show3DMap() {
  if (view_3d_ == nullptr) {
    view_3d_ = new ui::Map3DView(&app_.window());
    view_3d_->setWindowFlag(Qt::Window);
    view_3d_->resize(view_3d_->sizeHint());
  }
  view_3d_->show();
  view_3d_->raise();
  Update3D();
  Tick();
}

void MapEditCommands::Update3D() {
  if (view_3d_ == nullptr || !view_3d_->isVisible()) return;
  const i18n::Language language = app_.texts().language();
  ui::MainWindow& w = app_.window();
  const ui::MapPageView& shown = w.grid().shown();
  ui::Map3DView::Surface surface;
  surface.cells = shown.cells;
  surface.rpm = shown.rpm;
  surface.divisor = shown.show_ms ? 1000 : 1;
  const QString page = w.pages().tabText(shown.page).remove(QLatin1Char('&'));
  surface.title = Q(i18n::Text(T::kMap3D, language)) + QStringLiteral(" – ") + page;
  surface.rpm_axis = Q(i18n::Text(T::kAxisRpm, language));
  surface.tps_axis = Q(i18n::Text(T::kAxisTps, language));
  surface.value_axis = Q(i18n::Text(shown.page == pages::kAdvancePage ? T::kAxisAdvance
                                    : shown.show_ms                   ? T::kAxisMilliseconds
                                                                      : T::kAxisPercent,
                                    language));
  view_3d_->SetSurface(surface);
}

void MapEditCommands::Tick() {
  if (view_3d_ == nullptr || !view_3d_->isVisible()) return;
  const int page = app_.window().grid().shown().page;
  const link::LiveValues& live = app_.session().live_values();
  const pages::LiveCell cell =
      pages::LiveMapCell(app_.editor().image(), page, live.rpm, live.throttle_percent);
  if (cell.engine_running)
    view_3d_->SetLive(std::make_pair(cell.row, cell.column));
  else
    view_3d_->SetLive(std::nullopt);
}

}  // namespace morvek::app
