// Captions of the main window's controls, the monitor group boxes, the connection label and the
// About window in English, German, French and Czech.

#include "i18n/window_text_data.h"

namespace morvek::i18n::data {
namespace {

// clang-format off
constexpr WindowTextRecord kControlCaptions[] = {
    // Tool bar and side column.
    Literal("ButtonRead", "&Read", "&Lesen", "&Lire", "&Číst"),
    Literal("ButtonVerify", "&Verify", "&Vergleichen", "&Vérifier", "&Ověřit"),
    Literal("ButtonProgram", "&Program", "&Programmieren", "&Programmer", "&Programovat"),
    Literal("CheckBoxProgHned", "Programming after change", "Programmieren nach Änderung",
            "Programmation après modification", "Programovat po změně"),
    Literal("CheckBoxExtMonitor", "Detailed representation", "Detaillierte Anzeige",
            "Affichage détaillé", "Podrobné zobrazení"),
    Literal("LabelEeDataErr", "Programmed data error!", "Fehler in den programmierten Daten!",
            "Erreur des données programmées!", "Chyba naprogramovaných dat!"),

    // Bike page.
    Literal("TabSheet_Bike", "Bike", "Mottorad", "Moto", "Motocykl"),
    Literal("GroupBoxBike", "Motorbike Type", "Motorradtyp", "Type de moto", "Typ motocyklu"),
    Literal("LabelMemo", "Memo sheet:", "Notizen:", "Notes:", "Poznámky:"),
    Literal("CheckBoxBlokEnable", "Blocking enable", "Sperre freigeben", "Blocage autorisé",
            "Povolit blokování"),
    Literal("GroupBoxOmez", "Limiters", "Begrenzer", "Limiteurs", "Omezovače"),
    Word("LabelStartLimiter", TextId::TxtStartLimiter, " [rpm]"),
    Word("CheckBoxAktStartLimiter", TextId::TxtStartLimiter),
    Literal("LabelIgnLimiter", "Ignition Limiter [rpm]", "Zündbegrenzer [rpm]",
            "Limiteur d'allumage [rpm]", "Omezovač zapalování [rpm]"),
    Literal("LabelRetardLimiterRpm", "Retard Limiter [rpm]", "Spätzündungsbegrenzer [rpm]",
            "Limiteur par retard [rpm]", "Omezovač zpožděním [rpm]"),
    Literal("LabelRetardLimiterAdv", "Retard [°/100rpm]", "Spätverstellung [°/100rpm]",
            "Retard [°/100rpm]", "Zpoždění [°/100rpm]"),
    Literal("LabelJetLimiter", "Injection Limiter [rpm]", "Einspritzbegrenzer [rpm]",
            "Limiteur d'injection [rpm]", "Omezovač vstřiku [rpm]"),
    Literal("RadioGroupPinEngine23", "Funktion of pin Engine 23", "Funktion von Pin Engine 23",
            "Fonction de la broche Engine 23", "Funkce pinu Engine 23"),
    Literal("RadioGroupPinEngine14", "Funktion of pin Engine 14", "Funktion von Pin Engine 14",
            "Fonction de la broche Engine 14", "Funkce pinu Engine 14"),
    Literal("RadioGroupPinBody11", "Funktion of pin Body 11", "Funktion von Pin Body 11",
            "Fonction de la broche Body 11", "Funkce pinu Body 11"),
    Word("LabelPilotLight", TextId::TxtGearShiftLight, " [rpm]"),
    Literal("LabelClutchTime", "Clutch master time [ms]", "Schaltautomat Unterbrechung [ms]",
            "Durée de coupure shifter [ms]", "Doba rychlořazení [ms]"),
    Literal("LabelClutchPause", "Clutch master pause [ms]", "Schaltautomat Pause [ms]",
            "Pause shifter [ms]", "Prodleva rychlořazení [ms]"),
    Literal("GroupBoxActivation", "Activation by Switch on", "Aktivierung durch Einschalten",
            "Activation par contact", "Aktivace sepnutím"),
    Literal("GroupBoxLambdaBar", "Setting of Lambda bar graph",
            "Einstellung der Lambda-Balkenanzeige", "Réglage du bargraphe lambda",
            "Nastavení sloupce lambda"),
    Literal("LabelLambdaBar0", "Beginning", "Anfang", "Début", "Začátek"),
    Literal("LabelLambdaBar3", "Ending", "Ende", "Fin", "Konec"),
    Literal("GroupBoxDisplay", "Display on Bike", "Anzeige am Motorrad", "Affichage sur la moto",
            "Displej na motocyklu"),
    Literal("CheckBoxTempDisplay", "Temperature instead of speed",
            "Temperatur statt Geschwindigkeit", "Température au lieu de la vitesse",
            "Teplota místo rychlosti"),
    Literal("LabelRpmPulsu", "Pulses per revolution", "Impulse pro Umdrehung",
            "Impulsions par tour", "Pulzů na otáčku"),
    Literal("LabelRpmKorekce", "Correction", "Korrektur", "Correction", "Korekce"),

    // Map pages.
    Word("TabSheet_Advance", TextId::TxtAdvance),
    Literal("TabSheet_Inj1A", "Inj. 1", "Einspr. 1", "Inj. 1", "Vstřik 1"),
    Literal("TabSheet_Inj2A", "Inj. 2", "Einspr. 2", "Inj. 2", "Vstřik 2"),
    Literal("CheckBoxAll_Uni", "All", "Alle", "Tout", "Vše"),

    // Injection position page.
    Literal("TabSheet_Poloha", "Position", "Einspritzlage", "Position", "Poloha"),
    Literal("CheckBoxAll_PolohaA", "All", "Alle", "Tout", "Vše"),
    Literal("GroupBoxPolohaA", "Position of Injection A", "Einspritzlage A",
            "Position de l'injection A", "Poloha vstřiku A"),
    Literal("RadioGroupPolohaA", "Position of:", "Lage bezogen auf:", "Position de:",
            "Poloha vůči:"),

    // Corrections page.
    Literal("TabSheet_Korekce", "Corrections", "Korrekturen", "Corrections", "Korekce"),
    Literal("GroupBoxKorVodaVzduch", "Temperature Corrections of injection [%]",
            "Temperaturkorrekturen der Einspritzung [%]",
            "Corrections d'injection en température [%]", "Teplotní korekce vstřiku [%]"),
    Literal("GroupBoxIgnVoda", "Temperature Corrections of advance [°]",
            "Temperaturkorrekturen des Zündwinkels [°]",
            "Corrections d'avance en température [°]", "Teplotní korekce předstihu [°]"),
    Literal("GroupBoxStartJet", "Start Injection", "Starteinspritzung", "Injection de démarrage",
            "Startovací vstřik"),
    Literal("LabelVoda2", "Coolant", "Kühlmittel", "Liquide de refroidissement",
            "Chladicí kapalina"),
    Literal("LabelVoda3", "Coolant", "Kühlmittel", "Liquide de refroidissement",
            "Chladicí kapalina"),
    Literal("LabelVzduch2", "Inlet Air", "Ansaugluft", "Air d'admission", "Nasávaný vzduch"),
    Literal("GroupBoxSytic", "Starting Corrections [%]", "Startkorrekturen [%]",
            "Corrections de démarrage [%]", "Startovací korekce [%]"),
    Literal("LabelSyticCas", "Time [s]", "Zeit [s]", "Durée [s]", "Čas [s]"),
    Literal("LabelSyticKorekce", "Corrections for -10°C [%]", "Korrekturen bei -10°C [%]",
            "Corrections à -10°C [%]", "Korekce pro -10°C [%]"),
    Literal("GroupBoxAccK", "Acceleration inj. correction", "Beschleunigungskorrektur Einspr.",
            "Correction d'injection à l'accélération", "Korekce vstřiku při akceleraci"),
    Literal("LabelAccKPlus", "Sensitivity + [%/100%]", "Empfindlichkeit + [%/100%]",
            "Sensibilité + [%/100%]", "Citlivost + [%/100%]"),
    Literal("LabelAccKMinus", "Sensitivity - [%/100%]", "Empfindlichkeit - [%/100%]",
            "Sensibilité - [%/100%]", "Citlivost - [%/100%]"),
    Literal("LabelAccT0", "Time constant by TPS 0% [10ms]", "Zeitkonstante bei TPS 0% [10ms]",
            "Constante de temps à TPS 0% [10ms]", "Časová konstanta při TPS 0% [10ms]"),
    Literal("LabelAccT100", "Time constant TPS 100% [10ms]", "Zeitkonstante bei TPS 100% [10ms]",
            "Constante de temps à TPS 100% [10ms]", "Časová konstanta při TPS 100% [10ms]"),
    Literal("GroupBoxAkcel", "Acceleration Injection", "Beschleunigungseinspritzung",
            "Injection d'accélération", "Akcelerační vstřik"),
    Literal("LabelAkcelPrah", "Threshold [%/s]", "Schwelle [%/s]", "Seuil [%/s]", "Práh [%/s]"),
    Literal("LabelAkcelJet", "Size [us]", "Menge [us]", "Quantité [us]", "Velikost [us]"),
    Literal("LabelMaxAcc", "Max Acc Kor. [%]", "Max. Beschl.-Korr. [%]", "Corr. accél. max. [%]",
            "Max. korekce akcel. [%]"),

    // Sensors page.
    Literal("TabSheet_Cidla", "Sensors", "Senzoren", "Capteurs", "Čidla"),
    Literal("GroupApsSensor", "Pressure sensor - AP", "Drucksensor - AP",
            "Capteur de pression - AP", "Čidlo tlaku - AP"),
    Literal("LabelApsTlak1", "Pressure 1 [kPa]", "Druck 1 [kPa]", "Pression 1 [kPa]",
            "Tlak 1 [kPa]"),
    Literal("LabelApsTlak2", "Pressure 2 [kPa]", "Druck 2 [kPa]", "Pression 2 [kPa]",
            "Tlak 2 [kPa]"),
    Literal("LabelApsNapeti1", "Voltage 1 [mV]", "Spannung 1 [mV]", "Tension 1 [mV]",
            "Napětí 1 [mV]"),
    Literal("LabelApsNapeti2", "Voltage 2 [mV]", "Spannung 2 [mV]", "Tension 2 [mV]",
            "Napětí 2 [mV]"),
    Literal("GroupBoxCidloTVodaVzduch", "Characteristic of temperature sensors [mV]",
            "Kennlinie der Temperatursensoren [mV]",
            "Caractéristique des capteurs de température [mV]",
            "Charakteristika teplotních čidel [mV]"),
    Literal("LabelVoda1", "Water", "Wasser", "Eau", "Voda"),
    Literal("LabelVzduch1", "Air", "Luft", "Air", "Vzduch"),
    Literal("GroupBoxChlazeni", "Cooling", "Kühlung", "Refroidissement", "Chlazení"),

    // Race page (clutch master).
    Literal("RadioGroupClutchMode", "Clutch mode", "Schaltautomat-Modus", "Mode shifter",
            "Režim rychlořazení"),
    Literal("LabelClutchMinRpm", "Min Rpm for Clutch", "Min. Drehzahl für Schaltautomat",
            "Régime min. pour shifter", "Min. otáčky pro rychlořazení"),
    Literal("LabelClutchJet", "Clutch Inj. [%]", "Einspritzung beim Schalten [%]",
            "Injection au passage [%]", "Vstřik při řazení [%]"),

    // Idle page.
    Literal("TabSheet_Idle", "Idle", "Leerlauf", "Ralenti", "Volnoběh"),
    Literal("LabelIdleStepPerioda", "Step motor period [ms]", "Schrittmotor Periode [ms]",
            "Période moteur pas à pas [ms]", "Perioda krokového motoru [ms]"),
    Literal("LabelIdleStepPuls", "Step motor excitation[us]", "Schrittmotor Erregung[us]",
            "Excitation moteur pas à pas[us]", "Buzení krokového motoru[us]"),
    Literal("LabelIdleAdvNaRpm", "Advance control[°/1000rpm]", "Zündwinkelregelung[°/1000rpm]",
            "Régulation d'avance[°/1000rpm]", "Regulace předstihu[°/1000rpm]"),
    Literal("LabelIdleAdvNaCas", "Regulace advance [°/10s]", "Zündwinkelregelung [°/10s]",
            "Régulation d'avance [°/10s]", "Regulace předstihu [°/10s]"),
    Literal("LabelIdleMaxAdv", "Maximal advance [°]", "Maximaler Zündwinkel [°]",
            "Avance maximale [°]", "Maximální předstih [°]"),
    Literal("LabelIdleRpmMez", "Control Range [rpm]", "Regelbereich [rpm]",
            "Plage de régulation [rpm]", "Rozsah regulace [rpm]"),
    Literal("RadioGroupIdleMode", "Idle control", "Leerlaufregelung", "Régulation du ralenti",
            "Regulace volnoběhu"),

    // Nitrous page.
    Literal("TabSheet_Gas", "N2O", "N2O", "N2O", "N2O"),
    Literal("CheckBoxGas", "N2O enabled", "N2O aktiviert", "N2O activé", "N2O povoleno"),
    Literal("GroupBoxGas", "N2O", "N2O", "N2O", "N2O"),
    Literal("LabelGas1", "N2O initial [%]", "N2O Anfang [%]", "N2O début [%]",
            "N2O počáteční [%]"),
    Literal("LabelGas2", "N2O final [%]", "N2O Ende [%]", "N2O fin [%]", "N2O konečný [%]"),
    Literal("LabelGasD", "Delay [ms]", "Verzögerung [ms]", "Délai [ms]", "Zpoždění [ms]"),
    Literal("LabelGasT", "Build up time [ms]", "Aufbauzeit [ms]", "Temps de montée [ms]",
            "Doba náběhu [ms]"),
    Literal("LabelGasJetKor1", "Correction Inj. initial [%]", "Korrektur Einspr. Anfang [%]",
            "Correction inj. début [%]", "Korekce vstřiku počáteční [%]"),
    Literal("LabelGasJetKor2", "Correction Inj. final [%]", "Korrektur Einspr. Ende [%]",
            "Correction inj. fin [%]", "Korekce vstřiku konečná [%]"),
    Literal("GroupBoxRetard", "Retard", "Spätverstellung", "Retard", "Zpoždění zážehu"),
    Literal("LabelRetardD", "Delay [ms]", "Verzögerung [ms]", "Délai [ms]", "Zpoždění [ms]"),
    Literal("LabelRetardT", "Build up time [ms]", "Aufbauzeit [ms]", "Temps de montée [ms]",
            "Doba náběhu [ms]"),
    Literal("LabelRetard1", "Retard initial [°]", "Spätverstellung Anfang [°]",
            "Retard début [°]", "Zpoždění počáteční [°]"),
    Literal("LabelRetard2", "Retard final [°]", "Spätverstellung Ende [°]", "Retard fin [°]",
            "Zpoždění konečné [°]"),

    // Gear page and speedometer.
    Literal("TabSheet_Gear", "Gear", "Gang", "Rapports", "Převody"),
    Literal("GroupBoxPulsuProSpeed", "Setting of speedometer", "Einstellung des Tachometers",
            "Réglage du compteur de vitesse", "Nastavení tachometru"),

    // Autotune page.
    Literal("TabSheet_Ladeni", "Tuning", "Abstimmung", "Réglage", "Ladění"),
    Literal("LabelLadeniCaution", "Caution - For experienced user only!",
            "Achtung - Nur für erfahrene Benutzer!",
            "Attention - Réservé aux utilisateurs expérimentés!",
            "Pozor - Jen pro zkušené uživatele!"),
    Literal("GroupBoxLadeni", "Tunning", "Abstimmung", "Réglage", "Ladění"),
    Literal("CheckBoxLadeniPovoleno", "Tunning on", "Abstimmung ein", "Réglage actif",
            "Ladění zapnuto"),
    Literal("RadioGroupLadeniMode", "Tunning mode", "Abstimmungsmodus", "Mode de réglage",
            "Režim ladění"),
    Literal("LabelLadeniRpm", "Rpm tolerance", "Drehzahltoleranz", "Tolérance de régime",
            "Tolerance otáček"),
    Literal("LabelLadeniTps", "Tps, Iap tolerance", "Toleranz TPS, IAP", "Tolérance TPS, IAP",
            "Tolerance TPS, IAP"),
    Literal("LabelLadeniLambda", "A/F [x10]", "A/F [x10]", "A/F [x10]", "A/F [x10]"),
    Literal("LabelLadeniHyster", "A/F tolerance [x10]", "A/F Toleranz [x10]",
            "Tolérance A/F [x10]", "Tolerance A/F [x10]"),
    Literal("LabelLadeniCas", "Step time [ms]", "Schrittzeit [ms]", "Durée du pas [ms]",
            "Doba kroku [ms]"),
    Literal("LabelLadeniKrok", "Step [%]", "Schritt [%]", "Pas [%]", "Krok [%]"),
    Literal("LabelLadeniKanal", "Channel", "Kanal", "Canal", "Kanál"),

    // Monitor page.
    Literal("GroupBoxMonInput", "Input to ground", "Eingang auf Masse", "Entrée à la masse",
            "Vstup na kostru"),
};

constexpr WindowTextRecord kMonitorCaptions[] = {
    Word("GroupBoxMonAdvance", TextId::TxtAdvance),
    Literal("GroupBoxMonInj", "Injection", "Einspritzung", "Injection", "Vstřik"),
};

constexpr WindowTextRecord kConnectionCaptions[] = {
    Literal("LabelSpojeni", "No connection with PC", "Keine Verbindung zum PC",
            "Pas de connection acec pc", "Není spojení s PC"),
};

constexpr WindowTextRecord kAboutCaptions[] = {
    Literal("TFormAbout", "About Morvek", "Über Programm Morvek", "À propos de Morvek",
            "O programu Morvek"),
    Literal("LabelExit", "OK", "OK", "OK", "OK"),
};
// clang-format on

}  // namespace

std::span<const WindowTextRecord> ControlCaptions() { return kControlCaptions; }
std::span<const WindowTextRecord> MonitorCaptions() { return kMonitorCaptions; }
std::span<const WindowTextRecord> ConnectionCaptions() { return kConnectionCaptions; }
std::span<const WindowTextRecord> AboutCaptions() { return kAboutCaptions; }

}  // namespace morvek::i18n::data
