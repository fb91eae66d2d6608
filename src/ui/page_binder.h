#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

#include "files/code_page.h"
#include "pages/page_catalog.h"
#include "pages/page_values.h"

namespace morvek::ui {

class PageTable;

// Copies values between the controls of an editing page and its PageValues, finding each
// control of the page's description by its name. It computes nothing: a spinner gives its
// position, a check box 0/1, a radio group or combo box its item, the note its lines.
class PageBinder {
 public:
  explicit PageBinder(PageTable& pages) : pages_(pages) {}

  // The code page of the note's 8-bit text (it follows the language).
  void set_code_page(files::CodePage page) { code_page_ = page; }

  void Read(int page, pages::PageValues& values);
  // Shows the values without raising the controls' change signals. `ranges` gives each
  // spinner's range now.
  template <typename RangeOf>
  void Show(int page, const pages::PageValues& values, RangeOf&& range_of) {
    for (const Entry& e : Entries(page)) ShowOne(e, values, range_of(*e.control));
  }

  // The widget of a control of a page; nullptr when the page has no such widget.
  QWidget* Widget(int page, const pages::Control& control);

 private:
  struct Entry {
    const pages::Control* control;
    int index;  // the control's place in the page's list
    QPointer<QWidget> widget;
  };
  const std::vector<Entry>& Entries(int page);
  void ShowOne(const Entry& entry, const pages::PageValues& values, const pages::Range& range);

  PageTable& pages_;
  files::CodePage code_page_ = files::CodePageForLanguage(i18n::Language::kEnglish);
  std::array<std::vector<Entry>, pages::kPageCount> entries_{};
  std::array<bool, pages::kPageCount> built_{};
};

}  // namespace morvek::ui
