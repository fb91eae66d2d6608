#include "clilink/link_command.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <ostream>

#include "cli/diff_report.h"
#include "cli/limits_report.h"
#include "clilink/link_options.h"
#include "clilink/monitor_line.h"
#include "clilink/restore_point_writer.h"
#include "files/config_paths.h"
#include "files/file_findings.h"
#include "files/parameter_file_reader.h"
#include "files/parameter_file_writer.h"
#include "i18n/text_table.h"
#include "link/link_texts.h"
#include "link/session.h"
#include "link/session_owner.h"
#include "logging/csv_log_writer.h"
#include "model/editor.h"
#include "model/limits_pass.h"
#include "serial/serial_transport.h"
#include "serial/system_ports.h"

namespace morvek::clilink {
namespace {

using i18n::Language;
using i18n::TextId;

constexpr int kTickMs = 55;
constexpr int kAutoScanPort = 20;
constexpr const char* kNoValidReply = "no valid reply from the controller";
// The session counts the link as lost after this long without a valid frame.
constexpr double kSilentSeconds = link::kWatchdogLimit * kTickMs / 1000.0;

std::string English(TextId id) { return std::string(i18n::Text(id, Language::kEnglish)); }

// The command line has no page on screen: the owner keeps the editor's views current and
// counts monitor frames.
class CliOwner : public link::SessionOwner {
 public:
  explicit CliOwner(model::Editor& editor) : editor_(editor) {}
  void CollectActivePage() override {}
  void RunLimitsPass() override {
    if (limits_pass) editor_.ApplyLimits();
  }
  void RefreshActivePage() override {}
  void PagesArrived() override { editor_.ImageChanged(); }
  void ClearCurrentFileName() override {}
  void MonitorFrameDecoded() override { ++frames; }
  void UpdateLiveHighlight() override {}
  void ImageConfirmed(link::ImageSource source) override {
    if (store_point)
      store_point(source == link::ImageSource::kRead ? files::RestoreKind::kRead
                                                     : files::RestoreKind::kVerify,
                  {1, 2, 3, 4, 5, 6, 7, 8, 9});
  }
  link::BackupDecision KeepControllerImage(const model::ParameterImage& controller,
                                           const std::vector<int>& pages) override {
    return keep_backup && keep_backup(controller, pages) ? link::BackupDecision::kGoOn
                                                         : link::BackupDecision::kStop;
  }
  int frames = 0;
  // verify compares the file as it says its values, not what the limits make of them.
  bool limits_pass = true;
  std::function<void(files::RestoreKind, std::vector<int>)> store_point;
  std::function<bool(const model::ParameterImage&, const std::vector<int>&)> keep_backup;

 private:
  model::Editor& editor_;
};

// Resolves --port into a port number of the directory: a path is bound as COM1.
bool ResolvePort(const std::string& port, serial::PortDirectory& directory, int& index) {
  if (port == "auto" || port == "AUTO") {
    index = kAutoScanPort;
    return true;
  }
  if ((port.rfind("COM", 0) == 0 || port.rfind("com", 0) == 0) && port.size() > 3) {
    char* end = nullptr;
    const long n = std::strtol(port.c_str() + 3, &end, 10);
    if (*end != '\0' || n < 1 || n > 20) return false;
    index = static_cast<int>(n - 1);
    return true;
  }
  directory.Bind(1, port);
  index = 0;
  return true;
}

class Runner {
 public:
  Runner(const LinkOptions& options, std::ostream& out, std::ostream& err)
      : options_(options),
        out_(out),
        err_(err),
        transport_(directory_),
        owner_(editor_),
        session_(transport_, editor_.image(), editor_.program_flags(), owner_) {
    // Every image the controller was found to hold, and every image about to be programmed.
    owner_.store_point = [this](files::RestoreKind kind, std::vector<int> pages) {
      StoreRestorePoint(files::ConfigDirectory(), kind, std::move(pages), editor_.image(),
                        session_.identification(), PortShown(), err_);
    };
    // What the controller held before a program: without it a wrong tune cannot be undone, so
    // the program stops unless forced.
    owner_.keep_backup = [this](const model::ParameterImage& controller,
                                const std::vector<int>& pages) {
      if (StoreRestorePoint(files::ConfigDirectory(), files::RestoreKind::kProgram, pages,
                            controller, session_.identification(), PortShown(), err_,
                            !options_.force))
        return true;
      if (options_.force) return true;
      err_ << "  the controller's tune could not be kept, so nothing was programmed "
              "(--force programs without it)\n";
      return false;
    };
  }

  int Run(const std::string& build_date, const std::string& build_time) {
    std::string bad;
    if (!serial::BuildPortDirectory(options_.bindings, directory_, &bad)) {
      err_ << "morvek-cli: bad --com binding " << bad << " (expected N=PATH, N 1..21)\n";
      return kExitUsage;
    }
    int port = 0;
    if (!ResolvePort(options_.port, directory_, port)) {
      err_ << "morvek-cli: bad --port " << options_.port
           << " (a device path, COM1..COM20 or auto)\n";
      return kExitUsage;
    }
    editor_.ApplyDefaults(model::DefaultsScope::kWholeImage);
    if (options_.command == "diff") {
      // The file first: a bad file needs no controller.
      if (cli::LoadTune(options_.file, file_editor_, err_) != cli::LoadFailure::kNone)
        return kExitFileError;
    } else if (!options_.file.empty()) {
      const files::ReadResult read = files::OpenParameterFile(options_.file, editor_, false);
      for (TextId id : read.messages)
        err_ << "morvek-cli: " << options_.file << ": " << English(id) << "\n";
      if (!read.opened) err_ << "  " << read.open_failure << "\n";
      if (read.opened && read.version == 0 && read.messages.empty())
        err_ << "morvek-cli: " << options_.file
             << ": not a parameter file (no KALVORIN_KEY line)\n";
      if (!read.opened || read.version == 0) return kExitFileError;
      if (const int code = WarnAboutFile(read); code != kExitOk) return code;
    }
    session_.set_com_port_index(port);
    if (port == kAutoScanPort) {
      // Scanning ports of which none can be opened would only wait for the time limit.
      const int first = FirstPortThatOpens();
      if (first < 0) return kExitPortError;
      session_.set_com_auto_index(first);
    }
    session_.Start();
    if (int code = DrainMessages(); code != kExitOk) return code;
    if (port != kAutoScanPort && !transport_.IsOpen()) return kExitPortError;
    // The log is made only once there is a port to log from.
    if (!options_.csv.empty()) {
      std::string reason;
      csv_ = logging::CsvLogWriter::Open(options_.csv, reason);
      if (!csv_) {
        err_ << "morvek-cli: " << options_.csv << ": the data log cannot be written\n  " << reason
             << "\n";
        return kExitFileError;
      }
      csv_clock_.start();
    }

    if (options_.command == "read" || options_.command == "diff") session_.Read();
    if (options_.command == "verify") session_.Verify();
    if (options_.command == "program") session_.Program();

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    int result = -1;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      session_.Tick();
      ++ticks;
      result = Judge();
      if (result < 0 &&
          TimeIsUp(options_, static_cast<long long>(ticks) * kTickMs, owner_.frames)) {
        err_ << "morvek-cli: " << PortShown() << ": no result within " << options_.timeout_s
             << " s\n";
        result = kExitTimeout;
      }
      if (result >= 0) QCoreApplication::exit(0);
    });
    timer.start(kTickMs);
    QCoreApplication::exec();
    timer.stop();
    session_.Stop();
    if (options_.verbose) err_ << "ticks: " << ticks << "\n";
    if (result == kExitOk && options_.command == "read") return WriteFile(build_date, build_time);
    if (options_.command == "diff") return DiffResult(result);
    return result;
  }

 private:
  // The file's problems, as check lists them; a program refuses a file that is not a complete
  // tune unless forced.
  int WarnAboutFile(const files::ReadResult& read) {
    const model::ParameterImage as_read = editor_.image();
    model::ParameterImage limited = as_read;
    model::ApplyLimits(limited);
    const std::vector<files::FileFinding> findings = files::FileFindings(read, limited);
    PrintWarnings(options_.file, findings);
    const bool verify = options_.command == "verify";
    owner_.limits_pass = !verify;
    if (!verify) editor_.ApplyLimits();
    limits_changes_ = cli::ReportLimitsChanges(
        options_.file, as_read, limited,
        verify ? "compared as the file says them" : "programmed corrected", err_);
    if (options_.command != "program" || options_.force || !files::IsIncomplete(findings))
      return kExitOk;
    err_ << "morvek-cli: " << options_.file
         << ": not programmed: the file is not a complete tune (--force programs it anyway)\n";
    return kExitFileError;
  }

  void PrintWarnings(const std::string& path, const std::vector<files::FileFinding>& findings) {
    for (const files::FileFinding& f : findings)
      err_ << "morvek-cli: " << path << ": warning: " << files::FormatFinding(f, Language::kEnglish)
           << "\n";
  }

  // Message boxes the session asked for: shown on stderr; the version mismatch ends the run.
  int DrainMessages() {
    int code = kExitOk;
    for (const std::string& text : session_.TakeMessageBoxes()) {
      // The window's box carries the port's reason on its second line; here it is indented.
      const bool com_error = text.rfind(English(TextId::MsgComOpeningError), 0) == 0;
      err_ << "morvek-cli: " << (com_error ? English(TextId::MsgComOpeningError) : text) << "\n";
      if (text.rfind(English(TextId::MsgUnmatchedVersion), 0) == 0) {
        err_ << "  the controller on " << PortShown() << " speaks another protocol version\n";
        code = kExitVersionMismatch;
      }
      if (com_error) {
        err_ << "  " << PortShown() << ": " << OpenFailure() << "\n";
        code = kExitPortError;
      }
    }
    return code;
  }

  // The first port of COM1..COM21 that opens, or -1 after "Com opening error!" with the reason
  // of every port tried.
  int FirstPortThatOpens() {
    std::vector<std::string> failures;
    for (int p = 0; p < serial::PortDirectory::kPortCount; ++p) {
      const std::string path = directory_.DevicePath(p);
      if (path.empty()) continue;
      if (transport_.Open(p)) {
        transport_.Close();
        return p;
      }
      failures.push_back("COM" + std::to_string(p + 1) + " " + path + ": " + OpenFailure());
    }
    err_ << "morvek-cli: " << English(TextId::MsgComOpeningError) << "\n";
    if (failures.empty()) err_ << "  auto: no serial device in the system and no --com binding\n";
    for (const std::string& failure : failures) err_ << "  " << failure << "\n";
    return -1;
  }

  std::string OpenFailure() const {
    const std::string reason = transport_.last_error().toStdString();
    return reason.empty() ? "cannot be opened" : reason;
  }

  // After every tick: a result code, or -1 while the command goes on.
  int Judge() {
    if (int code = DrainMessages(); code != kExitOk) return code;
    ReportProgress();
    if (options_.command == "monitor") {
      while (printed_ < owner_.frames) {
        out_ << FormatMonitorLine(session_.live_values()) << std::endl;
        ++printed_;
        if (csv_ && !LogFrame()) return kExitFileError;
        if (options_.count > 0 && printed_ >= options_.count) return kExitOk;
      }
      return -1;
    }
    if (session_.transaction_mode() != link::TransactionMode::kNone) {
      return -1;
    }
    const std::string& text = session_.status_line().text;
    const link::TransactionFailure& failure = session_.failure();
    if (failure.reason != link::FailureReason::kNone) {
      if (failure.reason == link::FailureReason::kBackupNotKept) return kExitFileError;
      err_ << "morvek-cli: " << PortShown() << ": " << text << "\n";
      // The message box said it all already.
      if (failure.reason != link::FailureReason::kStrayWrite) err_ << FailureDetail(failure);
      if (failure.reason == link::FailureReason::kDiffers ||
          failure.reason == link::FailureReason::kDiffersAfterSaving)
        ReportVerifyDifference();
      return kExitTransactionFailed;
    }
    if (options_.command != "program")
      return text == English(TextId::MsgVerify) + " OK" ? kExitOk : -1;
    if (text != English(TextId::MsgProgramDevice) + " OK") return -1;
    // Only now, after the controller was seen to keep the pages and verified once more.
    err_ << English(TextId::MsgProgramDevice) << " OK\n";
    if (options_.verbose) {
      const link::SavingRule& saving = session_.saving_rule();
      err_ << "saving: " << (saving.saw_saving() ? "seen" : "not reported") << ", "
           << saving.frames() << " monitor frames, programming count " << saving.first_count()
           << " -> " << saving.last_count() << "\n";
    }
    return kExitOk;
  }

  // Why a transaction failed, indented under its error line, with the system's word on a
  // device that went away.
  std::string FailureDetail(const link::TransactionFailure& failure) const {
    std::string detail = "  " + link::FailureText(failure, Language::kEnglish) + "\n";
    if (failure.reason == link::FailureReason::kNoReply && failure.page >= 0) {
      const std::string reason = LinkReason();
      if (reason != kNoValidReply) detail += "  " + reason + "\n";
    }
    if (failure.reason == link::FailureReason::kHungUp && !transport_.last_error().isEmpty())
      detail += "  " + transport_.last_error().toStdString() + "\n";
    if (failure.reason == link::FailureReason::kSilent) {
      char line[80];
      std::snprintf(line, sizeof line, "  %s for %.1f s\n", kNoValidReply, kSilentSeconds);
      detail += line;
    }
    return detail;
  }

  // A verify that found a page different says which fields differ there. It stops at that
  // page, so the pages after it were not compared.
  void ReportVerifyDifference() {
    const int page = session_.verify_mismatch_page();
    if (page == 0) return;
    const std::string what = options_.command == "verify" ? options_.file : "the image sent";
    err_ << "  controller page " << page << " differs from " << what << " (left: " << what
         << ", right: controller):\n"
         << cli::FormatDiff(
                pages::DiffImages(editor_.image(), session_.verify_controller_copy(), page));
    if (page < model::kLastImagePage)
      err_ << "  pages " << page + 1 << ".." << model::kLastImagePage << " were not compared\n";
    if (options_.command == "verify" && limits_changes_ > 0)
      err_ << "  " << options_.file << " has values the limits correct (listed above); a "
           << "program sends them corrected, so a controller programmed from it differs here\n";
  }

  // The result of a diff with the controller once its read (and verify pass) ended.
  int DiffResult(int result) {
    if (result == kExitTransactionFailed) return kExitNotRead;
    if (result != kExitOk) return result;
    const std::string controller = "controller on " + PortShown();
    if (options_.port_first)
      return cli::ReportDiff(controller, editor_.image(), options_.file, file_editor_.image(),
                             out_);
    return cli::ReportDiff(options_.file, file_editor_.image(), controller, editor_.image(), out_);
  }

  // The port as the user knows it: the device it stands for, or what --port said.
  std::string PortShown() const {
    const int index = session_.com_port_index() == kAutoScanPort ? session_.com_auto_index()
                                                                 : session_.com_port_index();
    const std::string device = transport_.DeviceName(index);
    return device.empty() ? options_.port : device;
  }

  // Why the controller's replies stopped, as far as the system knows.
  std::string LinkReason() const {
    if (!transport_.IsOpen() && !transport_.last_error().isEmpty())
      return transport_.last_error().toStdString();
    return kNoValidReply;
  }

  void ReportProgress() {
    // The connection as the window's connection line would show it: lost after the silent
    // ticks, back with the first valid frame, whatever it answers.
    if (session_.valid_frames() > frames_seen_ && link_ != LinkShown::kConnected) {
      const link::ConnectionView c = session_.connection();
      err_ << "Connected, " << c.label_com << " ("
           << transport_.DeviceName(session_.com_port_index() == kAutoScanPort
                                        ? session_.com_auto_index()
                                        : session_.com_port_index())
           << ")\n";
      link_ = LinkShown::kConnected;
    } else if (!session_.connected() && link_ != LinkShown::kLost) {
      err_ << "No Connection\n";
      link_ = LinkShown::kLost;
    }
    frames_seen_ = session_.valid_frames();
    const link::StatusLineState& s = session_.status_line();
    const std::string line = s.label_visible
                                 ? s.text + (s.gauge_visible ? " " + std::to_string(s.gauge_value) +
                                                                   "/" + std::to_string(s.gauge_max)
                                                             : std::string())
                                 : std::string();
    // A program's "OK" is printed by Judge with its result.
    const bool early_ok =
        options_.command == "program" && s.text == English(TextId::MsgProgramDevice) + " OK";
    if (line != last_progress_ && !line.empty() && !early_ok) err_ << line << "\n";
    last_progress_ = line;
  }

  // The frame the session decoded last, as a row of the data log.
  bool LogFrame() {
    const logging::LogRow row = logging::MakeLogRow(
        session_.last_monitor_frame(), session_.rpm_before_last_frame(), csv_clock_.elapsed());
    if (csv_->Append(row)) return true;
    err_ << "morvek-cli: " << options_.csv << ": the data log stopped after " << csv_->rows()
         << " rows\n  " << csv_->error() << "\n";
    return false;
  }

  int WriteFile(const std::string& build_date, const std::string& build_time) {
    const link::IdentificationTexts& id = session_.identification();
    const files::VersionTexts versions{id.identification, id.date, id.time, build_date, build_time};
    // What the controller holds beyond what the file can carry is named, never dropped unsaid.
    PrintWarnings(options_.output, files::UncarriedValues(editor_.image()));
    std::string reason;
    const files::FileError error =
        files::SaveParameterFile(options_.output, editor_.image(), versions, &reason);
    if (error != files::FileError::kOk) {
      err_ << "morvek-cli: " << options_.output << ": " << files::Describe(error)
           << "; nothing was written\n  " << reason << "\n";
      return kExitFileError;
    }
    out_ << options_.output << "\n";
    return kExitOk;
  }

  const LinkOptions& options_;
  std::ostream& out_;
  std::ostream& err_;
  serial::PortDirectory directory_;
  serial::SerialTransport transport_;
  model::Editor editor_;
  model::Editor file_editor_;  // diff: the file compared with the controller
  CliOwner owner_;
  link::Session session_;
  int printed_ = 0;
  std::string last_progress_;
  enum class LinkShown { kUnknown, kConnected, kLost } link_ = LinkShown::kUnknown;
  int frames_seen_ = 0;
  int limits_changes_ = 0;  // values of the file the limits pass corrects
  std::unique_ptr<logging::CsvLogWriter> csv_;
  QElapsedTimer csv_clock_;
};

}  // namespace

bool IsLinkCommand(const std::string& command) {
  return command == "read" || command == "verify" || command == "program" || command == "monitor";
}

bool IsLinkDiff(const std::vector<std::string>& args) {
  if (args.empty() || args[0] != "diff") return false;
  for (const std::string& arg : args)
    if (arg == "--port") return true;
  return false;
}

int RunLinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const std::string& build_date, const std::string& build_time) {
  LinkOptions options;
  if (const std::string error = ParseLinkOptions(args, options); !error.empty()) {
    err << "morvek-cli: " << error << "\n(try morvek-cli --help)\n";
    return kExitUsage;
  }
  Runner runner(options, out, err);
  return runner.Run(build_date, build_time);
}

}  // namespace morvek::clilink
