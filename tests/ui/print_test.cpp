// Printing the page on screen, offscreen, into PDF files: what is on paper, what the window
// shows while it is printed, and that the window is the same afterwards.

#include <QAbstractSpinBox>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/print_command.h"
#include "app_fixture.h"
#include "pages/print_layout.h"
#include "ui/page_table.h"
#include "ui/tool_bar.h"

using morvek::app::PrintTarget;
using morvek::testing::AppFixture;

namespace {

const QDateTime kWhen(QDate(2026, 12, 9), QTime(14, 30, 5));

QString Stamp(const char* text) {
  const QLocale system = QLocale::system();
  return QString::fromUtf8(text) + system.toString(kWhen.date(), QLocale::ShortFormat) +
         QStringLiteral("    ") + system.toString(kWhen.time(), QLocale::LongFormat);
}

// Everything named in the window that printing may touch: hidden or not, the spinners'
// arrows, and the tab row. The message line is left out: the stamp is meant to stay there.
QMap<QString, QString> WindowState(AppFixture& f) {
  QMap<QString, QString> state;
  for (QWidget* w : f.window().findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name == QLatin1String("LabelHlaseni") ||
        name == QLatin1String("CGaugeProgram"))
      continue;
    QString s = w->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
      s += QStringLiteral(" buttons %1").arg(spin->buttonSymbols());
    state.insert(name, s);
  }
  const morvek::ui::PageTable& tabs = f.window().pages();
  for (int i = 0; i < tabs.count(); ++i)
    state.insert(QStringLiteral("tab %1").arg(i), tabs.isTabVisible(i) ? "shown" : "hidden");
  return state;
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  QString Dir() const { return dir_->path(); }

  static void ShowWindow(AppFixture& f) {
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
  }
  static void ShowPage(AppFixture& f, int page) {
    f.window().pages().setCurrentIndex(page);
    QCOMPARE(f.app->editor().active_page(), page);
  }
  // The pages of a PDF as PNG files, one per page.
  static QStringList Rasterise(const QString& pdf, const QString& prefix) {
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"), {"-r", "100", "-png", pdf, prefix});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {};
    const QFileInfo base(prefix);
    return QDir(base.path()).entryList({base.fileName() + "*.png"}, QDir::Files, QDir::Name);
  }

 private slots:
  // Every test function starts in a config folder of its own, as a first run.
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void advancePagePrintsAloneWithoutEditingAids() {
    AppFixture f(Dir());
    ShowWindow(f);
    f.Tick(10);
    f.app->ChooseLanguage(1);
    ShowPage(f, 1);
    const QString pdf = Dir() + "/advance.pdf";
    int looked = 0;
    PrintTarget target;
    target.pdf_path = pdf;
    target.while_printable = [&] {
      ++looked;
      QLabel& stamp = f.window().label_hlaseni();
      QVERIFY(stamp.isVisible());
      QCOMPARE(stamp.text(), Stamp("Datum und Uhrzeit des Drucks:  "));
      QCOMPARE(stamp.palette().color(QPalette::Window), QColor(Qt::white));
      const morvek::ui::PageTable& tabs = f.window().pages();
      for (int i = 0; i < tabs.count(); ++i) QCOMPARE(tabs.isTabVisible(i), i == 1);
      for (auto* spin : f.window().findChildren<QAbstractSpinBox*>())
        if (spin->isVisible())
          QVERIFY2(spin->buttonSymbols() == QAbstractSpinBox::NoButtons,
                   qPrintable(spin->objectName()));
      for (const char* name :
           {"GroupBoxToolBar", "StatusBar1", "LabelSpojeni", "CGaugeRpm", "CGaugeProgram",
            "CSpinButton_Uni_0", "CSpinButtonTools_Uni", "CheckBoxExtMonitor", "LabelLambdaBlue"})
        QVERIFY2(!f.Find<QWidget>(name)->isVisible(), name);
      // The values themselves are printed, and the "TPS" setting of the advance map.
      QVERIFY(f.Find<QWidget>("UpDown_Uni_9_14")->isVisible());
      QVERIFY(f.Find<QWidget>("CheckBoxTps_Uni")->isVisible());
      QCOMPARE(f.window().palette().color(QPalette::Window), QColor(Qt::white));
    };
    f.app->print_command().set_target(target);
    f.app->print_command().SpeedButtonPrintClick(kWhen);
    QCOMPARE(looked, 1);
    QVERIFY(QFileInfo(pdf).size() > 0);
    const QStringList pages = Rasterise(pdf, Dir() + "/advance");
    QCOMPARE(pages.size(), 1);
    const QImage page(Dir() + "/" + pages.front());
    QVERIFY(!page.isNull());
    // The window is wider than high: it goes on a landscape page, whole, inside the paper's
    // margins, and takes most of the page's height or width.
    QVERIFY(page.width() > page.height());
    QRect printed;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x)
        if (page.pixelColor(x, y) != QColor(Qt::white)) printed |= QRect(x, y, 1, 1);
    QVERIFY(!printed.isEmpty());
    QVERIFY2(printed.left() > 0 && printed.top() > 0 && printed.right() < page.width() - 1 &&
                 printed.bottom() < page.height() - 1,
             qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6")
                            .arg(printed.x())
                            .arg(printed.y())
                            .arg(printed.width())
                            .arg(printed.height())
                            .arg(page.width())
                            .arg(page.height())));
    QVERIFY(printed.width() > page.width() * 3 / 4 || printed.height() > page.height() * 3 / 4);
    if (qEnvironmentVariableIsSet("MORVEK_PRINT_SHOT"))
      page.save(qEnvironmentVariable("MORVEK_PRINT_SHOT"));
  }

  void windowIsTheSameAfterPrinting_data() {
    QTest::addColumn<QString>("jet_mode");
    QTest::addColumn<int>("page");
    QTest::newRow("advance") << "Menu_Jet123Normal" << 1;
    QTest::newRow("inj-1A in 1 = 2") << "Menu_Jet123Stejny" << 2;
    QTest::newRow("coupled inj-2A, read-only grid") << "Menu_Jet123Coupled" << 3;
    QTest::newRow("injection position") << "Menu_Jet123Normal" << 4;
  }
  void windowIsTheSameAfterPrinting() {
    QFETCH(QString, jet_mode);
    QFETCH(int, page);
    AppFixture f(Dir());
    ShowWindow(f);
    f.Find<QAction>(qPrintable(jet_mode))->trigger();
    ShowPage(f, page);
    f.Tick(3);
    const QMap<QString, QString> before = WindowState(f);
    const QPalette palette = f.window().palette();
    PrintTarget target;
    target.pdf_path = Dir() + "/page.pdf";
    f.app->print_command().set_target(target);
    f.app->print_command().SpeedButtonPrintClick(kWhen);

    const QMap<QString, QString> after = WindowState(f);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
      QVERIFY2(after.value(it.key()) == it.value(),
               qPrintable(it.key() + ": " + it.value() + " -> " + after.value(it.key())));
    QCOMPARE(f.window().palette(), palette);
    QCOMPARE(f.window().pages().currentIndex(), page);
    if (jet_mode == QLatin1String("Menu_Jet123Stejny"))
      QVERIFY(!f.window().pages().isTabVisible(3));
    for (int j = 0; j < 10; ++j)
      QCOMPARE(f.Find<QLabel>(qPrintable(QStringLiteral("LabelTpsRow_Uni_%1").arg(j)))
                   ->palette()
                   .color(QPalette::Window),
               QColor(Qt::white));
    // The stamp stays on the message line, held like a message.
    QVERIFY(f.window().label_hlaseni().isVisible());
    QCOMPARE(f.window().label_hlaseni().text(), Stamp("Date and time of printing:  "));
    QCOMPARE(f.app->session().message_hold_ticks(), 200);
  }

  void everyEditingAidTheListNamesIsInTheWindow() {
    AppFixture f(Dir());
    for (const std::string& name : morvek::pages::PrintHiddenControls())
      QVERIFY2(f.Find<QWidget>(name.c_str()) != nullptr, name.c_str());
  }

  void lostConnectionIsNotShownWhilePrinting() {
    AppFixture f(Dir());
    ShowWindow(f);
    f.Tick(10);
    QVERIFY(f.app->session().connected());
    PrintTarget target;
    target.pdf_path = Dir() + "/silent.pdf";
    bool shown_while_printing = true;
    target.while_printable = [&] {
      // The controller falls silent while the page is printed: no frame is passed on.
      for (int i = 0; i < 40; ++i) f.app->session().Tick();
      QVERIFY(!f.app->session().connected());
      shown_while_printing = f.app->session().connection().no_connection_visible;
    };
    f.app->print_command().set_target(target);
    f.app->print_command().SpeedButtonPrintClick(kWhen);
    QVERIFY(!shown_while_printing);
  }

  void withoutPrinterThePageGoesToDocumentsAndTheLineSaysWhere() {
    AppFixture f(Dir());
    ShowWindow(f);
    PrintTarget target;
    target.printer_allowed = false;
    target.documents_folder = Dir() + "/Documents";
    f.app->print_command().set_target(target);
    f.app->print_command().SpeedButtonPrintClick(kWhen);
    const QString pdf = Dir() + "/Documents/Morvek 2026-12-09 14-30-05.pdf";
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(
        f.window().label_hlaseni().text(),
        Stamp("Date and time of printing:  ") + "\nPrinted to " + QDir::toNativeSeparators(pdf));
    QVERIFY(f.window().label_hlaseni().isVisible());
    // The line speaks the window's language.
    f.Find<QAction>("MenuCzech")->trigger();
    f.app->print_command().SpeedButtonPrintClick(kWhen.addSecs(1));
    const QString second = Dir() + "/Documents/Morvek 2026-12-09 14-30-06.pdf";
    QVERIFY(QFileInfo(second).size() > 0);
    QVERIFY(f.window().label_hlaseni().text().endsWith(QString::fromUtf8("\nVytištěno do ") +
                                                       QDir::toNativeSeparators(second)));
  }

  void menuAndToolBarPrintAndAFailureIsRed() {
    AppFixture f(Dir());
    ShowWindow(f);
    PrintTarget target;
    target.pdf_path = Dir() + "/menu.pdf";
    f.app->print_command().set_target(target);
    QVERIFY(f.window().tool_bar().print()->isEnabled());
    f.Find<QAction>("MenuPrint")->trigger();
    QVERIFY(QFileInfo(Dir() + "/menu.pdf").size() > 0);
    target.pdf_path = Dir() + "/button.pdf";
    f.app->print_command().set_target(target);
    QTest::mouseClick(f.window().tool_bar().print(), Qt::LeftButton);
    QVERIFY(QFileInfo(Dir() + "/button.pdf").size() > 0);
    QCOMPARE(f.window().label_hlaseni().palette().color(QPalette::Window), QColor(Qt::white));

    target.pdf_path = Dir() + "/no such folder/x.pdf";
    f.app->print_command().set_target(target);
    f.app->print_command().SpeedButtonPrintClick(kWhen);
    QCOMPARE(f.window().label_hlaseni().palette().color(QPalette::Window), QColor(255, 0, 0));
    QVERIFY(f.window().label_hlaseni().text().endsWith(
        QStringLiteral("\nNot printed: ") +
        QDir::toNativeSeparators(Dir() + "/no such folder/x.pdf")));
  }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
