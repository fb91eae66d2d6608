#pragma once

#include <QAbstractSpinBox>
#include <QPalette>
#include <QPointer>
#include <string>
#include <vector>

namespace morvek::ui {

class MainWindow;

// The window's printable state: a white background, the editing aids hidden, the spinners'
// arrows off (their edit boxes keep showing the values) and only the page on screen in the
// tab row. Whatever it changed is put back exactly as it was, so controls that the page
// layout or the connection keep hidden stay hidden.
class PrintLayout {
 public:
  PrintLayout(MainWindow& window, std::vector<std::string> hidden_names);

  // Applies the printable state while printing, and removes it when printing is over.
  void SetPrintLayout(bool printing);

 private:
  struct SavedControl {
    QPointer<QWidget> widget;
    bool hidden = false;
    QAbstractSpinBox::ButtonSymbols buttons = QAbstractSpinBox::UpDownArrows;
  };

  void Apply();
  void Remove();
  // The map row captions are white in both states (the live highlight colours them again).
  void WhitenRowCaptions();

  MainWindow& window_;
  std::vector<std::string> hidden_names_;
  bool applied_ = false;
  std::vector<SavedControl> saved_;
  std::vector<bool> tabs_visible_;
  QPalette palette_;
  bool own_palette_ = false;
};

}  // namespace morvek::ui
