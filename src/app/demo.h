#pragma once

#include <string>

#include "sim/controller_model.h"
#include "sim/pty_runner.h"

namespace morvek::app {

// `morvek --demo`: a simulated controller riding a motorcycle, served on a pseudo-terminal by
// a thread of its own, so that the program reaches it through its real serial code.
class Demo {
 public:
  Demo();
  ~Demo();
  Demo(const Demo&) = delete;
  Demo& operator=(const Demo&) = delete;

  // Opens the pseudo-terminal and starts serving. False with a message on failure.
  bool Start(std::string* error);
  std::string device_path() const { return runner_.device_path(); }

 private:
  sim::ControllerModel model_;
  sim::PtyRunner runner_;
  bool started_ = false;
};

}  // namespace morvek::app
