#include "link/frame_builder.h"

#include <gtest/gtest.h>

#include "model/field_table.h"
#include "model/parameter_image.h"

namespace morvek::link {
namespace {

model::ParameterImage CountingImage() {
  model::ParameterImage image;
  for (int b = 0; b < model::kImageSize; ++b)
    image.SetByte(b, static_cast<std::uint8_t>(b * 7 + 3));
  return image;
}

TEST(FrameBuilder, IdleMonitorRequestIsAllZeroWithChecksumCF) {
  const DeviceFrame frame = BuildMonitorRequest(CountingImage(), false, {0, 0, 0, 0});
  EXPECT_EQ(frame.bytes()[0], 0x30);
  for (int i = 1; i <= 150; ++i) EXPECT_EQ(frame.bytes()[static_cast<std::size_t>(i)], 0) << i;
  EXPECT_EQ(frame.bytes()[151], 0xCF);
}

TEST(FrameBuilder, ReadOfPageZeroIsZerosWithChecksumBF) {
  const DeviceFrame frame = BuildPageFrame(0x40, CountingImage(), true);
  EXPECT_EQ(frame.bytes()[0], 0x40);
  for (int i = 1; i <= 150; ++i) EXPECT_EQ(frame.bytes()[static_cast<std::size_t>(i)], 0) << i;
  EXPECT_EQ(frame.bytes()[151], 0xBF);
  // Page 0 carries zeros even when not reading (program start).
  EXPECT_EQ(BuildPageFrame(0x00, CountingImage(), false).bytes()[1], 0);
}

TEST(FrameBuilder, PageFrameCarriesImagePageUnlessReading) {
  const model::ParameterImage image = CountingImage();
  const DeviceFrame verify = BuildPageFrame(0x41, image, false);
  for (int k = 0; k < 150; ++k) EXPECT_EQ(verify.payload(k), image.Byte(k)) << k;
  EXPECT_TRUE(verify.IsValid());
  const DeviceFrame program9 = BuildPageFrame(0x09, image, false);
  for (int k = 0; k < 150; ++k) EXPECT_EQ(program9.payload(k), image.Byte(1200 + k)) << k;
  const DeviceFrame read = BuildPageFrame(0x41, image, true);
  for (int k = 0; k < 150; ++k) EXPECT_EQ(read.payload(k), 0) << k;
}

TEST(FrameBuilder, PageBeyondTheImageCarriesZeros) {
  // A tuning channel of 3 asks for page 10: nothing outside the 1350 bytes may be read.
  const DeviceFrame frame = BuildPageFrame(0x4A, CountingImage(), false);
  for (int k = 0; k < 150; ++k) EXPECT_EQ(frame.payload(k), 0) << k;
  EXPECT_TRUE(frame.IsValid());
}

TEST(FrameBuilder, AutotuneMonitorRequestCarriesTheTuningBytes) {
  model::ParameterImage image = CountingImage();
  // Image bytes 290..301 (the TUNING fields and the three gaps 291, 293, 299).
  for (int b = 290; b <= 301; ++b) image.SetByte(b, static_cast<std::uint8_t>(b - 200));
  const DeviceFrame frame = BuildMonitorRequest(image, true, {0, 0, 0, 0});
  struct Case {
    int frame_byte, value;
  } cases[] = {{1, 1},   {2, 90}, {3, 0},    {4, 92},   {5, 0},  {6, 94}, {7, 95}, {8, 96}, {9, 97},
               {10, 98}, {11, 0}, {12, 100}, {13, 101}, {14, 0}, {19, 0}, {20, 0}, {150, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(frame.bytes()[static_cast<std::size_t>(c.frame_byte)], c.value) << c.frame_byte;
  EXPECT_TRUE(frame.IsValid());
}

TEST(FrameBuilder, TestFlagsTravelInBytes20To23) {
  const DeviceFrame frame = BuildMonitorRequest(CountingImage(), false, {0x01, 0x02, 0x10, 0x08});
  EXPECT_EQ(frame.bytes()[20], 0x01);
  EXPECT_EQ(frame.bytes()[21], 0x02);
  EXPECT_EQ(frame.bytes()[22], 0x10);
  EXPECT_EQ(frame.bytes()[23], 0x08);
  EXPECT_EQ(frame.bytes()[2], 0);  // autotune off: no tuning parameters
  EXPECT_TRUE(frame.IsValid());
}

TEST(FrameBuilder, TuningCommands) {
  struct Case {
    int channel, second, command;
  } cases[] = {{1, 0, 0x45},
               {1, 1, 0x46},
               {2, 0, 0x47},
               {2, 1, 0x48},
               {0, 0, 0x43},
               {3, 1, 0x4A},
               // Pages the command byte cannot carry stay unanswerable instead of wrapping
               // onto a real page (channel 31 would otherwise ask for page 1).
               {31, 0, 0x7F},
               {255, 1, 0x7F}};
  for (const Case& c : cases)
    EXPECT_EQ(TuningCommand(c.channel, c.second), c.command) << c.channel << "/" << c.second;
}

TEST(FrameBuilder, LargestTuningStepAndMaxAccTravelUnwrapped) {
  // The editing range of both single-byte fields ends where the byte does, so the largest
  // value a user can enter reaches the controller as itself.
  for (model::FieldId id : {model::FieldId::kTuningStep, model::FieldId::kTuningMaxAcc}) {
    const model::Field& field = model::GetField(id);
    EXPECT_LE(field.max, 255);
    model::ParameterImage image;
    model::SetShown(image, id, field.max);
    const DeviceFrame frame = BuildMonitorRequest(image, true, {0, 0, 0, 0});
    const int frame_byte = id == model::FieldId::kTuningStep ? 10 : 13;
    EXPECT_EQ(frame.bytes()[static_cast<std::size_t>(frame_byte)], field.max);
  }
}

}  // namespace
}  // namespace morvek::link
