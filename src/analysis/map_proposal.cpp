#include "analysis/map_proposal.h"

#include <algorithm>
#include <cmath>

#include "analysis/cell_weights.h"
#include "analysis/sample_filter.h"
#include "model/field_table.h"
#include "pages/injection_maps.h"

namespace morvek::analysis {
namespace {

using model::FieldId;
using model::InjectionMap;

constexpr int kMaxPercent = 32000;  // the grid's range

struct Sums {
  double weight = 0;
  double factor = 0;
  double af = 0;
  double target = 0;
};

}  // namespace

int MapProposal::CoveredCells() const {
  return static_cast<int>(
      std::count_if(cells.begin(), cells.end(), [](const CellResult& c) { return c.covered; }));
}

int MapProposal::ChangedCells() const {
  return static_cast<int>(
      std::count_if(cells.begin(), cells.end(), [](const CellResult& c) { return c.changed(); }));
}

double MapProposal::MeanAfError() const {
  double sum = 0;
  int n = 0;
  for (const CellResult& c : cells) {
    if (!c.covered) continue;
    sum += std::abs(c.mean_af - c.target_af);
    ++n;
  }
  return n > 0 ? sum / n : 0;
}

InjectionMap ResolveMap(const model::ParameterImage& image, const AnalysisOptions& options) {
  if (model::Stored(image, FieldId::kJet1MiscMode) != pages::kJetModeSeparate)
    return InjectionMap::k1A;
  if (options.map) return *options.map;
  return model::Stored(image, FieldId::kTuningChannel) == 2 ? InjectionMap::k2A : InjectionMap::k1A;
}

double ResolveTargetAf(const model::ParameterImage& image, const AnalysisOptions& options) {
  if (options.target_af) return *options.target_af;
  return model::Stored(image, FieldId::kTuningLambda) / 10.0;
}

MapProposal ProposeMap(std::span<const AnalysisLog> logs, const model::ParameterImage& image,
                       const AnalysisOptions& options) {
  MapProposal p;
  p.map = ResolveMap(image, options);
  const double target = ResolveTargetAf(image, options);

  std::array<int, model::kMapColumns> axis{};
  for (int i = 0; i < model::kMapColumns; ++i)
    axis[static_cast<std::size_t>(i)] = model::Shown(image, model::RpmAxisField(p.map), i);
  const model::BaseInjectionMap base = model::ComputeBaseMap(
      model::ComputeBaseTable(p.map, model::Stored(image, FieldId::kBike)), image, p.map);

  std::array<Sums, model::kMapCells> sums{};
  const SampleFilter filter(image, options);
  for (const AnalysisLog& log : logs) {
    for (std::size_t i = 0; i < log.rows.size(); ++i) {
      ++p.readings;
      const Judgement j = filter.Judge(log, i);
      if (j.reason) {
        ++p.rejected[static_cast<std::size_t>(*j.reason)];
        continue;
      }
      ++p.used;
      const CellWeights w = WeighSample(axis, j.reading.rpm, j.reading.throttle_pct);
      double wanted = target;
      if (options.target_table) {
        wanted = 0;
        for (const auto& s : w.shares)
          wanted += s.weight * (*options.target_table)[static_cast<std::size_t>(s.cell)];
      }
      if (wanted <= 0) continue;
      const double factor = j.reading.af / wanted;
      for (const auto& s : w.shares) {
        if (s.weight <= 0) continue;
        Sums& c = sums[static_cast<std::size_t>(s.cell)];
        c.weight += s.weight;
        c.factor += s.weight * factor;
        c.af += s.weight * j.reading.af;
        c.target += s.weight * wanted;
      }
    }
  }

  const double limit = std::max(options.max_change_pct, 0.0) / 100.0;
  for (std::size_t k = 0; k < p.cells.size(); ++k) {
    CellResult& c = p.cells[k];
    const Sums& s = sums[k];
    c.old_percent =
        model::PercentFromTime(static_cast<std::uint16_t>(model::Stored(
                                   image, model::TimesField(p.map), static_cast<int>(k))),
                               base[k]);
    c.new_percent = c.old_percent;
    c.hits = s.weight;
    if (s.weight > 0) {
      c.mean_af = s.af / s.weight;
      c.target_af = s.target / s.weight;
      c.factor = s.factor / s.weight;
    }
    c.locked = options.locked[k];
    c.covered = s.weight > 0 && s.weight >= options.min_hits;
    if (!c.covered || c.locked) continue;
    const double f = std::clamp(c.factor, 1 - limit, 1 + limit);
    c.clamped = f != c.factor;
    c.new_percent =
        static_cast<int>(std::clamp(std::lround(c.old_percent * f), 0L,
                                    static_cast<long>(std::max(kMaxPercent, c.old_percent))));
  }
  return p;
}

}  // namespace morvek::analysis
