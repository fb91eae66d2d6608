#include "serial/port_directory.h"

#include <gtest/gtest.h>

namespace morvek::serial {
namespace {

TEST(PortDirectory, UsbDevicesComeFirstThenByName) {
  PortDirectory dir;
  dir.SetSystemPorts({{"/dev/ttyS1", false},
                      {"/dev/ttyUSB1", true},
                      {"/dev/ttyS0", false},
                      {"/dev/ttyACM0", true},
                      {"/dev/ttyUSB0", true}});
  const char* want[] = {"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyS1"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(dir.DevicePath(i), want[i]) << "COM" << i + 1;
  EXPECT_EQ(dir.DevicePath(5), "");
  EXPECT_EQ(dir.DevicePath(-1), "");
  EXPECT_EQ(dir.DevicePath(21), "");
}

TEST(PortDirectory, BindingsTakeTheirNumberAndTheRestFillTheGaps) {
  PortDirectory dir;
  dir.SetSystemPorts({{"/dev/ttyUSB0", true}, {"/dev/pts/7", false}, {"/dev/ttyS0", false}});
  dir.Bind(2, "/dev/pts/7");
  dir.Bind(21, "/tmp/sim");
  EXPECT_EQ(dir.DevicePath(0), "/dev/ttyUSB0");
  EXPECT_EQ(dir.DevicePath(1), "/dev/pts/7");
  // The bound device is not listed a second time.
  EXPECT_EQ(dir.DevicePath(2), "/dev/ttyS0");
  EXPECT_EQ(dir.DevicePath(3), "");
  EXPECT_EQ(dir.DevicePath(20), "/tmp/sim");
}

TEST(PortDirectory, ParseBinding) {
  struct Case {
    const char* text;
    bool ok;
    int n;
    const char* path;
  } cases[] = {
      {"1=/dev/ttyUSB0", true, 1, "/dev/ttyUSB0"},
      {"21=/tmp/x=y", true, 21, "/tmp/x=y"},
      {"0=/dev/x", false, 0, ""},
      {"22=/dev/x", false, 0, ""},
      {"=/dev/x", false, 0, ""},
      {"3=", false, 0, ""},
      {"3", false, 0, ""},
      {"x3=/dev/x", false, 0, ""},
      {"3x=/dev/x", false, 0, ""},
  };
  for (const Case& c : cases) {
    int n = 0;
    std::string path;
    EXPECT_EQ(PortDirectory::ParseBinding(c.text, n, path), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(n, c.n);
      EXPECT_EQ(path, c.path);
    }
  }
}

}  // namespace
}  // namespace morvek::serial
