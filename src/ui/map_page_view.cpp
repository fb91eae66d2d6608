#include "ui/map_page_view.h"

#include "model/field_table.h"
#include "pages/layout_hub.h"

namespace morvek::ui {

using model::FieldId;

MapPageView BuildMapPageView(const model::Editor& editor, int page, bool milliseconds) {
  MapPageView view;
  view.page = page;
  view.show_ms = milliseconds && page != kAdvancePage;
  if (view.show_ms) {
    const FieldId times =
        model::TimesField(page == kInj1APage ? model::InjectionMap::k1A : model::InjectionMap::k2A);
    for (int k = 0; k < model::kMapCells; ++k)
      view.ms_texts[k] = pages::MillisecondText(model::Stored(editor.image(), times, k));
  }
  return view;
}

}  // namespace morvek::ui
