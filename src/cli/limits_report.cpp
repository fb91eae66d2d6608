#include "cli/limits_report.h"

#include <vector>

#include "files/file_findings.h"

namespace morvek::cli {

int ReportLimitsChanges(const std::string& path, const model::ParameterImage& read,
                        const model::ParameterImage& limited, std::string_view consequence,
                        std::ostream& err) {
  const std::vector<files::LimitsChange> changes = files::LimitsChanges(read, limited);
  if (changes.empty()) return 0;
  err << "morvek-cli: " << path << ": the limits correct " << changes.size()
      << (changes.size() == 1 ? " value" : " values") << " (as the file says -> corrected), "
      << consequence << ":\n";
  for (const files::LimitsChange& c : changes) err << "  " << files::FormatLimitsChange(c) << "\n";
  return static_cast<int>(changes.size());
}

}  // namespace morvek::cli
