#include "sim/controller_model.h"

#include <algorithm>
#include <cmath>

#include "model/field_table.h"
#include "sim/controller_defaults.h"
#include "sim/monitor_frame_writer.h"

namespace morvek::sim {
namespace {

bool IsVersionCarrier(const link::DeviceFrame& reply) {
  const std::uint8_t code = reply.code();
  return code == link::kReplyMonitor || code == link::ReplyCodeOf(link::kCmdProgramPage0) ||
         code == link::ReplyCodeOf(link::kCmdReadPage0);
}

void ReportVersion(link::DeviceFrame& reply, int version) {
  const auto v = static_cast<std::uint8_t>(version);
  if (reply.code() == link::kReplyMonitor)
    reply.bytes()[150] = v;
  else
    reply.set_payload(10, v);  // identification byte 10
  reply.Seal();
}

}  // namespace

ControllerModel::ControllerModel(const ControllerConfig& config)
    : config_(config),
      identification_(config.identification),
      pages_(config.identification, config.pages ? *config.pages : DefaultControllerImage()),
      faults_(config.faults),
      programming_count_(config.programming_count),
      kept_(pages_.image()),
      kept_count_(config.programming_count) {
  power_on_preset_ = model::Stored(pages_.image(), model::FieldId::kBike);
  engine_ = EngineModel(WithEngine(config.scenario));
}

Scenario ControllerModel::WithEngine(Scenario scenario) const {
  if (scenario.engine_preset < 0) scenario.engine_preset = power_on_preset_;
  return scenario;
}

void ControllerModel::SetScenario(const Scenario& scenario) {
  engine_.SetScenario(WithEngine(scenario));
}

void ControllerModel::SetIdentification(const Identification& id) {
  identification_ = id;
  pages_.SetIdentification(id);
}

int ControllerModel::saving_counter() const {
  if (save_remaining_ms_ <= 0) return 0;
  const long long duration = std::max(1, config_.save_duration_ms);
  return static_cast<int>(
      (save_remaining_ms_ * static_cast<long long>(kSavingScale) + duration - 1) / duration);
}

bool ControllerModel::TestsInhibited() const { return engine_.state().speed_kmh >= 1; }

void ControllerModel::Receive(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return;
  received_.insert(received_.end(), bytes.begin(), bytes.end());
  last_receive_ms_ = now_ms_;
  while (received_.size() >= static_cast<std::size_t>(link::kFrameSize)) {
    link::DeviceFrame::Bytes raw{};
    std::copy_n(received_.begin(), link::kFrameSize, raw.begin());
    received_.erase(received_.begin(), received_.begin() + link::kFrameSize);
    HandleFrame(link::DeviceFrame(raw));
  }
}

void ControllerModel::HandleFrame(const link::DeviceFrame& request) {
  std::optional<link::DeviceFrame> reply = HandleRequest(request);
  if (!reply) return;
  const FaultDecision fate = faults_.Decide(IsVersionCarrier(*reply));
  long long due = now_ms_;
  switch (fate.kind) {
    case FaultKind::kSilent:
      ++counters_.silenced;
      return;
    case FaultKind::kDrop:
      ++counters_.dropped;
      return;
    case FaultKind::kCorrupt:
      FaultInjector::Corrupt(fate, *reply);
      ++counters_.corrupted;
      break;
    case FaultKind::kWrongVersion:
      ReportVersion(*reply, faults_.config().wrong_version);
      ++counters_.wrong_version;
      break;
    case FaultKind::kLate:
      due += static_cast<long long>(fate.late_ticks) * config_.tick_ms;
      ++counters_.late;
      break;
    case FaultKind::kNone:
      break;
  }
  ++counters_.replies;
  outgoing_.push_back({due, order_++, *reply});
  if (fate.copy_after_ticks >= 0) {
    outgoing_.push_back(
        {due + static_cast<long long>(fate.copy_after_ticks) * config_.tick_ms, order_++, *reply});
    ++counters_.doubled;
  }
  const std::uint8_t command = request.code();
  if (config_.hang_up_after_verify && programmed_since_verify_ &&
      command == (link::kCmdReadBit | model::kLastImagePage))
    faults_.SetSilent(true);
  const int leave_after = faults_.config().silent_after_page_replies;
  if (reply->code() != link::kReplyMonitor && leave_after > 0 && ++page_replies_ >= leave_after)
    faults_.SetSilent(true);
}

std::optional<link::DeviceFrame> ControllerModel::HandleRequest(const link::DeviceFrame& request) {
  if (!request.IsValid()) {
    ++counters_.invalid_requests;
    return std::nullopt;
  }
  const std::uint8_t command = request.code();
  const int page = command & link::kPageMask;
  const bool read = (command & link::kCmdReadBit) != 0;
  if (command == link::kCmdMonitor) {
    ++counters_.requests;
    return MonitorReply(request);
  }
  // Page requests: 0x00..0x09 program, 0x40..0x49 read or verify.
  if ((command & link::kReplyBit) != 0 || page > model::kLastImagePage) {
    ++counters_.invalid_requests;
    return std::nullopt;
  }
  ++counters_.requests;
  autotune_.OnPageRequest(command);
  if (!read && page >= model::kFirstImagePage) {
    pages_.StorePage(page, request.Payload());
    programmed_since_verify_ = true;
    // Every programmed page restarts the save into the controller's permanent memory.
    if (config_.save_duration_ms > 0)
      save_remaining_ms_ = config_.save_duration_ms;
    else
      SavingFinished();
  }
  return PageReply(command, page);
}

link::DeviceFrame ControllerModel::PageReply(std::uint8_t command, int page) {
  return link::DeviceFrame::Make(link::ReplyCodeOf(command), pages_.PageBytes(page));
}

link::DeviceFrame ControllerModel::MonitorReply(const link::DeviceFrame& request) {
  autotune_.OnMonitorRequest(AutotuneSettings::FromMonitorRequest(request));
  OutputTestRecord test;
  test.time_ms = now_ms_;
  for (std::size_t i = 0; i < test.flags.size(); ++i) test.flags[i] = request.bytes()[20 + i];
  if (std::any_of(test.flags.begin(), test.flags.end(), [](std::uint8_t f) { return f != 0; })) {
    test.refused = TestsInhibited();
    output_tests_.push_back(test);
  }

  const EngineOutputs out = engine_.Evaluate(pages_.image());
  MonitorExtras extras;
  extras.autotune_status = autotune_.status();
  extras.saving_counter = saving_counter();
  extras.programming_count = programming_count_;
  extras.protocol_version = identification_.protocol_version;
  extras.data_error = pages_.IsBlank();
  extras.tests_inhibited = TestsInhibited();
  // Test values for the debug display: the engine's true need, the unclamped mixture, the
  // cell autotune works on (+1, 0 for none) and the number of tuning steps taken.
  extras.test_values[0] = static_cast<int>(std::lround(out.requirement_us));
  extras.test_values[1] = static_cast<int>(std::lround(std::min(out.afr * 10, 65535.0)));
  extras.test_values[2] = autotune_.cell() + 1;
  extras.test_values[3] = autotune_.steps_taken();
  return BuildMonitorFrame(engine_.state(), out, pages_.image(), extras);
}

void ControllerModel::Advance(int ms) {
  pending_ms_ += std::max(ms, 0);
  while (pending_ms_ >= kStepMs) {
    pending_ms_ -= kStepMs;
    now_ms_ += kStepMs;
    engine_.Advance(kStepMs, pages_.image());
    autotune_.Advance(kStepMs, engine_, pages_.mutable_image());
    if (save_remaining_ms_ > 0) {
      save_remaining_ms_ -= kStepMs;
      if (save_remaining_ms_ <= 0) {
        save_remaining_ms_ = 0;
        SavingFinished();
      }
    }
  }
  if (!received_.empty() && now_ms_ - last_receive_ms_ >= kFrameGapMs) received_.clear();
}

void ControllerModel::SavingFinished() {
  ++programming_count_;
  kept_ = pages_.image();
  kept_count_ = programming_count_;
  if (on_kept_) on_kept_(kept_, kept_count_);
}

void ControllerModel::PowerCycle() {
  pages_.mutable_image() = kept_;
  programming_count_ = kept_count_;
  save_remaining_ms_ = 0;
  programmed_since_verify_ = false;
  outgoing_.clear();
  received_.clear();
}

std::vector<std::uint8_t> ControllerModel::TakeOutput() {
  std::vector<Pending> due;
  std::vector<Pending> later;
  for (Pending& p : outgoing_) (p.due_ms <= now_ms_ ? due : later).push_back(p);
  outgoing_ = std::move(later);
  std::sort(due.begin(), due.end(), [](const Pending& a, const Pending& b) {
    return a.due_ms != b.due_ms ? a.due_ms < b.due_ms : a.order < b.order;
  });
  std::vector<std::uint8_t> bytes;
  for (const Pending& p : due)
    bytes.insert(bytes.end(), p.frame.bytes().begin(), p.frame.bytes().end());
  return bytes;
}

}  // namespace morvek::sim
