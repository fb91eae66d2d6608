#pragma once

#include <cstdint>

namespace morvek::link {

// The live values of the last valid monitor frame that other parts of the program use. All
// are zero until the first frame.
struct LiveValues {
  int rpm = 0;                         // word 48
  int throttle_percent = 0;            // byte 9
  int throttle_mv = 0;                 // word 56
  int coolant_plus100 = 0;             // byte 23; 180 on a coolant sensor error
  int air_plus100 = 0;                 // byte 24
  int after_start_timer = 0;           // word 94
  int gear = 0;                        // byte 25
  int rpm_speed_ratio = 0;             // word 120, ratio x 10
  bool output_test_inhibit = false;    // byte 4 bit 7
  int saving_counter = 0;              // word 148
  int programming_count = 0;           // word 76, programmings the controller has stored
  bool start_limiter = false;          // byte 2 bit 2
  bool ignition_limiter = false;       // byte 2 bit 3
  bool injection_limiter = false;      // byte 2 bit 4
  bool retard_limiter = false;         // byte 2 bit 5
  bool base_advance = false;           // byte 3 bit 3
  bool throttle_sensor_error = false;  // byte 3 bit 7
  bool pressure_sensor_error = false;  // byte 4 bit 0
  int lambda = 0;                      // byte 30, air/fuel ratio x 10
  int controller_version = 0;          // byte 150
};

}  // namespace morvek::link
