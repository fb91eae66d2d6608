#pragma once

#include <QObject>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/config_lock.h"
#include "app/session_owner_adapter.h"
#include "files/config_paths.h"
#include "files/ini_file.h"
#include "files/settings.h"
#include "i18n/text_table.h"
#include "link/session.h"
#include "link/transport.h"
#include "model/editor.h"
#include "ui/about_window.h"
#include "ui/highlight_painter.h"
#include "ui/main_window.h"
#include "ui/prompts.h"

namespace morvek::app {

class AnalysisCommands;
class CompareCommands;
class EditCommands;
class FileCommands;
class LogCommands;
class MapEditCommands;
class PageController;
class PrintCommand;
class RestoreCommands;
class ToolCommands;
class TuningCommands;

struct ApplicationOptions {
  link::Transport* transport = nullptr;
  ui::Prompts* prompts = nullptr;
  std::filesystem::path config_directory;
  // The program's arguments after its name; the first may be a language word.
  std::vector<std::string> arguments;
  // Where the help manuals live (the program's directory, or its shared folder when installed).
  std::filesystem::path program_directory;
  // Where data.ign lives; empty: the program's directory.
  std::filesystem::path data_directory;
  // Device paths of the Com menu items (hints); empty entries are unknown.
  std::vector<std::string> com_devices;
  // A port chosen for this run whatever the settings say (the demo's COM1).
  std::optional<int> com_port_override;
  // Tests drive Tick() themselves.
  bool run_timer = true;
  // The pages not on screen are built after the window's first paint, so that it shows
  // sooner; false builds every page with the window (tests look at any page at once).
  bool build_pages_after_show = false;
  // Shows a document in the system's viewer (the help manual); false when that failed. The
  // system's handler for the file type when empty.
  std::function<bool(const std::filesystem::path&)> open_document;
};

// The program for its whole run: the editor, the session, the main window and the 55 ms tick.
// Start-up and shutdown (startup.cpp, shutdown.cpp) run over its parts in their fixed order.
class Application : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 55;

  explicit Application(ApplicationOptions options);
  ~Application() override;

  // FormCreate: the start-up sequence; the window is not shown yet.
  void Start();
  // Timer1Timer: one tick of the session, then the window shows what it reports.
  void Tick();

  ui::MainWindow& window() { return *window_; }
  ui::HighlightPainter& highlight() { return *highlight_; }
  link::Session& session() { return *session_; }
  model::Editor& editor() { return editor_; }
  i18n::TextTable& texts() { return texts_; }
  const files::ConfigPaths& paths() const { return paths_; }
  files::IniFile& ini() { return ini_; }
  ui::Prompts& prompts() { return *options_.prompts; }
  const ApplicationOptions& options() const { return options_; }

  std::string& last_file_path() { return last_file_path_; }
  std::filesystem::path& exe_dir_file_path() { return exe_dir_file_path_; }
  bool debug_display() const { return debug_display_; }
  void set_debug_display(bool on);
  // Closes the window without the question for unprogrammed pages (nobody is there to answer).
  void CloseWithoutAsking();
  bool shut_down() const { return shut_down_; }
  void set_shut_down() { shut_down_ = true; }
  // Whether this window owns its configuration folder and so saves into it.
  ConfigLock& config_lock() { return config_lock_; }
  bool saves_settings() const { return config_lock_.owned(); }

  // The routines the start-up, the commands and the session share.
  void ApplyLanguage();
  // Monitor labels whose visibility the image decides while no frame says otherwise.
  void ShowImageDependentMonitorLabels();
  void RefreshActivePage();
  // The page on screen into the image (before a transfer and at shutdown).
  void CollectActivePage();
  void PageControl1Change(int page);
  // CurrentFileName and the window title that shows it.
  void SetCurrentFileName(std::string name);
  PageController& page_controller() { return *page_; }
  EditCommands& edit_commands() { return *edit_; }
  FileCommands& file_commands() { return *files_; }
  PrintCommand& print_command() { return *print_; }
  RestoreCommands& restore_commands() { return *restore_; }
  LogCommands& log_commands() { return *log_; }
  CompareCommands& compare_commands() { return *compare_; }
  AnalysisCommands& analysis_commands() { return *analysis_; }
  MapEditCommands& map_edit_commands() { return *map_edit_; }
  // The limits pass over the image and the settings it bounds (language, ports).
  void RunLimitsPass(int* language_index = nullptr, int* com_port_index = nullptr,
                     int* com_auto_index = nullptr);
  // Shows what the session reports: status line, connection, monitor, message boxes.
  void Render();
  // The settings as the window and the session hold them now, as the settings file keeps them.
  files::Settings CurrentSettings();
  // The port the settings file named when the run uses another one (the demo's COM1); that
  // port, not the run's, is saved again.
  void set_saved_com_port_index(int index) { saved_com_port_index_ = index; }

  // Commands.
  void Read();
  void Verify();
  void Program();
  void ChoosePort(int item);
  void ChooseLanguage(int index);
  void OpenHelp();
  // MenuAboutClick: the About window, modal, in the current language.
  void ShowAbout();
  // The About window, made on first use.
  ui::AboutWindow& about();

 private:
  // Pages built after the start are captioned, laid out and rendered like the others.
  void PagesBuilt();
  bool starting_ = false;
  void ConnectWindow();
  // Device pages changed on screen and not programmed yet.
  bool HasPendingPages() const;
  void ShowPendingMessages();
  // A program waiting for the user (its backup could not be kept) and why a program failed.
  void AskAboutProgram();
  void OnPagesArrived();

  ApplicationOptions options_;
  files::ConfigPaths paths_;
  files::IniFile ini_;
  model::Editor editor_;
  i18n::TextTable texts_;
  std::string last_file_path_;
  std::filesystem::path exe_dir_file_path_;
  bool debug_display_ = false;
  bool shut_down_ = false;
  bool close_without_asking_ = false;
  std::unique_ptr<ui::MainWindow> window_;
  SessionOwnerAdapter owner_;
  std::unique_ptr<link::Session> session_;
  std::unique_ptr<PageController> page_;
  std::unique_ptr<EditCommands> edit_;
  std::unique_ptr<TuningCommands> tuning_;
  std::unique_ptr<ToolCommands> tools_;
  std::unique_ptr<FileCommands> files_;
  std::unique_ptr<ui::AboutWindow> about_;
  std::unique_ptr<PrintCommand> print_;
  std::unique_ptr<RestoreCommands> restore_;
  std::unique_ptr<CompareCommands> compare_;
  std::unique_ptr<ui::HighlightPainter> highlight_;
  std::unique_ptr<LogCommands> log_;
  std::unique_ptr<AnalysisCommands> analysis_;
  std::unique_ptr<MapEditCommands> map_edit_;
  QTimer timer_;
  int rendered_monitor_revision_ = -1;
  bool rendered_stale_ = false;
  std::deque<std::string> pending_messages_;
  bool showing_message_ = false;
  bool asking_about_backup_ = false;
  std::string backup_failure_;
  link::TransactionFailure shown_failure_;
  std::optional<int> saved_com_port_index_;
  ConfigLock config_lock_;
};

}  // namespace morvek::app
