#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace morvek::pages {

// What the controls of the page on screen hold, as plain data: a number per control of the
// page (spinner position, 0/1 of a check box, item index of a radio group or combo box, -1 for
// no item) and the note's lines. The widgets copy their state in and out of it; the rules of
// editing work on it alone. Numbers are kept in the order of the page's control list, so the
// edit path reaches them by index; names are looked up for the widgets and the tests.
class PageValues {
 public:
  // The page the values belong to; switching to another page forgets every number.
  int page() const { return page_; }
  void SetPage(int page);

  // The number a control of the page holds; `fallback` when it holds none or is unknown.
  int Number(std::string_view name, int fallback = 0) const;
  bool Has(std::string_view name) const;
  // A control the page does not have is ignored.
  void SetNumber(std::string_view name, int value);

  // By the control's place in the page's control list.
  bool HasAt(int index) const { return index >= 0 && index < Size() && has_[At(index, 0)]; }
  int At(int index) const { return numbers_[At(index, 0)]; }
  void SetAt(int index, int value);
  int Size() const { return static_cast<int>(numbers_.size()); }

  const std::vector<std::string>& memo() const { return memo_; }
  void set_memo(std::vector<std::string> lines) { memo_ = std::move(lines); }

  // Forgets every number and the note, keeping the page.
  void Clear();

  friend bool operator==(const PageValues&, const PageValues&) = default;

 private:
  static std::size_t At(int index, int) { return static_cast<std::size_t>(index); }

  int page_ = -1;
  std::vector<int> numbers_;
  std::vector<char> has_;
  std::vector<std::string> memo_;
};

}  // namespace morvek::pages
