#include "app/file_commands.h"

#include <QAction>
#include <QGuiApplication>
#include <QToolButton>

#include "app/application.h"
#include "app/page_controller.h"
#include "files/file_findings.h"
#include "files/file_io.h"
#include "files/parameter_file_reader.h"
#include "files/parameter_file_writer.h"
#include "i18n/own_texts.h"
#include "pages/page_editor.h"
#include "pages/page_values.h"
#include "ui/tool_bar.h"

namespace morvek::app {
namespace {

bool CtrlHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }

// A saved parameter file always carries its extension.
std::string WithExtension(std::string path) {
  const std::filesystem::path p(path);
  if (!p.has_extension()) path += ".ign";
  return path;
}

// 199999 as "199 999".
std::string Grouped(std::size_t n) {
  std::string digits = std::to_string(n);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
    digits.insert(static_cast<std::size_t>(i), " ");
  return digits;
}

// The read's messages as lines; a message repeated (one per wrong key line) is shown once with
// the count of the others.
std::string ReadMessageLines(const files::ReadResult& r, i18n::Language language) {
  std::string text;
  for (std::size_t i = 0; i < r.messages.size();) {
    std::size_t same = i + 1;
    while (same < r.messages.size() && r.messages[same] == r.messages[i]) ++same;
    if (!text.empty()) text += "\n";
    text += i18n::Text(r.messages[i], language);
    if (same - i > 1) {
      std::string more(i18n::Text(i18n::OwnText::kAndMore, language));
      more.replace(more.find("%N"), 2, Grouped(same - i - 1));
      text += "\n" + more;
    }
    i = same;
  }
  return text;
}

}  // namespace

bool ReadTuneForUse(Application& app, const std::string& path, model::Editor& trial,
                    bool active_page_only, std::string* text) {
  const i18n::Language language = app.texts().language();
  std::string failure;
  const std::optional<std::string> content = files::ReadWholeFile(path, nullptr, &failure);
  if (!content) {
    app.prompts().Message(std::string(i18n::Text(i18n::TextId::MsgOpenFileError, language)) + "\n" +
                          path + ": " + failure);
    return false;
  }
  const files::ReadResult r = files::ReadParameterFile(*content, trial, active_page_only);
  const std::string messages = ReadMessageLines(r, language);
  if (r.version == 0) {
    std::string reason =
        messages.empty() ? std::string(i18n::Text(i18n::OwnText::kNoKeyLine, language)) : messages;
    app.prompts().Message(std::string(i18n::Text(i18n::OwnText::kNotATune, language)) + path +
                          "\n\n" + reason);
    return false;
  }
  // As after every bulk change: the limits pass and the refresh, then the file is judged
  // against what the screen would show.
  pages::PageEditor pages(trial);
  pages::PageValues values;
  pages.AfterChange(values);
  const std::vector<files::FileFinding> findings = files::FileFindings(r, trial.image());
  if (findings.empty()) {
    // An older version only informs; the values are used.
    if (!messages.empty()) app.prompts().Message(path + "\n\n" + messages);
  } else {
    std::string question = path + "\n\n";
    if (!messages.empty()) question += messages + "\n\n";
    question += files::FormatFindings(findings, language) + "\n\n" +
                std::string(i18n::Text(i18n::OwnText::kLoadAnyway, language));
    if (app.prompts().Confirm(question) != ui::Answer::kYes) return false;
  }
  if (text != nullptr) *text = *content;
  return true;
}

FileCommands::FileCommands(Application& app, PageController& page)
    : app_(app), page_(page), open_name_(app.last_file_path()), save_name_(app.last_file_path()) {
  ui::MainWindow& w = app_.window();
  auto on = [&](const char* action, auto slot) {
    QAction* a = w.action(action);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, slot);
  };
  on("MenuOpen", [this] { Open(false); });
  on("MenuOpenExeDir", [this] {
    StartOnExeDirFile();
    Open(false);
  });
  on("MenuOpenActPage", [this] { Open(true); });
  on("MenuSave", [this] { Save(); });
  on("MenuSaveExeDir", [this] {
    StartOnExeDirFile();
    Save();
  });
  // Only the tool-bar buttons take the Ctrl shortcut to data.ign.
  for (QToolButton* button : {w.tool_bar().open(), w.tool_bar().save()}) button->setEnabled(true);
  connect(w.tool_bar().open(), &QToolButton::clicked, this, [this] {
    if (CtrlHeld()) StartOnExeDirFile();
    Open(false);
  });
  connect(w.tool_bar().save(), &QToolButton::clicked, this, [this] {
    if (CtrlHeld()) StartOnExeDirFile();
    Save();
  });
}

void FileCommands::StartOn(const std::string& path) { open_name_ = save_name_ = path; }

void FileCommands::StartOnExeDirFile() {
  open_name_ = save_name_ = app_.exe_dir_file_path().string();
}

void FileCommands::Open(bool active_page_only) {
  if (active_page_only && !files::CanOpenForActivePage(app_.editor())) return;
  if (const auto path = app_.prompts().OpenFileName(open_name_)) OpenPath(*path, active_page_only);
  app_.session().HideMessage();
  app_.Render();
}

bool FileCommands::OpenPath(const std::string& path, bool active_page_only) {
  page_.SyncCheckBoxes();
  page_.Collect();
  // The file is judged on a copy first: the screen changes only for a file the user takes.
  model::Editor trial = app_.editor();
  std::string text;
  if (!ReadTuneForUse(app_, path, trial, active_page_only, &text)) return false;
  files::ReadParameterFile(text, app_.editor(), active_page_only);
  // As after every bulk change: limits pass, refresh, one undo step.
  page_.Finish(page_.pages().AfterChange(page_.values()));
  app_.SetCurrentFileName(path);
  app_.last_file_path() = path;
  save_name_ = path;
  return true;
}

void FileCommands::Save() {
  const auto chosen = app_.prompts().SaveFileName(save_name_);
  if (!chosen) return;
  const std::string path = WithExtension(*chosen);
  // What the page shows is what is saved.
  page_.Collect();
  app_.RunLimitsPass();
  page_.Refresh();
  const link::IdentificationTexts& id = app_.session().identification();
  // Before any controller was read its texts are not known: written as morvek-cli writes them.
  auto known = [](const std::string& text) { return text.empty() ? std::string("-") : text; };
  const files::VersionTexts versions{known(id.identification), known(id.date), known(id.time),
                                     __DATE__, __TIME__};
  std::string reason;
  const files::FileError error =
      files::SaveParameterFile(path, app_.editor().image(), versions, &reason);
  if (error != files::FileError::kOk) {
    // A file that could not be written is reported with its reason; nothing else changes.
    std::string text(i18n::Text(i18n::TextId::MsgOpenFileError, app_.texts().language()));
    text += "\n" + path + ": " + std::string(files::Describe(error));
    if (!reason.empty()) text += " (" + reason + ")";
    app_.prompts().Message(text);
    return;
  }
  app_.SetCurrentFileName(path);
  app_.last_file_path() = path;
  open_name_ = path;
}

}  // namespace morvek::app
