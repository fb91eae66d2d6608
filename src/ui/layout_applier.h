#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include "pages/layout_hub.h"

class QAction;
class QWidget;

namespace morvek::ui {

class MainWindow;

// Puts a page layout of the layout hub on the window's widgets, found by name once and kept.
// A widget is touched only where its state differs from the layout, so applying the same
// layout after every monitor frame costs little and never repaints.
class LayoutApplier : public QObject {
  Q_OBJECT

 public:
  // The window's applier, made on first use and owned by the window.
  static LayoutApplier& Of(MainWindow& window);

  void Apply(const pages::PageLayout& layout);
  // Names found absent are looked for again: pages built since may hold them.
  void ForgetAbsent();

 private:
  explicit LayoutApplier(MainWindow& window);

  QWidget* Widget(const std::string& name);
  void ApplyCommands(const pages::PageLayout& layout);
  void ApplyGrid(const pages::GridLayout& grid);
  void ApplyIdleRanges(const pages::Range& range);

  MainWindow& window_;
  QHash<QString, QPointer<QWidget>> widgets_;
  QAction* open_act_page_ = nullptr;
  bool open_act_page_built_ = false;
};

// ApplyPageLayout: the layout on the window.
inline void ApplyPageLayout(MainWindow& window, const pages::PageLayout& layout) {
  LayoutApplier::Of(window).Apply(layout);
}

}  // namespace morvek::ui
