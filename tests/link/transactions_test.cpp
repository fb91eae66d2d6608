#include "link/transactions.h"

#include <algorithm>
#include <functional>

#include "session_fixture.h"

namespace morvek::link {
namespace {

using testing::FrameOf;
using testing::SessionFixture;

class TransactionTest : public SessionFixture {
 protected:
  void SetUp() override { session.Start(); }
  // The distinct texts the message line showed, in order, while running n ticks.
  std::vector<std::string> TextsDuring(int n) {
    std::vector<std::string> texts;
    for (int i = 0; i < n; ++i) {
      session.Tick();
      const std::string& text = session.status_line().text;
      if (texts.empty() || texts.back() != text) texts.push_back(text);
    }
    return texts;
  }
};

TEST_F(TransactionTest, ReadFillsTheImageThenVerifies) {
  FillControllerPages(5);
  FillImage(99);
  session.Read();
  EXPECT_EQ(session.status_line().text, "Read:");
  EXPECT_TRUE(session.status_line().gauge_visible);
  EXPECT_GE(RunTransaction(), 0);

  EXPECT_EQ(PageCodes(), Concat(Range(0x40, 0x49), Range(0x41, 0x49)));
  for (int b = 0; b < 1350; ++b)
    ASSERT_EQ(image.Byte(b), static_cast<std::uint8_t>(b * 13 + 5)) << b;
  // Read requests carry zeros, the verify requests the image page.
  EXPECT_EQ(transport.written[1].payload(0), 0);
  EXPECT_EQ(transport.written[10].code(), 0x41);
  EXPECT_EQ(transport.written[10].payload(7), image.Byte(7));
  EXPECT_EQ(session.status_line().text, "Verify: OK");
  EXPECT_EQ(session.status_line().colour, Colour::kButtonFace);
  EXPECT_EQ(session.status_line().gauge_value, 10);
  EXPECT_EQ(owner.calls.front(), "ClearFileName");
  EXPECT_EQ(owner.Count("PagesArrived"), 9);
  EXPECT_EQ(owner.Count("Limits"), 1);
  EXPECT_EQ(session.identification().version, 84);
}

// The first reply to page 3 loses all but its first 47 bytes; the reply to the repeated
// request arrives in two pieces. The old head and the new head together would make a frame
// with the right code and a checksum that holds, carrying the wrong page.
TEST_F(TransactionTest, APieceOfALostReplyNeverJoinsTheRepeatedOne) {
  FillControllerPages(5);
  auto& page3 = controller.pages[3];
  std::uint8_t sum = 0xFF;  // the two heads XOR to the payload bytes 46 to 103
  for (int k = 46; k < 103; ++k) sum ^= page3[static_cast<std::size_t>(k)];
  page3[103] = sum;
  const auto answer = transport.responder;
  int page3_requests = 0;
  std::vector<std::uint8_t> tail;
  transport.responder = [&](const DeviceFrame& request) {
    const std::size_t before = transport.incoming.size();
    answer(request);
    if (request.code() != 0x43 || ++page3_requests > 2) return;
    const std::vector<std::uint8_t> reply(transport.incoming.begin() + static_cast<long>(before),
                                          transport.incoming.end());
    transport.incoming.resize(before);
    const long head = page3_requests == 1 ? 47 : 105;
    transport.Queue(std::vector<std::uint8_t>(reply.begin(), reply.begin() + head));
    if (page3_requests == 2) tail.assign(reply.begin() + head, reply.end());
  };
  session.Read();
  for (int t = 0; t < 400 && session.transaction_mode() != TransactionMode::kNone; ++t) {
    session.Tick();
    transport.Queue(tail);
    tail.clear();
  }
  EXPECT_EQ(session.status_line().text, "Verify: OK");
  for (int p = 1; p <= 9; ++p)
    EXPECT_TRUE(std::equal(image.Page(p).begin(), image.Page(p).end(),
                           controller.pages[static_cast<std::size_t>(p)].begin()))
        << "page " << p;
}

TEST_F(TransactionTest, ReadProgressFollowsThePage) {
  FillControllerPages(1);
  session.Read();
  std::vector<int> progress;
  for (int i = 0; i < 40 && session.transaction_mode() == TransactionMode::kRead; ++i) {
    session.Tick();
    if (progress.empty() || progress.back() != session.status_line().gauge_value)
      progress.push_back(session.status_line().gauge_value);
  }
  EXPECT_EQ(progress, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
}

TEST_F(TransactionTest, VersionMismatchStopsAReadBeforePageOne) {
  FillControllerPages(5);
  FillImage(99);
  const model::ParameterImage before = image;
  controller.pages[0][10] = 83;
  session.Read();
  EXPECT_GE(RunTransaction(), 0);
  EXPECT_EQ(PageCodes(), (std::vector<int>{0x40}));
  EXPECT_EQ(image, before);
  const std::vector<std::string> boxes = session.TakeMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Unmatched version of PC and Ignition programs!  PC-84, IGN-83");
  EXPECT_EQ(owner.Count("Limits"), 1);
  EXPECT_EQ(owner.Count("Refresh"), 1);
  // The line keeps what it showed: the countdown does not run out.
  Ticks(300);
  EXPECT_TRUE(session.status_line().label_visible);
  EXPECT_EQ(session.status_line().text, "Read:");
}

TEST_F(TransactionTest, VerifyIgnoresImageByteOneOnly) {
  struct Case {
    int differing_page, differing_byte;
    const char* result;
  } cases[] = {{1, 1, "Verify: OK"}, {1, 2, "Verify error!"}, {9, 1, "Verify error!"}};
  for (const Case& c : cases) {
    testing::FakeTransport transport;
    testing::TestController controller(transport);
    model::ParameterImage image;
    model::PageProgramFlags flags;
    testing::RecordingOwner owner;
    Session session(transport, image, flags, owner);
    session.Start();
    for (int b = 0; b < 1350; ++b) image.SetByte(b, static_cast<std::uint8_t>(b));
    for (int p = 1; p <= 9; ++p)
      std::copy(image.Page(p).begin(), image.Page(p).end(), controller.pages[p].begin());
    controller.pages[c.differing_page][c.differing_byte] ^= 0x55;
    // Pages changed on screen: a verify that finds the controller equal leaves none to program.
    flags.Set(3);
    flags.Set(7);
    session.Verify();
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"Collect", "Limits", "Refresh"}));
    for (int i = 0; i < 400 && session.transaction_mode() != TransactionMode::kNone; ++i)
      session.Tick();
    EXPECT_EQ(session.status_line().text, c.result) << c.differing_page << "/" << c.differing_byte;
    const bool equal = std::string(c.result) == "Verify: OK";
    EXPECT_EQ(flags.Test(3), !equal);
    EXPECT_EQ(flags.Test(7), !equal);
  }
}

TEST_F(TransactionTest, UnansweredReadSendsPageZeroFiveTimesThenFails) {
  controller.silent = true;
  session.Read();
  Ticks(35);
  EXPECT_EQ(transport.Codes(), std::vector<int>(5, 0x40));
  EXPECT_EQ(session.transaction_mode(), TransactionMode::kRead);
  session.Tick();  // the sixth timeout
  EXPECT_EQ(session.transaction_mode(), TransactionMode::kNone);
  EXPECT_EQ(session.status_line().text, "Read error!");
  EXPECT_EQ(session.status_line().colour, Colour::kRed);
  EXPECT_TRUE(session.status_line().label_visible);
  EXPECT_EQ(session.message_hold_ticks(), 199);  // set to 200, counted down in the same tick
  EXPECT_EQ(transport.Codes().size(), 5u);
}

TEST_F(TransactionTest, ProgramReadsTheControllerSendsVerifiesWaitsForTheSavingAndVerifiesAgain) {
  FillControllerPages(40);
  const model::ParameterImage old_tune = [&] {
    model::ParameterImage held;
    for (int p = 1; p <= 9; ++p)
      std::copy(controller.pages[static_cast<std::size_t>(p)].begin(),
                controller.pages[static_cast<std::size_t>(p)].end(), held.Page(p).begin());
    return held;
  }();
  FillImage(3);
  controller.save_start = 2000;
  controller.saving_step = 500;
  session.Program();
  std::vector<std::string> texts{session.status_line().text};
  std::vector<int> saving_progress;
  bool flags_kept_while_saving = true;
  int ticks = 0;
  while (session.transaction_mode() != TransactionMode::kNone && ticks < 400) {
    session.Tick();
    ++ticks;
    const StatusLineState& line = session.status_line();
    if (texts.back() != line.text) texts.push_back(line.text);
    if (line.text == "Saving:") {
      flags_kept_while_saving = flags_kept_while_saving && flags.Test(1) && flags.Test(9);
      if (saving_progress.empty() || saving_progress.back() != line.gauge_value)
        saving_progress.push_back(line.gauge_value);
    }
  }
  ASSERT_LT(ticks, 400);
  // "Saving:" from the end of the first verify until the verify after the saving has agreed.
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "Read:", "Program device:", "Verify:", "Saving:", "Program device: OK"}));
  EXPECT_EQ(PageCodes(), Concat(Concat(Range(0x40, 0x49), Range(0x00, 0x09)),
                                Concat(Range(0x41, 0x49), Range(0x41, 0x49))));
  // The backup read asks with zeros; the program's page 0 too; the verifies carry the image.
  for (std::size_t f = 0; f < transport.written.size(); ++f) {
    const DeviceFrame& w = transport.written[f];
    if (w.code() == 0x00 || (w.code() >= 0x40 && w.code() <= 0x49 && f < 12))
      for (int k = 0; k < 150; ++k) {
        ASSERT_EQ(w.payload(k), 0) << std::hex << int(w.code());
      }
  }
  // Monitor requests come only between the first verify and the final one.
  const std::vector<int> codes = transport.Codes();
  const auto first_monitor = std::find(codes.begin(), codes.end(), 0x30);
  ASSERT_NE(first_monitor, codes.end());
  EXPECT_EQ(std::count(codes.begin(), first_monitor, 0x49), 2);  // backup read, first verify
  EXPECT_EQ(saving_progress.front(), 0);
  EXPECT_TRUE(std::is_sorted(saving_progress.begin(), saving_progress.end()));
  EXPECT_GE(saving_progress.size(), 3u);
  EXPECT_TRUE(flags_kept_while_saving);
  EXPECT_FALSE(flags.Any());
  ASSERT_EQ(owner.backups.size(), 1u);
  EXPECT_EQ(owner.backups[0], old_tune);
  EXPECT_EQ(session.controller_backup(), old_tune);
  EXPECT_EQ(session.failure().reason, FailureReason::kNone);
  EXPECT_EQ(controller.programming_count, 1);

  // The completion text is held like every message, then hidden.
  Ticks(200);
  EXPECT_FALSE(session.status_line().label_visible);
  EXPECT_FALSE(session.status_line().gauge_visible);
}

TEST_F(TransactionTest, ProgrammingAfterChangeSendsTheFlaggedPagesAndVerifiesThemAfterSaving) {
  FillImage(3);
  flags.Set(7);
  flags.Set(2);
  session.StartProgramming();
  EXPECT_EQ(session.status_line().gauge_value, 2);
  std::vector<std::string> texts{session.status_line().text};
  while (session.transaction_mode() != TransactionMode::kNone && texts.size() < 10) {
    session.Tick();
    if (texts.back() != session.status_line().text) texts.push_back(session.status_line().text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"Program device:", "Saving:", "Program device: OK"}));
  EXPECT_EQ(PageCodes(), (std::vector<int>{0x02, 0x07, 0x42, 0x47}));
  EXPECT_EQ(session.status_line().gauge_value, 10);
  EXPECT_FALSE(flags.Any());
  EXPECT_TRUE(owner.calls.empty());    // no collect, no limits pass: the edit path did both
  EXPECT_TRUE(owner.backups.empty());  // no read first
}

TEST_F(TransactionTest, StartProgrammingWithoutFlagsDoesNothing) {
  session.StartProgramming();
  EXPECT_EQ(session.transaction_mode(), TransactionMode::kNone);
  EXPECT_FALSE(session.status_line().label_visible);
}

TEST_F(TransactionTest, ProgramEchoThatDiffersFailsAndALateEchoLeavesTheImageAlone) {
  FillImage(3);
  controller.corrupt_echo = true;
  flags.Set(7);
  session.StartProgramming();
  EXPECT_GE(RunTransaction(), 0);
  EXPECT_EQ(PageCodes(), std::vector<int>(5, 0x07));
  EXPECT_EQ(session.status_line().text, "Program error!");
  EXPECT_EQ(session.status_line().colour, Colour::kRed);

  // An echo that arrives after the failure is no autotune page.
  const model::ParameterImage before = image;
  transport.QueueFrame(FrameOf(0x87, {{1, 0xEE}, {2, 0xEE}}));
  const std::size_t writes = transport.written.size();
  session.Tick();
  EXPECT_EQ(image, before);
  EXPECT_EQ(transport.written.size(), writes);
}

TEST_F(TransactionTest, APageWhoseProgramFailedIsSentAgainByTheNextProgramming) {
  FillImage(3);
  controller.corrupt_echo = true;
  flags.Set(7);
  session.StartProgramming();
  EXPECT_GE(RunTransaction(), 0);
  EXPECT_EQ(session.status_line().text, "Program error!");
  EXPECT_EQ(session.failure().reason, FailureReason::kDiffers);
  EXPECT_EQ(session.failure().page, 7);
  EXPECT_TRUE(flags.Test(7)) << "the controller never confirmed page 7";

  // A later change on page 2 programs page 2 and the page that failed, lowest first.
  controller.corrupt_echo = false;
  transport.written.clear();
  flags.Set(2);
  session.StartProgramming();
  EXPECT_GE(RunTransaction(), 0);
  EXPECT_EQ(PageCodes(), (std::vector<int>{0x02, 0x07, 0x42, 0x47}));
  EXPECT_FALSE(flags.Any());
}

TEST_F(TransactionTest, RepliesWithAWrongCodeOrChecksumAreRepeated) {
  controller.silent = true;
  FillImage(3);
  flags.Set(4);
  session.StartProgramming();
  Ticks(6);
  ASSERT_EQ(PageCodes(), (std::vector<int>{0x04}));
  DeviceFrame echo = FrameOf(0x84);
  std::copy(image.Page(4).begin(), image.Page(4).end(), echo.Payload().begin());
  echo.Seal();
  DeviceFrame bad_checksum = echo;
  bad_checksum.bytes()[151] ^= 0x01;
  transport.QueueFrame(bad_checksum);
  session.Tick();
  DeviceFrame wrong_code = echo;
  wrong_code.set_code(0xC4);
  wrong_code.Seal();
  transport.QueueFrame(wrong_code);
  session.Tick();
  EXPECT_EQ(session.program_phase(), Transactions::ProgramPhase::kSending);
  transport.QueueFrame(echo);
  session.Tick();
  // The page is confirmed; the program goes on to watch the saving.
  EXPECT_EQ(session.program_phase(), Transactions::ProgramPhase::kSaving);
  controller.pages[4] = {};
  std::copy(image.Page(4).begin(), image.Page(4).end(), controller.pages[4].begin());
  controller.silent = false;
  EXPECT_GE(RunTransaction(), 0);
  EXPECT_EQ(session.status_line().text, "Program device: OK");
}

// A session of its own for each case of a table.
struct Rig {
  Rig() {
    session.Start();
    for (int p = 1; p <= 9; ++p)
      for (int k = 0; k < 150; ++k)
        controller.pages[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(p * 31 + k);
    image = ControllerImage();
  }
  model::ParameterImage ControllerImage() const {
    model::ParameterImage held;
    for (int p = 1; p <= 9; ++p)
      std::copy(controller.pages[static_cast<std::size_t>(p)].begin(),
                controller.pages[static_cast<std::size_t>(p)].end(), held.Page(p).begin());
    return held;
  }
  bool RunTransaction() {
    for (int i = 0; i < 400; ++i) {
      session.Tick();
      if (session.transaction_mode() == TransactionMode::kNone) return true;
    }
    return false;
  }
  testing::FakeTransport transport;
  testing::TestController controller{transport};
  model::ParameterImage image;
  model::PageProgramFlags flags;
  testing::RecordingOwner owner;
  Session session{transport, image, flags, owner};
};

// The owner hears of every image the controller was found to hold, and, before a program sends
// anything, of the tune the controller holds; failures report nothing.
TEST(TransactionOwner, HearsOfConfirmedImagesAndOfProgrammingStarts) {
  struct Case {
    const char* name;
    std::function<void(Rig&)> start;
    std::vector<ImageSource> confirmed;
    std::vector<std::vector<int>> programming;
  };
  const std::vector<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9};
  const Case cases[] = {
      {"read", [](Rig& r) { r.session.Read(); }, {ImageSource::kRead}, {}},
      {"verify equal", [](Rig& r) { r.session.Verify(); }, {ImageSource::kVerify}, {}},
      {"verify different",
       [](Rig& r) {
         r.image.SetByte(700, static_cast<std::uint8_t>(r.image.Byte(700) + 1));
         r.session.Verify();
       },
       {},
       {}},
      {"read of another version",
       [](Rig& r) {
         r.controller.pages[0][10] = 83;
         r.session.Read();
       },
       {},
       {}},
      {"read unanswered",
       [](Rig& r) {
         r.controller.silent = true;
         r.session.Read();
       },
       {},
       {}},
      // The image to be programmed is not the controller's tune: the backup must be the latter.
      {"program",
       [](Rig& r) {
         r.image.SetByte(3, static_cast<std::uint8_t>(r.image.Byte(3) + 1));
         r.session.Program();
       },
       {},
       {all}},
      {"program of another version",
       [](Rig& r) {
         r.controller.pages[0][10] = 83;
         r.session.Program();
       },
       {},
       {}},
      // Only the pages that changed: nothing is read first.
      {"programming after change",
       [](Rig& r) {
         r.flags.Set(7);
         r.flags.Set(2);
         r.session.StartProgramming();
       },
       {},
       {}},
  };
  for (const Case& c : cases) {
    Rig r;
    const model::ParameterImage before = r.ControllerImage();
    c.start(r);
    EXPECT_TRUE(r.owner.programming_starts.empty()) << c.name;
    EXPECT_TRUE(r.transport.written.empty()) << c.name;
    EXPECT_TRUE(r.RunTransaction()) << c.name;
    EXPECT_EQ(r.owner.confirmed, c.confirmed) << c.name;
    EXPECT_EQ(r.owner.programming_starts, c.programming) << c.name;
    for (const model::ParameterImage& backup : r.owner.backups)
      EXPECT_EQ(backup, before) << c.name << ": the controller's tune, not the image";
  }
}

}  // namespace
}  // namespace morvek::link
