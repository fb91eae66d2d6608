#include "sim/controller_pages.h"

#include <gtest/gtest.h>

#include "link/identification_page.h"
#include "sim/controller_model.h"
#include "sim_test_util.h"

namespace morvek::sim {
namespace {

TEST(ControllerPages, MonthCodesAreTheByteSumsOfTheEnglishAbbreviations) {
  const int expected[12] = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
  for (int month = 1; month <= 12; ++month)
    EXPECT_EQ(MonthCode(month), expected[month - 1]) << month;
  EXPECT_EQ(MonthCode(0), 0);
  EXPECT_EQ(MonthCode(13), 0);
}

TEST(ControllerPages, IdentificationPageLayout) {
  Identification id;
  id.code = "QX7";
  id.number = 42;
  id.day = 5;
  id.month = 2;
  id.year = 2009;
  id.hour = 8;
  id.minute = 3;
  id.protocol_version = 84;
  const auto page = BuildIdentificationPage(id);
  const std::uint8_t expected[11] = {'Q', 'X', '7', 42, 5, 13, 9, 8, 3, 0, 84};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(page[static_cast<std::size_t>(i)], expected[i]) << i;
  for (int i = 11; i < 150; ++i) EXPECT_EQ(page[static_cast<std::size_t>(i)], 0) << i;
}

TEST(ControllerPages, LongNameFillsBytes16To45AndIsCutAt30Characters) {
  Identification id;
  id.name = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";  // 36 characters
  const auto page = BuildIdentificationPage(id);
  EXPECT_EQ(page[16], 'A');
  EXPECT_EQ(page[45], '3');  // the 30th character
  EXPECT_EQ(page[46], 0);
}

// Through the wire and the program's own decoder: what LabelVerze1..3 will show.
TEST(ControllerPages, PageZeroDecodesToTheConfiguredIdentification) {
  struct Case {
    Identification id;
    const char* text;
    const char* date;
    const char* time;
  };
  Identification plain;
  plain.code = "TVN";
  plain.number = 7;
  plain.day = 31;
  plain.month = 1;
  plain.year = 2008;
  plain.hour = 9;
  plain.minute = 5;
  plain.protocol_version = 83;
  Identification named = plain;
  named.name = "Torvane R";
  named.month = 12;
  named.day = 4;
  const Case cases[] = {{plain, "TVN07", "31. 1.2008", "09:05"},
                        {named, "Torvane R", " 4.12.2008", "09:05"}};
  for (const Case& c : cases) {
    ControllerConfig config;
    config.identification = c.id;
    ControllerModel controller(config);
    for (std::uint8_t command : {std::uint8_t{0x40}, std::uint8_t{0x00}}) {
      const auto reply = controller.HandleRequest(testing::Request(command));
      ASSERT_TRUE(reply);
      EXPECT_EQ(testing::FrameByte(*reply, 11), 83);  // payload byte 10 is frame byte 11
      const auto texts = link::DecodeIdentificationPage(reply->Payload());
      EXPECT_EQ(texts.identification, c.text);
      EXPECT_EQ(texts.date, c.date);
      EXPECT_EQ(texts.time, c.time);
      EXPECT_EQ(texts.version, 83);
    }
  }
}

TEST(ControllerPages, StoresOnlyParameterPages) {
  ControllerPages pages(Identification{}, model::ParameterImage{});
  std::array<std::uint8_t, 150> data{};
  data.fill(0x5A);
  EXPECT_FALSE(pages.StorePage(0, data));
  EXPECT_FALSE(pages.StorePage(10, data));
  EXPECT_TRUE(pages.IsBlank());
  EXPECT_TRUE(pages.StorePage(9, data));
  EXPECT_EQ(pages.image().Byte(1200), 0x5A);
  EXPECT_EQ(pages.image().Byte(1199), 0);
  EXPECT_TRUE(pages.PageBytes(10).empty());
  EXPECT_EQ(pages.PageBytes(0)[10], 84);
}

}  // namespace
}  // namespace morvek::sim
