#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "i18n/own_texts.h"
#include "pages/page_catalog.h"
#include "ui/colours.h"
#include "ui/com_menu.h"
#include "ui/gauge.h"
#include "ui/language_applier.h"
#include "ui/live_display.h"
#include "ui/map_grid.h"
#include "ui/monitor_page.h"
#include "ui/monitor_renderer.h"
#include "ui/page_table.h"
#include "ui/pages/page_builder.h"
#include "ui/tool_bar.h"
#include "ui/widget_factory.h"

namespace morvek::ui {

MainWindow::MainWindow(QWidget* parent, PageBuilding building) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FormHlav"));
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("ClientArea"));
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(6, 2, 6, 2);
  column->setSpacing(4);
  column->addWidget(BuildTopRow());

  // The map pages, the page table and the shared grid; then the other arrays and the Com menu.
  pages_ = new PageTable(central);
  column->addWidget(pages_, 1);
  // Before anyone hears of the change: the page is built first.
  connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::EnsurePage);
  BuildSheets();

  auto* bottom = new QHBoxLayout;
  live_ = new LiveDisplay(central);
  bottom->addWidget(live_, 3);
  bottom->addWidget(BuildSideColumn(), 1);
  column->addLayout(bottom);
  column->addWidget(BuildTestRow());
  // On a small screen, or at a large scale, the client area scrolls rather than squeezing
  // its numbers until digits are cut off.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ClientScroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(central);
  setCentralWidget(scroll);

  BuildMenus();
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->setSizeGripEnabled(true);
  pending_pages_ = MakeLabel(QStringLiteral("LabelPendingPages"), QString(), statusBar());
  pending_pages_->hide();
  statusBar()->addPermanentWidget(pending_pages_);
  ConnectCommands();
  // With every page built, the renderer is made once the pages are; otherwise the frame's own
  // monitor controls are drawn until the first page is built.
  if (building == PageBuilding::kAll)
    BuildAllPages();
  else
    monitor_ = std::make_unique<MonitorRenderer>(*this);
  resize(kDesignWidth, kDesignHeight);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::BuildTopRow() {
  auto* row = new QWidget;
  row->setObjectName(QStringLiteral("TopRow"));
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  tool_bar_ = new ToolBar(row);
  layout->addWidget(tool_bar_);
  layout->addSpacing(16);
  // The connection line: "No Connection", or the controller's version in the same place.
  label_spojeni_ = MakeLabel(QStringLiteral("LabelSpojeni"), QStringLiteral("No Connection"), row);
  QFont bold = label_spojeni_->font();
  bold.setBold(true);
  label_spojeni_->setFont(bold);
  QPalette red = label_spojeni_->palette();
  red.setColor(QPalette::WindowText, QColor(255, 0, 0));
  label_spojeni_->setPalette(red);
  label_spojeni_->hide();
  label_version_ = MakeLabel(QStringLiteral("LabelVersion"), QString(), row);
  label_version_->setMargin(2);
  layout->addWidget(label_spojeni_);
  layout->addWidget(label_version_);
  layout->addStretch(1);
  return row;
}

QWidget* MainWindow::BuildSideColumn() {
  auto* side = new QWidget;
  side->setObjectName(QStringLiteral("SideColumn"));
  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  prog_hned_ = MakeCheckBox(QStringLiteral("CheckBoxProgHned"),
                            QStringLiteral("Programming after change"), side);
  prog_hned_->setEnabled(false);  // comes with the edit path
  ext_monitor_ =
      MakeCheckBox(QStringLiteral("CheckBoxExtMonitor"), QStringLiteral("Extended Monitor"), side);
  label_hlaseni_ = MakeLabel(QStringLiteral("LabelHlaseni"), QString(), side);
  label_hlaseni_->setMargin(2);
  QFont bold = label_hlaseni_->font();
  bold.setBold(true);
  label_hlaseni_->setFont(bold);
  gauge_program_ = new Gauge("CGaugeProgram", link::Colour::kAqua, side);
  gauge_program_->setTextVisible(true);
  gauge_program_->setRange(0, 11);
  gauge_program_->setFixedHeight(18);
  label_hlaseni_->hide();
  gauge_program_->hide();
  layout->addWidget(prog_hned_);
  layout->addWidget(ext_monitor_);
  layout->addSpacing(8);
  layout->addWidget(label_hlaseni_);
  layout->addWidget(gauge_program_);
  layout->addStretch(1);
  return side;
}

QWidget* MainWindow::BuildTestRow() {
  auto* row = new QWidget;
  row->setObjectName(QStringLiteral("TestRow"));
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 8; ++i) {
    tests_[i] = MakeLabel(QStringLiteral("LabelTest%1").arg(i + 1), QString(), row);
    tests_[i]->hide();
    layout->addWidget(tests_[i]);
  }
  layout->addStretch(1);
  return row;
}

void MainWindow::BuildSheets() {
  // The controller's identification on the Bike page.
  QWidget* bike = pages_->sheet(0);
  auto* ident = new QGroupBox(bike);
  ident->setObjectName(QStringLiteral("GroupBoxVerze"));
  auto* ident_layout = new QVBoxLayout(ident);
  for (int i = 0; i < 3; ++i) {
    verze_[i] = MakeLabel(QStringLiteral("LabelVerze%1").arg(i + 1), QString(), ident);
    ident_layout->addWidget(verze_[i]);
  }

  // Made with the window: its state is a setting, loaded before the page may be built.
  QWidget* poloha = pages_->sheet(4);
  all_poloha_a_ =
      MakeCheckBox(QStringLiteral("CheckBoxAll_PolohaA"), QStringLiteral("All"), poloha);
}

void MainWindow::BuildPage(int page) {
  if (pages::IsMapPage(page)) {
    grid_ = pages_->CreateMapGrid();
    grid_->ms_box()->setChecked(milliseconds_);
    for (int map = pages::kAdvancePage; map <= pages::kInj2APage; ++map) pages_->MarkBuilt(map);
    return;
  }
  if (page == PageTable::kMonitorPage) {
    QWidget* monitor = pages_->sheet(page);
    monitor->layout()->addWidget(new MonitorPage(monitor));
  }
  // The designed pages; the Bike and Poloha pages place the controls made with the window.
  BuildEditingPage(page, pages_->sheet(page));
  pages_->MarkBuilt(page);
}

bool MainWindow::page_built(int page) const { return pages_->built(page); }

void MainWindow::EnsurePage(int page) {
  if (page < 0 || page >= PageTable::kCount || page_built(page)) return;
  BuildPage(page);
  const int first = pages::IsMapPage(page) ? pages::kAdvancePage : page;
  const int last = pages::IsMapPage(page) ? pages::kInj2APage : page;
  for (int built = first; built <= last; ++built) {
    // Taken out first: a call may ask for another page, which runs its own waiting list.
    auto waiting = std::exchange(waiting_[static_cast<std::size_t>(built)], {});
    for (auto& [context, wire] : waiting)
      if (context != nullptr) wire();
  }
  if (!building_all_) PagesComplete();
}

void MainWindow::BuildAllPages() {
  bool any = false;
  {
    const QScopedValueRollback<bool> batch(building_all_, true);
    for (int page = 0; page < PageTable::kCount; ++page) {
      any = any || !page_built(page);
      EnsurePage(page);
    }
  }
  // Once for the whole batch.
  if (any) PagesComplete();
}

void MainWindow::PagesComplete() {
  // The monitor's values stand on several pages: its controls are looked up anew.
  monitor_ = std::make_unique<MonitorRenderer>(*this);
  emit pagesBuilt();
}

void MainWindow::OnPageBuilt(int page, QObject* context, std::function<void()> wire) {
  if (page_built(page)) {
    wire();
    return;
  }
  waiting_[static_cast<std::size_t>(page)].emplace_back(context, std::move(wire));
}

MapGrid& MainWindow::grid() {
  EnsurePage(pages::kAdvancePage);
  return *grid_;
}

bool MainWindow::milliseconds() const {
  return grid_ != nullptr ? grid_->ms_box()->isChecked() : milliseconds_;
}

void MainWindow::SetMilliseconds(bool on) {
  milliseconds_ = on;
  if (grid_ != nullptr) grid_->ms_box()->setChecked(on);
}

QAction* MainWindow::AddAction(QMenu* menu, const char* name, const char* caption, QKeySequence key,
                               bool enabled) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromLatin1(name));
  actions_.insert(action->objectName(), action);
  if (!key.isEmpty()) action->setShortcut(key);
  // Commands whose behaviour is not built yet exist, disabled.
  action->setEnabled(enabled);
  return action;
}

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  auto menu = [&](const char* name, const char* caption) {
    QMenu* m = bar->addMenu(QString::fromUtf8(caption));
    m->setObjectName(QString::fromLatin1(name));
    return m;
  };
  QMenu* file = menu("MenuFile", "&File");
  AddAction(file, "MenuNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), false);
  AddAction(file, "MenuNewActPage", "New for actual page",
            QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N), false);
  file->addSeparator();
  AddAction(file, "MenuOpen", "&Open", QKeySequence(Qt::Key_F3), false);
  AddAction(file, "MenuOpenExeDir", "Open from exe dir", QKeySequence(Qt::CTRL | Qt::Key_F3),
            false);
  AddAction(file, "MenuOpenActPage", "Open for actual page", QKeySequence(Qt::SHIFT | Qt::Key_F3),
            false);
  file->addSeparator();
  AddAction(file, "MenuSave", "&Save", QKeySequence(Qt::Key_F2), false);
  AddAction(file, "MenuSaveExeDir", "Save to exe dir", QKeySequence(Qt::CTRL | Qt::Key_F2), false);
  file->addSeparator();
  AddAction(file, "MenuRestorePoints", "Restore points…", QKeySequence(), false);
  file->addSeparator();
  AddAction(file, "MenuPrint", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P), false);
  file->addSeparator();
  AddAction(file, "MenuExit", "E&xit", QKeySequence(), true);

  com_menu_ = new ComMenu(this);
  bar->addMenu(com_menu_);

  QMenu* device = menu("MenuDevice", "&Device");
  AddAction(device, "MenuRead", "&Read", QKeySequence(Qt::Key_F7), true);
  AddAction(device, "MenuVerify", "&Verify", QKeySequence(Qt::Key_F8), true);
  AddAction(device, "MenuProgram", "&Program", QKeySequence(Qt::Key_F9), true);

  QMenu* jet = menu("Menu_Jet123Mode", "Jet 14-23");
  // One coupling mode at a time: the menu marks it like a radio button.
  auto* jet_modes = new QActionGroup(this);
  for (QAction* item : {AddAction(jet, "Menu_Jet123Normal", "Normal", QKeySequence(), false),
                        AddAction(jet, "Menu_Jet123Coupled", "Coupled", QKeySequence(), false),
                        AddAction(jet, "Menu_Jet123Stejny", " 1 = 2", QKeySequence(), false)}) {
    item->setCheckable(true);
    jet_modes->addAction(item);
  }

  QMenu* tools = menu("MenuTools", "Tools");
  AddAction(tools, "MenuToolsMinus", "Minus ", QKeySequence(Qt::Key_F4), false);
  AddAction(tools, "MenuToolsPlus", "Plus", QKeySequence(Qt::Key_F5), false);
  AddAction(tools, "MenuZpet", "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), false);
  AddAction(tools, "MenuZnovu", "Redo", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z), false);
  AddAction(tools, "MenuLadeniOn", "Tunning On-Off", QKeySequence(Qt::Key_F6), false);

  QMenu* language = menu("MenuLanguage", "&Language");
  auto* group = new QActionGroup(this);
  const char* names[i18n::kLanguageCount] = {"MenuEnglish", "MenuGerman", "MenuFrench",
                                             "MenuCzech"};
  const char* captions[i18n::kLanguageCount] = {"&English", "&German", "&Français", "&Czech"};
  for (int i = 0; i < i18n::kLanguageCount; ++i) {
    languages_[i] = AddAction(language, names[i], captions[i], QKeySequence(), true);
    languages_[i]->setCheckable(true);
    group->addAction(languages_[i]);
    connect(languages_[i], &QAction::triggered, this, [this, i] { emit languageChosen(i); });
  }

  QMenu* help = menu("MenuHelp", "&Help");
  AddAction(help, "MenuContens", "&Contens", QKeySequence(Qt::Key_F1), true);
  AddAction(help, "MenuAbout", "&About...", QKeySequence(), false);
}

void MainWindow::ConnectCommands() {
  connect(action("MenuRead"), &QAction::triggered, this, &MainWindow::readRequested);
  connect(action("MenuVerify"), &QAction::triggered, this, &MainWindow::verifyRequested);
  connect(action("MenuProgram"), &QAction::triggered, this, &MainWindow::programRequested);
  connect(tool_bar_->read(), &QPushButton::clicked, this, &MainWindow::readRequested);
  connect(tool_bar_->verify(), &QPushButton::clicked, this, &MainWindow::verifyRequested);
  connect(tool_bar_->program(), &QPushButton::clicked, this, &MainWindow::programRequested);
  connect(action("MenuExit"), &QAction::triggered, this, &MainWindow::close);
  connect(action("MenuContens"), &QAction::triggered, this, &MainWindow::helpRequested);
  connect(com_menu_, &ComMenu::chosen, this, &MainWindow::comChosen);
  connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);
  connect(ext_monitor_, &QCheckBox::toggled, this, &MainWindow::extendedMonitorChanged);
  // The speed buttons whose commands are not built yet.
  for (QToolButton* b : {tool_bar_->open(), tool_bar_->new_button(), tool_bar_->save(),
                         tool_bar_->print(), tool_bar_->undo(), tool_bar_->redo()})
    b->setEnabled(false);
}

QAction* MainWindow::action(std::string_view name) const {
  // Found once: the layout pass asks on every monitor frame, and a search goes through every
  // object of the window.
  const QString key = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  QPointer<QAction>& found = actions_[key];
  if (found == nullptr) found = findChild<QAction*>(key);
  return found;
}

void MainWindow::RenderStatusLine(const link::StatusLineState& state) {
  const QString text = QString::fromStdString(state.text);
  if (label_hlaseni_->text() != text) label_hlaseni_->setText(text);
  SetBackground(*label_hlaseni_, state.colour);
  label_hlaseni_->setVisible(state.label_visible);
  if (gauge_program_->maximum() != state.gauge_max) gauge_program_->setMaximum(state.gauge_max);
  gauge_program_->setValue(std::clamp(state.gauge_value, 0, state.gauge_max));
  gauge_program_->setVisible(state.gauge_visible);
}

void MainWindow::RenderConnection(const link::ConnectionView& connection) {
  label_spojeni_->setVisible(connection.no_connection_visible);
  label_version_->setVisible(connection.version_visible);
  live_->label_com()->setText(QString::fromStdString(connection.label_com));
  if (connection.checked_com_item >= 0) com_menu_->SetChecked(connection.checked_com_item);
}

void MainWindow::RenderMonitor(const link::MonitorView& view) { monitor_->Render(view); }

void MainWindow::RenderIdentification(const link::IdentificationTexts& texts,
                                      files::CodePage code_page) {
  verze_[0]->setText(QString::fromStdString(files::ToUtf8(texts.identification, code_page)));
  verze_[1]->setText(QString::fromStdString(texts.date));
  verze_[2]->setText(QString::fromStdString(texts.time));
}

void MainWindow::ShowMapPage(const MapPageView& view) {
  EnsurePage(view.page);
  pages_->AttachGrid(view.page);
  grid_->Show(view);
  grid_->show();
}

void MainWindow::SetTestLabelsVisible(bool visible) {
  for (QLabel* label : tests_) label->setVisible(visible);
}

void MainWindow::ApplyLanguage(i18n::Language language, const std::string& title) {
  const int index = static_cast<int>(language);
  for (int i = 0; i < i18n::kLanguageCount; ++i) languages_[i]->setChecked(i == index);
  ApplyLanguageTexts(*this, language);
  auto text = [language](i18n::TextId id) {
    const std::string_view t = i18n::Text(id, language);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
  };
  if (grid_ != nullptr)
    grid_->SetAdvanceCaptions(text(i18n::TextId::TxtBaseAdvance),
                              text(i18n::TextId::TxtCylinderCorrection));
  const std::string_view restore = i18n::Text(i18n::OwnText::kMenuRestorePoints, language);
  action("MenuRestorePoints")
      ->setText(QString::fromUtf8(restore.data(), static_cast<qsizetype>(restore.size())));
  setWindowTitle(QString::fromStdString(title));
  // The device buttons take the width of their new captions.
  QLayout* top_row = tool_bar_->parentWidget()->layout();
  tool_bar_->layout()->invalidate();
  top_row->invalidate();
  top_row->activate();
}

void MainWindow::SetLiveValuesStale(bool stale) {
  live_->setEnabled(!stale);
  if (auto* monitor = findChild<QWidget*>(QStringLiteral("MonitorPage")))
    monitor->setEnabled(!stale);
}

void MainWindow::ShowPendingPages(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (pending_pages_->text() != shown) pending_pages_->setText(shown);
  pending_pages_->setVisible(!text.empty());
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (!build_after_paint_) return;
  build_after_paint_ = false;
  // Queued: the frame painted now reaches the screen before the pages are built.
  QTimer::singleShot(0, this, &MainWindow::BuildAllPages);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (close_guard_ && !close_guard_()) {
    event->ignore();
    return;
  }
  emit closing();
  event->accept();
}

}  // namespace morvek::ui
