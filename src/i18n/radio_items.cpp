// Items of the translated radio groups in English, German, French and Czech.

#include "i18n/window_text_data.h"

namespace morvek::i18n::data {
namespace {

// clang-format off
constexpr ItemRecord kRadioItems[] = {
    {"RadioGroupPolohaA", 3, {{
        {"Beginning", "Centre", "End"},
        {"Beginn", "Mitte", "Ende"},
        {"Commencement", "centre", "Fin"},
        {"Počátek", "Střed", "Konec"},
    }}},
    {"RadioGroupClutchMode", 2, {{
        {"No ignition", "Retard"},
        {"Keine Zündung", "Spätzündung"},
        {"Sans allumage", "Retard d'allumage"},
        {"Blokování zápalů", "Zpoždění zážehu"},
    }}},
    {"RadioGroupIdleMode", 2, {{
        {"No", "Step motor without potentiometer"},
        {"Keine ", "Schrittmotor ohne Potentiometer"},
        {"Aucune", "Moteur pas à pas sans potentiomètre"},
        {"Není", "Krokový motor bez potenciometru"},
    }}},
    {"RadioGroupSpeedMode", 2, {{
        {"Pulse over 1s for 100 km/h", "Distance for pulse [mm]"},
        {"Pulse in 1s bei 100 km/St", "Strecke für Pulse"},
        {"Impulsions en 1 s à 100 km/h", "Distance par impulsion [mm]"},
        {"Pulsů za 1s pro 100km/hod", "Vzdálenost pro pulz"},
    }}},
    {"RadioGroupLadeniMode", 2, {{
        {"Points", "All"},
        {"Punkte", "Alles"},
        {"Par points", "Partout"},
        {"V bodech", "Všude"},
    }}},
};
// clang-format on

}  // namespace

std::span<const ItemRecord> RadioItems() { return kRadioItems; }

}  // namespace morvek::i18n::data
