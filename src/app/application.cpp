#include "app/application.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QUrl>

#include "app/analysis_commands.h"
#include "app/compare_commands.h"
#include "app/edit_commands.h"
#include "app/file_commands.h"
#include "app/layout_hub_runner.h"
#include "app/log_commands.h"
#include "app/map_edit_commands.h"
#include "app/page_controller.h"
#include "app/print_command.h"
#include "app/restore_commands.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "app/termination_signals.h"
#include "app/tool_commands.h"
#include "app/tuning_commands.h"
#include "i18n/own_texts.h"
#include "link/link_texts.h"
#include "link/monitor_view.h"
#include "model/field_table.h"
#include "pages/pending_pages.h"
#include "ui/com_menu.h"
#include "ui/layout_applier.h"
#include "ui/live_display.h"
#include "ui/map_grid.h"
#include "ui/map_page_view.h"
#include "ui/page_table.h"

namespace morvek::app {
namespace {

constexpr int kFailureMessageMs = 15000;

}  // namespace

Application::Application(ApplicationOptions options)
    : options_(std::move(options)),
      paths_{options_.config_directory},
      window_(std::make_unique<ui::MainWindow>(nullptr, ui::MainWindow::PageBuilding::kOnDemand)),
      owner_(SessionOwnerAdapter::Hooks{
          [this] { CollectActivePage(); },
          [this] { RunLimitsPass(); },
          [this] { RefreshActivePage(); },
          [this] { OnPagesArrived(); },
          [this] { SetCurrentFileName({}); },
          [this] {
            if (log_) log_->FrameDecoded();
          },
          [this](link::ImageSource source) {
            if (edit_) edit_->ControllerConfirmed(source);
            if (restore_) restore_->ImageConfirmed(source);
          },
          [this](const model::ParameterImage& controller, const std::vector<int>& pages) {
            // Without the tune the controller held, a wrong program cannot be taken back: the
            // user is asked whether to go on without it.
            if (!restore_) return link::BackupDecision::kGoOn;
            backup_failure_ = restore_->KeepControllerImage(controller, pages);
            return backup_failure_.empty() ? link::BackupDecision::kGoOn
                                           : link::BackupDecision::kAsk;
          },
          [this](int page) {
            if (edit_) edit_->ControllerPageArrived(page);
          },
          [this](const std::vector<int>& pages) {
            if (edit_) edit_->PagesKept(pages);
          },
      }) {
  session_ = std::make_unique<link::Session>(*options_.transport, editor_.image(),
                                             editor_.program_flags(), owner_);
  page_ = std::make_unique<PageController>(*this);
  edit_ = std::make_unique<EditCommands>(*this, *page_);
  tuning_ = std::make_unique<TuningCommands>(*this, *page_);
  tools_ = std::make_unique<ToolCommands>(*this, *page_);
  files_ = std::make_unique<FileCommands>(*this, *page_);
  print_ = std::make_unique<PrintCommand>(*this);
  restore_ = std::make_unique<RestoreCommands>(*this, *page_);
  compare_ = std::make_unique<CompareCommands>(*this, *page_);
  highlight_ = std::make_unique<ui::HighlightPainter>(*window_);
  log_ = std::make_unique<LogCommands>(*this);
  analysis_ = std::make_unique<AnalysisCommands>(*this, *page_);
  map_edit_ = std::make_unique<MapEditCommands>(*this, *page_);
  // Everyone waiting for a page is listening by now.
  if (options_.build_pages_after_show)
    window_->BuildRestAfterFirstPaint();
  else
    window_->BuildAllPages();
  connect(window_.get(), &ui::MainWindow::pagesBuilt, this, &Application::PagesBuilt);
  ConnectWindow();
  // Changes not programmed are kept in the state file; the user is asked once whether to go.
  window_->set_close_guard([this] {
    if (shut_down_ || close_without_asking_ || !HasPendingPages()) return true;
    // A read-only window keeps nothing for the next start, and says so; while the controller's
    // contents are not known, that is what the question says.
    const i18n::OwnText question = !saves_settings() ? i18n::OwnText::kClosePendingReadOnly
                                   : editor_.controller().AllKnown()
                                       ? i18n::OwnText::kClosePendingQuestion
                                       : i18n::OwnText::kCloseNotVerifiedQuestion;
    return options_.prompts->Confirm(std::string(i18n::Text(question, texts_.language()))) ==
           ui::Answer::kYes;
  });
  // The tick runs from the moment the window exists.
  timer_.setInterval(kTickMs);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &Application::Tick);
  if (options_.run_timer) timer_.start();
}

Application::~Application() {
  timer_.stop();
  if (!shut_down_) FormClose(*this);
}

void Application::ConnectWindow() {
  ui::MainWindow& w = *window_;
  connect(&w, &ui::MainWindow::readRequested, this, &Application::Read);
  connect(&w, &ui::MainWindow::verifyRequested, this, &Application::Verify);
  connect(&w, &ui::MainWindow::programRequested, this, &Application::Program);
  connect(&w, &ui::MainWindow::comChosen, this, &Application::ChoosePort);
  connect(&w, &ui::MainWindow::languageChosen, this, &Application::ChooseLanguage);
  connect(&w, &ui::MainWindow::helpRequested, this, &Application::OpenHelp);
  QAction* about = w.action("MenuAbout");
  about->setEnabled(true);
  connect(about, &QAction::triggered, this, &Application::ShowAbout);
  connect(&w, &ui::MainWindow::pageChanged, this, &Application::PageControl1Change);
  connect(&w, &ui::MainWindow::extendedMonitorChanged, this,
          [this](bool on) { session_->SetExtendedMonitor(on); });
  connect(&w, &ui::MainWindow::closing, this, [this] {
    timer_.stop();
    if (!shut_down_) FormClose(*this);
  });
  for (int k = 0; k < ui::ComMenu::kItemCount; ++k) {
    std::string device = k < static_cast<int>(options_.com_devices.size())
                             ? options_.com_devices[static_cast<std::size_t>(k)]
                             : std::string();
    if (device.empty()) device = options_.transport->DeviceName(k);
    w.com_menu().SetDevice(k, device);
  }
}

bool Application::HasPendingPages() const {
  return !pages::PendingPagesText(editor_, texts_.language()).empty();
}

void Application::CloseWithoutAsking() {
  close_without_asking_ = true;
  window_->close();
}

void Application::Start() {
  {
    const QScopedValueRollback<bool> starting(starting_, true);
    FormCreate(*this);
  }
  // A file named on the command line, after the optional language word, is opened as desktop
  // programs open the document they are started on.
  const auto& args = options_.arguments;
  std::size_t first = 0;
  if (!args.empty() && i18n::LanguageFromCommandWord(args.front())) first = 1;
  if (first < args.size()) files_->OpenPath(args[first], false);
}

void Application::set_debug_display(bool on) {
  debug_display_ = on;
  session_->SetDebugDisplay(on);
  link::MonitorView& view = session_->monitor_view();
  for (int i = 0; i < 8; ++i)
    view.label(
            static_cast<link::MonitorLabel>(static_cast<int>(link::MonitorLabel::kLabelTest1) + i))
        .visible = on;
  window_->SetTestLabelsVisible(on);
}

void Application::Tick() {
  // A termination signal may end the run inside a message box, whose loop still delivers
  // the timer once.
  if (shut_down_) return;
  // A replay hands its rows in where received frames come in.
  log_->FeedReplay();
  session_->Tick();
  edit_->AfterLinkTick();
  tuning_->PollOutputTests();
  compare_->Poll();
  // The live operating point on the page on screen, from the values this tick decoded.
  highlight_->Update(editor_.image(), editor_.active_page(), session_->live_values(),
                     window_->milliseconds());
  map_edit_->Tick();
  Render();
}

void Application::ApplyLanguage() {
  const i18n::Language language = texts_.language();
  session_->SetLanguage(language);
  window_->ApplyLanguage(language, texts_.WindowTitle());
  log_->ApplyLanguage(language);
  compare_->ApplyLanguage();
  if (auto* read_only = window_->findChild<QLabel*>(QStringLiteral("LabelReadOnly")))
    read_only->setText(QString::fromUtf8(i18n::Text(i18n::OwnText::kReadOnly, language)));
  if (analysis_) analysis_->ApplyLanguage();
  map_edit_->ApplyLanguage();
  // While no controller answers the monitor labels show their "---" placeholders in the new
  // language; a connected controller rewrites them with its next frame.
  if (session_->connection().no_connection_visible || session_->monitor_view().revision() == 0) {
    link::WritePlaceholders(session_->monitor_view(), language);
    window_->RenderMonitor(session_->monitor_view());
  }
  ShowImageDependentMonitorLabels();
}

void Application::ShowImageDependentMonitorLabels() {
  // Until a controller reports, the nitrous label follows the nitrous switch of the image, as
  // every monitor frame would have it.
  if (!session_->connection().no_connection_visible && session_->monitor_view().revision() != 0)
    return;
  link::LabelView& n2o = session_->monitor_view().label(link::MonitorLabel::kLabelN2oOn);
  const bool enabled = model::Stored(editor_.image(), model::FieldId::kN2oEnable) != 0;
  if (n2o.visible == enabled) return;
  n2o.visible = enabled;
  window_->RenderMonitor(session_->monitor_view());
}

void Application::PagesBuilt() {
  ui::LayoutApplier::Of(*window_).ForgetAbsent();
  // The start-up captions, lays out and renders the window once it has loaded everything.
  if (starting_) return;
  ApplyLanguage();
  RunLayoutHub(*this);
  // The next render draws the monitor anew, stale or live, into the controls just built; not
  // here, as a page may be built in the middle of showing another.
  rendered_monitor_revision_ = -1;
}

void Application::RefreshActivePage() { page_->Refresh(); }

void Application::CollectActivePage() { page_->Collect(); }

void Application::PageControl1Change(int page) {
  if (page < 0 || page >= model::kPageCount) return;
  // The grid is hidden while it is rebound, so it never paints half-bound.
  const bool grid = window_->grid_built();
  if (grid) window_->grid().hide();
  editor_.set_active_page(page);
  RefreshActivePage();
  if (grid || window_->grid_built()) window_->grid().show();
}

void Application::SetCurrentFileName(std::string name) {
  texts_.SetCurrentFileName(std::move(name));
  window_->setWindowTitle(QString::fromStdString(texts_.WindowTitle()));
}

void Application::RunLimitsPass(int* language_index, int* com_port_index, int* com_auto_index) {
  model::LimitedSettings settings{static_cast<int>(texts_.language()), session_->com_port_index(),
                                  session_->com_auto_index()};
  if (language_index) settings.language_index = *language_index;
  if (com_port_index) settings.com_port_index = *com_port_index;
  if (com_auto_index) settings.com_auto_index = *com_auto_index;
  editor_.ApplyLimits(&settings);
  if (language_index) *language_index = settings.language_index;
  if (com_port_index) *com_port_index = settings.com_port_index;
  if (com_auto_index) *com_auto_index = settings.com_auto_index;
}

void Application::Render() {
  window_->RenderStatusLine(session_->status_line());
  const link::MonitorView& view = session_->monitor_view();
  // A replay shows recorded values as live ones, with or without a controller.
  const bool stale = session_->connection().no_connection_visible && !session_->replaying();
  if (view.revision() != rendered_monitor_revision_ || stale != rendered_stale_) {
    rendered_monitor_revision_ = view.revision();
    rendered_stale_ = stale;
    window_->RenderMonitor(stale ? link::StaleView(view) : view);
    window_->SetLiveValuesStale(stale);
    RunLayoutHub(*this);
  }
  window_->RenderConnection(session_->connection());
  window_->ShowPendingPages(pages::PendingPagesText(editor_, texts_.language()));
  ShowPendingMessages();
  AskAboutProgram();
}

void Application::AskAboutProgram() {
  const link::TransactionFailure& failure = session_->failure();
  if (failure.reason != shown_failure_.reason || failure.page != shown_failure_.page) {
    shown_failure_ = failure;
    // The line says "Program error!"; why, the status bar says beside it.
    if (failure.reason != link::FailureReason::kNone &&
        failure.reason != link::FailureReason::kStrayWrite)
      window_->statusBar()->showMessage(
          QString::fromStdString(link::FailureText(failure, texts_.language())), kFailureMessageMs);
  }
  if (!session_->backup_question_pending() || asking_about_backup_) return;
  // The tick goes on under the question; the program waits for the answer.
  asking_about_backup_ = true;
  std::string text(i18n::Text(i18n::OwnText::kBackupQuestion, texts_.language()));
  if (const auto at = text.find("%R"); at != std::string::npos)
    text.replace(at, 2, backup_failure_);
  const bool go_on = options_.prompts->Confirm(text) == ui::Answer::kYes;
  session_->AnswerBackupQuestion(go_on);
  asking_about_backup_ = false;
  window_->RenderStatusLine(session_->status_line());
}

void Application::ShowPendingMessages() {
  for (std::string& text : session_->TakeMessageBoxes())
    pending_messages_.push_back(std::move(text));
  // The tick keeps running under a modal box; boxes raised meanwhile wait their turn here.
  if (showing_message_) return;
  showing_message_ = true;
  while (!pending_messages_.empty()) {
    const std::string text = std::move(pending_messages_.front());
    pending_messages_.pop_front();
    options_.prompts->Message(text);
  }
  showing_message_ = false;
}

void Application::OnPagesArrived() {
  // The percent views follow the times the controller sent before anything writes them back.
  editor_.ImageChanged();
}

void Application::Read() {
  session_->Read();
  Render();
}

void Application::Verify() {
  // The session collects the page, runs the limits pass and refreshes before it starts.
  session_->Verify();
  Render();
}

void Application::Program() {
  session_->Program();
  Render();
}

void Application::ChoosePort(int item) {
  session_->ChoosePort(item);
  Render();
}

void Application::ChooseLanguage(int index) {
  const auto language = i18n::LanguageFromIndex(index);
  if (!language) return;
  texts_.SetLanguage(*language);
  ApplyLanguage();
  RefreshActivePage();
  Render();  // the status bar's texts too, without waiting for the next tick
}

void Application::OpenHelp() {
  const std::string name(i18n::Text(i18n::TextId::HelpFileName, texts_.language()));
  const std::filesystem::path path = options_.program_directory / name;
  std::error_code error;
  // A missing manual is reported here: the system's viewer would open with an error of its own
  // or not at all.
  if (!std::filesystem::is_regular_file(path, error)) {
    options_.prompts->Message(
        std::string(i18n::Text(i18n::TextId::MsgHelpOpenError, texts_.language())));
    return;
  }
  const bool opened =
      options_.open_document
          ? options_.open_document(path)
          : QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path.string())));
  // The manual is there; what failed is showing it.
  if (!opened)
    options_.prompts->Message(
        std::string(i18n::Text(i18n::OwnText::kHelpNoViewer, texts_.language())) + path.string());
}

ui::AboutWindow& Application::about() {
  // Made when first opened: it is not needed for the window's first show.
  if (!about_) {
    about_ = std::make_unique<ui::AboutWindow>(__DATE__, __TIME__, window_.get());
    about_->SetManualFolder(options_.program_directory.string());
  }
  return *about_;
}

void Application::ShowAbout() {
  about().ApplyLanguage(texts_.language());
  // Modal to the window without a nested event loop: the tick keeps running under it.
  about_->open();
}

files::Settings Application::CurrentSettings() {
  ui::MainWindow& w = *window_;
  files::Settings s;
  // Position of the frame, size of the window, as restored by move() and resize().
  s.left = w.x();
  s.top = w.y();
  s.height = w.height();
  s.width = w.width();
  s.com_port_index =
      static_cast<std::uint8_t>(saved_com_port_index_.value_or(session_->com_port_index()));
  s.com_auto_index = static_cast<std::uint8_t>(session_->com_auto_index());
  s.language_index = static_cast<std::uint8_t>(texts_.language());
  s.file = texts_.CurrentFileName();
  s.ini_dir = last_file_path_;
  s.active_page = w.pages().currentIndex();
  s.zobr_ms = w.milliseconds();
  s.ext_monitor = w.ext_monitor().isChecked();
  s.all_poloha_a = w.all_poloha_a().isChecked();
  s.heat_colours = map_edit_->heat_colours();
  return s;
}

}  // namespace morvek::app
