#pragma once

#include <QTemporaryDir>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/application.h"
#include "sim/controller_model.h"
#include "sim/in_memory_transport.h"
#include "ui/prompts.h"

namespace morvek::testing {

// Prompts that answer from a script and remember what they were asked.
class ScriptedPrompts : public ui::Prompts {
 public:
  void Message(const std::string& text) override { messages.push_back(text); }
  ui::Answer Confirm(const std::string& text) override {
    confirmations.push_back(text);
    if (answers.empty()) return confirm_answer;
    const ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> OpenFileName(const std::string& initial) override {
    dialog_initials.push_back(initial);
    return open_name;
  }
  std::optional<std::string> SaveFileName(const std::string& initial) override {
    dialog_initials.push_back(initial);
    return save_name;
  }

  std::vector<std::string> messages;
  std::vector<std::string> confirmations;
  // The answers of the next questions, in order; confirm_answer once they run out.
  std::deque<ui::Answer> answers;
  // Once they run out, every question gets this answer.
  ui::Answer confirm_answer = ui::Answer::kNo;
  // What the file dialogs answer (nothing: cancelled) and the names they started on.
  std::optional<std::string> open_name;
  std::optional<std::string> save_name;
  std::vector<std::string> dialog_initials;
};

// A simulated controller whose engine holds one speed and throttle.
inline sim::ControllerConfig Steady(int rpm, int throttle_percent) {
  sim::ControllerConfig config;
  config.scenario.kind = sim::ScenarioKind::kSteady;
  config.scenario.steady_rpm = rpm;
  config.scenario.steady_tps_percent = throttle_percent;
  return config;
}

// The whole program around an in-memory simulated controller, in its own config directory,
// ticked by the test.
class AppFixture {
 public:
  explicit AppFixture(const QString& config_dir, std::vector<std::string> arguments = {},
                      sim::ControllerConfig config = {},
                      std::optional<int> com_port_override = std::nullopt,
                      std::deque<ui::Answer> start_answers = {}, bool pages_after_show = false)
      : controller(config), transport(controller) {
    // Questions of the start-up (a file on the command line) are answered from here.
    prompts.answers = std::move(start_answers);
    app::ApplicationOptions options;
    options.transport = &transport;
    options.prompts = &prompts;
    options.config_directory = config_dir.toStdString();
    options.arguments = std::move(arguments);
    options.program_directory = config_dir.toStdString();
    options.run_timer = false;
    options.com_port_override = com_port_override;
    options.build_pages_after_show = pages_after_show;
    // No viewer is started: the test sees what would have been opened.
    options.open_document = [this](const std::filesystem::path& path) {
      opened_documents.push_back(path);
      return viewer_opens;
    };
    app = std::make_unique<app::Application>(options);
    app->Start();
  }

  // One 55 ms tick of the program, then of the controller.
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) {
      app->Tick();
      transport.Advance();
    }
  }
  ui::MainWindow& window() { return app->window(); }
  template <typename T>
  T* Find(const char* name) {
    return window().findChild<T*>(QString::fromLatin1(name));
  }

  sim::ControllerModel controller;
  sim::InMemoryTransport transport;
  ScriptedPrompts prompts;
  std::vector<std::filesystem::path> opened_documents;
  bool viewer_opens = true;
  std::unique_ptr<app::Application> app;
};

}  // namespace morvek::testing
