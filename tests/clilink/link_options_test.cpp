#include "clilink/link_options.h"

#include <gtest/gtest.h>

namespace morvek::clilink {
namespace {

LinkOptions Parsed(const std::vector<std::string>& args) {
  LinkOptions options;
  EXPECT_EQ(ParseLinkOptions(args, options), "");
  return options;
}

TEST(LinkOptions, EveryCommandGivesUpWhenNothingEverArrives) {
  struct Case {
    std::vector<std::string> args;
    long long elapsed_ms;
    int frames;
    bool up;
  };
  const Case cases[] = {
      {{"monitor", "--port", "auto"}, 59999, 0, false},
      {{"monitor", "--port", "auto"}, 60000, 0, true},
      {{"monitor", "--port", "COM3"}, 60000, 0, true},
      // A monitor with frames prints until --count or until it is stopped ...
      {{"monitor", "--port", "COM3"}, 3600000, 5, false},
      {{"monitor", "--port", "COM3", "--count", "100000"}, 3600000, 5, false},
      // ... unless a time limit was asked for.
      {{"monitor", "--port", "COM3", "--timeout", "5"}, 5000, 5, true},
      {{"monitor", "--port", "COM3", "--timeout", "5"}, 4999, 0, false},
      {{"read", "--port", "COM3", "-o", "x.ign"}, 60000, 5, true},
      {{"program", "x.ign", "--port", "COM3"}, 60000, 99, true},
      {{"verify", "x.ign", "--port", "COM3", "--timeout", "2"}, 2000, 0, true},
  };
  for (const Case& c : cases) {
    const LinkOptions options = Parsed(c.args);
    EXPECT_EQ(TimeIsUp(options, c.elapsed_ms, c.frames), c.up)
        << c.args[0] << " " << c.args.back() << " at " << c.elapsed_ms << " ms";
  }
}

// Only program takes --force: a verify or read never changes the controller, and a forced
// one would hide a typing error.
TEST(LinkOptions, ForceBelongsToProgramAlone) {
  EXPECT_TRUE(Parsed({"program", "x.ign", "--port", "COM3", "--force"}).force);
  EXPECT_FALSE(Parsed({"program", "x.ign", "--port", "COM3"}).force);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"verify", "x.ign", "--port", "COM3", "--force"},
        std::vector<std::string>{"read", "--port", "COM3", "-o", "x.ign", "--force"},
        std::vector<std::string>{"monitor", "--port", "COM3", "--force"}}) {
    LinkOptions options;
    EXPECT_EQ(ParseLinkOptions(args, options), "unknown option --force") << args[0];
  }
}

TEST(LinkOptions, DiffTakesOneFileAndOneControllerInEitherOrder) {
  const LinkOptions file_first = Parsed({"diff", "a.ign", "--port", "COM2"});
  EXPECT_EQ(file_first.file, "a.ign");
  EXPECT_FALSE(file_first.port_first);
  const LinkOptions port_first = Parsed({"diff", "--port", "COM2", "a.ign"});
  EXPECT_EQ(port_first.file, "a.ign");
  EXPECT_TRUE(port_first.port_first);

  struct Case {
    std::vector<std::string> args;
    std::string error;
  } bad[] = {
      {{"diff", "--port", "COM2"}, "diff needs a parameter file and --port PORT"},
      {{"diff", "a.ign", "--port", "COM2", "--port", "COM3"},
       "diff compares with one controller at a time"},
      {{"diff", "a.ign", "b.ign", "--port", "COM2"}, "unexpected argument b.ign"},
      {{"diff", "a.ign", "--port", "COM2", "-o", "c.ign"}, "diff writes no file"},
      {{"verify", "a.ign", "--port", "COM2", "--port", "COM3"}, "--port given twice"},
      {{"read", "--port", "COM2", "-o", "a.ign", "-o", "b.ign"}, "-o given twice"},
      {{"read", "--port", "COM2", "-o", "a.ign", "-o", "a.ign"}, "-o given twice"},
      {{"read", "--port", "COM2", "-o", ""}, "-o needs a file name"},
      {{"monitor", "--port", "COM2", "--csv", "a.csv", "--csv", "b.csv"}, "--csv given twice"},
  };
  for (const Case& c : bad) {
    LinkOptions options;
    EXPECT_EQ(ParseLinkOptions(c.args, options), c.error) << c.args.back();
  }
}

}  // namespace
}  // namespace morvek::clilink
