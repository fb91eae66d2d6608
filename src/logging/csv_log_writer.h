#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "files/platform_file.h"
#include "logging/log_row.h"

namespace morvek::logging {

// The header line: "time_ms" and the column names, comma separated, ending in a newline.
std::string CsvHeaderLine();
// One row as a line of the file.
std::string CsvRowLine(const LogRow& row);

// A data log being written. Every row goes to the operating system as soon as it is appended,
// so a crash of the program loses nothing and the file is never more than one frame behind.
// A failed write (a full disk) ends the log: the file is cut back to its last whole row and
// closed, and the rows already written stay.
class CsvLogWriter {
 public:
  // Why Open made no log, for a message in the user's language.
  enum class Refusal : std::uint8_t {
    kNone,
    kNameTaken,      // something exists under the name (a file, a FIFO, a device, a link)
    kParameterName,  // the name ends in ".ign"
    kSystem,         // the system refused (a missing or read-only folder, a full disk)
  };

  // Creates the file and writes the header. A log never takes the place of anything: a name
  // that exists (a file, a FIFO, a device, a link) is refused, and so is a name ending in
  // ".ign", which belongs to parameter files. Nothing on failure, with the reason in `error`
  // (a name taken, a read-only folder, a full disk).
  static std::unique_ptr<CsvLogWriter> Open(const std::string& path, std::string& error,
                                            Refusal* refusal = nullptr);
  ~CsvLogWriter();
  CsvLogWriter(const CsvLogWriter&) = delete;
  CsvLogWriter& operator=(const CsvLogWriter&) = delete;

  // False when the row could not be written; the log is closed then and error() says why.
  bool Append(const LogRow& row);
  void Close();

  bool open() const { return file_.is_open(); }
  int rows() const { return rows_; }
  const std::string& path() const { return path_; }
  const std::string& error() const { return error_; }

 private:
  CsvLogWriter(files::PlatformFile file, std::string path);
  bool WriteAll(const std::string& text);

  files::PlatformFile file_;
  std::string path_;
  std::uint64_t size_ = 0;  // bytes of whole lines in the file
  int rows_ = 0;
  std::string error_;
};

}  // namespace morvek::logging
