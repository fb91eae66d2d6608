// A program counts as done only once the controller has shown that it kept the pages: seen
// saving (or alive through the saving time), then verified again.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes.h"
#include "link/link_texts.h"
#include "link/session.h"
#include "test_controller.h"

namespace morvek::link {
namespace {

using Phase = Transactions::ProgramPhase;
using testing::FrameOf;

// A session and a controller that has a tune of its own, kept in its permanent memory.
struct ProgramBench {
  ProgramBench() {
    session.Start();
    for (int p = 1; p <= 9; ++p)
      for (int k = 0; k < 150; ++k)
        controller.pages[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>((150 * (p - 1) + k) * 13 + 40);
    controller.programming_count = 5;
    controller.KeepPages();
    for (int b = 0; b < model::kImageSize; ++b)
      image.SetByte(b, static_cast<std::uint8_t>(b * 13 + 3));
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) session.Tick();
  }
  // Ticks until `phase` is reached (at most 400 ticks).
  bool RunUntil(Phase phase) {
    for (int i = 0; i < 400; ++i) {
      if (session.program_phase() == phase) return true;
      session.Tick();
    }
    return false;
  }
  // Runs the transaction to its end and remembers every text the line showed.
  void RunRecording(int limit = 2000) {
    for (int i = 0; i < limit && session.transaction_mode() != TransactionMode::kNone; ++i) {
      session.Tick();
      if (texts.empty() || texts.back() != session.status_line().text)
        texts.push_back(session.status_line().text);
    }
  }
  bool ShowedOk() const {
    for (const std::string& t : texts)
      if (t == "Program device: OK") return true;
    return false;
  }
  std::vector<int> PageCodes() const {
    std::vector<int> codes;
    for (int code : transport.Codes())
      if (code != 0x30) codes.push_back(code);
    return codes;
  }

  testing::FakeTransport transport;
  testing::TestController controller{transport};
  model::ParameterImage image;
  model::PageProgramFlags flags;
  testing::RecordingOwner owner;
  Session session{transport, image, flags, owner};
  std::vector<std::string> texts;
};

// Everything that goes wrong before the final verify has agreed ends in the program error with
// its reason, and every page sent stays flagged.
TEST(ProgramSaving, AnyFaultBeforeTheFinalVerifyIsAProgramErrorAndThePagesStayFlagged) {
  struct Case {
    const char* name;
    int save_start;  // 0: the controller reports no saving
    Phase when;      // the phase in which the fault happens
    int after_ticks;
    std::function<void(ProgramBench&)> fault;
    FailureReason reason;
    int max_ticks;  // from the fault to the error
  };
  const Case cases[] = {
      // It comes back with its old tune and a saving counter of 0.
      {"power cycle while saving", 2756, Phase::kSaving, 3,
       [](ProgramBench& t) { t.controller.PowerCycle(); }, FailureReason::kDiffersAfterSaving, 40},
      {"power cycle that loses the count", 2756, Phase::kSaving, 3,
       [](ProgramBench& t) {
         t.controller.PowerCycle();
         t.controller.programming_count = 0;
         t.controller.kept_count = 0;
       },
       FailureReason::kRestarted, 8},
      {"hang-up while saving", 2756, Phase::kSaving, 3,
       [](ProgramBench& t) { t.transport.open = false; }, FailureReason::kHungUp, 1},
      {"hang-up just after the first verify", 2756, Phase::kSaving, 0,
       [](ProgramBench& t) { t.transport.open = false; }, FailureReason::kHungUp, 1},
      {"hang-up after the first verify, no saving reported", 0, Phase::kSaving, 0,
       [](ProgramBench& t) { t.transport.open = false; }, FailureReason::kHungUp, 1},
      {"hang-up while the pages go out", 2756, Phase::kSending, 2,
       [](ProgramBench& t) { t.transport.open = false; }, FailureReason::kHungUp, 1},
      {"silent after the first verify, no saving reported", 0, Phase::kSaving, 0,
       [](ProgramBench& t) { t.controller.silent = true; }, FailureReason::kSilent, 30},
      {"silent while saving", 2756, Phase::kSaving, 4,
       [](ProgramBench& t) { t.controller.silent = true; }, FailureReason::kSilent, 30},
      {"the saving never ends", 2756, Phase::kSaving, 1,
       [](ProgramBench& t) { t.controller.saving_step = 0; }, FailureReason::kNeverSaved,
       SavingRule::kMaxTicks + 2},
      {"another page after the saving", 2756, Phase::kFinalVerify, 0,
       [](ProgramBench& t) { t.controller.pages[6][17] ^= 0x55; },
       FailureReason::kDiffersAfterSaving, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramBench t;
    t.controller.save_start = c.save_start;
    t.controller.saving_step = 300;
    t.session.Program();
    ASSERT_TRUE(t.RunUntil(c.when));
    t.Ticks(c.after_ticks);
    ASSERT_EQ(t.session.program_phase(), c.when);
    c.fault(t);
    int ticks = 0;
    while (t.session.transaction_mode() != TransactionMode::kNone && ticks < c.max_ticks) {
      t.session.Tick();
      ++ticks;
      if (t.texts.empty() || t.texts.back() != t.session.status_line().text)
        t.texts.push_back(t.session.status_line().text);
    }
    EXPECT_EQ(t.session.transaction_mode(), TransactionMode::kNone);
    EXPECT_EQ(t.session.status_line().text, "Program error!");
    EXPECT_EQ(t.session.status_line().colour, Colour::kRed);
    EXPECT_EQ(t.session.failure().reason, c.reason);
    EXPECT_FALSE(t.ShowedOk());
    for (int p = 0; p <= 9; ++p) EXPECT_TRUE(t.flags.Test(p)) << "page " << p;
    // The failure stays what it is while the line counts down.
    t.Ticks(40);
    EXPECT_NE(t.session.status_line().text, "Program device: OK");
  }
}

TEST(ProgramSaving, AControllerThatReportsNoSavingIsVerifiedAfterTheSavingTime) {
  ProgramBench t;
  t.controller.save_start = 0;
  t.flags.Set(5);
  t.session.StartProgramming();
  ASSERT_TRUE(t.RunUntil(Phase::kSaving));
  const std::size_t sent = t.transport.written.size();
  t.RunRecording();
  EXPECT_EQ(t.session.status_line().text, "Program device: OK");
  EXPECT_FALSE(t.flags.Any());
  EXPECT_GE(t.session.saving_rule().frames(), SavingRule::kMinFrames);
  EXPECT_FALSE(t.session.saving_rule().saw_saving());
  // The saving time passed with monitor requests; then page 5 was read back.
  EXPECT_GE(t.transport.written.size() - sent, std::size_t{SavingRule::kNoSavingTicks / 6});
  EXPECT_EQ(t.transport.written.back().code(), 0x45);
}

TEST(ProgramSaving, ProgrammingAfterChangeFollowsTheSameRule) {
  ProgramBench t;
  t.controller.save_start = 1000;
  t.controller.saving_step = 250;
  t.flags.Set(2);
  t.session.StartProgramming();
  t.RunRecording();
  EXPECT_EQ(t.texts,
            (std::vector<std::string>{"Program device:", "Saving:", "Program device: OK"}));
  EXPECT_EQ(t.PageCodes(), (std::vector<int>{0x02, 0x42}));

  // A power cycle during its saving brings the old page back: no OK, page 2 stays flagged.
  t.texts.clear();
  t.transport.written.clear();
  t.image.SetByte(160, static_cast<std::uint8_t>(t.image.Byte(160) + 1));
  t.flags.Set(2);
  t.session.StartProgramming();
  ASSERT_TRUE(t.RunUntil(Phase::kSaving));
  t.Ticks(8);
  t.controller.PowerCycle();
  t.RunRecording();
  EXPECT_FALSE(t.ShowedOk());
  EXPECT_EQ(t.session.failure().reason, FailureReason::kDiffersAfterSaving);
  EXPECT_EQ(t.session.failure().page, 2);
  EXPECT_TRUE(t.flags.Test(2));
}

TEST(ProgramSaving, AnEditWhileTheProgramRunsStaysFlagged) {
  ProgramBench t;
  t.controller.save_start = 1000;
  t.controller.saving_step = 250;
  t.session.Program();
  ASSERT_TRUE(t.RunUntil(Phase::kSaving));
  // The user changes page 4 meanwhile; the program sends and verifies what it started with.
  t.image.SetByte(460, static_cast<std::uint8_t>(t.image.Byte(460) + 1));
  t.flags.Set(4);
  t.RunRecording();
  EXPECT_EQ(t.session.status_line().text, "Program device: OK");
  for (int p = 0; p <= 9; ++p) EXPECT_EQ(t.flags.Test(p), p == 4) << p;
}

TEST(ProgramSaving, ATuneThatCannotBeKeptStopsOrAsksBeforeAnythingIsWritten) {
  ProgramBench t;
  auto program_frames = [&] {
    int n = 0;
    for (int code : t.transport.Codes()) n += code <= 0x09 ? 1 : 0;
    return n;
  };
  t.owner.backup_decision = BackupDecision::kStop;
  t.session.Program();
  t.RunRecording();
  EXPECT_EQ(program_frames(), 0);
  EXPECT_EQ(t.session.status_line().text, "Program error!");
  EXPECT_EQ(t.session.failure().reason, FailureReason::kBackupNotKept);
  EXPECT_TRUE(t.flags.Test(1));

  // Asked: nothing goes out while the question is open; No stops, Yes programs.
  for (bool yes : {false, true}) {
    SCOPED_TRACE(yes ? "yes" : "no");
    t.transport.written.clear();
    t.texts.clear();
    t.owner.backup_decision = BackupDecision::kAsk;
    t.session.Program();
    ASSERT_TRUE(t.RunUntil(Phase::kAwaitingConsent));
    EXPECT_TRUE(t.session.backup_question_pending());
    const std::size_t written = t.transport.written.size();
    t.Ticks(100);
    EXPECT_EQ(t.transport.written.size(), written);
    EXPECT_EQ(t.session.transaction_mode(), TransactionMode::kProgram);
    t.session.AnswerBackupQuestion(yes);
    t.RunRecording();
    EXPECT_EQ(program_frames(), yes ? 10 : 0);
    EXPECT_EQ(t.session.status_line().text, yes ? "Program device: OK" : "Program error!");
    EXPECT_EQ(t.flags.Any(), !yes);
  }
}

// A read that a line error turned into a write (0x43 -> 0x03 with two flipped bits passes the
// checksum) is answered with a program echo.
TEST(ProgramSaving, AProgramEchoNoProgramAskedForStopsAndSaysThePageMayBeOverwritten) {
  ProgramBench t;
  struct Case {
    const char* name;
    std::function<void(Session&)> start;
    std::string line;  // what the line says afterwards
  };
  const Case cases[] = {
      {"read", [](Session& s) { s.Read(); }, "Read error!"},
      {"verify", [](Session& s) { s.Verify(); }, "Verify error!"},
      {"no transaction", [](Session&) {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramBench t;
    c.start(t.session);
    t.Ticks(8);
    // In place of the reply to the request: the controller's page 3, now zeros.
    t.transport.incoming.clear();
    t.transport.QueueFrame(FrameOf(0x83));
    t.session.Tick();
    EXPECT_EQ(t.session.transaction_mode(), TransactionMode::kNone);
    EXPECT_EQ(t.session.failure().reason, FailureReason::kStrayWrite);
    EXPECT_EQ(t.session.failure().page, 3);
    if (!c.line.empty()) {
      EXPECT_EQ(t.session.status_line().text, c.line);
    }
    const std::vector<std::string> boxes = t.session.TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("Page 3 of the controller may have been overwritten"),
              std::string::npos)
        << boxes[0];
    EXPECT_NE(boxes[0].find("Program a known tune"), std::string::npos);
    EXPECT_EQ(boxes[0].find("no valid reply"), std::string::npos);
  }
}

TEST(ProgramSaving, ALateCopyOfTheProgramsOwnEchoIsNoAlarm) {
  ProgramBench t;
  t.flags.Set(3);
  t.session.StartProgramming();
  t.RunRecording();
  ASSERT_EQ(t.session.status_line().text, "Program device: OK");
  DeviceFrame copy = FrameOf(0x83);
  std::copy(t.image.Page(3).begin(), t.image.Page(3).end(), copy.Payload().begin());
  copy.Seal();
  t.transport.QueueFrame(copy);
  t.session.Tick();
  EXPECT_TRUE(t.session.TakeMessageBoxes().empty());
  EXPECT_EQ(t.session.failure().reason, FailureReason::kNone);
  // Once a read has started, the same page in a different echo is an alarm again.
  t.session.Read();
  t.session.Tick();
  t.transport.incoming.clear();
  t.transport.QueueFrame(FrameOf(0x83));
  t.session.Tick();
  EXPECT_EQ(t.session.failure().reason, FailureReason::kStrayWrite);
  EXPECT_EQ(t.session.TakeMessageBoxes().size(), 1u);
}

TEST(FailureTexts, EveryReasonHasItsTextInEveryLanguageWithThePage) {
  for (int r = static_cast<int>(FailureReason::kNoReply);
       r <= static_cast<int>(FailureReason::kBackupNotKept); ++r)
    for (int l = 0; l < 4; ++l) {
      const std::string text =
          FailureText({static_cast<FailureReason>(r), 7}, static_cast<i18n::Language>(l));
      EXPECT_FALSE(text.empty()) << r << " " << l;
      EXPECT_EQ(text.find("%P"), std::string::npos) << text;
    }
  EXPECT_EQ(FailureText({FailureReason::kDiffersAfterSaving, 6}, i18n::Language::kGerman),
            "nach dem Speichern weicht Seite 6 des Steuergeräts vom gesendeten Abbild ab: es hat "
            "die Programmierung nicht behalten");
  EXPECT_TRUE(FailureText({}, i18n::Language::kEnglish).empty());
}

}  // namespace
}  // namespace morvek::link
