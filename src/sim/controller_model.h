#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "link/device_frame.h"
#include "model/parameter_image.h"
#include "sim/controller_pages.h"
#include "sim/engine_model.h"
#include "sim/fault_injector.h"
#include "sim/sim_autotune.h"

namespace morvek::sim {

inline constexpr int kSavingScale = 2756;

struct ControllerConfig {
  Identification identification;
  // Parameter pages 1..9 at power-on; the default parameter set when not given.
  std::optional<model::ParameterImage> pages;
  Scenario scenario;
  FaultConfig faults;
  // The saving counter runs from 2756 to 0 in this time; 0: the controller saves at once and
  // never reports saving.
  int save_duration_ms = 3000;
  int programming_count = 0;  // programmings so far (monitor word 76)
  int tick_ms = 55;           // the unit of late replies
  // Falls silent right after answering the read of page 9 that follows a programming: a
  // controller that hangs up just after the verify.
  bool hang_up_after_verify = false;
};

// One monitor request that carried output-test flags.
struct OutputTestRecord {
  long long time_ms = 0;
  std::array<std::uint8_t, 4> flags{};  // request bytes 20..23
  bool refused = false;                 // the motorcycle was moving: nothing was fired
};

// What happened on the link so far.
struct LinkCounters {
  int requests = 0;          // frames received with a good checksum
  int invalid_requests = 0;  // frames with a bad checksum or an unknown command: no reply
  int replies = 0;           // replies sent, faulty ones included
  int dropped = 0;
  int corrupted = 0;
  int late = 0;
  int doubled = 0;
  int wrong_version = 0;
  int silenced = 0;
};

// A virtual Torvane controller: ten device pages, the engine it runs, autotune, saving, and
// faults on its replies. Time passes only through Advance().
class ControllerModel {
 public:
  explicit ControllerModel(const ControllerConfig& config = {});

  // Byte-stream side, as a serial line sees it. Frames are cut from the received bytes every
  // 152 bytes; an incomplete frame is discarded after kFrameGapMs without further bytes.
  static constexpr int kFrameGapMs = 20;
  void Receive(std::span<const std::uint8_t> bytes);
  void Advance(int ms);
  // The bytes of every reply whose time has come, in order.
  std::vector<std::uint8_t> TakeOutput();
  bool HasPendingOutput() const { return !outgoing_.empty(); }

  // Frame side without faults: the reply to one request, or nothing when the controller does
  // not answer it (bad checksum, unknown command). Has the request's effects.
  std::optional<link::DeviceFrame> HandleRequest(const link::DeviceFrame& request);

  const ControllerPages& pages() const { return pages_; }
  const model::ParameterImage& image() const { return pages_.image(); }
  const Identification& identification() const { return identification_; }
  void SetIdentification(const Identification& id);

  int saving_counter() const;
  int programming_count() const { return programming_count_; }

  // The permanent memory: the pages and the programming count as the last finished saving
  // left them (the power-on pages before any). Only these survive a power cycle.
  const model::ParameterImage& kept_image() const { return kept_; }
  int kept_count() const { return kept_count_; }
  // Called whenever a saving has finished, with what is now kept.
  void set_on_kept(std::function<void(const model::ParameterImage&, int)> on_kept) {
    on_kept_ = std::move(on_kept);
  }
  // Switched off and on again: the kept pages and count, no saving, nothing on the line.
  void PowerCycle();
  const std::vector<OutputTestRecord>& output_tests() const { return output_tests_; }
  const EngineModel& engine() const { return engine_; }
  void SetScenario(const Scenario& scenario);
  const SimAutotune& autotune() const { return autotune_; }
  const LinkCounters& counters() const { return counters_; }
  long long now_ms() const { return now_ms_; }

  void SetFaults(const FaultConfig& faults) { faults_.Reset(faults); }
  void SetSilent(bool silent) { faults_.SetSilent(silent); }
  const FaultConfig& faults() const { return faults_.config(); }

 private:
  struct Pending {
    long long due_ms;
    long long order;
    link::DeviceFrame frame;
  };

  static constexpr int kStepMs = EngineModel::kStepMs;

  void HandleFrame(const link::DeviceFrame& request);
  link::DeviceFrame MonitorReply(const link::DeviceFrame& request);
  link::DeviceFrame PageReply(std::uint8_t command, int page);
  bool TestsInhibited() const;
  Scenario WithEngine(Scenario scenario) const;
  void SavingFinished();

  ControllerConfig config_;
  int power_on_preset_ = 0;  // the motorcycle preset in the pages at power-on
  Identification identification_;
  ControllerPages pages_;
  EngineModel engine_;
  SimAutotune autotune_;
  FaultInjector faults_;
  LinkCounters counters_;

  long long now_ms_ = 0;
  int pending_ms_ = 0;
  std::vector<std::uint8_t> received_;
  long long last_receive_ms_ = 0;
  std::vector<Pending> outgoing_;
  long long order_ = 0;

  int page_replies_ = 0;  // page replies queued so far, for silent_after_page_replies
  int save_remaining_ms_ = 0;
  int programming_count_ = 0;
  model::ParameterImage kept_;
  int kept_count_ = 0;
  std::function<void(const model::ParameterImage&, int)> on_kept_;
  bool programmed_since_verify_ = false;
  std::vector<OutputTestRecord> output_tests_;
};

}  // namespace morvek::sim
