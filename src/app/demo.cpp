#include "app/demo.h"

namespace morvek::app {
namespace {

sim::ControllerConfig DemoConfig() {
  sim::ControllerConfig config;
  config.scenario.kind = sim::ScenarioKind::kRide;
  return config;
}

}  // namespace

Demo::Demo() : model_(DemoConfig()), runner_(model_, sim::PtyOptions{}) {}

Demo::~Demo() {
  if (started_) runner_.Stop();
}

bool Demo::Start(std::string* error) {
  if (!runner_.Open(error)) return false;
  runner_.Start();
  started_ = true;
  return true;
}

}  // namespace morvek::app
