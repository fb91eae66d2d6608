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

TEST_F(TransactionTest, ProgramSendsEveryPageVerifiesThenShowsSaving) {
  FillImage(3);
  controller.saving_counter = 2000;  // reported by the first monitor frames after programming
  controller.saving_step = 1000;
  session.Program();
  EXPECT_EQ(session.status_line().text, "Program device:");
  EXPECT_GE(RunTransaction(), 0);
  EXPECT_EQ(PageCodes(), Concat(Range(0x00, 0x09), Range(0x41, 0x49)));
  for (int k = 0; k < 150; ++k) EXPECT_EQ(transport.written[0].payload(k), 0);
  for (int b = 0; b < 1350; b += 37)
    EXPECT_EQ(
        controller.pages[static_cast<std::size_t>(b / 150 + 1)][static_cast<std::size_t>(b % 150)],
        image.Byte(b));
  EXPECT_FALSE(flags.Any());
  // The verify pass completed, and in the same tick the idle step put the programming
  // completion in place of its text (the controller has not reported saving yet).
  EXPECT_EQ(session.status_line().text, "Program device: OK");

  std::vector<int> saving_progress;
  std::vector<std::string> texts{session.status_line().text};
  for (int i = 0; i < 40; ++i) {
    session.Tick();
    const StatusLineState& line = session.status_line();
    if (texts.back() != line.text) texts.push_back(line.text);
    if (line.text == "Saving:" &&
        (saving_progress.empty() || saving_progress.back() != line.gauge_value))
      saving_progress.push_back(line.gauge_value);
  }
  EXPECT_EQ(texts,
            (std::vector<std::string>{"Program device: OK", "Saving:", "Program device: OK"}));
  EXPECT_EQ(saving_progress, (std::vector<int>{2, 6}));  // 10 * (2756 - 2000) / 2756, ... 1000
  EXPECT_EQ(session.status_line().gauge_value, 10);

  // When the message runs out the line is hidden and the completion text is not shown again.
  Ticks(200);
  EXPECT_FALSE(session.status_line().label_visible);
  EXPECT_FALSE(session.status_line().gauge_visible);
}

TEST_F(TransactionTest, ProgrammingAfterChangeSendsOnlyTheFlaggedPagesWithoutVerify) {
  FillImage(3);
  flags.Set(7);
  flags.Set(2);
  session.StartProgramming();
  EXPECT_EQ(session.status_line().gauge_value, 2);
  EXPECT_GE(RunTransaction(), 0);
  EXPECT_EQ(PageCodes(), (std::vector<int>{0x02, 0x07}));
  EXPECT_EQ(session.status_line().text, "Program device: OK");
  EXPECT_EQ(session.status_line().gauge_value, 10);
  EXPECT_TRUE(owner.calls.empty());  // no collect, no limits pass: the edit path did both
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
  EXPECT_TRUE(flags.Test(7)) << "the controller never confirmed page 7";

  // A later change on page 2 programs page 2 and the page that failed, lowest first.
  controller.corrupt_echo = false;
  transport.written.clear();
  flags.Set(2);
  session.StartProgramming();
  EXPECT_GE(RunTransaction(), 0);
  EXPECT_EQ(PageCodes(), (std::vector<int>{0x02, 0x07}));
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
  EXPECT_EQ(session.transaction_mode(), TransactionMode::kProgram);
  transport.QueueFrame(echo);
  session.Tick();
  EXPECT_EQ(session.transaction_mode(), TransactionMode::kNone);
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

// The owner hears of every image the controller was found to hold, and of every image about
// to be programmed, so that it can keep them; failures report nothing.
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
      // Its verify pass confirms the image the program's own point holds.
      {"program", [](Rig& r) { r.session.Program(); }, {}, {all}},
      {"programming after change",
       [](Rig& r) {
         r.flags.Set(7);
         r.flags.Set(2);
         r.session.StartProgramming();
       },
       {},
       {{2, 7}}},
      {"programming that fails",
       [](Rig& r) {
         r.controller.corrupt_echo = true;
         r.flags.Set(4);
         r.session.StartProgramming();
       },
       {},
       {{4}}},
  };
  for (const Case& c : cases) {
    Rig r;
    c.start(r);
    // Programming is announced before its first page goes out; a program that starts by
    // asking the controller who it is, once the answer is in.
    const bool asks_first = std::string(c.name) == "program";
    EXPECT_EQ(r.owner.programming_starts,
              asks_first ? std::vector<std::vector<int>>{} : c.programming)
        << c.name;
    EXPECT_TRUE(r.transport.written.empty()) << c.name;
    EXPECT_TRUE(r.RunTransaction()) << c.name;
    EXPECT_EQ(r.owner.confirmed, c.confirmed) << c.name;
    EXPECT_EQ(r.owner.programming_starts, c.programming) << c.name;
  }
}

}  // namespace
}  // namespace morvek::link
