#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/parameter_image.h"
#include "pages/control.h"

namespace morvek::pages {

// How the shared map grid shows its map.
enum class GridDisplayMode : std::uint8_t {
  kEditable = 1,              // cells and axis with their spinners, column buttons
  kReadOnly = 2,              // cells read-only; no spinners, no column buttons
  kMillisecondsEditable = 3,  // times in milliseconds in place of the cells
  kMillisecondsReadOnly = 4,  // the same, without spinners and column buttons
  kSingleRow = 5,             // only row 9 (TPS 100 %), straight under the rpm axis
};

// The colours the layout paints; the window maps them to its own.
// kWindow is the normal background of an edit.
enum class LayoutColour : std::uint8_t { kButtonFace, kRed, kYellow, kAqua, kWindow };

// What the window knows besides the image.
struct LayoutFlags {
  bool milliseconds = false;         // the "Ms" check box of the grid
  bool output_test_inhibit = false;  // the last monitor frame forbids the output tests
  bool tuning_on = false;            // the "Tuning on" check box
};

// One named control of the window: a spinner by its up/down name (it stands for its edit), a
// label, a group box, a button or a check box.
struct ControlLayout {
  std::string name;
  bool visible = true;
  bool enabled = true;
  friend bool operator==(const ControlLayout&, const ControlLayout&) = default;
};

struct Background {
  std::string name;
  LayoutColour colour = LayoutColour::kButtonFace;
  friend bool operator==(const Background&, const Background&) = default;
};

// The map grid of a map page beyond its named companions.
struct GridLayout {
  GridDisplayMode mode = GridDisplayMode::kEditable;
  std::string jet_mode_text;  // LabelJetMode_Uni
  LayoutColour jet_mode_colour = LayoutColour::kYellow;
  friend bool operator==(const GridLayout&, const GridLayout&) = default;
};

// The menu item ticked in the injector coupling menu.
inline constexpr std::array<std::string_view, 3> kJetModeMenuItems = {
    "Menu_Jet123Normal", "Menu_Jet123Coupled", "Menu_Jet123Stejny"};

// The layout of the page on screen as plain data. Controls not named here keep their state.
struct PageLayout {
  int page = 0;
  // Every page: the coupling menu's tick (index into kJetModeMenuItems), the Inj-2A tab, the
  // "for actual page" file commands and the bounds of the lambda strips.
  int jet_mode_item = 0;
  bool inj2a_tab_visible = true;
  bool new_act_page_enabled = true;   // MenuNewActPage
  bool open_act_page_enabled = true;  // MenuOpenActPage
  std::array<int, 4> lambda_bar{};    // LAMBDA_BAR, air/fuel x 10
  std::vector<ControlLayout> controls;
  std::vector<Background> backgrounds;
  std::optional<GridLayout> grid;  // the map pages
  // The idle page: the range of the nine UpDownIdleServo spinners.
  std::optional<Range> idle_servo_range;

  // The entry of a control; nullptr when the layout leaves it alone.
  const ControlLayout* Find(std::string_view name) const;
};

// The layout hub: the layout of `page` for this image and these window flags.
PageLayout LayoutPage(const model::ParameterImage& image, int page, const LayoutFlags& flags);

// The widths of the three lambda strips under a lambda bar of `width` pixels: blue from b0 to
// b1, green from b1 to b2, red the rest up to the bar's end.
struct LambdaStrips {
  int blue = 0;
  int green = 0;
  int red = 0;
  friend bool operator==(const LambdaStrips&, const LambdaStrips&) = default;
};
LambdaStrips LambdaStripWidths(const std::array<int, 4>& bar, int width);

// A stored injection time in microseconds as milliseconds, "%5.3f ".
std::string MillisecondText(int microseconds);

}  // namespace morvek::pages
