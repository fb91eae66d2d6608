#pragma once

#include <cstdio>
#include <ctime>

// Prints the wall clock in nanoseconds; the timing script subtracts the moment it started the
// process, so the whole start (loading the libraries included) is measured.
inline void PrintShownStamp() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::printf("shown %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
}
