#pragma once

#include <array>

namespace morvek::model::defaults {

// The built-in default parameter set, in shown units.
inline constexpr std::array<int, 15> kRpmAxis{1000, 2000, 3000, 4000, 5000,  5500,  6000, 6500,
                                              7000, 7500, 8000, 9000, 10000, 11000, 12000};
inline constexpr std::array<int, 15> kAdvanceCurve{9,  19, 30, 36, 36, 35, 34, 34,
                                                   34, 34, 34, 34, 34, 34, 34};
inline constexpr std::array<int, 15> kInjectionAngles{270, 275, 290, 280, 290, 265, 235, 235,
                                                      230, 225, 220, 220, 220, 220, 220};
inline constexpr std::array<int, 5> kInjCorrWater{113, 109, 105, 100, 97};
inline constexpr std::array<int, 5> kInjCorrAir{109, 105, 100, 100, 100};
// At -10, 20, 50, 80 and 110 degC; the points between are the rounded-down means.
inline constexpr std::array<int, 5> kTempSensorVoltages{4505, 3159, 1665, 741, 331};
inline constexpr std::array<int, 9> kIdleServoTargets{1800, 1800, 1800, 1550, 1400,
                                                      1200, 1200, 1200, 1200};
inline constexpr std::array<int, 9> kIdleAdvanceTargets{1800, 1800, 1750, 1600, 1550,
                                                        1550, 1550, 1550, 1450};
inline constexpr std::array<int, 5> kLambdaAfStandard{100, 130, 140, 150, 180};
inline constexpr std::array<int, 5> kLambdaVoltageStandard{900, 840, 760, 50, 0};
inline constexpr std::array<int, 5> kLambdaAfUego{100, 120, 140, 160, 180};
inline constexpr std::array<int, 5> kLambdaVoltageUego{0, 1190, 2500, 3750, 5000};

}  // namespace morvek::model::defaults
