#include "link/monitor_decoder.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "model/parameter_image.h"

namespace morvek::link {
namespace {

using L = MonitorLabel;
using G = MonitorGauge;

class MonitorFrame {
 public:
  MonitorFrame() {
    frame_.set_code(0xB0);
    Byte(150, 84);
  }
  MonitorFrame& Byte(int offset, int value) {
    frame_.bytes()[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
    return *this;
  }
  MonitorFrame& Word(int offset, int value) {
    Byte(offset, value & 0xFF);
    return Byte(offset + 1, value >> 8);
  }
  DeviceFrame Sealed() {
    frame_.Seal();
    return frame_;
  }

 private:
  DeviceFrame frame_;
};

class MonitorDecoderTest : public ::testing::Test {
 protected:
  MonitorDecoderTest() {
    image.SetByte(29, 120);                                            // LIMITER.ignition 12000 rpm
    for (int i = 0; i < 4; ++i) image.SetByte(322 + i, 120 + 10 * i);  // LAMBDA_BAR 120..150
    context.image = &image;
  }
  bool Decode(MonitorFrame frame) {
    return DecodeMonitorFrame(frame.Sealed(), context, view, live);
  }
  const LabelView& Label(L l) const { return view.label(l); }

  model::ParameterImage image;
  MonitorContext context;
  MonitorView view;
  LiveValues live;
};

TEST_F(MonitorDecoderTest, VersionMismatchIsShownWhileEverythingElseIsDecoded) {
  ASSERT_TRUE(Decode(MonitorFrame().Byte(150, 83).Word(48, 4321)));
  EXPECT_EQ(Label(L::kLabelVersion).text,
            "Unmatched version of PC and Ignition programs!  PC-84, IGN-83");
  EXPECT_EQ(Label(L::kLabelVersion).colour, Colour::kRed);
  EXPECT_EQ(Label(L::kLabelRpm).text, "RPM = 4321 ");
  EXPECT_EQ(live.rpm, 4321);
  ASSERT_TRUE(Decode(MonitorFrame()));
  EXPECT_EQ(Label(L::kLabelVersion).colour, Colour::kWhite);
  EXPECT_EQ(Label(L::kLabelVersion).text.find("Unmatched"), std::string::npos);
}

TEST_F(MonitorDecoderTest, InvalidFramesChangeNothing) {
  ASSERT_TRUE(Decode(MonitorFrame().Word(48, 1000)));
  const int revision = view.revision();
  DeviceFrame bad = MonitorFrame().Word(48, 2000).Sealed();
  bad.bytes()[151] ^= 0x10;
  EXPECT_FALSE(DecodeMonitorFrame(bad, context, view, live));
  DeviceFrame wrong_code = MonitorFrame().Word(48, 2000).Byte(0, 0xC0).Sealed();
  EXPECT_FALSE(DecodeMonitorFrame(wrong_code, context, view, live));
  EXPECT_EQ(live.rpm, 1000);
  EXPECT_EQ(view.revision(), revision);
  EXPECT_EQ(Label(L::kLabelRpm).text, "RPM = 1000 ");
}

TEST_F(MonitorDecoderTest, Coolant) {
  struct Case {
    int raw;
    bool extended;
    const char* text;
    Colour label, bar;
    int bar_value, live;
  } cases[] = {
      {0, false, "Coolant = error", Colour::kRed, Colour::kRed, 80, 180},
      {0, true, "Coolant = error = 1234 mV", Colour::kRed, Colour::kRed, 80, 180},
      {185, false, "Coolant= 85 °C", Colour::kButtonFace, Colour::kAqua, 85, 185},
      {185, true, "Coolant = 85 °C= 1234 mV", Colour::kButtonFace, Colour::kAqua, 85, 185},
      {199, false, "Coolant= 99 °C", Colour::kButtonFace, Colour::kAqua, 99, 199},
      {200, false, "Coolant= 100 °C", Colour::kYellow, Colour::kYellow, 100, 200},
      {90, false, "Coolant= -10 °C", Colour::kButtonFace, Colour::kAqua, 0, 90},
  };
  for (const Case& c : cases) {
    context.extended = c.extended;
    ASSERT_TRUE(Decode(MonitorFrame().Byte(23, c.raw).Word(60, 1234)));
    EXPECT_EQ(Label(L::kLabelVoda).text, c.text);
    EXPECT_EQ(Label(L::kLabelVoda).colour, c.label) << c.raw;
    EXPECT_EQ(view.gauge(G::kCGaugeVoda).colour, c.bar) << c.raw;
    EXPECT_EQ(view.gauge(G::kCGaugeVoda).value, c.bar_value) << c.raw;
    EXPECT_EQ(live.coolant_plus100, c.live) << c.raw;
  }
}

TEST_F(MonitorDecoderTest, IntakeAir) {
  struct Case {
    int raw;
    bool extended;
    const char* text;
    Colour colour;
  } cases[] = {
      {60, false, "AT = 50 °C", Colour::kRed},
      {61, false, "AT = -39 °C", Colour::kButtonFace},
      {125, true, "AT = 25 °C= 3100 mV", Colour::kButtonFace},
      {0, true, "AT = 50 °C= 3100 mV", Colour::kRed},
  };
  for (const Case& c : cases) {
    context.extended = c.extended;
    ASSERT_TRUE(Decode(MonitorFrame().Byte(24, c.raw).Word(62, 3100)));
    EXPECT_EQ(Label(L::kLabelVzduch).text, c.text);
    EXPECT_EQ(Label(L::kLabelVzduch).colour, c.colour) << c.raw;
    EXPECT_EQ(live.air_plus100, c.raw);
  }
}

TEST_F(MonitorDecoderTest, BatteryThresholds) {
  struct Case {
    int mv;
    Colour colour;
  } cases[] = {{14999, Colour::kYellow}, {14998, Colour::kButtonFace}, {11001, Colour::kButtonFace},
               {11000, Colour::kYellow}, {7001, Colour::kYellow},      {7000, Colour::kRed},
               {17998, Colour::kYellow}, {17999, Colour::kRed},        {0, Colour::kRed}};
  for (const Case& c : cases) {
    ASSERT_TRUE(Decode(MonitorFrame().Word(64, c.mv)));
    EXPECT_EQ(Label(L::kLabelNapeti).colour, c.colour) << c.mv;
  }
  ASSERT_TRUE(Decode(MonitorFrame().Word(64, 12340)));
  EXPECT_EQ(Label(L::kLabelNapeti).text, "U = 12.3 V");
}

TEST_F(MonitorDecoderTest, InjectionDutyUsesThePreviousFramesRpm) {
  ASSERT_TRUE(Decode(MonitorFrame().Byte(14, 40).Byte(15, 30).Word(48, 6000)));
  EXPECT_EQ(Label(L::kLabelMaxInjProcent).text, "Max injection = 0 [%]");  // rpm was 0
  ASSERT_TRUE(Decode(MonitorFrame().Byte(14, 40).Byte(15, 30).Word(48, 6000)));
  EXPECT_EQ(Label(L::kLabelMaxInjProcent).text, "Max injection = 20 [%]");
  EXPECT_EQ(view.gauge(G::kCGaugeDuty).value, 20);
  EXPECT_EQ(view.gauge(G::kCGaugeDuty).colour, Colour::kBlue);
  EXPECT_EQ(Label(L::kLabelMon_Jet_1A).text, "Injection time 1 = 4000 us");
  EXPECT_EQ(Label(L::kLabelMon_Jet_A).text, "Injection time = 3500 us");
  ASSERT_TRUE(Decode(MonitorFrame().Byte(14, 250).Word(48, 6000)));
  EXPECT_EQ(Label(L::kLabelMaxInjProcent).text, "Max injection = 125 [%]");
  EXPECT_EQ(view.gauge(G::kCGaugeDuty).value, 100);
  EXPECT_EQ(view.gauge(G::kCGaugeDuty).colour, Colour::kYellow);
}

TEST_F(MonitorDecoderTest, AllInputFlagsSetShowOnlyIdleActive) {
  ASSERT_TRUE(Decode(MonitorFrame().Byte(1, 0xFF)));
  const std::pair<L, const char*> expected[] = {
      {L::kLabelMonTlStartIn, "Switch start - NO"},
      {L::kLabelMonClutchIn, "Clutch - NO"},
      {L::kLabelMonNeutral, "Idle - YES"},
      {L::kLabelMonSideStand, "Side stand - NO"},
      {L::kLabelMonStartLimiterIn, "Start limiter - NO"},
      {L::kLabelMonClutchMasterIn, "Clutch master - NO"},
      {L::kLabelMonRpmLambdaIn, "Tacho/Lambda - NO"},
      {L::kLabelMonPinEngine23In, "Pin engine 23 - NO"},
  };
  for (const auto& [label, text] : expected) {
    EXPECT_EQ(Label(label).text, text);
    EXPECT_EQ(Label(label).colour,
              label == L::kLabelMonNeutral ? Colour::kAqua : Colour::kButtonFace)
        << text;
  }
  ASSERT_TRUE(Decode(MonitorFrame().Byte(1, 0x00)));
  EXPECT_EQ(Label(L::kLabelMonTlStartIn).colour, Colour::kWhite);
  EXPECT_EQ(Label(L::kLabelMonClutchMasterIn).colour, Colour::kLime);
  EXPECT_EQ(Label(L::kLabelMonNeutral).text, "Idle - NO");
}

TEST_F(MonitorDecoderTest, LimiterFlagsColourRpmAndEdits) {
  struct Case {
    int byte2;
    Colour rpm;
    Colour ign_edit;
  } cases[] = {{0x00, Colour::kButtonFace, Colour::kWindow},
               {0x08, Colour::kFuchsia, Colour::kFuchsia},
               {0x30, Colour::kFuchsia, Colour::kWindow},
               {0x38, Colour::kRed, Colour::kFuchsia}};
  for (const Case& c : cases) {
    ASSERT_TRUE(Decode(MonitorFrame().Byte(2, c.byte2).Word(48, 6000)));
    EXPECT_EQ(Label(L::kLabelRpm).colour, c.rpm) << c.byte2;
    EXPECT_EQ(view.edit_colour(MonitorEdit::kEditIgnLimiter), c.ign_edit) << c.byte2;
    EXPECT_EQ(view.gauge(G::kCGaugeRpm).value, 50);  // 6000 of 12000 rpm
  }
  ASSERT_TRUE(Decode(MonitorFrame().Byte(2, 0x08)));
  EXPECT_EQ(Label(L::kLabelMonIgnLimiter).text, "Limiter by ignition - YES");
  EXPECT_EQ(Label(L::kLabelMonRpmLambdaOut).text, "Tacho/Lambda - Lambda");
  EXPECT_EQ(Label(L::kLabelMonRpmLambdaOut).colour, Colour::kAqua);
}

TEST_F(MonitorDecoderTest, StatusFlags) {
  ASSERT_TRUE(Decode(MonitorFrame().Byte(3, 0xE9).Byte(4, 0xBF).Byte(10, 12).Word(56, 4800)));
  EXPECT_EQ(Label(L::kLabelMonClutchOut).text, "Clutch master - YES");
  EXPECT_EQ(Label(L::kLabelMonClutchOut).colour, Colour::kRed);
  EXPECT_EQ(Label(L::kLabelMon_Ign1).text, "Advance 1= BASE");
  EXPECT_EQ(Label(L::kLabelSnimacCmps).text, "Pick-up (CMPS) -  is running");
  EXPECT_TRUE(Label(L::kLabelEeDataErr).visible);
  EXPECT_EQ(Label(L::kLabelTpsMon).text, "TP = error = 4800 mV");
  EXPECT_EQ(Label(L::kLabelTpsMon).colour, Colour::kRed);
  EXPECT_EQ(Label(L::kLabelTlak).colour, Colour::kRed);
  EXPECT_EQ(Label(L::kLabelOilOk).colour, Colour::kButtonFace);
  EXPECT_EQ(Label(L::kLabelMonFan2).text, "Fan 2 - YES");
  EXPECT_EQ(Label(L::kLabelMonBlokOut).text, "Blocking  - YES");
  EXPECT_TRUE(live.output_test_inhibit);
  ASSERT_TRUE(Decode(MonitorFrame().Byte(10, 5).Byte(11, 8)));
  EXPECT_EQ(Label(L::kLabelMon_Ign1).text, "Advance 1=  5 °");
  EXPECT_EQ(Label(L::kLabelMon_Ign).text, "Advance =  6 °");
  EXPECT_FALSE(Label(L::kLabelEeDataErr).visible);
  EXPECT_EQ(Label(L::kLabelOilOk).colour, Colour::kRed);
  EXPECT_FALSE(live.output_test_inhibit);
}

TEST_F(MonitorDecoderTest, AutotuneStatus) {
  ASSERT_TRUE(Decode(MonitorFrame().Byte(29, 12)));
  EXPECT_EQ(Label(L::kLabelLadeniMsg).text, "T: Decrease");
  EXPECT_EQ(Label(L::kLabelLadeniMsg).colour, Colour::kYellow);
  ASSERT_TRUE(Decode(MonitorFrame().Byte(29, 20)));
  EXPECT_EQ(Label(L::kLabelLadeniMsg).text, "T: Decrease");
  EXPECT_EQ(Label(L::kLabelLadeniMsg).colour, Colour::kFuchsia);
  const std::tuple<int, const char*, Colour> cases[] = {
      {0, "T: rpm=0", Colour::kFuchsia},
      {11, "T: Adding", Colour::kAqua},
      {13, "T: OK", Colour::kLime},
      {14, "T: Coupled", Colour::kFuchsia},
      {10, "T: TPS or IAP high ((hinter letzte Punkt)", Colour::kFuchsia}};
  for (const auto& [code, text, colour] : cases) {
    ASSERT_TRUE(Decode(MonitorFrame().Byte(29, code)));
    EXPECT_EQ(Label(L::kLabelLadeniMsg).text, text);
    EXPECT_EQ(Label(L::kLabelLadeniMsg).colour, colour) << code;
  }
}

TEST_F(MonitorDecoderTest, LambdaBar) {
  struct Case {
    int lambda, beginning, ending, value;
  } cases[] = {{119, 120, 150, 0},   {120, 120, 150, 0},   {135, 120, 150, 50},
               {150, 120, 150, 100}, {151, 120, 150, 100}, {139, 140, 140, 0},
               {140, 140, 140, 100}, {141, 140, 140, 100}, {130, 150, 120, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(LambdaBarValue(c.lambda, c.beginning, c.ending), c.value)
        << c.lambda << " " << c.beginning << ".." << c.ending;
  // Equal ends never fail and never leave 0..100, whatever the reading.
  for (int lambda = 0; lambda <= 255; ++lambda)
    for (int end = 0; end <= 255; end += 5) {
      const int v = LambdaBarValue(lambda, end, end);
      ASSERT_TRUE(v >= 0 && v <= 100) << lambda << " " << end;
    }
  ASSERT_TRUE(Decode(MonitorFrame().Byte(30, 135).Word(58, 450)));
  EXPECT_EQ(view.gauge(G::kCGaugeLambda).value, 50);
  EXPECT_EQ(Label(L::kLabelLambda).text, "LAMBDA = 13.5 [A/F]");
  image.SetByte(325, 120);  // ending = beginning
  ASSERT_TRUE(Decode(MonitorFrame().Byte(30, 120)));
  EXPECT_EQ(view.gauge(G::kCGaugeLambda).value, 100);
}

TEST_F(MonitorDecoderTest, ExtendedTexts) {
  const auto frame = [] {
    return MonitorFrame()
        .Byte(9, 50)
        .Byte(28, 5)
        .Word(56, 2600)
        .Word(52, 1013)
        .Word(50, 2200)
        .Byte(30, 147)
        .Word(58, 450);
  };
  ASSERT_TRUE(Decode(frame()));
  EXPECT_EQ(Label(L::kLabelTpsMon).text, "TP = 50 %");
  EXPECT_EQ(Label(L::kLabelTlak).text, "AP = 101.3 kPa");
  EXPECT_EQ(view.gauge(G::kCGaugeTps).value, 50);
  context.extended = true;
  ASSERT_TRUE(Decode(frame()));
  EXPECT_EQ(Label(L::kLabelTpsMon).text, "TP = 50.5 %=2600 mV");
  EXPECT_EQ(Label(L::kLabelTlak).text, "AP = 101.3 kPa= 2200 mV");
  EXPECT_EQ(Label(L::kLabelLambda).text, "LAMBDA = 14.7 [A/F] = 450 mV");
}

TEST_F(MonitorDecoderTest, CorrectionsCountersAndLiveValues) {
  context.debug_display = true;
  ASSERT_TRUE(Decode(MonitorFrame()
                         .Byte(9, 33)
                         .Byte(25, 4)
                         .Byte(27, 7)
                         .Word(44, 2800)
                         .Word(46, 2000)
                         .Word(76, 321)
                         .Word(78, 11)
                         .Word(84, 44)
                         .Word(94, 77)
                         .Word(96, 360)
                         .Word(100, 1234)
                         .Word(108, 950)
                         .Word(110, 1050)
                         .Word(116, 88)
                         .Word(120, 523)
                         .Word(122, 1000)
                         .Word(134, 990)
                         .Word(136, 5)
                         .Word(148, 1500)));
  const std::pair<L, const char*> expected[] = {
      {L::kLabelGear, "Gear = 4 "},
      {L::kLabelMonPilotLight, "Gear Shift Light - Twinkle"},
      {L::kLabelMonFuelMv, "Fuel = 2800 mV"},
      {L::kLabelMonPinEngine14In, "Pin engine 14 = 2000 mV"},
      {L::kLabelPocetProgramovani, "Number of Programing = 321"},
      {L::kLabelTest1, "Test1= 11"},
      {L::kLabelTest4, "Test4=44"},
      {L::kLabelMon_PolohaA, "Position = 360 °"},
      {L::kLabelKorVodaJet, "TW correction = 123.4 %"},
      {L::kLabelKorNapeti, "U correction = -50 us"},
      {L::kLabelKorVodaIgn, "TW correction =  5.0 °"},
      {L::kLabelMonSpeed, "Speed = 88 [km/h]"},
      {L::kLabelMonPomerRpmSpeed, "Rpm/Speed = 52.3 "},
      {L::kLabelMonPomerRpmSpeedAuto1, "100.0 "},
      {L::kLabelIdleKorAdv, "Idle correction = -1.0 °"},
      {L::kLabelKorAccJet, "Acc. corr =  0.5 %"},
  };
  for (const auto& [label, text] : expected) EXPECT_EQ(Label(label).text, text);
  EXPECT_EQ(Label(L::kLabelMonPilotLight).colour, Colour::kFuchsia);
  EXPECT_EQ(Label(L::kLabelMonPinEngine14In).colour, Colour::kAqua);
  EXPECT_EQ(view.gauge(G::kCGaugeFuel).value, 50);  // (2800 * 100 - 160000) / 2400
  EXPECT_TRUE(Label(L::kLabelTest8).visible);
  EXPECT_EQ(live.throttle_percent, 33);
  EXPECT_EQ(live.gear, 4);
  EXPECT_EQ(live.after_start_timer, 77);
  EXPECT_EQ(live.rpm_speed_ratio, 523);
  EXPECT_EQ(live.saving_counter, 1500);
}

TEST_F(MonitorDecoderTest, NitrousLabelFollowsTheEnableAndLanguage) {
  ASSERT_TRUE(Decode(MonitorFrame().Byte(2, 0x80)));
  EXPECT_FALSE(Label(L::kLabelN2oOn).visible);
  EXPECT_EQ(Label(L::kLabelN2oOn).text, "N2O  - YES");
  image.SetByte(98, 1);  // N2O.enable
  context.language = i18n::Language::kGerman;
  ASSERT_TRUE(Decode(MonitorFrame().Byte(2, 0x80)));
  EXPECT_TRUE(Label(L::kLabelN2oOn).visible);
  EXPECT_EQ(Label(L::kLabelN2oOn).text, "N2O  - JA");
  EXPECT_EQ(Label(L::kLabelN2oOn).colour, Colour::kLime);
}

TEST(MonitorView, ControlNamesAreDistinctAndPlaceholdersComeFromTheLanguage) {
  std::set<std::string_view> names;
  for (int i = 0; i < kMonitorLabelCount; ++i) names.insert(ControlName(static_cast<L>(i)));
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kMonitorLabelCount));
  EXPECT_EQ(ControlName(L::kLabelMon_PolohaA), "LabelMon_PolohaA");
  MonitorView view;
  view.label(L::kLabelLadeniMsg).text = "T: OK";
  WritePlaceholders(view, i18n::Language::kEnglish);
  EXPECT_EQ(view.label(L::kLabelPocetProgramovani).text, "Number of Programing = ---");
  EXPECT_EQ(view.label(L::kLabelMonFan1).text, "Fan 1 - ---");
  EXPECT_EQ(view.label(L::kLabelLadeniMsg).text, "");
}

}  // namespace
}  // namespace morvek::link
