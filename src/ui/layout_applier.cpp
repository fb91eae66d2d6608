#include "ui/layout_applier.h"

#include <QAction>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>

#include "pages/page_catalog.h"
#include "ui/colours.h"
#include "ui/live_display.h"
#include "ui/main_window.h"
#include "ui/map_grid.h"
#include "ui/page_table.h"

namespace morvek::ui {
namespace {

constexpr int kIdleServoPoints = 9;

void SetShown(QWidget& widget, bool visible) {
  if (widget.isHidden() == visible) widget.setVisible(visible);
}

void SetEnabled(QWidget& widget, bool enabled) {
  // The widget's own state, whatever its parent's.
  if (widget.testAttribute(Qt::WA_ForceDisabled) == enabled) widget.setEnabled(enabled);
}

void SetEnabled(QAction* action, bool enabled) {
  if (action != nullptr && action->isEnabled() != enabled) action->setEnabled(enabled);
}

}  // namespace

LayoutApplier& LayoutApplier::Of(MainWindow& window) {
  if (auto* applier = window.findChild<LayoutApplier*>(QString(), Qt::FindDirectChildrenOnly))
    return *applier;
  return *new LayoutApplier(window);
}

LayoutApplier::LayoutApplier(MainWindow& window) : QObject(&window), window_(window) {
  for (std::string_view name : pages::kJetModeMenuItems)
    if (QAction* item = window_.action(name)) item->setCheckable(true);
  // A command whose behaviour is not built yet stays disabled whatever the page allows.
  open_act_page_ = window_.action("MenuOpenActPage");
  open_act_page_built_ = open_act_page_ != nullptr && open_act_page_->isEnabled();
}

QWidget* LayoutApplier::Widget(const std::string& name) {
  const QString key = QString::fromStdString(name);
  const auto it = widgets_.constFind(key);
  if (it != widgets_.constEnd()) return it.value();
  // Names this window does not build are remembered as absent.
  QWidget* widget = window_.findChild<QWidget*>(key);
  widgets_.insert(key, widget);
  return widget;
}

void LayoutApplier::ForgetAbsent() {
  widgets_.removeIf([](const auto& entry) { return entry.value() == nullptr; });
}

void LayoutApplier::Apply(const pages::PageLayout& layout) {
  ApplyCommands(layout);
  window_.live_display().SetLambdaBar(layout.lambda_bar);
  if (layout.grid) ApplyGrid(*layout.grid);
  for (const pages::ControlLayout& c : layout.controls) {
    QWidget* widget = Widget(c.name);
    if (widget == nullptr) continue;
    SetShown(*widget, c.visible);
    SetEnabled(*widget, c.enabled);
  }
  for (const pages::Background& b : layout.backgrounds) {
    QWidget* widget = Widget(b.name);
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
      // An edit is coloured where its number stands.
      QPalette palette = spin->style()->standardPalette();
      if (b.colour != pages::LayoutColour::kWindow)
        palette.setColor(QPalette::Base, ToQColor(ToColour(b.colour)));
      if (spin->palette().color(QPalette::Base) != palette.color(QPalette::Base))
        spin->setPalette(palette);
    } else if (widget != nullptr) {
      SetBackground(*widget, ToColour(b.colour));
    }
  }
  if (layout.idle_servo_range) ApplyIdleRanges(*layout.idle_servo_range);
  // Last: hiding the tab on screen makes the window change pages, which lays out anew.
  PageTable& pages = window_.pages();
  if (pages.isTabVisible(pages::kInj2APage) != layout.inj2a_tab_visible)
    pages.setTabVisible(pages::kInj2APage, layout.inj2a_tab_visible);
}

void LayoutApplier::ApplyCommands(const pages::PageLayout& layout) {
  for (std::size_t i = 0; i < pages::kJetModeMenuItems.size(); ++i) {
    QAction* item = window_.action(pages::kJetModeMenuItems[i]);
    const bool ticked = static_cast<int>(i) == layout.jet_mode_item;
    if (item != nullptr && item->isChecked() != ticked) item->setChecked(ticked);
  }
  SetEnabled(window_.action("MenuNewActPage"), layout.new_act_page_enabled);
  if (open_act_page_built_) SetEnabled(open_act_page_, layout.open_act_page_enabled);
}

void LayoutApplier::ApplyGrid(const pages::GridLayout& grid) {
  // A grid built later is laid out by the pass that follows its building.
  if (!window_.grid_built()) return;
  MapGrid& map = window_.grid();
  map.SetDisplayMode(grid.mode);
  QLabel* label = map.jet_mode_label();
  const QString text = QString::fromStdString(grid.jet_mode_text);
  if (label->text() != text) label->setText(text);
  SetBackground(*label, ToColour(grid.jet_mode_colour));
}

void LayoutApplier::ApplyIdleRanges(const pages::Range& range) {
  for (int k = 0; k < kIdleServoPoints; ++k) {
    auto* spin = qobject_cast<QSpinBox*>(Widget(pages::ArraySpinnerName("IdleServo", k)));
    if (spin == nullptr) continue;
    // A narrower range clamps the value: that is no edit of the user's.
    const QSignalBlocker block(spin);
    if (spin->minimum() != range.min || spin->maximum() != range.max)
      spin->setRange(range.min, range.max);
    if (spin->singleStep() != range.step) spin->setSingleStep(range.step);
  }
}

}  // namespace morvek::ui
