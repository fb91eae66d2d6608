#include "app/command_line.h"

namespace morvek::app {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--demo") {
      line.demo = true;
    } else if (a == "--quit-after-show") {
      line.quit_after_show = true;
    } else if (a == "--com") {
      if (i + 1 >= args.size()) {
        line.error = "--com needs N=PATH";
        return line;
      }
      line.com_bindings.push_back(args[++i]);
    } else if (a.rfind("--com=", 0) == 0) {
      line.com_bindings.push_back(a.substr(6));
    } else {
      line.arguments.push_back(a);
    }
  }
  return line;
}

}  // namespace morvek::app
