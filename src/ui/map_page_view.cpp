#include "ui/map_page_view.h"

#include "model/field_table.h"
#include "pages/layout_hub.h"

namespace morvek::ui {

using model::FieldId;

MapPageView BuildMapPageView(const model::Editor& editor, int page, bool milliseconds) {
  MapPageView view;
  view.page = page;
  const model::ParameterImage& image = editor.image();
  const FieldId rpm_field = page == kAdvancePage ? FieldId::kRpmAdv
                            : page == kInj1APage ? FieldId::kRpmJet1A
                                                 : FieldId::kRpmJet2A;
  for (int i = 0; i < model::kMapColumns; ++i) view.rpm[i] = model::Shown(image, rpm_field, i);
  view.tps_map = model::Shown(image, FieldId::kAdvanceMiscTpsMap) != 0;
  view.all_flag = editor.all_flags()[static_cast<std::size_t>(page)] != 0;

  if (page == kAdvancePage) {
    view.cell_maximum = 60;
    for (int k = 0; k < model::kMapCells; ++k)
      view.cells[k] = model::Shown(image, FieldId::kAdvance, k);
    view.advance_misc = {model::Shown(image, FieldId::kAdvanceMiscCyl1Corr),
                         model::Shown(image, FieldId::kAdvanceMiscCyl2Corr),
                         model::Shown(image, FieldId::kAdvanceMiscBase)};
    return view;
  }
  const model::InjectionMap map =
      page == kInj1APage ? model::InjectionMap::k1A : model::InjectionMap::k2A;
  const FieldId times = model::TimesField(map);
  view.cell_maximum = 32000;
  const model::InjectionPercentView& percent = editor.percent_view(map);
  for (int k = 0; k < model::kMapCells; ++k) view.cells[k] = percent[k];
  view.show_ms = milliseconds;
  if (milliseconds) {
    for (int k = 0; k < model::kMapCells; ++k)
      view.ms_texts[k] = pages::MillisecondText(model::Stored(image, times, k));
  }
  return view;
}

}  // namespace morvek::ui
