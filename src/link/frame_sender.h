#pragma once

#include "link/link_state.h"
#include "link/output_tests.h"
#include "link/transport.h"
#include "model/parameter_image.h"

namespace morvek::link {

// The three transmitters. Each drops what still waits on the line, then writes one whole
// frame; the transport returns once it has left the PC.
class FrameSender {
 public:
  FrameSender(Transport& transport, const model::ParameterImage& image, LinkState& state,
              OutputTestFlags& test_flags)
      : transport_(transport), image_(image), state_(state), test_flags_(test_flags) {}

  // Where page frames take their bytes from: the image, or (while a program runs) the copy of
  // it that the program sends, so that edits meanwhile cannot mix into it. nullptr: the image.
  void set_page_source(const model::ParameterImage* source) { page_source_ = source; }

  // The page frame of CurrentCommand; restarts the tick counter.
  void SendPageFrame();
  // The monitor request; the output-test flags go with it and are cleared.
  void SendMonitorRequest();
  // A monitor request that asks for live values only: no autotune, no output test (pressed
  // tests wait for the next ordinary request). A program's saving is watched with it.
  void SendPlainMonitorRequest();
  // Autotune page request, second = 0 for the first and 1 for the second page of the map.
  void SendTuningRequest(int second);

 private:
  void Send(const DeviceFrame& frame);

  Transport& transport_;
  const model::ParameterImage& image_;
  LinkState& state_;
  OutputTestFlags& test_flags_;
  const model::ParameterImage* page_source_ = nullptr;
};

}  // namespace morvek::link
