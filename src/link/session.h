#pragma once

#include <deque>
#include <string>
#include <vector>

#include "i18n/text_table.h"
#include "link/autotune.h"
#include "link/frame_sender.h"
#include "link/link_state.h"
#include "link/live_values.h"
#include "link/monitor_view.h"
#include "link/output_tests.h"
#include "link/port_control.h"
#include "link/session_owner.h"
#include "link/status_line.h"
#include "link/transactions.h"
#include "link/transport.h"
#include "model/parameter_image.h"

namespace morvek::link {

inline constexpr int kWatchdogLimit = 24;
inline constexpr int kWatchdogStart = 18;
inline constexpr int kReopenTicks = 30;
inline constexpr int kReopenPreload = 200;
inline constexpr int kSavingScale = 2756;

// The connection line and the port label.
struct ConnectionView {
  bool no_connection_visible = false;  // LabelSpojeni
  bool version_visible = true;         // LabelVersion, shown exactly when LabelSpojeni is not
  std::string label_com;               // LabelCom, "COM= COM5"
  int checked_com_item = -1;           // the Com menu item with the check mark
};

// All traffic with the controller. Tick() is called every 55 ms; nothing in it waits for a
// reply: a request goes out, and whichever later tick finds its reply handles it.
class Session {
 public:
  Session(Transport& transport, model::ParameterImage& image,
          model::PageProgramFlags& program_flags, SessionOwner& owner);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Settings restored at start-up, before Start().
  void set_com_port_index(int index) { port_.set_com_port_index(index); }
  void set_com_auto_index(int index) { port_.set_com_auto_index(index); }
  int com_port_index() const { return port_.com_port_index(); }
  int com_auto_index() const { return port_.com_auto_index(); }

  // Start-up: opens the port (a failing fixed port is reported).
  void Start();
  // Shutdown.
  void Stop() { port_.ClosePort(); }
  // A Com menu item (0..19 COM1..COM20, 20 automatic scanning); other items change nothing.
  void ChoosePort(int item);

  void Tick();

  // The transactions (F7, F8, F9) and programming of the flagged pages.
  void Read() { transactions_.Read(); }
  // Reads the controller into `target`, leaving the image and the page on screen alone.
  void ReadCopy(model::ParameterImage& target) { transactions_.ReadCopy(target); }
  Transactions::CopyRead copy_read() const { return transactions_.copy_read(); }
  Transactions::CopyRead TakeCopyReadResult() { return transactions_.TakeCopyReadResult(); }
  // The page a verify found different, and what the controller holds there (see Transactions).
  int verify_mismatch_page() const { return transactions_.verify_mismatch_page(); }
  const model::ParameterImage& verify_controller_copy() const {
    return transactions_.verify_controller_copy();
  }
  void Verify() { transactions_.Verify(); }
  void Program() { transactions_.Program(); }
  void StartProgramming() { transactions_.StartProgramming(); }
  TransactionMode transaction_mode() const { return state_.transaction_mode; }
  Transactions::ProgramPhase program_phase() const { return transactions_.program_phase(); }
  // The controller's tune could not be kept before a program: the program waits for the
  // user's answer (true: program without it).
  bool backup_question_pending() const {
    return transactions_.program_phase() == Transactions::ProgramPhase::kAwaitingConsent;
  }
  void AnswerBackupQuestion(bool go_on) { transactions_.AnswerBackupQuestion(go_on); }
  const model::ParameterImage& controller_backup() const {
    return transactions_.controller_backup();
  }
  // Why the last transaction failed (kNone while one runs or after a success).
  const TransactionFailure& failure() const { return transactions_.failure(); }
  // What the last program saw of the controller's saving.
  const SavingRule& saving_rule() const { return transactions_.saving_rule(); }

  // "Tuning on".
  void SetAutotuneOn(bool on) { state_.autotune_on = on; }
  bool autotune_on() const { return state_.autotune_on; }

  // A test button; its request goes with the next monitor request.
  void PressOutputTest(OutputTest test) { test_flags_.Press(test); }
  bool PressOutputTestButton(std::string_view name) { return test_flags_.PressButton(name); }
  const OutputTestFlags::Bytes& pending_output_tests() const { return test_flags_.pending(); }

  // Presentation settings.
  // Also puts the "---" placeholders into the monitor labels while no controller is connected
  // (or none has answered yet); live texts change language with the next frame.
  void SetLanguage(i18n::Language language);
  i18n::Language language() const { return language_; }
  void SetExtendedMonitor(bool extended) { extended_monitor_ = extended; }
  void SetDebugDisplay(bool on) { debug_display_ = on; }
  // While printing, a lost connection is not shown.
  void SetPrinting(bool printing) { printing_ = printing; }
  // The print stamp on the message line, held like a message.
  void ShowStamp(std::string text) { status_.ShowStamp(std::move(text)); }
  // A failure of the window's own (a printout that did not go out), red and held.
  void ShowFailure(std::string text) { status_.ShowFailure(std::move(text)); }
  void HideMessage() { status_.Hide(); }
  // A result of the window's own (a compare), held like a transaction's.
  void ShowMessage(std::string text) { status_.ShowMessage(std::move(text)); }

  // What the window shows.
  const StatusLineState& status_line() const { return status_.state(); }
  int message_hold_ticks() const { return status_.hold_ticks(); }
  ConnectionView connection() const;
  // A valid frame arrived within the last 24 ticks.
  bool connected() const { return !link_lost_; }
  // Frames with a good checksum received so far, of any kind.
  int valid_frames() const { return valid_frames_; }
  const MonitorView& monitor_view() const { return monitor_view_; }
  MonitorView& monitor_view() { return monitor_view_; }
  const LiveValues& live_values() const { return live_; }
  // The last monitor frame decoded and the engine speed before it (the injection duty of that
  // frame is worked out with it): what a data log records.
  const DeviceFrame& last_monitor_frame() const { return last_monitor_frame_; }
  int rpm_before_last_frame() const { return rpm_before_last_frame_; }

  // Replay of a recorded log: while it runs, frames from the controller keep the connection
  // alive but no longer reach the display, and recorded frames handed in here take the path a
  // received monitor frame takes (decoding, live values, layout, highlight). False for a frame
  // that is not a valid monitor frame.
  void SetReplaying(bool replaying) { replaying_ = replaying; }
  bool replaying() const { return replaying_; }
  bool ReplayMonitorFrame(const DeviceFrame& frame);
  const IdentificationTexts& identification() const { return transactions_.identification(); }
  const IdentificationArea& identification_area() const {
    return transactions_.identification_area();
  }
  // Message boxes to show, oldest first; the queue is emptied.
  std::vector<std::string> TakeMessageBoxes();

 private:
  void OpenPort();
  void ReceiveFrame();
  void HandleMonitorFrame(const DeviceFrame& frame);
  bool DecodeIntoDisplay(const DeviceFrame& frame);
  void HandlePageReply(const DeviceFrame& frame);
  void IdleTick();
  void SuperviseConnection();

  Transport& transport_;
  model::ParameterImage& image_;
  SessionOwner& owner_;
  LinkState state_;
  OutputTestFlags test_flags_;
  PortControl port_;
  FrameSender sender_;
  StatusLine status_;
  std::deque<std::string> message_boxes_;
  i18n::Language language_ = i18n::Language::kEnglish;
  Transactions transactions_;
  Autotune autotune_;
  MonitorView monitor_view_;
  LiveValues live_;
  DeviceFrame last_monitor_frame_;
  int rpm_before_last_frame_ = 0;
  bool replaying_ = false;
  // The saving counter and programming count of a monitor frame taken in this tick.
  int valid_frames_ = 0;
  bool monitor_frame_this_tick_ = false;
  int frame_saving_counter_ = 0;
  int frame_programming_count_ = 0;

  int watchdog_ = kWatchdogStart;
  int reopen_counter_ = 0;  // ticks without connection since the last reopen
  bool link_lost_ = false;
  bool no_connection_visible_ = false;
  bool printing_ = false;
  bool extended_monitor_ = false;
  bool debug_display_ = false;
};

}  // namespace morvek::link
