#include "app/output_test_commands.h"

#include <QLabel>
#include <QPushButton>

#include "app/application.h"
#include "i18n/own_texts.h"
#include "ui/page_table.h"

namespace morvek::app {
namespace {

using i18n::OwnText;

// A monitor reply comes within a few ticks; the connection watchdog gives up after 24.
constexpr int kAnswerTicks = 24;

bool FiresTheEngine(link::OutputTest test) {
  return test <= link::OutputTest::kIgn4;  // the injectors, then the ignition channels
}

void Replace(std::string& text, const char* mark, const std::string& by) {
  if (const std::size_t at = text.find(mark); at != std::string::npos) text.replace(at, 2, by);
}

bool Pending(const link::OutputTestFlags::Bytes& flags) {
  for (std::uint8_t b : flags)
    if (b != 0) return true;
  return false;
}

}  // namespace

OutputTestCommands::OutputTestCommands(Application& app) : QObject(&app), app_(app) {
  ui::MainWindow& w = app_.window();
  // The buttons and their answer line are on the tuning page.
  w.OnPageBuilt(pages::kLadeniPage, this, [this, &w] {
    QWidget& sheet = *w.pages().sheet(pages::kLadeniPage);
    result_ = sheet.findChild<QLabel*>(QStringLiteral("LabelTestOutResult"));
    for (const link::OutputTestButton& b : link::OutputTestButtons()) {
      const QString name =
          QString::fromLatin1(b.name.data(), static_cast<qsizetype>(b.name.size()));
      if (auto* button = sheet.findChild<QPushButton*>(name)) {
        connect(button, &QPushButton::clicked, this, [this, button, test = b.test] {
          // The caption as the window shows it now, in its language.
          Click(test, button->text().remove(QLatin1Char('&')).toStdString());
        });
      }
    }
  });
}

void OutputTestCommands::Click(link::OutputTest test, const std::string& caption) {
  link::Session& session = app_.session();
  const int rpm = session.live_values().rpm;
  if (FiresTheEngine(test) && session.connected() && rpm > 0) {
    std::string question(i18n::Text(OwnText::kOutputTestEngineRuns, app_.texts().language()));
    Replace(question, "%N", std::to_string(rpm));
    Replace(question, "%T", caption);
    if (app_.prompts().Confirm(question) != ui::Answer::kYes) return;
  }
  session.PressOutputTest(test);
  caption_ = caption;
  stage_ = Stage::kRecorded;
  if (result_ != nullptr) result_->clear();
}

void OutputTestCommands::Poll() {
  const link::Session& session = app_.session();
  if (stage_ == Stage::kRecorded) {
    // The request waits while a transaction runs; it is sent once the flags are taken.
    if (Pending(session.pending_output_tests())) return;
    stage_ = Stage::kSent;
    revision_at_send_ = session.monitor_view().revision();
    ticks_since_send_ = 0;
    Show(OwnText::kOutputTestSent);
    return;
  }
  if (stage_ != Stage::kSent) return;
  // A replay's frames are not the controller's answer.
  if (!session.replaying() && session.monitor_view().revision() != revision_at_send_) {
    stage_ = Stage::kIdle;
    Show(OwnText::kOutputTestAnswered);
  } else if (++ticks_since_send_ >= kAnswerTicks) {
    stage_ = Stage::kIdle;
    Show(OwnText::kOutputTestNoAnswer);
  }
}

void OutputTestCommands::Show(OwnText id) {
  if (result_ == nullptr) return;
  std::string text(i18n::Text(id, app_.texts().language()));
  Replace(text, "%T", caption_);
  result_->setText(QString::fromStdString(text));
}

}  // namespace morvek::app
