#include "files/incomplete_copy.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "files/parameter_file_layout.h"
#include "files/token_scanner.h"

namespace morvek::files {
namespace {

// Where a section stands in the written text.
struct Placed {
  std::size_t start = 0;                // its keyword
  std::size_t end = 0;                  // the next keyword (or VERSIONS, or the end of the text)
  std::vector<std::size_t> value_ends;  // the end of each of its values
};

int ValueCount(const KeywordSection& section) {
  int n = 0;
  for (const LineSpec& line : section.lines)
    for (const ValueRun& run : line.values) n += run.count;
  return n;
}

// The position, among a version-84 section's values, of one element of a field.
int IndexOf(const KeywordSection& section, model::FieldId field, int element) {
  int index = 0;
  for (const LineSpec& line : section.lines)
    for (const ValueRun& run : line.values) {
      if (run.field == field && element >= run.first && element < run.first + run.count)
        return index + element - run.first;
      index += run.count;
    }
  return 0;
}

std::map<std::string, Placed> PlaceSections(std::string_view text) {
  std::map<std::string, Placed> placed;
  TokenScanner scanner(text);
  Placed* open = nullptr;
  int wanted = 0;
  const auto close = [&](std::size_t at) {
    if (open != nullptr) open->end = at;
    open = nullptr;
  };
  while (std::optional<std::string_view> token = scanner.Next()) {
    const std::size_t at = static_cast<std::size_t>(token->data() - text.data());
    if (*token == kMemoKeyword) {
      close(at);
      placed[std::string(kMemoKeyword)] = {at, text.size(), {}};
      break;
    }
    if (*token == kVersionsKeyword) {
      close(at);
      continue;
    }
    if (const KeywordSection* section = FindSection(*token)) {
      close(at);
      open = &placed[std::string(section->Keyword())];
      open->start = at;
      wanted = ValueCount(*section);
      continue;
    }
    if (open != nullptr && wanted > 0 && ParseFileNumber(*token)) {
      open->value_ends.push_back(at + token->size());
      --wanted;
    }
  }
  close(text.size());
  return placed;
}

}  // namespace

std::string KeepGapsOfRead(std::string_view written, const ReadResult& read) {
  const std::map<std::string, Placed> placed = PlaceSections(written);
  const std::set<std::string> met(read.sections_read.begin(), read.sections_read.end());
  // [from, to) replaced by a line break or by nothing, applied from the back.
  struct Cut {
    std::size_t from, to;
    bool line_break;
  };
  std::vector<Cut> cuts;
  std::map<std::string, int> keep;  // values kept of a section that ended early
  for (const EarlyEnd& end : read.early_ends) {
    const KeywordSection* section = FindSection(end.keyword);
    if (section == nullptr) continue;
    const int index = IndexOf(*section, end.run->field, end.element);
    auto [it, fresh] = keep.emplace(end.keyword, index);
    if (!fresh) it->second = std::min(it->second, index);
  }
  for (const auto& [keyword, p] : placed) {
    const bool memo = keyword == kMemoKeyword;
    const KeywordSection* section = memo ? nullptr : FindSection(keyword);
    if (!memo && (section == nullptr || read.version < section->min_version)) continue;
    if (!met.contains(keyword)) {
      cuts.push_back({p.start, p.end, false});
    } else if (const auto k = keep.find(keyword); k != keep.end()) {
      const std::size_t kept = std::min(static_cast<std::size_t>(k->second), p.value_ends.size());
      const std::size_t from = kept == 0 ? p.start + keyword.size() : p.value_ends[kept - 1];
      cuts.push_back({from, p.end, p.end < written.size()});
    }
  }
  std::sort(cuts.begin(), cuts.end(), [](const Cut& a, const Cut& b) { return a.from > b.from; });
  std::string text(written);
  for (const Cut& cut : cuts)
    text.replace(cut.from, cut.to - cut.from, cut.line_break ? kLineBreak : std::string_view());
  return text;
}

}  // namespace morvek::files
