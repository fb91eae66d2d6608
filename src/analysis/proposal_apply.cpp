#include "analysis/proposal_apply.h"

#include "model/field_table.h"
#include "pages/injection_maps.h"

namespace morvek::analysis {

pages::ChangeResult ApplyProposal(pages::PageEditor& pages, pages::PageValues& values,
                                  const MapProposal& proposal) {
  pages.CollectActivePage(values);
  model::Editor& editor = pages.editor();
  // The views must say what is stored before cells are written through them.
  editor.ImageChanged();
  const model::ParameterImage& image = editor.image();
  pages::GridEdit edit;
  for (int i = 0; i < model::kMapColumns; ++i)
    edit.axis[static_cast<std::size_t>(i)] =
        model::Stored(image, model::RpmAxisField(proposal.map), i);
  const model::InjectionPercentView& view = editor.percent_view(proposal.map);
  for (std::size_t k = 0; k < edit.cells.size(); ++k) {
    const CellResult& c = proposal.cells[k];
    edit.cells[k] = c.changed() ? c.new_percent : view[k];
  }
  if (proposal.map == model::InjectionMap::k1A)
    pages::CollectInjection1A(editor, edit, model::Stored(image, model::FieldId::kJet1MiscMode));
  else
    pages::CollectInjection2A(editor, edit);
  return pages.AfterChange(values);
}

}  // namespace morvek::analysis
