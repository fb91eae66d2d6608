#pragma once

#include <array>
#include <vector>

#include "link/live_values.h"
#include "pages/live_highlight.h"
#include "pages/page_catalog.h"

class QWidget;

namespace morvek::ui {

class MainWindow;

// Paints the live operating-point marks the core computed onto the window. It finds the
// controls of every page's pass once and remembers how it last painted each of them, so a
// pass with nothing changed touches no widget. A control keeps its look while its page is
// not shown; the remembered look stays true for it, so a page shown again gets exactly the
// controls whose mark has changed meanwhile repainted.
class HighlightPainter {
 public:
  explicit HighlightPainter(MainWindow& window);

  // One pass: the core's marks for the page on screen, from the last monitor frame's values.
  void Update(const model::ParameterImage& image, int page, const link::LiveValues& live,
              bool milliseconds);
  void Paint(const pages::PageHighlight& highlight);
  // Controls repainted by the last Paint().
  int last_repaints() const { return last_repaints_; }

 private:
  struct Target {
    QWidget* widget = nullptr;               // nullptr: the window has no such control here
    pages::Mark shown = pages::Mark::kKeep;  // kKeep: not painted yet
  };

  static std::vector<Target> FindTargets(const QWidget& root, int page);
  std::vector<Target>& TargetsOf(int page);

  // The three map pages share the grid's controls and so their painted state.
  MainWindow& window_;
  std::vector<Target> grid_;
  std::array<std::vector<Target>, pages::kPageCount> others_;
  // A page's controls are looked up once they are built.
  std::array<bool, pages::kPageCount> found_{};
  int last_repaints_ = 0;
};

}  // namespace morvek::ui
