#include "app/restore_commands.h"

#include <QAction>
#include <QDateTime>
#include <QStatusBar>

#include "app/application.h"
#include "app/page_controller.h"
#include "files/parameter_file_writer.h"
#include "i18n/own_texts.h"
#include "ui/restore_points_dialog.h"

namespace morvek::app {
namespace {

constexpr int kAutoScanPort = 20;
constexpr int kStatusMessageMs = 15000;

i18n::OwnText KindText(files::RestoreKind kind) {
  switch (kind) {
    case files::RestoreKind::kRead:
      return i18n::OwnText::kKindRead;
    case files::RestoreKind::kVerify:
      return i18n::OwnText::kKindVerify;
    case files::RestoreKind::kProgram:
      return i18n::OwnText::kKindProgram;
  }
  return i18n::OwnText::kKindRead;
}

}  // namespace

RestoreCommands::RestoreCommands(Application& app, PageController& page)
    : app_(app), page_(page), store_(files::RestorePointStore::DirectoryIn(app.paths().directory)) {
  QAction* menu = app_.window().action("MenuRestorePoints");
  menu->setEnabled(true);
  connect(menu, &QAction::triggered, this, &RestoreCommands::ShowDialog);
}

RestoreCommands::~RestoreCommands() = default;

void RestoreCommands::ImageConfirmed(link::ImageSource source) {
  Store(
      source == link::ImageSource::kRead ? files::RestoreKind::kRead : files::RestoreKind::kVerify,
      {1, 2, 3, 4, 5, 6, 7, 8, 9});
}

std::string RestoreCommands::KeepControllerImage(const model::ParameterImage& controller,
                                                 const std::vector<int>& pages) {
  return Store(files::RestoreKind::kProgram, pages, controller);
}

void RestoreCommands::Store(files::RestoreKind kind, std::vector<int> pages) {
  const std::string failure = Store(kind, std::move(pages), app_.editor().image());
  // A point that could not be kept must not stop the transfer; the user is told on the
  // status bar, where it does not block the tick.
  if (!failure.empty())
    app_.window().statusBar()->showMessage(QString::fromStdString(failure), kStatusMessageMs);
}

std::string RestoreCommands::Store(files::RestoreKind kind, std::vector<int> pages,
                                   const model::ParameterImage& image) {
  const link::IdentificationTexts& id = app_.session().identification();
  files::RestorePoint point;
  point.time_ms = QDateTime::currentMSecsSinceEpoch();
  point.kind = kind;
  point.port = PortText();
  point.controller = id.identification;
  point.controller_date = id.date;
  point.controller_time = id.time;
  point.pages = std::move(pages);
  point.image = image;
  std::string reason;
  const files::FileError error = store_.Add(point, &reason);
  if (error == files::FileError::kOk) {
    if (dialog_ && dialog_->isVisible()) FillDialog();
    return {};
  }
  std::string text(i18n::Text(i18n::OwnText::kRestorePointNotStored, app_.texts().language()));
  text += std::string(files::Describe(error));
  if (!reason.empty()) text += " (" + reason + ")";
  return text;
}

std::string RestoreCommands::PortText() const {
  link::Session& session = app_.session();
  const int index = session.com_port_index() == kAutoScanPort ? session.com_auto_index()
                                                              : session.com_port_index();
  const auto& devices = app_.options().com_devices;
  std::string device = index < static_cast<int>(devices.size())
                           ? devices[static_cast<std::size_t>(index)]
                           : std::string();
  if (device.empty() && app_.options().transport)
    device = app_.options().transport->DeviceName(index);
  std::string text = "COM" + std::to_string(index + 1);
  if (!device.empty()) text += " (" + device + ")";
  return text;
}

void RestoreCommands::FillDialog() {
  const i18n::Language language = app_.texts().language();
  std::vector<ui::RestorePointRow> rows;
  for (const files::RestorePoint& p : store_.List())
    rows.push_back({p.id, files::FormatLocalTime(p.time_ms),
                    std::string(i18n::Text(KindText(p.kind), language)), p.port, p.controller,
                    files::PagesText(p.pages)});
  dialog_->ApplyLanguage(language);
  dialog_->SetRows(rows);
}

void RestoreCommands::ShowDialog() {
  if (!dialog_) {
    dialog_ = std::make_unique<ui::RestorePointsDialog>(&app_.window());
    connect(dialog_.get(), &ui::RestorePointsDialog::loadRequested, this,
            [this](const QString& id) {
              if (Load(id.toStdString())) dialog_->accept();
            });
    connect(dialog_.get(), &ui::RestorePointsDialog::exportRequested, this,
            [this](const QString& id) { Export(id.toStdString()); });
  }
  FillDialog();
  // Modal to the window without a nested event loop: the tick keeps running under it.
  dialog_->open();
}

std::optional<files::RestorePoint> RestoreCommands::Find(const std::string& id) {
  std::optional<files::RestorePoint> point = id.empty() ? std::nullopt : store_.Find(id);
  if (!point) {
    // Removed or damaged since the list was shown.
    app_.prompts().Message(
        std::string(i18n::Text(i18n::OwnText::kRestorePointUnreadable, app_.texts().language())));
    if (dialog_) FillDialog();
  }
  return point;
}

bool RestoreCommands::Load(const std::string& id) {
  const std::optional<files::RestorePoint> point = Find(id);
  if (!point) return false;
  page_.SyncCheckBoxes();
  app_.editor().image() = point->image;
  app_.editor().ImageChanged();
  // As after an Open: limits pass, refresh, one undo step.
  page_.Finish(page_.pages().AfterChange(page_.values()));
  // The parameters no longer come from the file named in the title.
  app_.SetCurrentFileName({});
  return true;
}

void RestoreCommands::Export(const std::string& id) {
  const std::optional<files::RestorePoint> point = Find(id);
  if (!point) return;
  const std::filesystem::path folder = std::filesystem::path(app_.last_file_path()).parent_path();
  const auto chosen = app_.prompts().SaveFileName((folder / (point->id + ".ign")).string());
  if (!chosen) return;
  std::string path = *chosen;
  if (!std::filesystem::path(path).has_extension()) path += ".ign";
  const files::VersionTexts versions{point->controller, point->controller_date,
                                     point->controller_time, __DATE__, __TIME__};
  std::string reason;
  const files::FileError error = files::SaveParameterFile(path, point->image, versions, &reason);
  if (error == files::FileError::kOk) return;
  std::string text(i18n::Text(i18n::TextId::MsgOpenFileError, app_.texts().language()));
  text += "\n" + path + ": " + std::string(files::Describe(error));
  if (!reason.empty()) text += " (" + reason + ")";
  app_.prompts().Message(text);
}

}  // namespace morvek::app
