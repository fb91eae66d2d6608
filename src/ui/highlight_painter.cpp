#include "ui/highlight_painter.h"

#include <QPalette>
#include <QString>
#include <QWidget>
#include <algorithm>

#include "ui/cell_paint.h"
#include "ui/child_index.h"
#include "ui/main_window.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"

namespace morvek::ui {
namespace {

void PaintBold(QWidget& button, bool live) {
  QFont font = button.font();
  font.setBold(live);
  button.setFont(font);
}

void PaintOne(QWidget& widget, pages::MarkStyle style, bool live) {
  switch (style) {
    case pages::MarkStyle::kEdit:
    case pages::MarkStyle::kLabel:
      // A map cell may carry a heat colour under the mark.
      SetCellLive(widget, live);
      break;
    case pages::MarkStyle::kBoldButton:
      PaintBold(widget, live);
      break;
  }
}

}  // namespace

std::vector<HighlightPainter::Target> HighlightPainter::FindTargets(const QWidget& root, int page) {
  const auto controls = pages::HighlightControls(page);
  std::vector<Target> targets(controls.size());
  const ChildIndex children(root);
  for (std::size_t i = 0; i < controls.size(); ++i)
    targets[i].widget = children.Find<QWidget>(QString::fromStdString(controls[i].name));
  return targets;
}

HighlightPainter::HighlightPainter(MainWindow& window) : window_(window) {}

std::vector<HighlightPainter::Target>& HighlightPainter::TargetsOf(int page) {
  const bool map = pages::IsMapPage(page);
  const int owner = map ? pages::kAdvancePage : page;
  std::vector<Target>& targets = map ? grid_ : others_[page];
  auto& found = found_[static_cast<std::size_t>(owner)];
  if (!found && window_.page_built(owner)) {
    // Controls are looked up under their own page only: a control of the same name elsewhere
    // (the learned ratios of the monitor page) belongs to that page's display.
    targets = map ? FindTargets(window_.grid(), pages::kAdvancePage)
                  : FindTargets(*window_.pages().sheet(page), page);
    found = true;
  }
  return targets;
}

void HighlightPainter::Update(const model::ParameterImage& image, int page,
                              const link::LiveValues& live, bool milliseconds) {
  const pages::LiveInputs inputs{live.rpm,         live.throttle_percent,  live.coolant_plus100,
                                 live.air_plus100, live.after_start_timer, live.gear};
  Paint(pages::ComputeHighlight(image, page, inputs, milliseconds));
}

void HighlightPainter::Paint(const pages::PageHighlight& highlight) {
  last_repaints_ = 0;
  if (highlight.page < 0 || highlight.page >= pages::kPageCount) return;
  const auto controls = pages::HighlightControls(highlight.page);
  std::vector<Target>& targets = TargetsOf(highlight.page);
  const std::size_t count = std::min(highlight.marks.size(), targets.size());
  for (std::size_t i = 0; i < count; ++i) {
    const pages::Mark mark = highlight.marks[i];
    Target& target = targets[i];
    if (mark == pages::Mark::kKeep || mark == target.shown || target.widget == nullptr) continue;
    PaintOne(*target.widget, controls[i].style, mark == pages::Mark::kLive);
    target.shown = mark;
    ++last_repaints_;
  }
}

}  // namespace morvek::ui
