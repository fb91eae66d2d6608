#include "link/saving_rule.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvek::link {
namespace {

using Verdict = SavingRule::Verdict;

// One tick after a program's pages were sent and verified.
struct Step {
  bool frame;
  int saving;
  int count;
  bool open = true;
  bool connected = true;
};

// Feeds the steps, then repeats the last one until the rule decides (or 2000 ticks pass).
Verdict Watch(const std::vector<Step>& steps, int* ticks) {
  SavingRule rule;
  int n = 0;
  Verdict v = Verdict::kWaiting;
  for (std::size_t i = 0; v == Verdict::kWaiting && n < 2000; ++i, ++n) {
    const Step& s = steps[std::min(i, steps.size() - 1)];
    v = rule.Tick({s.frame, s.saving, s.count, s.open, s.connected});
  }
  if (ticks != nullptr) *ticks = n;
  return v;
}

TEST(SavingRule, SavedOnlyOnAControllerSeenToSaveOrAliveForTheSavingTime) {
  struct Case {
    const char* name;
    std::vector<Step> steps;
    Verdict verdict;
    int ticks;  // when it decides
  };
  const Case cases[] = {
      {"saving seen, then a frame with the saving done",
       {{false, 0, 4}, {true, 2756, 4}, {false, 0, 4}, {true, 900, 4}, {true, 0, 5}},
       Verdict::kSaved,
       5},
      {"no frame at all until the watchdog runs out",
       {{false, 0, 0}, {false, 0, 0}, {false, 0, 0, true, false}},
       Verdict::kSilent,
       3},
      {"watchdog lost while the counter still ran",
       {{true, 2000, 3}, {false, 0, 3}, {false, 0, 3, true, false}},
       Verdict::kSilent,
       3},
      // The transport knows before the watchdog does.
      {"hang-up while the watchdog still counts the link as up",
       {{true, 2000, 3}, {true, 1500, 3}, {false, 0, 3, false, true}},
       Verdict::kHungUp,
       3},
      {"hang-up of a controller that reports no saving",
       {{true, 0, 3}, {true, 0, 3}, {false, 0, 3, false, true}},
       Verdict::kHungUp,
       3},
      {"alive but never saving: given the saving time",
       {{true, 0, 7}},
       Verdict::kSaved,
       SavingRule::kNoSavingTicks},
      {"never saving and silent before the saving time ends",
       {{true, 0, 0}, {false, 0, 0}, {false, 0, 0, true, false}},
       Verdict::kSilent,
       3},
      {"never saving, frames too few to count as alive",
       {{true, 0, 0}, {false, 0, 0}},
       Verdict::kNeverFinished,
       SavingRule::kMaxTicks},
      {"a late start of the saving is still waited for",
       {{true, 0, 1}, {true, 0, 1}, {true, 5, 1}, {true, 5, 1}, {true, 0, 2}},
       Verdict::kSaved,
       5},
      // A reset shorter than the watchdog shows a counter of 0 too; the count tells.
      {"programming count going down: a restart",
       {{true, 2000, 12}, {true, 1000, 12}, {true, 0, 11}},
       Verdict::kRestarted,
       3},
      {"a counter that never reaches 0",
       {{true, 2000, 12}, {true, 1999, 12}},
       Verdict::kNeverFinished,
       SavingRule::kMaxTicks},
  };
  for (const Case& c : cases) {
    int ticks = 0;
    EXPECT_EQ(Watch(c.steps, &ticks), c.verdict) << c.name;
    EXPECT_EQ(ticks, c.ticks) << c.name;
  }
}

TEST(SavingRule, RemembersTheCountsAndShowsTheProgress) {
  SavingRule rule;
  EXPECT_EQ(rule.first_count(), -1);
  rule.Tick({true, 2756, 9, true, true});
  EXPECT_EQ(rule.Progress(10), 0);
  rule.Tick({true, 1378, 9, true, true});
  EXPECT_EQ(rule.Progress(10), 5);
  EXPECT_EQ(rule.Tick({true, 0, 10, true, true}), Verdict::kSaved);
  EXPECT_EQ(rule.first_count(), 9);
  EXPECT_EQ(rule.last_count(), 10);
  EXPECT_TRUE(rule.saw_saving());
  rule.Start();
  EXPECT_FALSE(rule.saw_saving());
  EXPECT_EQ(rule.frames(), 0);
}

}  // namespace
}  // namespace morvek::link
