#include <gtest/gtest.h>

#include "legal_image.h"
#include "pages/page_catalog.h"
#include "pages/page_editor.h"

namespace morvek::pages {
namespace {

using model::FieldId;

// Every image byte a page's controls write (the note area for the bike page, the times of
// the map under an injection grid).
std::vector<int> BytesOfPage(int page) {
  std::vector<int> bytes;
  for (const Control& c : PageControls(page)) {
    if (c.binding != Binding::kField && c.binding != Binding::kPercentView &&
        c.binding != Binding::kNote)
      continue;
    if (!c.collected) continue;
    const model::Field& f = model::GetField(c.field);
    if (c.binding == Binding::kNote) {
      for (int b = 0; b < f.ByteCount(); ++b) bytes.push_back(f.first + b);
      continue;
    }
    const int b = f.ByteOf(c.element);
    bytes.push_back(b);
    if (f.width == model::Width::kWord) bytes.push_back(b + 1);
  }
  return bytes;
}

// Refresh, then collect with no change: the same image, whatever values the image holds.
TEST(PageRoundTrip, RefreshThenCollectChangesNothing) {
  for (int page = 0; page < kPageCount; ++page) {
    for (int jet_mode : {0, 1}) {
      for (unsigned seed = 1; seed <= 20; ++seed) {
        model::Editor editor;
        testing::FillLegal(editor, seed * 31 + static_cast<unsigned>(page), jet_mode);
        // Times that are not whole percentages stay as they are, too.
        model::SetStored(editor.image(), FieldId::kJet1A, 7, 1234);
        model::SetStored(editor.image(), FieldId::kJet2A, 8, 4321);
        editor.set_active_page(page);
        const model::ParameterImage before = editor.image();
        PageEditor pages(editor);
        PageValues values;
        pages.RefreshActivePage(values);
        pages.CollectActivePage(values);
        ASSERT_EQ(editor.image(), before) << "page " << page << " seed " << seed;
      }
    }
  }
}

// The values a page shows, typed into a page over another image, give the first image's
// values: every control reads and writes the same field element through the same encoding.
TEST(PageRoundTrip, ValuesCarryEveryFieldOfThePage) {
  for (int page = 0; page < kPageCount; ++page) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
      model::Editor source;
      testing::FillLegal(source, seed, 0);
      source.set_active_page(page);
      PageEditor source_pages(source);
      PageValues values;
      source_pages.RefreshActivePage(values);

      model::Editor target;
      testing::FillLegal(target, seed + 1000, 0);
      // The base of an injection map depends on the preset and its axis: same as the source.
      model::SetStored(target.image(), FieldId::kBike,
                       model::Stored(source.image(), FieldId::kBike));
      target.ImageChanged();
      target.TimesFromPercent(model::InjectionMap::k1A);
      target.TimesFromPercent(model::InjectionMap::k2A);
      target.set_active_page(page);
      PageEditor target_pages(target);
      PageValues stale;
      target_pages.RefreshActivePage(stale);
      target_pages.CollectActivePage(values);

      for (int b : BytesOfPage(page))
        ASSERT_EQ(target.image().Byte(b), source.image().Byte(b))
            << "page " << page << " byte " << b << " seed " << seed;
    }
  }
}

TEST(PageCatalog, EveryFieldIsOnItsPage) {
  // Each field of the table is shown by a control of the page the table names (the note and
  // the map mode, set from the menu, aside); no control names a field of another page.
  for (const model::Field& f : model::FieldTable()) {
    if (f.id == FieldId::kJet1MiscMode) continue;
    bool found = false;
    for (const Control& c : PageControls(f.page))
      if (c.field == f.id) found = true;
    EXPECT_TRUE(found) << f.keyword << "." << f.member;
  }
  for (int page = 0; page < kPageCount; ++page) {
    for (const Control& c : PageControls(page)) {
      if (c.binding != Binding::kField || c.field == FieldId::kAdvanceMiscTpsMap) continue;
      EXPECT_EQ(model::GetField(c.field).page, page) << c.name;
    }
  }
}

}  // namespace
}  // namespace morvek::pages
