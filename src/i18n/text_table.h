#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

// The language with the number kept in the settings (0 English, 1 German, 2 French, 3 Czech).
std::optional<Language> LanguageFromIndex(int index);

// The language chosen by the command-line word ENGLISH, DEUTSCH, FRENCH or CESKY (exact case).
std::optional<Language> LanguageFromCommandWord(std::string_view word);

// Place 1 of the table: the file name shown in the window title, the same in every language.
inline constexpr int kCurrentFileNameEntry = 1;

// The main window's table of 96 texts in the current language. Switching the language changes
// every language entry at once; the current file name stays.
class TextTable {
 public:
  explicit TextTable(Language language = Language::kEnglish) : language_(language) {}

  Language language() const { return language_; }
  void SetLanguage(Language language) { language_ = language; }

  std::string_view Get(TextId id) const { return Text(id, language_); }

  // Any place by number, 0..95: place 1 is the current file name, places without text are empty.
  std::string_view Entry(int index) const;

  const std::string& CurrentFileName() const { return current_file_name_; }
  void SetCurrentFileName(std::string name) { current_file_name_ = std::move(name); }

  // The program name, seven blanks and the current file name.
  std::string WindowTitle() const;

 private:
  Language language_;
  std::string current_file_name_;
};

}  // namespace morvek::i18n
