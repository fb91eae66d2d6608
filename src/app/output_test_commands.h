#pragma once

#include <QObject>
#include <string>

#include "i18n/own_texts.h"
#include "link/output_tests.h"

class QLabel;

namespace morvek::app {

class Application;

// The buttons of "Test Outs". A click on an injector or an ignition output while the engine
// runs asks once before the request is recorded. The label under the buttons then follows
// the request: sent with a monitor request, and whether the controller answered it.
class OutputTestCommands : public QObject {
  Q_OBJECT

 public:
  explicit OutputTestCommands(Application& app);

  void Click(link::OutputTest test, const std::string& caption);
  // Once a tick, after the session's.
  void Poll();

 private:
  enum class Stage { kIdle, kRecorded, kSent };
  void Show(i18n::OwnText id);

  Application& app_;
  QLabel* result_ = nullptr;
  Stage stage_ = Stage::kIdle;
  std::string caption_;
  int revision_at_send_ = 0;
  int ticks_since_send_ = 0;
};

}  // namespace morvek::app
