#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvek::i18n {

enum class Language : std::uint8_t { kEnglish = 0, kGerman = 1, kFrench = 2, kCzech = 3 };
inline constexpr int kLanguageCount = 4;

// The entries of the text table, by their place in it. Places that carry nothing are absent;
// place 1 is the current file name, which is not a language text.
enum class TextId : std::uint8_t {
  TxtTitlePrefix = 0,
  HelpFileName = 2,
  MsgProgramError = 3,
  MsgVerifyError = 4,
  MsgReadError = 5,
  MsgProgramDevice = 6,
  MsgUnmatchedVersion = 7,
  MsgVerify = 8,
  MsgRead = 9,
  TxtAdvance = 10,
  TxtProgrammingCount = 11,
  TxtBlocking = 12,
  TxtStartLimiter = 13,
  TxtLimiterByIgnition = 14,
  TxtLimiterByInjection = 15,
  TxtLimiterByRetard = 16,
  TxtYes = 17,
  TxtNo = 18,
  TxtTwinkle = 19,
  MsgComOpeningError = 23,
  MsgOpenFileError = 24,
  MsgDefaultSetting = 25,
  MsgDefaultSettingPage = 26,
  MsgOlderFileVersion = 27,
  MsgUnmatchedFileVersion = 28,
  TxtPrintDate = 30,
  MsgHelpOpenError = 31,
  TxtPickup = 33,
  MsgProgramNotForBike = 37,
  TxtBaseAdvance = 38,
  MsgSaving = 39,
  TxtInjectionTime = 40,
  TxtMaxInjection = 41,
  TxtPosition = 42,
  TxtGear = 46,
  TxtSpeed = 47,
  TxtGearShiftLight = 48,
  TxtCylinderCorrection = 52,
  TxtClutchMaster = 57,
  TxtTachoLambda = 60,
  TxtCoolant = 64,
  TxtSwitchStart = 65,
  TxtClutch = 66,
  TxtNeutral = 67,
  TxtSideStand = 68,
  TxtOilOk = 69,
  TxtLambdaHeat = 70,
  TxtFan = 71,
  TxtFuel = 72,
  TuneMsgRpmZero = 80,
  TuneMsgCoupled = 81,
  TuneMsgNoTpsNoIap = 82,
  TuneMsgOff = 83,
  TuneMsgAccelTooBig = 84,
  TuneMsgTpsAndIapMap = 85,
  TuneMsgNotInPoint = 86,
  TuneMsgLambdaVoltage = 87,
  TuneMsgRpmLow = 88,
  TuneMsgRpmHigh = 89,
  TuneMsgLoadLow = 90,
  TuneMsgLoadHigh = 91,
  TuneMsgAdding = 92,
  TuneMsgDecrease = 93,
  TuneMsgOk = 94,
};
inline constexpr int kTextTableSize = 96;

// The text of an entry in a language, UTF-8. Empty for places that carry nothing.
std::string_view Text(TextId id, Language language);

}  // namespace morvek::i18n
