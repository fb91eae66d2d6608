#pragma once

#include <optional>
#include <string>

class QWidget;

namespace morvek::ui {

enum class Answer { kYes, kNo, kCancel };

// Everything that waits for the user: message boxes, confirmations and file dialogs. The
// window talks only to this interface, so tests can script the answers.
class Prompts {
 public:
  virtual ~Prompts() = default;

  // A modal message with one OK button.
  virtual void Message(const std::string& text) = 0;
  // Yes / No / Cancel; only Yes proceeds.
  virtual Answer Confirm(const std::string& text) = 0;
  // A file to open or to save to, starting at initial; nothing when the user cancels.
  virtual std::optional<std::string> OpenFileName(const std::string& initial) = 0;
  virtual std::optional<std::string> SaveFileName(const std::string& initial) = 0;
  // A data log to write (save) or to read; `filter` is the dialog's file-type line. Prompts
  // without dialogs of their own answer as for a parameter file.
  virtual std::optional<std::string> LogFileName(const std::string& initial,
                                                 const std::string& filter, bool save) {
    (void)filter;
    return save ? SaveFileName(initial) : OpenFileName(initial);
  }
};

// The prompts as Qt dialogs over a parent window.
class QtPrompts : public Prompts {
 public:
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }
  // Unattended runs (timing, scripts) must not stop at a dialog: messages go to the error
  // stream, questions are answered Cancel and no file is chosen.
  void set_unattended(bool unattended) { unattended_ = unattended; }

  void Message(const std::string& text) override;
  Answer Confirm(const std::string& text) override;
  std::optional<std::string> OpenFileName(const std::string& initial) override;
  std::optional<std::string> SaveFileName(const std::string& initial) override;
  std::optional<std::string> LogFileName(const std::string& initial, const std::string& filter,
                                         bool save) override;

 private:
  QWidget* parent_;
  bool unattended_ = false;
};

}  // namespace morvek::ui
