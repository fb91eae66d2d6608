#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_log.h"
#include "analysis/analysis_options.h"
#include "analysis/reject_reason.h"
#include "model/parameter_image.h"

namespace morvek::analysis {

// A lambda reading with the operating point whose mixture it measured.
struct Reading {
  double rpm = 0;
  double throttle_pct = 0;
  double af = 0;
};

struct Judgement {
  std::optional<RejectReason> reason;  // empty: the reading counts
  Reading reading;
};

// Decides, row by row, which readings of a log say something about the map. The reading of
// row i was made delay_ms after its mixture was: it belongs to the operating point of that
// earlier moment, and every row from that moment to the reading must show an engine that ran
// on the map alone.
class SampleFilter {
 public:
  SampleFilter(const model::ParameterImage& image, const AnalysisOptions& options);

  Judgement Judge(const AnalysisLog& log, std::size_t row) const;

  // The log columns the filter reads, in the order of Column: a log must have each of them.
  static const std::vector<std::string>& ColumnNames();

 private:
  enum Column : std::uint8_t {
    kRpm,
    kThrottle,
    kLambda,
    kCoolant,
    kInjection,
    kAfterStart,
    kAccel,
    kTuning,
    kIgnitionLimiter,
    kInjectionLimiter,
    kRetardLimiter,
    kStartLimiter,
    kDataError,
    kThrottleError,
    kPressureError,
    kCoolantError,
    kAirError,
    kColumnCount
  };
  std::optional<RejectReason> WindowReason(const AnalysisLog& log, std::size_t lo,
                                           std::size_t hi) const;
  std::int64_t At(const logging::LogRow& row, Column c) const { return row.values[columns_[c]]; }

  AnalysisOptions options_;
  std::array<std::size_t, kColumnCount> columns_{};
  int lambda_low_ = 100;  // ends of the sensor's characteristic, A/F x 10
  int lambda_high_ = 200;
};

}  // namespace morvek::analysis
