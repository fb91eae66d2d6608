#include "ui/map_page_view.h"

#include "model/field_table.h"
#include "pages/layout_hub.h"

namespace morvek::ui {

using model::FieldId;

MapPageView BuildMapPageView(const model::Editor& editor, int page, bool milliseconds) {
  MapPageView view;
  view.page = page;
  view.show_ms = milliseconds && page != kAdvancePage;
  const model::InjectionMap map =
      page == kInj1APage ? model::InjectionMap::k1A : model::InjectionMap::k2A;
  if (view.show_ms) {
    const FieldId times = model::TimesField(map);
    for (int k = 0; k < model::kMapCells; ++k) {
      view.cells[k] = model::Stored(editor.image(), times, k);
      view.ms_texts[k] = pages::MillisecondText(view.cells[k]);
    }
  } else if (page == kAdvancePage) {
    for (int k = 0; k < model::kMapCells; ++k)
      view.cells[k] = model::Stored(editor.image(), FieldId::kAdvance, k);
  } else {
    const auto& percent = editor.percent_view(map);
    for (int k = 0; k < model::kMapCells; ++k) view.cells[k] = percent[k];
  }
  const FieldId axis = page == kAdvancePage ? FieldId::kRpmAdv
                       : page == kInj1APage ? FieldId::kRpmJet1A
                                            : FieldId::kRpmJet2A;
  for (int i = 0; i < model::kMapColumns; ++i) view.rpm[i] = model::Shown(editor.image(), axis, i);
  return view;
}

}  // namespace morvek::ui
