#pragma once

#include <QObject>

class QCheckBox;

namespace morvek::app {

class Application;
class PageController;

// The side and tuning-page switches: "Programming after change" (red while on), "Tuning on"
// (red while on; F6 toggles it) and the 21 output-test buttons, which the controller can
// inhibit.
class TuningCommands : public QObject {
  Q_OBJECT

 public:
  TuningCommands(Application& app, PageController& page);

  // After a monitor frame: the test buttons follow the controller's inhibit flag.
  void RenderInhibit(bool inhibited);

 private:
  void SetTuning(bool on);

  Application& app_;
  PageController& page_;
  QCheckBox* tuning_ = nullptr;
  bool inhibited_ = false;
};

}  // namespace morvek::app
