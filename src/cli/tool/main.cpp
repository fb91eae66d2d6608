// morvek-cli: parameter files and controller commands from the command line (see --help).
#include <iostream>
#include <string>
#include <vector>

#include "cli/analyze_command.h"
#include "cli/cli_app.h"
#include "cli/restore_command.h"
#ifndef MORVEK_FILE_COMMANDS_ONLY
#include <QCoreApplication>

#include "clilink/link_command.h"
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // The build stamp the EXE line of written files carries.
#ifndef MORVEK_FILE_COMMANDS_ONLY
  if (!args.empty() &&
      (morvek::clilink::IsLinkCommand(args[0]) || morvek::clilink::IsLinkDiff(args))) {
    for (const std::string& arg : args)
      if (arg == "--help" || arg == "-h")
        return morvek::cli::RunCli({"--help"}, std::cout, std::cerr, {__DATE__, __TIME__});
    QCoreApplication app(argc, argv);
    return morvek::clilink::RunLinkCommand(args, std::cout, std::cerr, __DATE__, __TIME__);
  }
#endif
  if (!args.empty() && args[0] == "analyze")
    return morvek::cli::RunAnalyzeCommand(args, std::cout, std::cerr, {__DATE__, __TIME__});
  if (!args.empty() && args[0] == "restore")
    return morvek::cli::RunRestoreCommand(args, std::cout, std::cerr, {__DATE__, __TIME__});
  return morvek::cli::RunCli(args, std::cout, std::cerr, {__DATE__, __TIME__});
}
