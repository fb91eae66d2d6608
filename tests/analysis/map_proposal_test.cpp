#include "analysis/map_proposal.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/proposal_apply.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "pages/injection_maps.h"
#include "synthetic_log.h"

namespace morvek::analysis {
namespace {

using model::FieldId;
using synth::AsLog;
using synth::WarmRow;

constexpr double kTarget = 14.5;
constexpr int kRowMs = 330;  // three monitor frames a second

model::Editor DefaultEditor(int jet_mode) {
  model::Editor editor;
  model::SetStored(editor.image(), FieldId::kBike, 0);
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  model::SetStored(editor.image(), FieldId::kJet1MiscMode, jet_mode);
  editor.ImageChanged();
  return editor;
}

// The correction each cell needs, as a smooth field over the operating point; parts of it
// ask for more than one pass may move.
double TrueFactor(double rpm, double throttle) {
  return 1 + 0.13 * std::sin(rpm / 1700.0) + 0.04 * std::cos(throttle / 25.0);
}

int AxisRpm(const model::ParameterImage& image, int column) {
  return model::Shown(image, FieldId::kRpmJet1A, column);
}

// Holds of 12 rows at every cell of columns 1..10 and rows 2..7, the lambda telling how far
// the mixture is off there.
std::vector<logging::LogRow> HoldsAtCells(const model::ParameterImage& image) {
  std::vector<logging::LogRow> rows;
  std::int64_t t = 0;
  for (int column = 1; column <= 10; ++column)
    for (int row = 2; row <= 7; ++row)
      for (int n = 0; n < 12; ++n) {
        const double rpm = AxisRpm(image, column);
        const double tps = model::kMapRowTps[static_cast<std::size_t>(row)] / 10.0;
        rows.push_back(WarmRow(t, rpm, tps, kTarget * TrueFactor(rpm, tps)));
        t += kRowMs;
      }
  return rows;
}

TEST(MapProposal, CoveredCellsLandOnTheTruthAndOthersStay) {
  model::Editor editor = DefaultEditor(pages::kJetModeSeparate);
  const model::ParameterImage& image = editor.image();
  const AnalysisLog log = AsLog(HoldsAtCells(image));
  ASSERT_TRUE(log.error.empty()) << log.error;
  AnalysisOptions options;
  options.map = model::InjectionMap::k1A;
  options.target_af = kTarget;
  options.locked[model::MapElement(4, 5)] = true;
  const MapProposal p = ProposeMap(std::span(&log, 1), image, options);

  int clamped = 0;
  for (int row = 0; row < model::kMapRows; ++row) {
    for (int column = 0; column < model::kMapColumns; ++column) {
      const CellResult& c = p.cells[static_cast<std::size_t>(model::MapElement(row, column))];
      const bool in_log = column >= 1 && column <= 10 && row >= 2 && row <= 7;
      SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
      if (!in_log || (row == 4 && column == 5)) {
        EXPECT_EQ(c.new_percent, c.old_percent);
        continue;
      }
      const double tps = model::kMapRowTps[static_cast<std::size_t>(row)] / 10.0;
      const double wanted =
          std::clamp(TrueFactor(AxisRpm(image, column), tps), 0.9, 1.1) * c.old_percent;
      EXPECT_TRUE(c.covered);
      EXPECT_NEAR(c.new_percent, wanted, 0.01 * wanted);
      if (c.clamped) ++clamped;
    }
  }
  EXPECT_GT(clamped, 0);  // the field asks for more than 10 % somewhere
  const CellResult& locked = p.cells[static_cast<std::size_t>(model::MapElement(4, 5))];
  EXPECT_TRUE(locked.locked);
  EXPECT_GT(locked.hits, 10);
}

TEST(MapProposal, FewHitsAndTheChangeLimitHoldACell) {
  model::Editor editor = DefaultEditor(pages::kJetModeSeparate);
  const int rpm = AxisRpm(editor.image(), 6);
  struct Case {
    int rows;
    double af;
    double max_change;
    double factor;  // expected new / old; 1 = unchanged
  };
  for (const Case& c : {Case{9, 16.0, 10, 1.0}, Case{20, 16.0, 10, 1.10}, Case{20, 13.05, 10, 0.90},
                        Case{20, 13.05, 20, 0.90}, Case{20, 16.0, 5, 1.05}}) {
    std::vector<logging::LogRow> rows;
    // One row for the delay window, then the counted ones.
    for (int n = 0; n <= c.rows; ++n) rows.push_back(WarmRow(n * kRowMs, rpm, 30, c.af));
    const AnalysisLog log = AsLog(rows);
    AnalysisOptions options;
    options.target_af = kTarget;
    options.max_change_pct = c.max_change;
    options.map = model::InjectionMap::k1A;
    const MapProposal p = ProposeMap(std::span(&log, 1), editor.image(), options);
    const CellResult& cell = p.cells[static_cast<std::size_t>(model::MapElement(5, 6))];
    SCOPED_TRACE(testing::Message() << c.rows << " rows at " << c.af);
    EXPECT_DOUBLE_EQ(cell.hits, c.rows);
    EXPECT_NEAR(cell.new_percent, cell.old_percent * c.factor, 0.5);
    EXPECT_EQ(cell.clamped, c.factor != 1.0 && std::abs(c.af / kTarget - 1) > c.max_change / 100);
  }
}

// A ride that sweeps the rpm up again and again at a steady throttle, the mixture needing
// more fuel the higher the rpm. The sensor sees each mixture 300 ms late.
std::vector<logging::LogRow> RpmSweeps(int lambda_delay_ms) {
  std::vector<logging::LogRow> rows;
  auto rpm_at = [](double s) { return 3000 + 1500 * std::fmod(s, 4.0); };
  auto factor = [](double rpm) { return 0.9 + 0.2 * (rpm - 3000) / 6000; };
  for (std::int64_t t = 0; t < 200000; t += kRowMs) {
    const double s = t / 1000.0;
    const double made = std::max(0.0, s - lambda_delay_ms / 1000.0);
    rows.push_back(WarmRow(t, rpm_at(s), 30, kTarget * factor(rpm_at(made))));
  }
  return rows;
}

double MeanErrorPercent(const MapProposal& p, const model::ParameterImage& image) {
  double sum = 0;
  int n = 0;
  // The inner columns, where samples lie on both sides of a cell.
  for (int column = 3; column <= 8; ++column) {
    const CellResult& c = p.cells[static_cast<std::size_t>(model::MapElement(5, column))];
    const double truth = (0.9 + 0.2 * (AxisRpm(image, column) - 3000) / 6000) * c.old_percent;
    sum += std::abs(c.new_percent - truth) / truth * 100;
    ++n;
  }
  return sum / n;
}

TEST(MapProposal, TheRightDelayBeatsNone) {
  model::Editor editor = DefaultEditor(pages::kJetModeSeparate);
  const AnalysisLog log = AsLog(RpmSweeps(300));
  AnalysisOptions options;
  options.target_af = kTarget;
  options.max_change_pct = 30;
  options.map = model::InjectionMap::k1A;
  options.delay_ms = 300;
  const double right =
      MeanErrorPercent(ProposeMap(std::span(&log, 1), editor.image(), options), editor.image());
  options.delay_ms = 0;
  const double none =
      MeanErrorPercent(ProposeMap(std::span(&log, 1), editor.image(), options), editor.image());
  EXPECT_LT(right, 1.0);
  EXPECT_GT(none, 2 * right);
  EXPECT_GT(none, 1.0);
}

TEST(MapProposal, MapAndTargetFollowTheTune) {
  struct Case {
    int jet_mode;
    int channel;
    std::optional<model::InjectionMap> asked;
    model::InjectionMap expected;
  };
  using M = model::InjectionMap;
  for (const Case& c :
       {Case{0, 1, std::nullopt, M::k1A}, Case{0, 2, std::nullopt, M::k2A},
        Case{0, 2, M::k1A, M::k1A}, Case{1, 2, M::k2A, M::k1A}, Case{2, 2, std::nullopt, M::k1A}}) {
    model::Editor editor = DefaultEditor(c.jet_mode);
    model::SetStored(editor.image(), FieldId::kTuningChannel, c.channel);
    AnalysisOptions options;
    options.map = c.asked;
    EXPECT_EQ(ResolveMap(editor.image(), options), c.expected)
        << "mode " << c.jet_mode << " channel " << c.channel;
  }
  model::Editor editor = DefaultEditor(0);
  model::SetStored(editor.image(), FieldId::kTuningLambda, 132);
  AnalysisOptions options;
  EXPECT_DOUBLE_EQ(ResolveTargetAf(editor.image(), options), 13.2);
  options.target_af = 12.8;
  EXPECT_DOUBLE_EQ(ResolveTargetAf(editor.image(), options), 12.8);
}

TEST(MapProposal, ATargetTableSetsTheTargetPerCell) {
  model::Editor editor = DefaultEditor(pages::kJetModeSeparate);
  const int rpm = AxisRpm(editor.image(), 6);
  std::vector<logging::LogRow> rows;
  for (int n = 0; n <= 20; ++n) rows.push_back(WarmRow(n * kRowMs, rpm, 30, 13.0));
  const AnalysisLog log = AsLog(rows);
  AnalysisOptions options;
  CellGrid table;
  table.fill(14.5);
  table[model::MapElement(5, 6)] = 12.5;  // this cell wants it richer than it runs
  options.target_table = table;
  options.map = model::InjectionMap::k1A;
  const MapProposal p = ProposeMap(std::span(&log, 1), editor.image(), options);
  const CellResult& c = p.cells[static_cast<std::size_t>(model::MapElement(5, 6))];
  EXPECT_DOUBLE_EQ(c.target_af, 12.5);
  EXPECT_NEAR(c.new_percent, std::lround(c.old_percent * 13.0 / 12.5), 0.5);
}

TEST(ApplyProposal, OneUndoStepThroughTheCoupling) {
  for (int mode : {pages::kJetModeSeparate, pages::kJetModeCoupled, pages::kJetModeSame}) {
    SCOPED_TRACE(mode);
    model::Editor editor = DefaultEditor(mode);
    editor.ResetHistory();
    editor.program_flags().ClearAll();
    pages::PageEditor pages(editor);
    pages::PageValues values;
    const model::ParameterImage before = editor.image();
    const int rpm = AxisRpm(editor.image(), 6);
    std::vector<logging::LogRow> rows;
    for (int n = 0; n <= 20; ++n) rows.push_back(WarmRow(n * kRowMs, rpm, 30, 15.95));
    const AnalysisLog log = AsLog(rows);
    AnalysisOptions options;
    options.target_af = kTarget;
    const MapProposal p = ProposeMap(std::span(&log, 1), editor.image(), options);
    ASSERT_EQ(p.ChangedCells(), 1);
    const int cell = model::MapElement(5, 6);
    const auto view2_before = editor.percent_view(model::InjectionMap::k2A);

    const pages::ChangeResult result = ApplyProposal(pages, values, p);
    EXPECT_TRUE(result.changed);
    editor.ImageChanged();
    const auto& view1 = editor.percent_view(model::InjectionMap::k1A);
    const auto& view2 = editor.percent_view(model::InjectionMap::k2A);
    EXPECT_EQ(view1[cell], p.cells[cell].new_percent);
    const int delta = p.cells[cell].new_percent - p.cells[cell].old_percent;
    if (mode == pages::kJetModeSeparate) {
      EXPECT_EQ(view2, view2_before);
    } else if (mode == pages::kJetModeCoupled) {
      EXPECT_EQ(view2[cell], view2_before[cell] + delta);
    } else {
      EXPECT_EQ(model::Stored(editor.image(), FieldId::kJet2A, cell),
                model::Stored(editor.image(), FieldId::kJet1A, cell));
    }
    // Only that cell's time moved in map 1A.
    for (int k = 0; k < model::kMapCells; ++k)
      if (k != cell) {
        EXPECT_EQ(model::Stored(editor.image(), FieldId::kJet1A, k),
                  model::Stored(before, FieldId::kJet1A, k));
      }
    EXPECT_TRUE(editor.program_flags().Any());
    editor.Undo();
    EXPECT_EQ(editor.image(), before);
  }
}

}  // namespace
}  // namespace morvek::analysis
