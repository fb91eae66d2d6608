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

}  // namespace

void ShowReadMessages(Application& app, const files::ReadResult& r, const std::string& path) {
  const i18n::Language language = app.texts().language();
  for (i18n::TextId id : r.messages) {
    std::string text(i18n::Text(id, language));
    // The system's reason follows an open error on its own line.
    if (id == i18n::TextId::MsgOpenFileError && !r.open_failure.empty())
      text += "\n" + path + ": " + r.open_failure;
    app.prompts().Message(text);
  }
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
  const i18n::Language language = app_.texts().language();
  page_.SyncCheckBoxes();
  const files::ReadResult r = files::OpenParameterFile(path, app_.editor(), active_page_only);
  ShowReadMessages(app_, r, path);
  if (r.version == 0) return false;
  // As after every bulk change: limits pass, refresh, one undo step.
  page_.Finish(page_.pages().AfterChange(page_.values()));
  // What the file does not say as a tune should is listed once, after the values are shown.
  const std::vector<files::FileFinding> findings = files::FileFindings(r, app_.editor().image());
  if (!findings.empty()) app_.prompts().Message(files::FormatFindings(findings, language));
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
