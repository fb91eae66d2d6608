#include "pages/print_layout.h"

#include "model/map_geometry.h"
#include "pages/page_catalog.h"

namespace morvek::pages {
namespace {

constexpr int kPositionPoints = 15;
constexpr int kTemperaturePoints = 5;
constexpr int kAdvanceMiscSpinners = 3;

std::vector<std::string> BuildList() {
  std::vector<std::string> names = {// The window frame, the lambda legend and the gauges.
                                    "StatusBar1",         "GroupBoxToolBar", "LabelSpojeni",
                                    "CheckBoxExtMonitor", "LabelLambdaBlue", "LabelLambdaGreen",
                                    "LabelLambdaRed",     "CGaugeRpm",       "CGaugeTps",
                                    "CGaugeLambda",       "CGaugeVoda"};
  auto add_array = [&names](std::string_view base, int count) {
    for (int k = 0; k < count; ++k) names.push_back(ArraySpinnerName(base, k));
  };
  // The shared map grid.
  for (int i = 0; i < model::kMapColumns; ++i) names.push_back(GridRpmName(i));
  for (int j = 0; j < model::kMapRows; ++j)
    for (int i = 0; i < model::kMapColumns; ++i) names.push_back(GridCellName(j, i));
  for (int i = 0; i < model::kMapColumns; ++i)
    names.push_back("CSpinButton_Uni_" + std::to_string(i));
  // The "TPS" box says whether the advance map has a throttle axis: a setting, so it is printed.
  names.insert(names.end(),
               {"CSpinButtonTools_Uni", std::string(kGridAllName), "CheckBoxZobrMs_Uni"});
  // The selection's frame and value box are editing aids; the heat colours print.
  names.insert(names.end(), {"SelectionOverlay", "SelectionPrompt"});
  for (int k = 0; k < kAdvanceMiscSpinners; ++k) names.push_back(GridMiscName(k));
  // The injection position page.
  add_array("Rpm_PolohaA", kPositionPoints);
  add_array("PolohaA", kPositionPoints);
  names.insert(names.end(), {"CSpinButtonPolohaA", "CheckBoxAll_PolohaA"});
  // The corrections page.
  add_array("KorVoda", kTemperaturePoints);
  add_array("KorVzduch", kTemperaturePoints);
  names.insert(names.end(), {"UpDownStartJet", "UpDownAkcelPrah", "UpDownAkcelJet"});
  for (int k = 1; k <= 4; ++k) names.push_back("UpDownSyticCas" + std::to_string(k));
  for (int k = 0; k <= 3; ++k) names.push_back("UpDownSyticKorekce" + std::to_string(k));
  // The sensors, bike and nitrous pages.
  names.insert(names.end(),
               {"UpDownTps0", "UpDownTps100", "ButtonTps0", "ButtonTps100", "UpDownFan1",
                "UpDownFan2", "UpDownGas1", "UpDownGas2", "UpDownGasD", "UpDownGasT",
                "UpDownRetard1", "UpDownRetard2", "UpDownRetardD", "UpDownRetardT"});
  return names;
}

}  // namespace

const std::vector<std::string>& PrintHiddenControls() {
  static const std::vector<std::string> names = BuildList();
  return names;
}

std::string PrintStamp(i18n::Language language, std::string_view date, std::string_view time) {
  std::string stamp(i18n::Text(i18n::TextId::TxtPrintDate, language));
  stamp.append(date).append("    ").append(time);
  return stamp;
}

}  // namespace morvek::pages
