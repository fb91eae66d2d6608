#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/editor.h"
#include "pages/control.h"

namespace morvek::pages {

// The editing pages by their index in the page table.
inline constexpr int kBikePage = 0;
inline constexpr int kAdvancePage = 1;
inline constexpr int kInj1APage = 2;
inline constexpr int kInj2APage = 3;
inline constexpr int kPolohaPage = 4;
inline constexpr int kKorekcePage = 5;
inline constexpr int kCidlaPage = 6;
inline constexpr int kIdlePage = 7;
inline constexpr int kGasPage = 8;
inline constexpr int kGearPage = 9;
inline constexpr int kRacePage = 10;
inline constexpr int kLadeniPage = 11;
inline constexpr int kMonitorPage = 12;
inline constexpr int kPageCount = model::kPageCount;

constexpr bool IsMapPage(int page) { return page >= kAdvancePage && page <= kInj2APage; }

// The controls of a page whose values come from the image, in the order the page collects
// them. The three map pages list the shared grid's controls with that page's bindings.
std::span<const Control> PageControls(int page);

// The control of a page with this name; nullptr when the page has none.
const Control* FindControl(int page, std::string_view name);
// Its place in PageControls(page); -1 when the page has no such control.
int ControlIndex(int page, std::string_view name);

// Names of the shared map grid's controls.
std::string GridRpmName(int column);            // "UpDownRpm_Uni_4"
std::string GridCellName(int row, int column);  // "UpDown_Uni_3_4"
std::string GridMiscName(int k);                // "UpDownAdvanceMisc_Uni_2"
inline constexpr std::string_view kGridTpsName = "CheckBoxTps_Uni";
inline constexpr std::string_view kGridAllName = "CheckBoxAll_Uni";
inline constexpr std::string_view kBikeComboName = "ComboBoxBike";
inline constexpr std::string_view kMemoName = "Memo1";
// The separator item of the bike combo box, which is not a preset.
inline constexpr int kBikeSeparatorItem = 8;
inline constexpr int kBikeComboItems = 9;

// Spinner names of a control array: "UpDown" + base + "_" + k, edit "Edit" + base + "_" + k.
std::string ArraySpinnerName(std::string_view base, int k);

}  // namespace morvek::pages
