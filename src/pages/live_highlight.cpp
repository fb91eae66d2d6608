#include "pages/live_highlight.h"

#include <array>

#include "model/field_table.h"
#include "model/map_geometry.h"
#include "pages/page_catalog.h"

namespace morvek::pages {
namespace {

using F = model::FieldId;

constexpr int kGears = 6;
constexpr int kTemperaturePoints = 5;

// The rpm axis of a map page.
F MapAxis(int page) {
  return page == kAdvancePage ? F::kRpmAdv : page == kInj1APage ? F::kRpmJet1A : F::kRpmJet2A;
}

int NearestOnAxis(const model::ParameterImage& image, F axis, int rpm) {
  std::array<int, model::kMapColumns> hundreds{};
  for (int i = 0; i < model::kMapColumns; ++i) hundreds[i] = model::Stored(image, axis, i);
  return NearestRpmPoint(hundreds, rpm);
}

// Below 5, 35, 65, 95, 125 degrees: points 0 to 4.
int TemperaturePoint(int plus100, int before_first_frame) {
  if (plus100 == 0) return before_first_frame;
  for (int k = 0; k < kTemperaturePoints; ++k)
    if (plus100 < 105 + 30 * k) return k;
  return kNoTemperaturePoint;
}

class ListBuilder {
 public:
  explicit ListBuilder(std::vector<HighlightControl>& list) : list_(list) {}
  void Add(std::string name, MarkStyle style, MarkRole role, int index) {
    list_.push_back({std::move(name), style, role, index});
  }
  // Spin boxes of a created array, element k following index k + offset.
  void Array(std::string_view base, int count, MarkRole role, int offset = 0) {
    for (int k = 0; k < count; ++k)
      Add(ArraySpinnerName(base, k), MarkStyle::kEdit, role, k + offset);
  }
  // Labels or buttons numbered 1..6, one per gear.
  void PerGear(std::string_view base, MarkStyle style, MarkRole role) {
    for (int g = 1; g <= kGears; ++g) Add(std::string(base) + std::to_string(g), style, role, g);
  }

 private:
  std::vector<HighlightControl>& list_;
};

std::vector<HighlightControl> MapControls() {
  std::vector<HighlightControl> list;
  ListBuilder b(list);
  for (int i = 0; i < model::kMapColumns; ++i)
    b.Add(GridRpmName(i), MarkStyle::kEdit, MarkRole::kMapRpm, i);
  for (int j = 0; j < model::kMapRows; ++j)
    b.Add("LabelTpsRow_Uni_" + std::to_string(j), MarkStyle::kLabel, MarkRole::kMapRowCaption, j);
  for (int j = 0; j < model::kMapRows; ++j)
    for (int i = 0; i < model::kMapColumns; ++i)
      b.Add(GridCellName(j, i), MarkStyle::kEdit, MarkRole::kMapCell, model::MapElement(j, i));
  for (int j = 0; j < model::kMapRows; ++j)
    for (int i = 0; i < model::kMapColumns; ++i)
      b.Add("LabelMs_Uni_" + std::to_string(j) + "_" + std::to_string(i), MarkStyle::kLabel,
            MarkRole::kMapMs, model::MapElement(j, i));
  return list;
}

std::vector<HighlightControl> PolohaControls() {
  std::vector<HighlightControl> list;
  ListBuilder b(list);
  b.Array("Rpm_PolohaA", 15, MarkRole::kPosition);
  b.Array("PolohaA", 15, MarkRole::kPosition);
  return list;
}

std::vector<HighlightControl> KorekceControls() {
  std::vector<HighlightControl> list;
  ListBuilder b(list);
  b.Array("KorVoda", kTemperaturePoints, MarkRole::kCoolant);
  b.Array("IgnVoda", kTemperaturePoints, MarkRole::kCoolant);
  b.Array("KorVzduch", kTemperaturePoints, MarkRole::kAir);
  // The after-start curve: a start label, four times, four corrections and an end label,
  // the time of point s above its correction.
  b.Add("LabelSyticCas0", MarkStyle::kLabel, MarkRole::kAfterStart, 0);
  for (int s = 1; s <= 4; ++s)
    b.Add("UpDownSyticCas" + std::to_string(s), MarkStyle::kEdit, MarkRole::kAfterStart, s);
  for (int s = 0; s <= 3; ++s)
    b.Add("UpDownSyticKorekce" + std::to_string(s), MarkStyle::kEdit, MarkRole::kAfterStart, s);
  b.Add("LabelSyticKorekce4", MarkStyle::kLabel, MarkRole::kAfterStart, 4);
  return list;
}

std::vector<HighlightControl> GearControls() {
  std::vector<HighlightControl> list;
  ListBuilder b(list);
  b.Array("PomerRpmSpeed", kGears, MarkRole::kGearRatioFixed, 1);
  b.PerGear("LabelPomerRpmSpeed", MarkStyle::kLabel, MarkRole::kGearRatioFixed);
  b.PerGear("ButtonGear", MarkStyle::kBoldButton, MarkRole::kGearRatioFixed);
  b.PerGear("LabelMonPomerRpmSpeedAuto", MarkStyle::kLabel, MarkRole::kGearRatioAuto);
  b.PerGear("LabelMonGearAuto", MarkStyle::kLabel, MarkRole::kGearRatioAuto);
  b.Array("GearKorAdv", kGears, MarkRole::kGear, 1);
  b.Array("GearKorJet", kGears, MarkRole::kGear, 1);
  b.PerGear("LabelGearKor", MarkStyle::kLabel, MarkRole::kGear);
  return list;
}

std::vector<HighlightControl> RaceControls() {
  std::vector<HighlightControl> list;
  ListBuilder b(list);
  b.Array("PilotLight1", kGears, MarkRole::kGear, 1);
  b.Array("PilotLight2", kGears, MarkRole::kGear, 1);
  b.Array("ClutchTime", kGears, MarkRole::kGear, 1);
  b.Array("ClutchPause", kGears, MarkRole::kGear, 1);
  b.PerGear("LabelRaceGear", MarkStyle::kLabel, MarkRole::kGear);
  return list;
}

// The live index of every role, for one page and one set of live values; -1 marks nothing.
struct LiveIndexes {
  std::array<int, static_cast<std::size_t>(MarkRole::kGear) + 1> of{};
  int& operator[](MarkRole role) { return of[static_cast<std::size_t>(role)]; }
  int operator[](MarkRole role) const { return of[static_cast<std::size_t>(role)]; }
};

}  // namespace

int NearestRpmPoint(std::span<const int> axis_hundreds, int rpm) {
  const int last = static_cast<int>(axis_hundreds.size()) - 1;
  for (int k = 0; k < last; ++k)
    if ((axis_hundreds[k] + axis_hundreds[k + 1]) * 100 > 2 * rpm) return k;
  return last;
}

int ThrottleRow(int throttle_percent) {
  // The rows' throttle positions are kept in tenths of a percent.
  for (int k = 0; k + 1 < model::kMapRows; ++k)
    if (model::kMapRowTps[k] + model::kMapRowTps[k + 1] > 20 * throttle_percent) return k;
  return model::kMapRows - 1;
}

int CoolantPoint(int coolant_plus100) { return TemperaturePoint(coolant_plus100, 3); }

int AirPoint(int air_plus100) { return TemperaturePoint(air_plus100, 2); }

int AfterStartPoint(const model::ParameterImage& image, int timer) {
  // The timer runs in tenths of the curve's seconds: 2 T against 10 t is T against the
  // midpoint of two times.
  std::array<int, 4> t{};
  for (int k = 0; k < 4; ++k) t[k] = model::Stored(image, F::kChokeTime, k);
  if (2 * timer <= 10 * t[0]) return 0;
  for (int s = 1; s <= 3; ++s)
    if (2 * timer < 10 * (t[s - 1] + t[s])) return s;
  return 4;
}

LiveCell LiveMapCell(const model::ParameterImage& image, int page, int rpm, int throttle_percent) {
  if (!IsMapPage(page)) return {0, 0, false};
  LiveCell cell{ThrottleRow(throttle_percent), NearestOnAxis(image, MapAxis(page), rpm), rpm != 0};
  if (page == kAdvancePage && model::Stored(image, F::kAdvanceMiscTpsMap) == 0)
    cell.row = model::kMapRows - 1;
  return cell;
}

int LivePositionColumn(const model::ParameterImage& image, int rpm) {
  return NearestOnAxis(image, F::kPositionARpm, rpm);
}

std::span<const HighlightControl> HighlightControls(int page) {
  static const std::vector<HighlightControl> map = MapControls();
  static const std::vector<HighlightControl> poloha = PolohaControls();
  static const std::vector<HighlightControl> korekce = KorekceControls();
  static const std::vector<HighlightControl> gear = GearControls();
  static const std::vector<HighlightControl> race = RaceControls();
  if (IsMapPage(page)) return map;
  switch (page) {
    case kPolohaPage:
      return poloha;
    case kKorekcePage:
      return korekce;
    case kGearPage:
      return gear;
    case kRacePage:
      return race;
    default:
      return {};
  }
}

PageHighlight ComputeHighlight(const model::ParameterImage& image, int page, const LiveInputs& live,
                               bool milliseconds) {
  PageHighlight result;
  result.page = page;
  const std::span<const HighlightControl> controls = HighlightControls(page);
  if (controls.empty()) return result;

  LiveIndexes index;
  index.of.fill(-1);
  if (IsMapPage(page)) {
    result.cell = LiveMapCell(image, page, live.rpm, live.throttle_percent);
    result.throttle_row = ThrottleRow(live.throttle_percent);
    index[MarkRole::kMapRowCaption] = result.throttle_row;
    if (result.cell.engine_running) {
      index[MarkRole::kMapRpm] = result.cell.column;
      index[MarkRole::kMapCell] = model::MapElement(result.cell.row, result.cell.column);
    }
  } else if (page == kPolohaPage) {
    result.position_column = LivePositionColumn(image, live.rpm);
    index[MarkRole::kPosition] = result.position_column;
  } else if (page == kKorekcePage) {
    index[MarkRole::kCoolant] = CoolantPoint(live.coolant_plus100);
    index[MarkRole::kAir] = AirPoint(live.air_plus100);
    index[MarkRole::kAfterStart] = AfterStartPoint(image, live.after_start_timer);
  } else {
    // Gear and race pages; the per-gear controls are numbered 1..6, so any other gear value
    // matches none of them.
    index[MarkRole::kGear] = live.gear;
    if (page == kGearPage) {
      const int system = model::Stored(image, F::kGearSystem);
      if (system == 0) index[MarkRole::kGearRatioFixed] = live.gear;
      if (system == 1) index[MarkRole::kGearRatioAuto] = live.gear;
    }
  }

  result.marks.reserve(controls.size());
  for (const HighlightControl& c : controls) {
    if (c.role == MarkRole::kMapMs && !milliseconds) {
      result.marks.push_back(Mark::kKeep);
      continue;
    }
    const MarkRole follows = c.role == MarkRole::kMapMs ? MarkRole::kMapCell : c.role;
    result.marks.push_back(c.index == index[follows] ? Mark::kLive : Mark::kPlain);
  }
  return result;
}

}  // namespace morvek::pages
