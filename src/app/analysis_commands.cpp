#include "app/analysis_commands.h"

#include <QAction>
#include <QMenu>
#include <algorithm>
#include <filesystem>

#include "analysis/proposal_apply.h"
#include "analysis/proposal_view.h"
#include "app/application.h"
#include "app/log_commands.h"
#include "app/page_controller.h"
#include "i18n/analysis_texts.h"
#include "i18n/own_texts.h"
#include "model/field_table.h"
#include "pages/injection_maps.h"
#include "ui/analysis_dialog.h"
#include "ui/main_window.h"

namespace morvek::app {
namespace {

using i18n::AnalysisText;
using model::FieldId;

}  // namespace

AnalysisCommands::AnalysisCommands(Application& app, PageController& page)
    : app_(app), page_(page), dialog_(nullptr) {
  QMenu* tools = app_.window().findChild<QMenu*>(QStringLiteral("MenuTools"));
  action_ = new QAction(tools);
  action_->setObjectName(QStringLiteral("MenuAnalyzeLogs"));
  tools->addAction(action_);
  connect(action_, &QAction::triggered, this, &AnalysisCommands::Open);
  ApplyLanguage();
}

ui::AnalysisDialog& AnalysisCommands::dialog() {
  if (dialog_ != nullptr) return *dialog_;
  dialog_ = new ui::AnalysisDialog(&app_.window());
  connect(dialog_, &ui::AnalysisDialog::addLogsClicked, this, &AnalysisCommands::AddLogsFromDialog);
  connect(dialog_, &ui::AnalysisDialog::removeLogClicked, this, &AnalysisCommands::RemoveLog);
  connect(dialog_, &ui::AnalysisDialog::runClicked, this, [this] { Run(); });
  connect(dialog_, &ui::AnalysisDialog::cellClicked, this, &AnalysisCommands::ToggleLock);
  connect(dialog_, &ui::AnalysisDialog::viewChanged, this, &AnalysisCommands::ShowProposal);
  connect(dialog_, &ui::AnalysisDialog::applyClicked, this, &AnalysisCommands::Apply);
  ApplyTexts();
  return *dialog_;
}

AnalysisCommands::~AnalysisCommands() = default;

void AnalysisCommands::ApplyLanguage() {
  const i18n::Language l = app_.texts().language();
  auto t = [l](AnalysisText id) { return std::string(i18n::Text(id, l)); };
  action_->setText(QString::fromStdString(t(AnalysisText::kMenuAnalyzeLogs)));
  if (dialog_ == nullptr) return;
  ApplyTexts();
  if (dialog_->isVisible()) {
    ShowLogs();
    ShowProposal();
  }
}

void AnalysisCommands::ApplyTexts() {
  const i18n::Language l = app_.texts().language();
  auto t = [l](AnalysisText id) { return std::string(i18n::Text(id, l)); };
  dialog_->SetTexts({t(AnalysisText::kTitle), t(AnalysisText::kLogs), t(AnalysisText::kAddLogs),
                     t(AnalysisText::kRemoveLog), t(AnalysisText::kMap), t(AnalysisText::kTarget),
                     t(AnalysisText::kDelay), t(AnalysisText::kMinHits),
                     t(AnalysisText::kMaxChange), t(AnalysisText::kRun), t(AnalysisText::kProposal),
                     t(AnalysisText::kCoverage), t(AnalysisText::kApply), t(AnalysisText::kCancel),
                     t(AnalysisText::kRejected), t(AnalysisText::kLockHint)});
}

void AnalysisCommands::Open() {
  page_.SyncCheckBoxes();
  page_.Collect();
  // The logs of this run first, newest on top.
  const std::vector<std::string>& run = app_.log_commands().run_logs();
  for (auto it = run.rbegin(); it != run.rend(); ++it) {
    if (std::find(paths_.begin(), paths_.end(), *it) != paths_.end()) continue;
    paths_.insert(paths_.begin(), *it);
    ticked_.insert(ticked_.begin(), true);
  }
  const model::ParameterImage& image = app_.editor().image();
  analysis::AnalysisOptions defaults;
  ui::AnalysisChoice choice = dialog().isVisible() ? dialog().Choice() : ui::AnalysisChoice{};
  if (!dialog().isVisible()) {
    choice.map = analysis::ResolveMap(image, defaults) == model::InjectionMap::k2A ? 1 : 0;
    choice.target_af = analysis::ResolveTargetAf(image, defaults);
    choice.delay_ms = defaults.delay_ms;
    choice.min_hits = static_cast<int>(defaults.min_hits);
    choice.max_change_pct = static_cast<int>(defaults.max_change_pct);
  }
  const bool separate = model::Stored(image, FieldId::kJet1MiscMode) == pages::kJetModeSeparate;
  dialog().SetChoice(choice, separate);
  has_proposal_ = false;
  ShowLogs();
  ShowProposal();
  dialog().show();
  dialog().raise();
  dialog().activateWindow();
}

void AnalysisCommands::AddLog(const std::string& path) {
  const auto at = std::find(paths_.begin(), paths_.end(), path);
  if (at != paths_.end()) {
    ticked_[static_cast<std::size_t>(at - paths_.begin())] = true;
  } else {
    paths_.push_back(path);
    ticked_.push_back(true);
  }
  ShowLogs();
}

void AnalysisCommands::AddLogsFromDialog() {
  ticked_ = dialog().TickedLogs();
  const auto path = app_.prompts().LogFileName(
      paths_.empty() ? std::string() : paths_.back(),
      std::string(i18n::Text(i18n::OwnText::kLogFilter, app_.texts().language())), false);
  if (path) AddLog(*path);
}

void AnalysisCommands::RemoveLog(int row) {
  ticked_ = dialog().TickedLogs();
  if (row < 0 || row >= static_cast<int>(paths_.size())) return;
  paths_.erase(paths_.begin() + row);
  ticked_.erase(ticked_.begin() + row);
  ShowLogs();
}

void AnalysisCommands::ShowLogs() {
  const std::vector<std::string>& run = app_.log_commands().run_logs();
  const std::string mark(i18n::Text(AnalysisText::kThisRun, app_.texts().language()));
  std::vector<std::string> names;
  for (const std::string& p : paths_) {
    std::string name = std::filesystem::path(p).filename().string();
    if (std::find(run.begin(), run.end(), p) != run.end()) name += mark;
    names.push_back(name);
  }
  dialog().SetLogs(names, ticked_);
}

analysis::AnalysisOptions AnalysisCommands::Options() const {
  const ui::AnalysisChoice c = dialog_ != nullptr ? dialog_->Choice() : ui::AnalysisChoice{};
  analysis::AnalysisOptions o;
  o.map = c.map == 1 ? model::InjectionMap::k2A : model::InjectionMap::k1A;
  o.target_af = c.target_af;
  o.delay_ms = c.delay_ms;
  o.min_hits = c.min_hits;
  o.max_change_pct = c.max_change_pct;
  o.locked = locked_;
  return o;
}

bool AnalysisCommands::Run() {
  const i18n::Language l = app_.texts().language();
  ticked_ = dialog().TickedLogs();
  logs_.clear();
  for (std::size_t i = 0; i < paths_.size(); ++i) {
    if (!ticked_[i]) continue;
    analysis::AnalysisLog log = analysis::LoadAnalysisLog(paths_[i]);
    if (!log.error.empty()) {
      logs_.clear();
      app_.prompts().Message(std::string(i18n::Text(AnalysisText::kLogRefused, l)) + paths_[i] +
                             "\n" + log.error);
      return false;
    }
    logs_.push_back(std::move(log));
  }
  if (logs_.empty()) {
    app_.prompts().Message(std::string(i18n::Text(AnalysisText::kNoLogs, l)));
    return false;
  }
  page_.SyncCheckBoxes();
  page_.Collect();
  options_ = Options();
  proposal_ = analysis::ProposeMap(logs_, app_.editor().image(), options_);
  has_proposal_ = true;
  ShowProposal();
  return true;
}

void AnalysisCommands::ToggleLock(int element) {
  if (element < 0 || element >= model::kMapCells) return;
  locked_[static_cast<std::size_t>(element)] = !locked_[static_cast<std::size_t>(element)];
  // The logs stay loaded: a lock only changes what the same readings propose.
  options_.locked = locked_;
  if (has_proposal_) proposal_ = analysis::ProposeMap(logs_, app_.editor().image(), options_);
  ShowProposal();
}

void AnalysisCommands::ShowProposal() {
  const i18n::Language l = app_.texts().language();
  const model::ParameterImage& image = app_.editor().image();
  const model::InjectionMap map =
      has_proposal_ ? proposal_.map : analysis::ResolveMap(image, Options());
  std::array<std::string, model::kMapColumns> rpm;
  for (int i = 0; i < model::kMapColumns; ++i)
    rpm[static_cast<std::size_t>(i)] =
        std::to_string(model::Shown(image, model::RpmAxisField(map), i));
  std::array<std::string, model::kMapRows> tps;
  for (int j = 0; j < model::kMapRows; ++j) {
    const int tenths = model::kMapRowTps[static_cast<std::size_t>(j)];
    tps[static_cast<std::size_t>(j)] = std::to_string(tenths / 10) + " %";
  }
  std::vector<ui::AnalysisCellView> cells(model::kMapCells);
  const bool coverage = dialog().coverage_view();
  const double max_change = dialog().Choice().max_change_pct;
  for (int k = 0; k < model::kMapCells; ++k) {
    analysis::CellResult c;
    if (has_proposal_) c = proposal_.cells[static_cast<std::size_t>(k)];
    c.locked = locked_[static_cast<std::size_t>(k)];
    ui::AnalysisCellView& v = cells[static_cast<std::size_t>(k)];
    if (has_proposal_) {
      v.text = analysis::CellText(c, coverage);
      v.tool_tip = analysis::CellToolTip(c, l);
    }
    const analysis::Shade s =
        coverage ? analysis::CoverageShade(c) : analysis::ChangeShade(c, max_change);
    v.red = s.red;
    v.green = s.green;
    v.blue = s.blue;
    v.locked = c.locked;
  }
  dialog().ShowCells(rpm, tps, cells);
  std::string summary;
  std::string rejections;
  if (has_proposal_) {
    summary = analysis::SummaryText(proposal_, l);
    if (proposal_.CoveredCells() == 0)
      summary += "\n" + std::string(i18n::Text(AnalysisText::kNoCoverage, l));
    if (Options().map != proposal_.map)
      summary += "\n" + std::string(i18n::Text(AnalysisText::kCoupled, l));
    rejections = analysis::RejectionText(proposal_, l);
  }
  dialog().SetSummary(summary, rejections);
  dialog().SetApplyEnabled(has_proposal_ && proposal_.ChangedCells() > 0);
}

void AnalysisCommands::Apply() {
  if (!has_proposal_ || proposal_.ChangedCells() == 0) return;
  page_.SyncCheckBoxes();
  page_.ReadControls();
  // The window stays open beside the map: a cell edited since the analysis gets the
  // correction the same readings ask for from its new value, not the value shown before.
  page_.Collect();
  proposal_ = analysis::ProposeMap(logs_, app_.editor().image(), options_);
  page_.Finish(analysis::ApplyProposal(page_.pages(), page_.values(), proposal_));
  has_proposal_ = false;
  dialog().accept();
}

}  // namespace morvek::app
