#include "clilink/saving_watch.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvek::clilink {
namespace {

using Verdict = SavingWatch::Verdict;

// One tick as the link command sees it after the verify pass.
struct Step {
  bool frame;
  int saving;
  bool connected;
};

// Feeds the steps, then repeats the last one until the watch decides (or 200 ticks pass).
Verdict Watch(const std::vector<Step>& steps, int* ticks) {
  SavingWatch watch;
  int n = 0;
  Verdict v = Verdict::kWaiting;
  for (std::size_t i = 0; v == Verdict::kWaiting && n < 200; ++i, ++n) {
    const Step& s = steps[std::min(i, steps.size() - 1)];
    v = watch.Tick(s.frame, s.saving, s.connected);
  }
  if (ticks != nullptr) *ticks = n;
  return v;
}

TEST(SavingWatch, SucceedsOnlyOnAControllerSeenAfterTheVerify) {
  struct Case {
    const char* name;
    std::vector<Step> steps;
    Verdict verdict;
    int ticks;  // when it decides; 0: do not care
  };
  const Case cases[] = {
      {"saving seen, then a frame with the saving done",
       {{false, 0, true}, {true, 2756, true}, {false, 0, true}, {true, 900, true}, {true, 0, true}},
       Verdict::kSaved,
       5},
      {"no frame at all until the link is lost",
       {{false, 0, true}, {false, 0, true}, {false, 0, false}},
       Verdict::kLostBeforeSaving,
       3},
      {"link lost while the counter still ran",
       {{true, 2000, true}, {false, 0, true}, {false, 0, false}},
       Verdict::kLostWhileSaving,
       3},
      {"alive but never saving: given the start time",
       {{true, 0, true}},
       Verdict::kSaved,
       SavingWatch::kSavingStartTicks},
      {"never saving and lost before the start time ends",
       {{true, 0, true}, {false, 0, true}, {false, 0, false}},
       Verdict::kLostBeforeSaving,
       3},
      {"a late start of the saving is still waited for",
       {{true, 0, true}, {true, 0, true}, {true, 5, true}, {true, 5, true}, {true, 0, true}},
       Verdict::kSaved,
       5},
  };
  for (const Case& c : cases) {
    int ticks = 0;
    EXPECT_EQ(Watch(c.steps, &ticks), c.verdict) << c.name;
    if (c.ticks > 0) {
      EXPECT_EQ(ticks, c.ticks) << c.name;
    }
  }
}

TEST(SavingWatch, NoFrameMeansNoSuccessHoweverLongTheLinkCountsAsUp) {
  SavingWatch watch;
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(watch.Tick(false, 0, true), Verdict::kWaiting) << i;
}

}  // namespace
}  // namespace morvek::clilink
