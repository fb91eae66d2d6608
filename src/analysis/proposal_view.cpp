#include "analysis/proposal_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "i18n/analysis_texts.h"

namespace morvek::analysis {
namespace {

using i18n::AnalysisText;

constexpr Shade kNoData{235, 235, 235};
constexpr Shade kLocked{190, 190, 190};
constexpr Shade kTooFew{255, 244, 200};
constexpr Shade kEnough{150, 220, 150};
constexpr Shade kSome{250, 220, 110};

std::string T(AnalysisText id, i18n::Language language) {
  return std::string(i18n::Text(id, language));
}

std::string Replace(std::string text, const std::string& key, const std::string& value) {
  const std::size_t at = text.find(key);
  if (at != std::string::npos) text.replace(at, key.size(), value);
  return text;
}

std::string Fixed(double v, int decimals) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
  return buffer;
}

}  // namespace

Shade ChangeShade(const CellResult& cell, double max_change_pct) {
  if (cell.locked) return kLocked;
  if (cell.hits <= 0) return kNoData;
  if (!cell.covered) return kTooFew;
  if (!cell.changed() || cell.old_percent <= 0) return {};
  const double change = 100.0 * (cell.new_percent - cell.old_percent) / cell.old_percent;
  const double depth = std::clamp(std::abs(change) / std::max(max_change_pct, 0.1), 0.0, 1.0);
  // Never darker than black text can be read on.
  const int fade = static_cast<int>(std::lround(30 + 120 * depth));
  if (change > 0) return {255, 255 - fade, 255 - fade};
  return {255 - fade, 255 - fade, 255};
}

Shade CoverageShade(const CellResult& cell) {
  if (cell.hits <= 0) return kNoData;
  return cell.covered ? kEnough : kSome;
}

std::string CellText(const CellResult& cell, bool coverage) {
  // Under ten hits a tenth tells a trace of data from none.
  if (coverage) return cell.hits > 0 ? Fixed(cell.hits, cell.hits < 10 ? 1 : 0) : std::string();
  return std::to_string(cell.new_percent);
}

std::string CellToolTip(const CellResult& cell, i18n::Language language) {
  if (cell.hits <= 0) {
    std::string tip = T(AnalysisText::kTipNoData, language);
    if (cell.locked) tip += "\n" + T(AnalysisText::kTipLocked, language);
    return tip;
  }
  std::string tip = T(AnalysisText::kTipHits, language) + ": " + Fixed(cell.hits, 1) + "\n" +
                    T(AnalysisText::kTipMeanAf, language) + ": " + Fixed(cell.mean_af, 2) + "\n" +
                    T(AnalysisText::kTipChange, language) + ": " +
                    std::to_string(cell.old_percent) + " % -> " + std::to_string(cell.new_percent) +
                    " %";
  if (cell.clamped) tip += "\n" + T(AnalysisText::kTipClamped, language);
  if (cell.locked) tip += "\n" + T(AnalysisText::kTipLocked, language);
  return tip;
}

std::string SummaryText(const MapProposal& p, i18n::Language language) {
  std::string text = T(AnalysisText::kSummary, language);
  text = Replace(text, "%C", std::to_string(p.CoveredCells()));
  text = Replace(text, "%H", std::to_string(p.ChangedCells()));
  text = Replace(text, "%U", std::to_string(p.used));
  return Replace(text, "%R", std::to_string(p.readings));
}

std::string RejectionText(const MapProposal& p, i18n::Language language) {
  std::string text;
  for (int r = 0; r < kRejectReasonCount; ++r) {
    const std::int64_t n = p.rejected[static_cast<std::size_t>(r)];
    if (n == 0) continue;
    const auto id = static_cast<AnalysisText>(static_cast<int>(AnalysisText::kReasonReplay) + r);
    if (!text.empty()) text += "\n";
    text +=
        T(id, language) + (language == i18n::Language::kFrench ? " : " : ": ") + std::to_string(n);
  }
  return text;
}

}  // namespace morvek::analysis
