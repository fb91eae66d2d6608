#include "session_fixture.h"

namespace morvek::link {
namespace {

using CopyRead = Transactions::CopyRead;
using testing::SessionFixture;

class CopyReadTest : public SessionFixture {
 protected:
  void SetUp() override { session.Start(); }
};

TEST_F(CopyReadTest, FillsTheTargetAndLeavesImageFlagsAndScreenAlone) {
  FillControllerPages(5);
  FillImage(99);
  const model::ParameterImage before = image;
  flags.Set(4);
  model::ParameterImage copy;
  session.ReadCopy(copy);
  EXPECT_EQ(session.copy_read(), CopyRead::kRunning);
  EXPECT_GE(RunTransaction(), 0);

  EXPECT_EQ(PageCodes(), Concat(Range(0x40, 0x49), Range(0x41, 0x49)));
  for (int b = 0; b < 1350; ++b)
    ASSERT_EQ(copy.Byte(b), static_cast<std::uint8_t>(b * 13 + 5)) << b;
  EXPECT_EQ(image, before);
  EXPECT_TRUE(flags.Test(4));
  for (const char* call : {"ClearFileName", "Collect", "Limits", "Refresh", "PagesArrived"})
    EXPECT_EQ(owner.Count(call), 0) << call;
  EXPECT_EQ(session.copy_read(), CopyRead::kDone);
  EXPECT_EQ(session.status_line().text, "Verify: OK");
}

TEST_F(CopyReadTest, FailureAndAnotherCommandEndIt) {
  struct Case {
    const char* what;
    bool silent;
    int version;
    bool replaced;
    CopyRead result;
  } cases[] = {
      {"no answer", true, 84, false, CopyRead::kFailed},
      {"another protocol version", false, 83, false, CopyRead::kFailed},
      {"a read started meanwhile", false, 84, true, CopyRead::kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::FakeTransport transport;
    testing::TestController controller(transport);
    model::ParameterImage image;
    model::PageProgramFlags flags;
    testing::RecordingOwner owner;
    Session session(transport, image, flags, owner);
    session.Start();
    controller.silent = c.silent;
    controller.pages[0][10] = static_cast<std::uint8_t>(c.version);
    model::ParameterImage copy;
    session.ReadCopy(copy);
    if (c.replaced) session.Read();
    for (int i = 0; i < 400 && session.transaction_mode() != TransactionMode::kNone; ++i)
      session.Tick();
    EXPECT_EQ(session.copy_read(), c.result);
    // A read started meanwhile lands in the image, as any read does.
    EXPECT_EQ(owner.Count("PagesArrived"), c.replaced ? 9 : 0);
  }
}

TEST_F(CopyReadTest, AFailedVerifyKeepsWhatTheControllerHoldsOnTheDifferingPage) {
  FillImage(3);
  for (int p = 1; p <= 9; ++p)
    std::copy(image.Page(p).begin(), image.Page(p).end(), controller.pages[p].begin());
  controller.pages[4][17] ^= 0x21;
  controller.pages[6][2] ^= 0x01;  // never reached: the verify stops at page 4
  session.Verify();
  for (int i = 0; i < 400 && session.transaction_mode() != TransactionMode::kNone; ++i)
    session.Tick();
  EXPECT_EQ(session.status_line().text, "Verify error!");
  ASSERT_EQ(session.verify_mismatch_page(), 4);
  const model::ParameterImage& held = session.verify_controller_copy();
  for (int k = 0; k < 150; ++k)
    EXPECT_EQ(held.Page(4)[static_cast<std::size_t>(k)],
              controller.pages[4][static_cast<std::size_t>(k)])
        << k;
  // A verify that then finds the controller equal forgets the page.
  controller.pages[4][17] ^= 0x21;
  controller.pages[6][2] ^= 0x01;
  session.Verify();
  for (int i = 0; i < 400 && session.transaction_mode() != TransactionMode::kNone; ++i)
    session.Tick();
  EXPECT_EQ(session.status_line().text, "Verify: OK");
  EXPECT_EQ(session.verify_mismatch_page(), 0);
}

}  // namespace
}  // namespace morvek::link
