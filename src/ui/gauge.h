#pragma once

#include <QProgressBar>

#include "link/colour.h"

namespace morvek::ui {

// A horizontal bar of the live display: no text unless asked, one colour.
class Gauge : public QProgressBar {
 public:
  Gauge(const char* name, link::Colour colour, QWidget* parent = nullptr);

  void SetColour(link::Colour colour);
  link::Colour colour() const { return colour_; }

 private:
  link::Colour colour_;
};

}  // namespace morvek::ui
