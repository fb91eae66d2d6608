// torvane-sim: a virtual Torvane controller on a pseudo-terminal.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "files/parameter_file_reader.h"
#include "i18n/about_text.h"
#include "model/editor.h"
#include "morvek_version.h"
#include "sim/controller_model.h"
#include "sim/pty_runner.h"

namespace {

std::atomic<bool> g_stop{false};

void OnSignal(int) { g_stop = true; }

constexpr const char* kUsage = R"(Usage: torvane-sim [options]
A virtual Torvane engine controller on a pseudo-terminal. Prints the device path, then serves
requests until interrupted (Ctrl+C, SIGTERM).

Options:
  --link PATH          also make a symbolic link PATH to the device (removed on exit)
  --no-wire-delay      answer at once instead of at the 57600 baud line rate
  --id CODE            three-character identification (default TVN)
  --id-number N        identification number, two digits (default 12)
  --protocol N         protocol version reported by the controller (default 84)
  --scenario NAME      off, idle, sweep, ride or steady (default idle)
  --rpm N --tps N      operating point of the steady scenario
  --load FILE.ign      start with the parameters of a parameter file
  --fuel-error SEED    the engine's fuel need differs from every map by a smooth field
                       of up to 12 % drawn from SEED (default 0: none)
  --lambda-delay-ms N  the lambda sensor sees the mixture N ms late (default 300)
  --seed N             seed of the fault injection (default 1)
  --corrupt P          percent of replies with a bad checksum
  --drop P             percent of replies never sent
  --late P             percent of replies sent late ...
  --late-ticks N       ... by N ticks of 55 ms
  --double P           percent of replies sent twice, the copy 0 to 7 ticks later
  --wrong-version P    percent of replies reporting protocol version 83
  --noise              shorthand for --corrupt 10 --drop 10
  --silent             answer nothing at all
  --leave-after N      answer N page requests, then fall silent and leave the line
                       (a controller switched off in the middle of a transaction)
  --save-ms N          the saving after programming takes N ms (default 3000); 0 saves at
                       once and never reports saving
  --store FILE         keep the saved pages in FILE and start from it when it exists
                       (a controller switched off and on keeps what it had saved)
  --hang-up-after-verify
                       leave the line right after the verify that follows a programming
  -v                   log every request and reply on stderr
  --help               this text
  --version            the version, the build date and the license
)";

// The permanent memory kept in a file, so that a controller killed and started again on the
// same link comes back with what it had saved: "TORVANE-STORE <count>\n" and the 1350 bytes.
constexpr std::string_view kStoreHeader = "TORVANE-STORE ";

bool LoadStore(const std::string& path, morvek::model::ParameterImage& image, int& count) {
  std::ifstream in(path, std::ios::binary);
  std::string header;
  if (!in || !std::getline(in, header) || header.rfind(kStoreHeader, 0) != 0) return false;
  count = std::atoi(header.c_str() + kStoreHeader.size());
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() != static_cast<std::size_t>(morvek::model::kImageSize)) return false;
  for (int b = 0; b < morvek::model::kImageSize; ++b)
    image.SetByte(b, static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(b)]));
  return true;
}

// Written whole and renamed into place: a kill in the middle leaves the old store.
void SaveStore(const std::string& path, const morvek::model::ParameterImage& image, int count) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << kStoreHeader << count << "\n";
    for (int b = 0; b < morvek::model::kImageSize; ++b) out.put(static_cast<char>(image.Byte(b)));
    out.flush();
    if (!out) return;
  }
  std::rename(temporary.c_str(), path.c_str());
}

bool ParseInt(std::string_view text, int lo, int hi, int& out) {
  char* end = nullptr;
  const std::string s(text);
  const long v = std::strtol(s.c_str(), &end, 10);
  if (s.empty() || *end != '\0' || v < lo || v > hi) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using morvek::sim::ScenarioKind;
  morvek::sim::ControllerConfig config;
  morvek::sim::PtyOptions options;
  std::string load_path;
  std::string store_path;
  bool verbose = false;

  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&](std::string_view& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    auto number = [&](int lo, int hi, int& out) {
      std::string_view v;
      return value(v) && ParseInt(v, lo, hi, out);
    };
    std::string_view v;
    int n = 0;
    bool ok = true;
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--version") {
      std::cout << morvek::i18n::VersionLines("torvane-sim", MORVEK_VERSION, MORVEK_GIT_DESCRIBE,
                                              MORVEK_BUILD_DATE);
      return 0;
    } else if (arg == "--link") {
      ok = value(v);
      options.link_path = std::string(v);
    } else if (arg == "--no-wire-delay") {
      options.wire_delay = false;
    } else if (arg == "--id") {
      ok = value(v) && v.size() == 3;
      config.identification.code = std::string(v);
    } else if (arg == "--id-number") {
      ok = number(0, 99, config.identification.number);
    } else if (arg == "--protocol") {
      ok = number(0, 255, config.identification.protocol_version);
    } else if (arg == "--scenario") {
      ok = value(v);
      if (v == "off")
        config.scenario.kind = ScenarioKind::kEngineOff;
      else if (v == "idle")
        config.scenario.kind = ScenarioKind::kIdle;
      else if (v == "sweep")
        config.scenario.kind = ScenarioKind::kThrottleSweep;
      else if (v == "ride")
        config.scenario.kind = ScenarioKind::kRide;
      else if (v == "steady")
        config.scenario.kind = ScenarioKind::kSteady;
      else
        ok = false;
    } else if (arg == "--rpm") {
      ok = number(0, 25000, config.scenario.steady_rpm);
    } else if (arg == "--tps") {
      ok = number(0, 100, config.scenario.steady_tps_percent);
    } else if (arg == "--fuel-error") {
      ok = number(0, 2147483647, config.scenario.fuel_error_seed);
    } else if (arg == "--lambda-delay-ms") {
      ok = number(0, 5000, config.scenario.lambda_delay_ms);
    } else if (arg == "--load") {
      ok = value(v);
      load_path = std::string(v);
    } else if (arg == "--seed") {
      ok = number(0, 2147483647, n);
      config.faults.seed = static_cast<std::uint64_t>(n);
    } else if (arg == "--corrupt") {
      ok = number(0, 100, config.faults.corrupt_percent);
    } else if (arg == "--drop") {
      ok = number(0, 100, config.faults.drop_percent);
    } else if (arg == "--late") {
      ok = number(0, 100, config.faults.late_percent);
    } else if (arg == "--double") {
      ok = number(0, 100, config.faults.double_percent);
    } else if (arg == "--late-ticks") {
      ok = number(0, 1000, config.faults.late_ticks);
    } else if (arg == "--wrong-version") {
      ok = number(0, 100, config.faults.wrong_version_percent);
    } else if (arg == "--noise") {
      config.faults.corrupt_percent = 10;
      config.faults.drop_percent = 10;
    } else if (arg == "--silent") {
      config.faults.silent = true;
    } else if (arg == "--leave-after") {
      ok = number(1, 1000000, config.faults.silent_after_page_replies);
      options.leave_when_silent = true;
    } else if (arg == "--save-ms") {
      ok = number(0, 600000, config.save_duration_ms);
    } else if (arg == "--store") {
      ok = value(v);
      store_path = std::string(v);
    } else if (arg == "--hang-up-after-verify") {
      config.hang_up_after_verify = true;
      options.leave_when_silent = true;
    } else if (arg == "-v") {
      verbose = true;
    } else {
      std::cerr << "torvane-sim: unknown option " << arg << "\n(try --help)\n";
      return 2;
    }
    if (!ok) {
      std::cerr << "torvane-sim: bad or missing value for " << arg << "\n(try --help)\n";
      return 2;
    }
  }

  if (!load_path.empty()) {
    morvek::model::Editor editor;
    editor.ApplyDefaults(morvek::model::DefaultsScope::kWholeImage);
    const auto result = morvek::files::OpenParameterFile(load_path, editor, false);
    if (!result.opened || result.version == 0) {
      std::cerr << "torvane-sim: cannot load " << load_path << "\n";
      return 1;
    }
    editor.ApplyLimits();
    config.pages = editor.image();
  }
  if (!store_path.empty()) {
    morvek::model::ParameterImage stored;
    int count = 0;
    if (LoadStore(store_path, stored, count)) {
      config.pages = stored;
      config.programming_count = count;
    }
  }
  if (verbose) options.log = [](const std::string& line) { std::cerr << line << "\n"; };

  morvek::sim::ControllerModel controller(config);
  if (!store_path.empty()) {
    SaveStore(store_path, controller.kept_image(), controller.kept_count());
    controller.set_on_kept([&](const morvek::model::ParameterImage& image, int count) {
      SaveStore(store_path, image, count);
    });
  }
  morvek::sim::PtyRunner runner(controller, options);
  // Before the link exists, so that a signal never leaves it behind.
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  std::string error;
  if (!runner.Open(&error)) {
    std::cerr << "torvane-sim: " << error << "\n";
    return 1;
  }
  std::cout << runner.device_path() << std::endl;
  runner.Run(g_stop);
  return 0;
}
