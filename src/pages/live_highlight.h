#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/parameter_image.h"

namespace morvek::pages {

// What the last monitor frame said about the engine, as far as the highlight reads it. All
// zero until the first frame.
struct LiveInputs {
  int rpm = 0;
  int throttle_percent = 0;
  int coolant_plus100 = 0;  // degrees Celsius + 100
  int air_plus100 = 0;      // degrees Celsius + 100
  int after_start_timer = 0;
  int gear = 0;  // 1..6 for a gear
};

// The point of an rpm axis (stored as rpm / 100) the engine runs at: the first point whose
// midpoint with the next point lies above the rpm, else the last point. An rpm exactly on a
// midpoint belongs to the upper point.
int NearestRpmPoint(std::span<const int> axis_hundreds, int rpm);
// The map row of a throttle position, by the same rule over the rows' 0 % ... 100 %.
int ThrottleRow(int throttle_percent);

// No temperature point: the reading lies above the last correction band.
inline constexpr int kNoTemperaturePoint = 5;
// The correction point (0..4, for -10, 20, 50, 80, 110 degrees) of a coolant reading; point 3
// before the first frame, kNoTemperaturePoint from 125 degrees on.
int CoolantPoint(int coolant_plus100);
// The same for the intake air, with point 2 before the first frame.
int AirPoint(int air_plus100);
// The point (0..4) of the after-start curve the controller's timer is at, between the start
// and the four times of CHOKE.time.
int AfterStartPoint(const model::ParameterImage& image, int timer);

// The map cell the engine runs in on a map page. With the engine stopped (rpm 0) no cell is
// live. On the advance page without a throttle axis the cell is in row 9, the one row shown.
// A page without a map has no live cell: {0, 0, false}.
struct LiveCell {
  int row;
  int column;
  bool engine_running;
};
LiveCell LiveMapCell(const model::ParameterImage& image, int page, int rpm, int throttle_percent);
// The injection-position column of the rpm; column 0 with the engine stopped.
int LivePositionColumn(const model::ParameterImage& image, int rpm);

// How a control shows that it is live.
enum class MarkStyle : std::uint8_t {
  kEdit,        // green base, the window colour otherwise
  kLabel,       // green background, button face otherwise
  kBoldButton,  // bold caption, regular otherwise
};

// Which live index a control follows; it is live when that index equals its own.
enum class MarkRole : std::uint8_t {
  kMapRpm,          // rpm axis point (column), not with the engine stopped
  kMapRowCaption,   // throttle row caption (row), whatever the rpm
  kMapCell,         // map cell (element), not with the engine stopped
  kMapMs,           // millisecond label (element): as its cell, only in the milliseconds view
  kPosition,        // injection-position column
  kCoolant,         // coolant correction point
  kAir,             // air correction point
  kAfterStart,      // after-start point
  kGearRatioFixed,  // gear (1..6) while gears are told by their ratios
  kGearRatioAuto,   // gear (1..6) while the controller learns the ratios
  kGear,            // gear (1..6) whatever the gear system
};

// One control the highlight pass owns on a page.
struct HighlightControl {
  std::string name;  // objectName; an edit is its spin box, named after the spinner
  MarkStyle style;
  MarkRole role;
  int index;
};

// The controls the pass owns on a page, always in this order; empty for pages without a pass.
// The three map pages own the same controls of the shared grid.
std::span<const HighlightControl> HighlightControls(int page);

enum class Mark : std::uint8_t {
  kKeep,   // not the pass's business this time: the control keeps its look
  kPlain,  // not live
  kLive,   // live: highlight
};

// The marks of one page for one set of live values.
struct PageHighlight {
  int page = -1;
  LiveCell cell{0, 0, false};  // map pages
  int throttle_row = -1;       // map pages: the row whose caption is live
  int position_column = -1;    // injection-position page
  std::vector<Mark> marks;     // one per HighlightControls(page)
};

// The highlight pass of the page on screen. `milliseconds` is the grid's milliseconds view.
PageHighlight ComputeHighlight(const model::ParameterImage& image, int page, const LiveInputs& live,
                               bool milliseconds);

}  // namespace morvek::pages
