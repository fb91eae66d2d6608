#pragma once

#include <cstdint>

namespace morvek::link {

enum class TransactionMode : std::uint8_t { kNone = 0, kProgram = 1, kVerify = 2, kRead = 3 };

// The counters and flags that the tick loop, the transmitters, the transactions and the
// autotune exchange share. One instance lives in the Session.
struct LinkState {
  TransactionMode transaction_mode = TransactionMode::kNone;
  // Command byte of the pending page frame; the reply is checked against it.
  std::uint8_t current_command = 0;
  // Ticks since the last page frame or periodic request.
  int tick_counter = 0;
  // Sends of the pending transaction frame.
  int attempt_counter = 0;
  // Programming finished without a following verify pass, or with one: the idle tick shows
  // the completion text until the message runs out.
  bool done = false;
  // 0 idle, 1 first autotune page requested, 2 second page requested.
  int tuning_phase = 0;
  // The "Tuning on" check box.
  bool autotune_on = false;
};

}  // namespace morvek::link
