#include "ui/print_layout.h"

#include <QLabel>

#include "link/colour.h"
#include "model/map_geometry.h"
#include "ui/colours.h"
#include "ui/main_window.h"
#include "ui/page_table.h"

namespace morvek::ui {

PrintLayout::PrintLayout(MainWindow& window, std::vector<std::string> hidden_names)
    : window_(window), hidden_names_(std::move(hidden_names)) {}

void PrintLayout::SetPrintLayout(bool printing) {
  if (printing && !applied_) Apply();
  if (!printing && applied_) Remove();
  WhitenRowCaptions();
}

void PrintLayout::Apply() {
  applied_ = true;
  own_palette_ = window_.testAttribute(Qt::WA_SetPalette);
  palette_ = window_.palette();
  QPalette white = palette_;
  white.setColor(QPalette::Window, Qt::white);
  window_.setPalette(white);

  saved_.clear();
  for (const std::string& name : hidden_names_) {
    auto* widget = window_.findChild<QWidget*>(QString::fromStdString(name));
    if (widget == nullptr) continue;
    SavedControl saved{widget, widget->isHidden()};
    // A spinner is its edit box with arrows: the value is printed, the arrows are not.
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
      saved.buttons = spin->buttonSymbols();
      spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    } else {
      widget->hide();
    }
    saved_.push_back(saved);
  }

  PageTable& pages = window_.pages();
  tabs_visible_.assign(static_cast<std::size_t>(pages.count()), false);
  for (int i = 0; i < pages.count(); ++i) {
    tabs_visible_[static_cast<std::size_t>(i)] = pages.isTabVisible(i);
    if (i != pages.currentIndex()) pages.setTabVisible(i, false);
  }
}

void PrintLayout::Remove() {
  applied_ = false;
  for (const SavedControl& saved : saved_) {
    if (saved.widget == nullptr) continue;
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(saved.widget.data()))
      spin->setButtonSymbols(saved.buttons);
    else
      saved.widget->setHidden(saved.hidden);
  }
  saved_.clear();
  PageTable& pages = window_.pages();
  for (int i = 0; i < pages.count() && i < static_cast<int>(tabs_visible_.size()); ++i)
    if (i != pages.currentIndex())
      pages.setTabVisible(i, tabs_visible_[static_cast<std::size_t>(i)]);
  window_.setPalette(own_palette_ ? palette_ : QPalette());
}

void PrintLayout::WhitenRowCaptions() {
  for (int j = 0; j < model::kMapRows; ++j)
    if (auto* caption = window_.findChild<QLabel*>(QStringLiteral("LabelTpsRow_Uni_%1").arg(j)))
      SetBackground(*caption, link::Colour::kWhite);
}

}  // namespace morvek::ui
