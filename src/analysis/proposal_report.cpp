#include "analysis/proposal_report.h"

#include <cstdio>

#include "model/field_table.h"

namespace morvek::analysis {
namespace {

std::string Format(const char* format, auto... args) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

int RpmOf(const model::ParameterImage& image, model::InjectionMap map, int column) {
  return model::Shown(image, model::RpmAxisField(map), column);
}

double TpsOf(int row) { return model::kMapRowTps[static_cast<std::size_t>(row)] / 10.0; }

}  // namespace

std::string ProposalCsv(const MapProposal& p, const model::ParameterImage& image) {
  std::string out =
      "row,column,throttle_pct,rpm,hits,mean_af,target_af,old_pct,new_pct,clamped,locked\n";
  for (int k = 0; k < model::kMapCells; ++k) {
    const CellResult& c = p.cells[static_cast<std::size_t>(k)];
    const int row = k / model::kMapColumns;
    const int column = k % model::kMapColumns;
    out += Format("%d,%d,%.0f,%d,%.2f,%.2f,%.2f,%d,%d,%d,%d\n", row, column, TpsOf(row),
                  RpmOf(image, p.map, column), c.hits, c.mean_af, c.target_af, c.old_percent,
                  c.new_percent, c.clamped ? 1 : 0, c.locked ? 1 : 0);
  }
  return out;
}

std::string ProposalText(const MapProposal& p, const model::ParameterImage& image) {
  std::string out = p.map == model::InjectionMap::k1A ? "Map JET_1A\n" : "Map JET_2A\n";
  for (int k = 0; k < model::kMapCells; ++k) {
    const CellResult& c = p.cells[static_cast<std::size_t>(k)];
    if (!c.changed() && !(c.locked && c.covered)) continue;
    const int row = k / model::kMapColumns;
    const int column = k % model::kMapColumns;
    out += Format("  TPS %3.0f %%  %5d rpm: %4d -> %4d %%  hits %6.1f  A/F %4.1f%s%s\n", TpsOf(row),
                  RpmOf(image, p.map, column), c.old_percent, c.new_percent, c.hits, c.mean_af,
                  c.clamped ? "  clamped" : "", c.locked ? "  locked" : "");
  }
  out +=
      Format("Cells covered: %d, changed: %d; readings used: %lld of %lld\n", p.CoveredCells(),
             p.ChangedCells(), static_cast<long long>(p.used), static_cast<long long>(p.readings));
  out += Format("Mean |A/F - target| over the covered cells: %.3f\n", p.MeanAfError());
  out += "Rejected readings:\n";
  for (int r = 0; r < kRejectReasonCount; ++r) {
    const std::int64_t n = p.rejected[static_cast<std::size_t>(r)];
    if (n == 0) continue;
    out += Format("  %-24s %lld\n", std::string(ReasonName(static_cast<RejectReason>(r))).c_str(),
                  static_cast<long long>(n));
  }
  return out;
}

}  // namespace morvek::analysis
