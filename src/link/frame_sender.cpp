#include "link/frame_sender.h"

#include "link/frame_builder.h"
#include "link/port_control.h"
#include "model/field_table.h"

namespace morvek::link {

void FrameSender::SendPageFrame() {
  state_.tick_counter = 0;
  const bool reading = state_.transaction_mode == TransactionMode::kRead;
  Send(BuildPageFrame(state_.current_command, page_source_ ? *page_source_ : image_, reading));
}

void FrameSender::SendMonitorRequest() {
  Send(BuildMonitorRequest(image_, state_.autotune_on, test_flags_.Take()));
}

void FrameSender::SendPlainMonitorRequest() { Send(BuildMonitorRequest(image_, false, {})); }

void FrameSender::SendTuningRequest(int second) {
  state_.current_command =
      TuningCommand(model::Stored(image_, model::FieldId::kTuningChannel), second);
  state_.attempt_counter = 1;
  SendPageFrame();
}

void FrameSender::Send(const DeviceFrame& frame) {
  DiscardWaitingBytes(transport_);
  transport_.Write(frame);
}

}  // namespace morvek::link
