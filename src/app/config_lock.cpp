#include "app/config_lock.h"

#include <QString>
#include <string>

#include "i18n/own_texts.h"
#include "ui/prompts.h"

namespace morvek::app {
namespace {

void Replace(std::string& text, const char* mark, const std::string& by) {
  if (const std::size_t at = text.find(mark); at != std::string::npos) text.replace(at, 2, by);
}

}  // namespace

ConfigLock::Outcome ConfigLock::Acquire(const std::filesystem::path& directory,
                                        ui::Prompts& prompts, i18n::Language language) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  lock_ = std::make_unique<QLockFile>(QString::fromStdString((directory / "morvek.lock").string()));
  // A lock is stale only when its process is gone, however long the other window has run.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError) {
    owned_ = true;
    return Outcome::kOwner;
  }
  qint64 pid = 0;
  QString host;
  QString application;
  lock_->getLockInfo(&pid, &host, &application);
  std::string text(i18n::Text(i18n::OwnText::kAnotherInstance, language));
  Replace(text, "%N", std::to_string(pid));
  Replace(text, "%F", directory.string());
  lock_.reset();
  return prompts.Confirm(text) == ui::Answer::kYes ? Outcome::kReadOnly : Outcome::kQuit;
}

}  // namespace morvek::app
