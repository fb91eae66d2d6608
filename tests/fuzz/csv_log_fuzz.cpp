// Data logs: whatever a file holds, reading it never breaks the program; a log that reads
// has its times in order and every value within the 18 digits a column can carry.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "logging/csv_log_reader.h"

using namespace morvek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const logging::CsvLog log = logging::ParseCsvLog(text);
  if (!log.error.empty()) {
    FUZZ_CHECK(log.rows.empty(), "a log that failed kept rows");
    return 0;
  }
  constexpr std::int64_t kWidest = 999'999'999'999'999'999;
  for (std::size_t i = 0; i < log.rows.size(); ++i) {
    const logging::LogRow& row = log.rows[i];
    FUZZ_CHECK(row.time_ms >= -kWidest && row.time_ms <= kWidest, "a time beyond 18 digits");
    if (i > 0) FUZZ_CHECK(row.time_ms >= log.rows[i - 1].time_ms, "the time went back");
    for (std::int64_t v : row.values) FUZZ_CHECK(v >= -kWidest && v <= kWidest, "a wide value");
  }
  return 0;
}
