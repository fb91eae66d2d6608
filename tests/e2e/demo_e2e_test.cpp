// The program against the simulated controller on a pseudo-terminal, through the real serial
// code and the real 55 ms timer: live values within 2 s, then F7 reads and verifies.

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "app/application.h"
#include "app/demo.h"
#include "serial/port_directory.h"
#include "serial/serial_transport.h"
#include "ui/prompts.h"

namespace {

class RecordingPrompts : public morvek::ui::Prompts {
 public:
  void Message(const std::string& text) override { messages.push_back(text); }
  morvek::ui::Answer Confirm(const std::string&) override { return morvek::ui::Answer::kNo; }
  std::optional<std::string> OpenFileName(const std::string&) override { return {}; }
  std::optional<std::string> SaveFileName(const std::string&) override { return {}; }
  std::vector<std::string> messages;
};

}  // namespace

class DemoE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void liveEngineThenReadAndVerify() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    morvek::app::Demo demo;
    std::string error;
    QVERIFY2(demo.Start(&error), error.c_str());
    morvek::serial::PortDirectory directory;
    directory.Bind(1, demo.device_path());
    morvek::serial::SerialTransport transport(directory);
    RecordingPrompts prompts;
    morvek::app::ApplicationOptions options;
    options.transport = &transport;
    options.prompts = &prompts;
    options.config_directory = dir.path().toStdString();
    options.program_directory = dir.path().toStdString();
    options.com_port_override = 0;
    morvek::app::Application app(options);
    app.Start();
    app.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
    app.window().activateWindow();

    auto* rpm = app.window().findChild<QLabel*>(QStringLiteral("LabelRpm"));
    QTRY_VERIFY_WITH_TIMEOUT(app.session().live_values().rpm > 0, 2000);
    QVERIFY(rpm->text().startsWith(QStringLiteral("RPM = ")));
    QVERIFY(!rpm->text().contains(QStringLiteral("---")));
    QCOMPARE(app.window().findChild<QLabel*>(QStringLiteral("LabelCom"))->text(),
             QStringLiteral("COM= COM1"));

    QTest::keyClick(&app.window(), Qt::Key_F7);
    auto* message = app.window().findChild<QLabel*>(QStringLiteral("LabelHlaseni"));
    QTRY_COMPARE_WITH_TIMEOUT(message->text(), QStringLiteral("Verify: OK"), 20000);
    QVERIFY(prompts.messages.empty());
    QVERIFY(!app.window().findChild<QLabel*>(QStringLiteral("LabelVerze1"))->text().isEmpty());
    app.window().close();
  }
};

QTEST_MAIN(DemoE2eTest)
#include "demo_e2e_test.moc"
