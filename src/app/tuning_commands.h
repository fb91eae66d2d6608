#pragma once

#include <QObject>

class QCheckBox;

namespace morvek::app {

class Application;
class OutputTestCommands;
class PageController;

// The side and tuning-page switches: "Programming after change" (red while on), "Detailed
// representation", "Tuning on" (F6 toggles it; the layout paints it) and the output-test
// buttons.
class TuningCommands : public QObject {
  Q_OBJECT

 public:
  TuningCommands(Application& app, PageController& page);
  // Follows the last output test through the link, once a tick.
  void PollOutputTests();

 private:
  void SetTuning(bool on);
  // The window's check boxes: collect the page, lay it out, then the after-change path.
  void SwitchClicked();

  Application& app_;
  PageController& page_;
  QCheckBox* tuning_ = nullptr;
  OutputTestCommands* output_tests_ = nullptr;
};

}  // namespace morvek::app
