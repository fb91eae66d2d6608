#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace morvek::pages {

// What the controls of the page on screen hold, as plain data: a number per control name
// (spinner position, 0/1 of a check box, item index of a radio group or combo box, -1 for no
// item) and the note's lines. The widgets copy their state in and out of it; the rules of
// editing work on it alone.
class PageValues {
 public:
  // The number a control holds; `fallback` when the control has none.
  int Number(std::string_view name, int fallback = 0) const;
  bool Has(std::string_view name) const;
  void SetNumber(std::string_view name, int value);

  const std::vector<std::string>& memo() const { return memo_; }
  void set_memo(std::vector<std::string> lines) { memo_ = std::move(lines); }

  const std::map<std::string, int, std::less<>>& numbers() const { return numbers_; }
  void Clear();

  friend bool operator==(const PageValues&, const PageValues&) = default;

 private:
  std::map<std::string, int, std::less<>> numbers_;
  std::vector<std::string> memo_;
};

}  // namespace morvek::pages
