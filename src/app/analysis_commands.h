#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "analysis/analysis_log.h"
#include "analysis/analysis_options.h"
#include "analysis/map_proposal.h"

class QAction;

namespace morvek::ui {
class AnalysisDialog;
}

namespace morvek::app {

class Application;
class PageController;

// Tools "Analyze logs...": data logs turned into a proposal for one injection map of the
// tune on screen, shown over the map's cells; Apply writes it as one edit, Cancel leaves the
// tune as it is.
class AnalysisCommands : public QObject {
  Q_OBJECT

 public:
  AnalysisCommands(Application& app, PageController& page);
  ~AnalysisCommands() override;

  // Opens the window; the logs this run recorded are offered first.
  void Open();
  // Adds a log to the list (ticked); a log already listed is ticked again.
  void AddLog(const std::string& path);
  // Analyses the ticked logs with the window's choices; false (the user told why) when no
  // log is ticked or one cannot be analysed.
  bool Run();
  void ToggleLock(int element);
  // Writes the proposal into the tune as one edit and closes the window.
  void Apply();
  void ApplyLanguage();

  // Made on first use: until then the window holds no widgets of it.
  ui::AnalysisDialog& dialog();
  const analysis::MapProposal* proposal() const { return has_proposal_ ? &proposal_ : nullptr; }

 private:
  void ApplyTexts();
  void AddLogsFromDialog();
  void RemoveLog(int row);
  void ShowLogs();
  void ShowProposal();
  analysis::AnalysisOptions Options() const;

  Application& app_;
  PageController& page_;
  ui::AnalysisDialog* dialog_;
  QAction* action_;
  std::vector<std::string> paths_;
  std::vector<bool> ticked_;
  std::vector<analysis::AnalysisLog> logs_;
  analysis::CellFlags locked_{};
  analysis::AnalysisOptions options_;  // of the analysis shown
  analysis::MapProposal proposal_;
  bool has_proposal_ = false;
};

}  // namespace morvek::app
