#include "app/compare_commands.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <algorithm>
#include <filesystem>

#include "app/application.h"
#include "app/file_commands.h"
#include "app/page_controller.h"
#include "files/code_page.h"
#include "files/parameter_file_reader.h"
#include "i18n/own_texts.h"
#include "link/link_texts.h"
#include "ui/compare_dialog.h"
#include "ui/main_window.h"
#include "ui/page_table.h"
#include "ui/prompts.h"

namespace morvek::app {
namespace {

using i18n::OwnText;

std::string Value(const pages::DiffEntry& e, const std::string& value, files::CodePage code_page) {
  if (e.text) return "\"" + files::ToUtf8(value, code_page) + "\"";
  return e.unit.empty() ? value : value + " " + std::string(e.unit);
}

}  // namespace

CompareCommands::CompareCommands(Application& app, PageController& page)
    : QObject(nullptr),
      app_(app),
      page_(page),
      dialog_(new ui::CompareDialog(&app.window())),
      with_file_(new QAction(&app.window())),
      with_controller_(new QAction(&app.window())) {
  ui::MainWindow& w = app_.window();
  message_line_ = w.findChild<QLabel*>(QStringLiteral("LabelHlaseni"));
  with_file_->setObjectName(QStringLiteral("MenuCompareFile"));
  with_controller_->setObjectName(QStringLiteral("MenuCompareController"));
  if (auto* file = w.findChild<QMenu*>(QStringLiteral("MenuFile"))) {
    QAction* print = w.action("MenuPrint");
    file->insertAction(print, with_file_);
    file->insertAction(print, with_controller_);
    file->insertSeparator(print);
  }
  ApplyLanguage();
  connect(with_file_, &QAction::triggered, this, [this] {
    if (const auto path = app_.prompts().OpenFileName(app_.last_file_path()))
      CompareWithFile(*path);
  });
  connect(with_controller_, &QAction::triggered, this, &CompareCommands::CompareWithController);
  connect(dialog_, &ui::CompareDialog::rowActivated, this, &CompareCommands::GoTo);
  connect(dialog_, &ui::CompareDialog::takeOverClicked, this,
          [this] { TakeOver(dialog_->Ticked()); });
}

void CompareCommands::ApplyLanguage() {
  const i18n::Language language = app_.texts().language();
  with_file_->setText(QString::fromUtf8(i18n::Text(OwnText::kMenuCompareFile, language)));
  with_controller_->setText(
      QString::fromUtf8(i18n::Text(OwnText::kMenuCompareController, language)));
  if (!dialog_->isVisible()) return;
  std::vector<std::string> ticked;
  for (int row : dialog_->Ticked()) ticked.push_back(entries_[static_cast<std::size_t>(row)].name);
  ShowList(false);
  std::vector<int> rows;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (std::find(ticked.begin(), ticked.end(), entries_[i].name) != ticked.end())
      rows.push_back(static_cast<int>(i));
  dialog_->SetTicked(rows);
}

bool CompareCommands::CompareWithFile(const std::string& path) {
  // The file as opening it would leave the screen: loaded over what the screen holds now.
  page_.SyncCheckBoxes();
  page_.Collect();
  model::Editor scratch;
  scratch.image() = app_.editor().image();
  scratch.ImageChanged();
  if (!ReadTuneForUse(app_, path, scratch, false)) return false;
  other_ = scratch.image();
  other_file_ = std::filesystem::path(path).filename().string();
  ShowList();
  return true;
}

void CompareCommands::CompareWithController() {
  page_.SyncCheckBoxes();
  page_.Collect();
  app_.session().ReadCopy(controller_read_);
  app_.Render();
}

void CompareCommands::Poll() {
  using CopyRead = link::Transactions::CopyRead;
  link::Session& session = app_.session();
  const CopyRead state = session.TakeCopyReadResult();
  if (state == CopyRead::kDone) {
    other_ = controller_read_;
    other_file_.clear();
    ShowList();
    // The read's own closing line would claim a verify; this was a compare.
    session.ShowMessage(
        i18n::CompareLineText(static_cast<int>(entries_.size()), app_.texts().language()));
  } else if (state == CopyRead::kFailed) {
    // The message line says "Read error!" or "Verify error!"; this says what it means here.
    app_.prompts().Message(
        std::string(i18n::Text(OwnText::kCompareReadFailed, app_.texts().language())));
  }
  ShowVerifyDetail();
}

void CompareCommands::ShowList(bool to_front) {
  const i18n::Language language = app_.texts().language();
  const files::CodePage code_page = files::CodePageForLanguage(language);
  entries_ = pages::DiffImages(app_.editor().image(), other_);
  std::vector<ui::CompareRow> rows;
  rows.reserve(entries_.size());
  for (const pages::DiffEntry& e : entries_) {
    const std::string page = e.page >= 0
                                 ? pages::PageName(e.page, language)
                                 : std::string(i18n::Text(OwnText::kControllerPage, language)) +
                                       std::to_string(e.device_page);
    rows.push_back({page, e.name, Value(e, e.left, code_page), Value(e, e.right, code_page)});
  }
  auto text = [&](OwnText id) { return std::string(i18n::Text(id, language)); };
  const std::string other_name =
      other_file_.empty() ? text(OwnText::kCompareController) : other_file_;
  const std::string summary = entries_.empty()
                                  ? text(OwnText::kCompareEqual)
                                  : text(OwnText::kCompareCount) + std::to_string(entries_.size());
  const ui::CompareTexts texts{text(OwnText::kCompareTitle) + " - " + other_name,
                               text(OwnText::kCompareColumnPage),
                               text(OwnText::kCompareColumnField),
                               text(OwnText::kCompareColumnScreen),
                               other_name,
                               summary,
                               text(OwnText::kCompareHint),
                               text(OwnText::kCompareTakeOver),
                               text(OwnText::kCompareClose)};
  if (to_front) {
    dialog_->Show(texts, rows);
  } else {
    dialog_->Fill(texts, rows);
  }
}

void CompareCommands::GoTo(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  const pages::DiffEntry& e = entries_[static_cast<std::size_t>(row)];
  if (e.page < 0) return;
  ui::MainWindow& w = app_.window();
  // The tab change runs the page switch as a click on the tab does.
  if (w.pages().currentIndex() != e.page) w.pages().setCurrentIndex(e.page);
  w.activateWindow();
  if (e.control.empty()) return;
  auto* control = w.findChild<QWidget*>(QString::fromStdString(e.control));
  if (control == nullptr) return;
  control->setFocus(Qt::OtherFocusReason);
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(control)) spin->selectAll();
}

void CompareCommands::TakeOver(const std::vector<int>& rows) {
  std::vector<pages::DiffEntry> chosen;
  for (int row : rows)
    if (row >= 0 && row < static_cast<int>(entries_.size()))
      chosen.push_back(entries_[static_cast<std::size_t>(row)]);
  if (chosen.empty()) return;
  page_.SyncCheckBoxes();
  page_.ReadControls();
  page_.Finish(pages::TakeOver(page_.pages(), page_.values(), other_, chosen));
  ShowList(false);
}

void CompareCommands::ShowVerifyDetail() {
  if (message_line_ == nullptr) return;
  link::Session& session = app_.session();
  const i18n::Language language = app_.texts().language();
  const bool failed =
      session.verify_mismatch_page() != 0 &&
      session.transaction_mode() == link::TransactionMode::kNone &&
      session.status_line().text == link::LinkText(i18n::TextId::MsgVerifyError, language);
  if (failed == verify_failure_shown_) return;
  verify_failure_shown_ = failed;
  if (!failed) {
    message_line_->setToolTip({});
    return;
  }
  // The page the verify stopped at and its fields, screen value against the controller's.
  const int page = session.verify_mismatch_page();
  std::string detail =
      std::string(i18n::Text(OwnText::kVerifyDiffers, language)) + std::to_string(page) + ":";
  const files::CodePage code_page = files::CodePageForLanguage(language);
  for (const pages::DiffEntry& e :
       pages::DiffImages(app_.editor().image(), session.verify_controller_copy(), page)) {
    detail += "\n" + (e.page >= 0 ? pages::PageName(e.page, language) + ": " : std::string()) +
              e.name + "  " + Value(e, e.left, code_page) + "  |  " + Value(e, e.right, code_page);
  }
  message_line_->setToolTip(QString::fromStdString(detail));
  app_.window().statusBar()->showMessage(
      QString::fromStdString(detail.substr(0, detail.find('\n'))));
}

}  // namespace morvek::app
