// What the monitor labels show while no controller is connected: the label's word in the current
// language with "---" where the live value will stand.

#include "i18n/window_text_data.h"

namespace morvek::i18n::data {
namespace {

// clang-format off
constexpr WindowTextRecord kPlaceholders[] = {
    Word("LabelMon_Ign", TextId::TxtAdvance, "= --- [°]"),
    Word("LabelMon_Ign1", TextId::TxtAdvance, "= --- [°]"),
    Word("LabelMon_Ign2", TextId::TxtAdvance, "= --- [°]"),
    Word("LabelPocetProgramovani", TextId::TxtProgrammingCount, "---"),
    Word("LabelMonBlokOut", TextId::TxtBlocking, " - ---"),
    Word("LabelMonStartLimiterOut", TextId::TxtStartLimiter, " - ---"),
    Word("LabelMonStartLimiterIn", TextId::TxtStartLimiter, " - ---"),
    Word("LabelMonIgnLimiter", TextId::TxtLimiterByIgnition, " - ---"),
    Word("LabelMonJetLimiter", TextId::TxtLimiterByInjection, " - ---"),
    Word("LabelMonRetardLimiter", TextId::TxtLimiterByRetard, " - ---"),
    Word("LabelSnimacCmps", TextId::TxtPickup, " - ---"),
    Word("LabelMon_Jet_1A", TextId::TxtInjectionTime, " 1 = --- us"),
    Word("LabelMon_Jet_2A", TextId::TxtInjectionTime, " 2 = --- us"),
    Word("LabelMaxInjProcent", TextId::TxtMaxInjection, " = --- %"),
    Word("LabelMon_PolohaA", TextId::TxtPosition, " = ---"),
    Word("LabelGear", TextId::TxtGear, " = --- "),
    Word("LabelMonSpeed", TextId::TxtSpeed, " = --- [km/h]"),
    Word("LabelMonClutchMasterIn", TextId::TxtClutchMaster, " - ---"),
    Word("LabelMonClutchOut", TextId::TxtClutchMaster, " - ---"),
    Word("LabelMonClutchIn", TextId::TxtClutch, " - ---"),
    Word("LabelMonTlStartIn", TextId::TxtSwitchStart, " - ---"),
    Word("LabelMonTlStartOut", TextId::TxtSwitchStart, " - ---"),
    Word("LabelMonNeutral", TextId::TxtNeutral, " - ---"),
    Word("LabelMonSideStand", TextId::TxtSideStand, " - ---"),
    Word("LabelOilOk", TextId::TxtOilOk, " - ---"),
    Word("LabelMonLambdaHeat", TextId::TxtLambdaHeat, " - ---"),
    Word("LabelMonFan1", TextId::TxtFan, " 1 - ---"),
    Word("LabelMonFan2", TextId::TxtFan, " 2 - ---"),
    Word("LabelMonFuelMv", TextId::TxtFuel, " - ---"),
    Word("LabelMonPilotLight", TextId::TxtGearShiftLight, " - ---"),
    // The autotune status has no word of its own; it is cleared.
    Literal("LabelLadeniMsg", "", "", "", ""),
};
// clang-format on

}  // namespace

std::span<const WindowTextRecord> Placeholders() { return kPlaceholders; }

}  // namespace morvek::i18n::data
