#include "analysis/sample_filter.h"

#include <gtest/gtest.h>

#include <functional>

#include "analysis/map_proposal.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "pages/injection_maps.h"
#include "synthetic_log.h"

namespace morvek::analysis {
namespace {

using model::FieldId;
using synth::AsLog;
using synth::Set;
using synth::WarmRow;

constexpr int kRowMs = 330;

model::Editor Separate() {
  model::Editor editor;
  model::SetStored(editor.image(), FieldId::kBike, 0);
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  model::SetStored(editor.image(), FieldId::kJet1MiscMode, 0);
  return editor;
}

// Per filter: how a block of rows is spoilt, and the reason it must be counted under.
struct FilterCase {
  const char* name;
  std::function<void(logging::LogRow&, int n)> spoil;
  RejectReason reason;
  double af = 17.5;  // far from the target, within the sensor's range
};

std::vector<FilterCase> Cases() {
  return {
      {"replay", [](auto&, int) {}, RejectReason::kReplay},
      {"rpm below the floor", [](auto& r, int) { Set(r, "rpm", 600); },
       RejectReason::kEngineStopped},
      {"data error", [](auto& r, int) { Set(r, "data_error", 1); }, RejectReason::kDataError},
      {"throttle sensor", [](auto& r, int) { Set(r, "throttle_sensor_error", 1); },
       RejectReason::kDataError},
      {"coolant sensor", [](auto& r, int) { Set(r, "coolant_sensor_error", 1); },
       RejectReason::kDataError},
      {"no lambda", [](auto& r, int) { Set(r, "lambda_af", 0); }, RejectReason::kLambdaError, 0},
      {"lambda voltage error", [](auto& r, int) { Set(r, "tuning_state", 6); },
       RejectReason::kLambdaError},
      {"railed lean", [](auto&, int) {}, RejectReason::kLambdaRailed, 18.0},
      {"railed rich", [](auto&, int) {}, RejectReason::kLambdaRailed, 10.0},
      {"cold", [](auto& r, int) { Set(r, "coolant_c", 55); }, RejectReason::kCoolantCold},
      {"after start", [](auto& r, int) { Set(r, "after_start_corr_pct", 1250); },
       RejectReason::kAfterStart},
      {"acceleration", [](auto& r, int) { Set(r, "accel_corr_pct", 80); },
       RejectReason::kAcceleration},
      {"no injection", [](auto& r, int) { Set(r, "injection_us", 0); }, RejectReason::kFuelCut},
      {"overrun",
       [](auto& r, int n) {
         Set(r, "throttle_pct", 0);
         Set(r, "throttle_pct_fine", 0);
         Set(r, "rpm", 4970 - 30 * (n - 30));
       },
       RejectReason::kFuelCut},
      {"ignition limiter", [](auto& r, int) { Set(r, "ignition_limiter", 1); },
       RejectReason::kLimiter},
      {"injection limiter", [](auto& r, int) { Set(r, "injection_limiter", 1); },
       RejectReason::kLimiter},
      {"autotune", [](auto& r, int) { Set(r, "tuning_state", 11); }, RejectReason::kAutotune},
      {"throttle moving",
       [](auto& r, int n) {
         Set(r, "throttle_pct", n % 2 ? 30 : 40);
         Set(r, "throttle_pct_fine", n % 2 ? 300 : 400);
       },
       RejectReason::kNotSteady},
      {"rpm moving", [](auto& r, int n) { Set(r, "rpm", n % 2 ? 5000 : 6500); },
       RejectReason::kNotSteady},
  };
}

// Good rows at the target around a block of spoilt rows whose lambda is far off: the good
// rows cover the cells, the spoilt ones must not move them.
TEST(SampleFilter, RejectedReadingsMoveNothing) {
  const model::Editor editor = Separate();
  for (const FilterCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    std::vector<logging::LogRow> rows;
    std::vector<int> replay;
    for (int n = 0; n < 90; ++n) {
      const bool spoilt = n >= 30 && n < 60;
      logging::LogRow row = WarmRow(n * kRowMs, 5000, 30, spoilt ? c.af : 14.5);
      if (spoilt) c.spoil(row, n);
      rows.push_back(row);
      replay.push_back(spoilt && c.reason == RejectReason::kReplay ? 1 : 0);
    }
    const AnalysisLog log =
        AsLog(rows, c.reason == RejectReason::kReplay ? replay : std::vector<int>{});
    ASSERT_TRUE(log.error.empty()) << log.error;
    AnalysisOptions options;
    options.target_af = 14.5;
    options.map = model::InjectionMap::k1A;
    const MapProposal p = ProposeMap(std::span(&log, 1), editor.image(), options);
    EXPECT_GE(p.rejected[static_cast<std::size_t>(c.reason)], 30);
    EXPECT_GT(p.CoveredCells(), 0);
    EXPECT_EQ(p.ChangedCells(), 0);
    for (const CellResult& cell : p.cells)
      if (cell.hits > 0) {
        EXPECT_NEAR(cell.mean_af, 14.5, 1e-9);
      }
  }
}

TEST(SampleFilter, ThePointIsTakenDelayEarlierBetweenRows) {
  const model::Editor editor = Separate();
  // rpm climbs 990 rpm per row of 330 ms (3000 rpm/s, at the limit of steady running).
  std::vector<logging::LogRow> rows;
  for (int n = 0; n < 4; ++n) rows.push_back(WarmRow(n * kRowMs, 4000 + 990 * n, 20 + n, 14.0));
  const AnalysisLog log = AsLog(rows);
  struct Case {
    int delay;
    std::size_t row;
    std::optional<RejectReason> reason;
    double rpm;
    double tps;
  };
  for (const Case& c :
       {Case{300, 2, std::nullopt, 4000 + 990 * (30.0 / 330 + 1), 20 + 30.0 / 330 + 1},
        Case{0, 2, std::nullopt, 5980, 22}, Case{660, 2, std::nullopt, 4000, 20},
        Case{300, 0, RejectReason::kBeforeLogStart, 0, 0},
        Case{700, 1, RejectReason::kBeforeLogStart, 0, 0}}) {
    AnalysisOptions options;
    options.delay_ms = c.delay;
    const Judgement j = SampleFilter(editor.image(), options).Judge(log, c.row);
    SCOPED_TRACE(testing::Message() << "delay " << c.delay << " row " << c.row);
    EXPECT_EQ(j.reason, c.reason);
    if (c.reason) continue;
    EXPECT_NEAR(j.reading.rpm, c.rpm, 0.5);
    EXPECT_NEAR(j.reading.throttle_pct, c.tps, 0.01);
    EXPECT_DOUBLE_EQ(j.reading.af, 14.0);
  }
}

TEST(SampleFilter, TheSensorsEndsComeFromTheTune) {
  model::Editor editor = Separate();
  // A wide-band characteristic reaches 20.0.
  const int af[5] = {100, 120, 140, 160, 200};
  for (int i = 0; i < 5; ++i) model::SetStored(editor.image(), FieldId::kSensorLambdaAf, i, af[i]);
  std::vector<logging::LogRow> rows;
  for (int n = 0; n < 3; ++n) rows.push_back(WarmRow(n * kRowMs, 5000, 30, 18.0));
  rows.push_back(WarmRow(3 * kRowMs, 5000, 30, 20.0));
  const AnalysisLog log = AsLog(rows);
  const SampleFilter filter(editor.image(), AnalysisOptions{});
  EXPECT_EQ(filter.Judge(log, 2).reason, std::nullopt);
  EXPECT_EQ(filter.Judge(log, 3).reason, RejectReason::kLambdaRailed);
}

}  // namespace
}  // namespace morvek::analysis
