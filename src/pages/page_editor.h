#pragma once

#include "model/editor.h"
#include "model/limits_pass.h"
#include "pages/control.h"
#include "pages/page_values.h"

namespace morvek::pages {

// What a refresh found that the user must be told.
struct RefreshReport {
  // BIKE holds no preset (above 7): "This version of program ... is not for required bike!".
  bool bike_not_for_preset = false;
};

// The end of every edit.
struct ChangeResult {
  bool changed = false;            // a history entry was recorded
  bool start_programming = false;  // program the flagged pages now
  RefreshReport refresh;
};

// The range a control offers for this image: the idle servo targets follow IDLE.mode (a
// position 0..100 % without idle control, rpm with it).
Range ControlRange(const model::ParameterImage& image, const Control& control);

// The one way between the page on screen and the image. The page shown is the editor's active
// page; its controls' state travels as PageValues.
class PageEditor {
 public:
  explicit PageEditor(model::Editor& editor) : editor_(editor) {}

  model::Editor& editor() { return editor_; }
  const model::Editor& editor() const { return editor_; }
  int active_page() const { return editor_.active_page(); }

  // Sets the values of the active page from the image. In mode " 1 = 2" map 2A becomes a copy
  // of map 1A first.
  RefreshReport RefreshActivePage(PageValues& values);

  // Writes the values of the active page into the image. A control whose value is what the
  // image shows already leaves its stored value alone, so a value outside the control's range
  // (an idle servo target above 100 while there is no idle control) is never overwritten by
  // an edit elsewhere on the page. Does nothing while a refresh runs.
  void CollectActivePage(const PageValues& values);

  // The common end of an edit: limits pass, refresh, history entry.
  ChangeResult AfterChange(PageValues& values);

  // Collect, then the common end: what every spinner click, edit exit and Enter does.
  ChangeResult Edit(PageValues& values) {
    CollectActivePage(values);
    return AfterChange(values);
  }

  // The range a control offers now.
  Range ControlRange(const Control& control) const {
    return pages::ControlRange(editor_.image(), control);
  }

  bool refreshing() const { return refreshing_; }

 private:
  int ShownValue(const Control& control) const;
  void CollectField(const Control& control, int index, const PageValues& values);
  void CollectFields(int page, const PageValues& values);
  void CollectBike(const PageValues& values);
  void CollectMapPage(int page, const PageValues& values);

  model::Editor& editor_;
  bool refreshing_ = false;
};

}  // namespace morvek::pages
