#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "files/code_page.h"
#include "i18n/text_table.h"
#include "link/identification_page.h"
#include "link/monitor_view.h"
#include "link/session.h"
#include "link/status_line.h"
#include "model/editor.h"
#include "ui/map_page_view.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;

namespace morvek::ui {

class ComMenu;
class Gauge;
class LiveDisplay;
class MapGrid;
class MonitorRenderer;
class PageTable;
class ToolBar;

// TFormHlav: the frame, its menus and shortcuts, the tool bar, the page control, the live
// display, the side column, the test row and the status bar. It renders what the session and
// the editor report and forwards the user's commands as signals; it decides nothing itself.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The designed client area at 96 dpi.
  static constexpr int kDesignWidth = 1039;
  static constexpr int kDesignHeight = 821;

  // Every page built at once, or each page's controls built when it is first needed (the
  // window then shows sooner: most of its controls sit on pages not on screen).
  enum class PageBuilding { kAll, kOnDemand };

  explicit MainWindow(QWidget* parent = nullptr, PageBuilding building = PageBuilding::kAll);
  ~MainWindow() override;

  QAction* action(std::string_view name) const;
  PageTable& pages() const { return *pages_; }
  // The map pages' grid, built first if it is not yet.
  MapGrid& grid();
  bool grid_built() const { return grid_ != nullptr; }
  bool page_built(int page) const;
  // Builds a page's controls if they are not built yet; one of the map pages builds the grid,
  // and with it all three. Those waiting for the page are called, then pagesBuilt is raised.
  void EnsurePage(int page);
  void BuildAllPages();
  // Builds the pages not built yet once the window has painted itself for the first time.
  void BuildRestAfterFirstPaint() { build_after_paint_ = true; }
  // Calls `wire` once the page's controls exist: now, or when the page is built. A destroyed
  // context is not called.
  void OnPageBuilt(int page, QObject* context, std::function<void()> wire);
  // The grid's Ms switch, or the setting it takes when it is built.
  bool milliseconds() const;
  void SetMilliseconds(bool on);
  ComMenu& com_menu() const { return *com_menu_; }
  ToolBar& tool_bar() const { return *tool_bar_; }
  LiveDisplay& live_display() const { return *live_; }
  QCheckBox& prog_hned() const { return *prog_hned_; }
  QCheckBox& ext_monitor() const { return *ext_monitor_; }
  QCheckBox& all_poloha_a() const { return *all_poloha_a_; }
  QLabel& label_hlaseni() const { return *label_hlaseni_; }
  Gauge& gauge_program() const { return *gauge_program_; }

  void RenderStatusLine(const link::StatusLineState& state);
  void RenderConnection(const link::ConnectionView& connection);
  void RenderMonitor(const link::MonitorView& view);
  // The identification in the given code page (the controller sends 8-bit characters).
  void RenderIdentification(const link::IdentificationTexts& texts, files::CodePage code_page);
  // Moves the grid onto the view's page and shows the page's values.
  void ShowMapPage(const MapPageView& view);
  void SetTestLabelsVisible(bool visible);
  // While no controller answers, the live values are drawn disabled: they are the last ones.
  void SetLiveValuesStale(bool stale);
  // The status bar's note of pages changed on screen and not programmed; empty hides it.
  void ShowPendingPages(const std::string& text);
  // Asked before the window closes; false keeps it open.
  void set_close_guard(std::function<bool()> guard) { close_guard_ = std::move(guard); }
  // Captions, hints, the Language menu's tick and the window title.
  void ApplyLanguage(i18n::Language language, const std::string& title);

 signals:
  void readRequested();
  void verifyRequested();
  void programRequested();
  void comChosen(int item);
  void languageChosen(int index);
  void helpRequested();
  void pageChanged(int page);
  void extendedMonitorChanged(bool on);
  void closing();
  // Raised after one or more pages were built: what they show and how they are laid out and
  // captioned is brought up to date by whoever owns that.
  void pagesBuilt();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildMenus();
  QWidget* BuildTopRow();
  QWidget* BuildSideColumn();
  QWidget* BuildTestRow();
  void BuildSheets();
  void BuildPage(int page);
  void PagesComplete();
  QAction* AddAction(QMenu* menu, const char* name, const char* caption, QKeySequence key,
                     bool enabled);
  void ConnectCommands();

  PageTable* pages_ = nullptr;
  MapGrid* grid_ = nullptr;
  ComMenu* com_menu_ = nullptr;
  ToolBar* tool_bar_ = nullptr;
  LiveDisplay* live_ = nullptr;
  QCheckBox* prog_hned_ = nullptr;
  QCheckBox* ext_monitor_ = nullptr;
  QCheckBox* all_poloha_a_ = nullptr;
  QLabel* label_hlaseni_ = nullptr;
  Gauge* gauge_program_ = nullptr;
  QLabel* label_spojeni_ = nullptr;
  QLabel* label_version_ = nullptr;
  std::array<QLabel*, 3> verze_{};
  std::array<QLabel*, 8> tests_{};
  std::array<QAction*, i18n::kLanguageCount> languages_{};
  std::unique_ptr<MonitorRenderer> monitor_;
  QLabel* pending_pages_ = nullptr;
  std::function<bool()> close_guard_;
  std::array<std::vector<std::pair<QPointer<QObject>, std::function<void()>>>, model::kPageCount>
      waiting_;
  bool milliseconds_ = false;
  bool build_after_paint_ = false;
  bool building_all_ = false;
  mutable QHash<QString, QPointer<QAction>> actions_;
};

}  // namespace morvek::ui
