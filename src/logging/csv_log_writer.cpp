#include "logging/csv_log_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

std::string Reason(int error) { return std::strerror(error); }

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

std::unique_ptr<CsvLogWriter> CsvLogWriter::Open(const std::string& path, std::string& error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = Reason(errno);
    return nullptr;
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    error = Reason(EISDIR);
    return nullptr;
  }
  std::unique_ptr<CsvLogWriter> writer(new CsvLogWriter(fd, path, 0));
  if (!writer->WriteAll(CsvHeaderLine())) {
    error = writer->error();
    return nullptr;
  }
  return writer;
}

CsvLogWriter::CsvLogWriter(int fd, std::string path, std::int64_t size)
    : fd_(fd), path_(std::move(path)), size_(size) {}

CsvLogWriter::~CsvLogWriter() { Close(); }

void CsvLogWriter::Close() {
  if (fd_ < 0) return;
  ::fsync(fd_);
  ::close(fd_);
  fd_ = -1;
}

bool CsvLogWriter::Append(const LogRow& row) {
  if (fd_ < 0) return false;
  if (!WriteAll(CsvRowLine(row))) return false;
  ++rows_;
  return true;
}

bool CsvLogWriter::WriteAll(const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error_ = Reason(n < 0 ? errno : ENOSPC);
      // A half row would spoil the file for every reader: cut back to the last whole line.
      if (done > 0) {
        struct stat st {};
        // Should the cut fail too, readers skip a last line that is not whole.
        if (::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode)) [[maybe_unused]]
          const int cut = ::ftruncate(fd_, size_);
      }
      ::close(fd_);
      fd_ = -1;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  size_ += static_cast<std::int64_t>(text.size());
  return true;
}

}  // namespace morvek::logging
