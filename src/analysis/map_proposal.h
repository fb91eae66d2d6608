#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "analysis/analysis_log.h"
#include "analysis/analysis_options.h"
#include "analysis/reject_reason.h"
#include "model/base_injection.h"
#include "model/parameter_image.h"

namespace morvek::analysis {

// What the logs say about one map cell.
struct CellResult {
  double hits = 0;       // total sample weight
  double mean_af = 0;    // weighted mean of the measured A/F (0 without hits)
  double target_af = 0;  // weighted mean of the wanted A/F (0 without hits)
  double factor = 1;     // weighted mean of measured / target
  int old_percent = 0;
  int new_percent = 0;
  bool covered = false;  // reached the minimum hits
  bool clamped = false;  // the change was limited to the most one pass may move
  bool locked = false;
  bool changed() const { return new_percent != old_percent; }
};

// A proposal for one injection map.
struct MapProposal {
  model::InjectionMap map = model::InjectionMap::k1A;
  std::array<CellResult, model::kMapCells> cells{};
  std::array<std::int64_t, kRejectReasonCount> rejected{};
  std::int64_t readings = 0;  // rows looked at
  std::int64_t used = 0;      // rows that counted

  int CoveredCells() const;
  int ChangedCells() const;
  // Mean |A/F - target| over the covered cells, from each cell's mean A/F; 0 without any.
  double MeanAfError() const;
};

// The map an analysis corrects for this image and these options.
model::InjectionMap ResolveMap(const model::ParameterImage& image, const AnalysisOptions& options);
// The single target A/F for this image and these options (TUNING.lambda / 10 by default).
double ResolveTargetAf(const model::ParameterImage& image, const AnalysisOptions& options);

// Proposes new cell percentages for a map from logs recorded with `image` in the controller.
MapProposal ProposeMap(std::span<const AnalysisLog> logs, const model::ParameterImage& image,
                       const AnalysisOptions& options);

}  // namespace morvek::analysis
