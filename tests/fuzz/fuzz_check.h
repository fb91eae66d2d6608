#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property ends the run at once, so that libFuzzer keeps the input as a finding and
// the corpus replay fails.
#define FUZZ_CHECK(condition, what)                                                   \
  do {                                                                                \
    if (!(condition)) {                                                               \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, what); \
      std::abort();                                                                   \
    }                                                                                 \
  } while (0)
