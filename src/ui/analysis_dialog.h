#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "model/map_geometry.h"

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace morvek::ui {

// The texts of the analysis window in the current language.
struct AnalysisDialogTexts {
  std::string title, logs, add_logs, remove_log, map, target, delay, min_hits, max_change, run,
      proposal, coverage, apply, cancel, rejected, lock_hint;
};

// What the user chose for the analysis.
struct AnalysisChoice {
  int map = 0;  // 0 JET_1A, 1 JET_2A
  double target_af = 14.5;
  int delay_ms = 300;
  int min_hits = 10;
  int max_change_pct = 10;
};

// One map cell as the window shows it.
struct AnalysisCellView {
  std::string text;
  std::string tool_tip;
  int red = 255, green = 255, blue = 255;
  bool locked = false;
};

// Tools "Analyze logs...": the logs to analyse, the choices, the proposal over the map's
// cells (or where the logs have data) and the readings left out. It shows what it is given
// and reports the user's wishes; the program decides everything else.
class AnalysisDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AnalysisDialog(QWidget* parent);

  void SetTexts(const AnalysisDialogTexts& texts);
  // The logs offered: their names and whether each is ticked.
  void SetLogs(const std::vector<std::string>& names, const std::vector<bool>& ticked);
  std::vector<bool> TickedLogs() const;
  void SetChoice(const AnalysisChoice& choice, bool map_choosable);
  AnalysisChoice Choice() const;
  bool coverage_view() const;
  // The axes' captions and the cells, element 15 * row + column.
  void ShowCells(const std::array<std::string, model::kMapColumns>& rpm,
                 const std::array<std::string, model::kMapRows>& tps,
                 const std::vector<AnalysisCellView>& cells);
  void SetSummary(const std::string& summary, const std::string& rejections);
  void SetApplyEnabled(bool enabled);

  QTableWidget& cells() const { return *cells_; }

 signals:
  void addLogsClicked();
  void removeLogClicked(int row);
  void runClicked();
  void cellClicked(int element);
  void viewChanged();
  void applyClicked();

 private:
  QListWidget* logs_;
  QPushButton* add_logs_;
  QPushButton* remove_log_;
  QLabel* logs_caption_;
  QLabel* map_caption_;
  QComboBox* map_;
  QLabel* target_caption_;
  QDoubleSpinBox* target_;
  QLabel* delay_caption_;
  QSpinBox* delay_;
  QLabel* min_hits_caption_;
  QSpinBox* min_hits_;
  QLabel* max_change_caption_;
  QSpinBox* max_change_;
  QPushButton* run_;
  QRadioButton* proposal_;
  QRadioButton* coverage_;
  QTableWidget* cells_;
  QLabel* hint_;
  QLabel* summary_;
  QLabel* rejected_caption_;
  QLabel* rejections_;
  QPushButton* apply_;
  QPushButton* cancel_;
};

}  // namespace morvek::ui
