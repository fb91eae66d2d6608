#include "analysis/sample_filter.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "model/field_table.h"

namespace morvek::analysis {
namespace {

constexpr int kAfterStartNeutral = 1000;  // 100.0 %: no after-start correction
constexpr int kFirstAutotuneState = 3;    // 0..2: stopped, no load signal, tuning off
constexpr int kLambdaErrorState = 6;

std::size_t ColumnOf(std::string_view name) {
  return static_cast<std::size_t>(logging::LogColumnIndex(name).value_or(0));
}

}  // namespace

const std::vector<std::string>& SampleFilter::ColumnNames() {
  static const std::vector<std::string> kNames{"rpm",
                                               "throttle_pct_fine",
                                               "lambda_af",
                                               "coolant_c",
                                               "injection_us",
                                               "after_start_corr_pct",
                                               "accel_corr_pct",
                                               "tuning_state",
                                               "ignition_limiter",
                                               "injection_limiter",
                                               "retard_limiter",
                                               "out_start_limiter",
                                               "data_error",
                                               "throttle_sensor_error",
                                               "pressure_sensor_error",
                                               "coolant_sensor_error",
                                               "air_sensor_error"};
  return kNames;
}

SampleFilter::SampleFilter(const model::ParameterImage& image, const AnalysisOptions& options)
    : options_(options) {
  // One name per Column, in its order.
  for (std::size_t i = 0; i < columns_.size(); ++i) columns_[i] = ColumnOf(ColumnNames().at(i));
  int low = 255;
  int high = 0;
  for (int i = 0; i < 5; ++i) {
    const int af = model::Stored(image, model::FieldId::kSensorLambdaAf, i);
    low = std::min(low, af);
    high = std::max(high, af);
  }
  if (high > low) {
    lambda_low_ = low;
    lambda_high_ = high;
  }
}

std::optional<RejectReason> SampleFilter::WindowReason(const AnalysisLog& log, std::size_t lo,
                                                       std::size_t hi) const {
  // The reasons in their order of precedence; each looks at every row of the window.
  auto any = [&](auto&& test) {
    for (std::size_t k = lo; k <= hi; ++k)
      if (test(log.rows[k], k)) return true;
    return false;
  };
  if (!log.replayed.empty() && any([&](const auto&, std::size_t k) { return log.replayed[k]; }))
    return RejectReason::kReplay;
  if (any([&](const auto& r, std::size_t) { return At(r, kRpm) < options_.rpm_floor; }))
    return RejectReason::kEngineStopped;
  if (any([&](const auto& r, std::size_t) {
        return At(r, kDataError) || At(r, kThrottleError) || At(r, kPressureError) ||
               At(r, kCoolantError) || At(r, kAirError);
      }))
    return RejectReason::kDataError;
  const logging::LogRow& reading = log.rows[hi];
  const std::int64_t af = At(reading, kLambda);
  if (af <= 0 || At(reading, kTuning) == kLambdaErrorState) return RejectReason::kLambdaError;
  if (af <= lambda_low_ || af >= lambda_high_) return RejectReason::kLambdaRailed;
  if (static_cast<double>(At(reading, kCoolant)) < options_.coolant_floor_c)
    return RejectReason::kCoolantCold;
  if (any([&](const auto& r, std::size_t) {
        const std::int64_t v = At(r, kAfterStart);
        return v != 0 && v != kAfterStartNeutral;
      }))
    return RejectReason::kAfterStart;
  if (any([&](const auto& r, std::size_t) { return At(r, kAccel) > 0; }))
    return RejectReason::kAcceleration;
  if (any([&](const auto& r, std::size_t k) {
        if (At(r, kInjection) == 0) return true;
        return k > lo && At(r, kThrottle) == 0 && At(r, kRpm) < At(log.rows[k - 1], kRpm);
      }))
    return RejectReason::kFuelCut;
  if (any([&](const auto& r, std::size_t) {
        return At(r, kIgnitionLimiter) || At(r, kInjectionLimiter) || At(r, kRetardLimiter) ||
               At(r, kStartLimiter);
      }))
    return RejectReason::kLimiter;
  if (any([&](const auto& r, std::size_t) { return At(r, kTuning) >= kFirstAutotuneState; }))
    return RejectReason::kAutotune;
  if (any([&](const auto& r, std::size_t k) {
        if (k == lo) return false;
        const logging::LogRow& before = log.rows[k - 1];
        const double dt = static_cast<double>(r.time_ms - before.time_ms) / 1000.0;
        if (dt <= 0) return false;
        const double throttle =
            std::abs(static_cast<double>(At(r, kThrottle) - At(before, kThrottle)));
        const double rpm = std::abs(static_cast<double>(At(r, kRpm) - At(before, kRpm)));
        return throttle / 10.0 / dt > options_.max_throttle_rate ||
               rpm / dt > options_.max_rpm_rate;
      }))
    return RejectReason::kNotSteady;
  return std::nullopt;
}

Judgement SampleFilter::Judge(const AnalysisLog& log, std::size_t row) const {
  Judgement j;
  const std::vector<logging::LogRow>& rows = log.rows;
  const std::int64_t t = rows[row].time_ms;
  const std::int64_t t0 = t - std::max(options_.delay_ms, 0);
  // The last row at or before the moment the mixture was made.
  const auto after = std::upper_bound(rows.begin(), rows.begin() + static_cast<long>(row) + 1, t0,
                                      [](std::int64_t v, const auto& r) { return v < r.time_ms; });
  const bool before_start = after == rows.begin();
  std::size_t lo = before_start ? 0 : static_cast<std::size_t>(after - rows.begin()) - 1;
  // Steadiness needs two rows even when the window holds one.
  if (lo == row && row > 0) --lo;
  j.reason = WindowReason(log, lo, row);
  if (!j.reason && before_start) j.reason = RejectReason::kBeforeLogStart;
  if (j.reason) return j;

  // The operating point at t0, between the rows around it.
  const std::size_t a = static_cast<std::size_t>(after - rows.begin()) - 1;
  const std::size_t b = std::min(a + 1, row);
  double share = 0;
  if (b != a && rows[b].time_ms > rows[a].time_ms)
    share = static_cast<double>(t0 - rows[a].time_ms) /
            static_cast<double>(rows[b].time_ms - rows[a].time_ms);
  auto blend = [&](Column c) {
    const double v0 = static_cast<double>(At(rows[a], c));
    const double v1 = static_cast<double>(At(rows[b], c));
    return v0 + (v1 - v0) * share;
  };
  j.reading.rpm = blend(kRpm);
  j.reading.throttle_pct = blend(kThrottle) / 10.0;
  j.reading.af = static_cast<double>(At(rows[row], kLambda)) / 10.0;
  return j;
}

}  // namespace morvek::analysis
