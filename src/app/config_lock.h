#pragma once

#include <QLockFile>
#include <filesystem>
#include <memory>

#include "i18n/text_table.h"

namespace morvek::ui {
class Prompts;
}

namespace morvek::app {

// One window per configuration folder: the settings and the state file belong to the window
// that holds the folder's lock file. A second window says which process holds it and whose
// files it would overwrite; the user goes on read-only (nothing is saved) or quits.
class ConfigLock {
 public:
  enum class Outcome { kOwner, kReadOnly, kQuit };

  // Takes the lock in `directory`, asking through `prompts` when another running Morvek
  // holds it. A folder that cannot be locked at all (missing, not writable) is not another
  // window's: the shutdown then reports its own failure as before.
  Outcome Acquire(const std::filesystem::path& directory, ui::Prompts& prompts,
                  i18n::Language language);

  // Until the lock is taken nothing may be saved: a signal during the question must not
  // write over the other window's files.
  bool owned() const { return owned_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  bool owned_ = false;
};

}  // namespace morvek::app
