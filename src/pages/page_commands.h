#pragma once

#include <string_view>

#include "model/editor.h"
#include "pages/page_editor.h"

namespace morvek::pages {

// The commands of the editing pages. Each works on the image through the editor and leaves
// the values of the page on screen as the image now says; the caller shows them. Questions to
// the user are asked by the caller before.

// Whether "New" (whole image) or "New for actual page" can run at all: not while the bike box
// shows its separator, and not for a page of map 2A's grid that follows 1A (coupled mode).
bool CanApplyDefaults(const model::Editor& editor, model::DefaultsScope scope);

// New / New for actual page, once confirmed.
ChangeResult ApplyNew(PageEditor& pages, PageValues& values, model::DefaultsScope scope);

// A pick in the bike box. `reset` is the user's Yes to the default setting (never asked for the
// separator item). The injection maps keep their percentages over the new engine's base.
ChangeResult ChangeBike(PageEditor& pages, PageValues& values, int item, bool reset);

// The injection-map mode menu. Returns the result; in mode " 1 = 2" the page shown moves from
// map 2A to map 1A (the editor's active page says where).
ChangeResult SetJetMode(PageEditor& pages, PageValues& values, int mode);

// A click in a radio group of the page on screen, whose new item `values` already holds.
ChangeResult RadioGroupClicked(PageEditor& pages, PageValues& values, std::string_view name);

// The live-value buttons: throttle voltage in mV, the rpm/speed ratio x 10.
ChangeResult TakeTps0(PageEditor& pages, PageValues& values, int throttle_mv);
ChangeResult TakeTps100(PageEditor& pages, PageValues& values, int throttle_mv);
ChangeResult TakeGearRatio(PageEditor& pages, PageValues& values, int gear, int ratio);

// The mouse or the focus leaving the note: the note alone is stored, as one history entry
// that marks its page to be programmed.
ChangeResult CollectNote(PageEditor& pages, const PageValues& values);

// Undo and redo; the editor's active page is the page of the restored change.
model::HistoryStep Undo(PageEditor& pages, PageValues& values);
model::HistoryStep Redo(PageEditor& pages, PageValues& values);

}  // namespace morvek::pages
