#include "logging/csv_log_writer.h"

#include <algorithm>
#include <cctype>

namespace morvek::logging {
namespace {

// Fixed-point value with its decimals: 13482 with 3 is "13.482", -5 with 1 is "-0.5".
void AppendFixed(std::string& out, std::int64_t value, int decimals) {
  if (decimals == 0) {
    out += std::to_string(value);
    return;
  }
  if (value < 0) out += '-';
  const std::uint64_t magnitude =
      value < 0 ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
  std::uint64_t divisor = 1;
  for (int i = 0; i < decimals; ++i) divisor *= 10;
  out += std::to_string(magnitude / divisor);
  out += '.';
  const std::string fraction = std::to_string(magnitude % divisor);
  out.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
  out += fraction;
}

bool NamesAParameterFile(const std::string& path) {
  constexpr std::string_view kParameterExtension = ".ign";
  if (path.size() < kParameterExtension.size()) return false;
  return std::equal(
      kParameterExtension.begin(), kParameterExtension.end(),
      path.end() - static_cast<std::ptrdiff_t>(kParameterExtension.size()),
      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

std::string CsvHeaderLine() {
  std::string line = "time_ms";
  for (const LogColumn& column : LogColumns()) {
    line += ',';
    line += column.name;
  }
  line += '\n';
  return line;
}

std::string CsvRowLine(const LogRow& row) {
  std::string line = std::to_string(row.time_ms);
  const auto columns = LogColumns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    line += ',';
    AppendFixed(line, row.values[i], columns[i].decimals);
  }
  line += '\n';
  return line;
}

std::unique_ptr<CsvLogWriter> CsvLogWriter::Open(const std::string& path, std::string& error,
                                                 Refusal* refusal) {
  auto refuse = [&](Refusal why, std::string reason) {
    if (refusal != nullptr) *refusal = why;
    error = std::move(reason);
    return nullptr;
  };
  if (refusal != nullptr) *refusal = Refusal::kNone;
  constexpr const char* kNewFileOnly = "; a data log is written only to a new file";
  if (NamesAParameterFile(path)) {
    return refuse(Refusal::kParameterName,
                  "a name ending in .ign is a parameter file, never a data log");
  }
  files::SystemFailure failure;
  files::PlatformFile file = files::PlatformFile::CreateNew(path, 0644, &failure);
  if (!file.is_open()) {
    files::FileStatus taken;
    if (!failure.exists_already || !files::StatusOf(path, false, taken))
      return refuse(Refusal::kSystem, failure.reason);
    return refuse(Refusal::kNameTaken,
                  taken.kind == files::FileKind::kRegular
                      ? std::string("the file exists already") + kNewFileOnly
                      : "it is " + std::string(files::KindName(taken.kind)) + kNewFileOnly);
  }
  // Only a regular file is written; the name was new, so this is a last guard.
  files::FileStatus status;
  if (!file.Status(status, &failure) || status.kind != files::FileKind::kRegular) {
    return refuse(Refusal::kNameTaken,
                  "it is " + std::string(files::KindName(status.kind)) + kNewFileOnly);
  }
  std::unique_ptr<CsvLogWriter> writer(new CsvLogWriter(std::move(file), path));
  if (!writer->WriteAll(CsvHeaderLine())) {
    files::RemoveFile(path);  // the file was made here and holds no row
    return refuse(Refusal::kSystem, writer->error());
  }
  return writer;
}

CsvLogWriter::CsvLogWriter(files::PlatformFile file, std::string path)
    : file_(std::move(file)), path_(std::move(path)) {}

CsvLogWriter::~CsvLogWriter() { Close(); }

void CsvLogWriter::Close() {
  if (!file_.is_open()) return;
  file_.Sync();
  file_.Close();
}

bool CsvLogWriter::Append(const LogRow& row) {
  if (!file_.is_open()) return false;
  if (!WriteAll(CsvRowLine(row))) return false;
  ++rows_;
  return true;
}

bool CsvLogWriter::WriteAll(const std::string& text) {
  files::SystemFailure failure;
  if (file_.Write(text, &failure)) {
    size_ += text.size();
    return true;
  }
  error_ = failure.reason;
  // A half row would spoil the file for every reader: cut back to the last whole line. Should
  // the cut fail too, readers skip a last line that is not whole.
  file_.Truncate(size_);
  file_.Close();
  return false;
}

}  // namespace morvek::logging
