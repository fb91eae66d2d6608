// The program builds the page on screen before its first paint and the others right after.
// Whatever order the pages are built in, the window must end as the one built at once: the
// same captions, layout, values and wiring, and no value written by a page built late.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "app/application.h"
#include "app_fixture.h"
#include "files/config_paths.h"
#include "files/settings.h"
#include "model/editor.h"
#include "pages/page_catalog.h"
#include "ui/main_window.h"
#include "ui/page_table.h"

using morvek::testing::AppFixture;

namespace {

// What a person sees of every named control: its text, whether it shows and takes input,
// and a spinner's number and range.
QMap<QString, QString> Seen(morvek::ui::MainWindow& window) {
  QMap<QString, QString> seen;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
      text = button->text() + (button->isChecked() ? QStringLiteral(" [x]") : QString());
    if (auto* box = qobject_cast<QGroupBox*>(w)) text = box->title();
    if (auto* spin = qobject_cast<QSpinBox*>(w))
      text = QStringLiteral("%1 in %2..%3")
                 .arg(spin->value())
                 .arg(spin->minimum())
                 .arg(spin->maximum());
    seen[w->objectName()] = QStringLiteral("%1 visible=%2 enabled=%3")
                                .arg(text)
                                .arg(w->isVisibleTo(&window))
                                .arg(w->isEnabled());
  }
  // The page table's tabs: their captions and which of them the layout hides.
  for (int page = 0; page < window.pages().count(); ++page)
    seen[QStringLiteral("tab %1").arg(page)] = QStringLiteral("%1 visible=%2")
                                                   .arg(window.pages().tabText(page))
                                                   .arg(window.pages().isTabVisible(page));
  for (QAction* a : window.findChildren<QAction*>())
    if (!a->objectName().isEmpty())
      seen[a->objectName()] = QStringLiteral("%1 enabled=%2 checked=%3")
                                  .arg(a->text())
                                  .arg(a->isEnabled())
                                  .arg(a->isChecked());
  return seen;
}

// Counts the paints of the window that came before any page not on screen was built.
class FirstPaintWatch : public QObject {
 public:
  explicit FirstPaintWatch(morvek::ui::MainWindow& window) : window_(window) {
    window.installEventFilter(this);
  }
  int paints_before_build = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !window_.page_built(morvek::pages::kIdlePage))
      ++paints_before_build;
    return false;
  }

 private:
  morvek::ui::MainWindow& window_;
};

}  // namespace

class PagesOnDemandTest : public QObject {
  Q_OBJECT

 private slots:
  void pagesBuiltAfterTheFirstPaintEndAsTheWindowBuiltAtOnce_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("page");
    // A controller that stops answering: the live values on every page are drawn stale.
    QTest::addColumn<bool>("silent");
    QTest::newRow("English, Bike page") << QString() << 0 << false;
    QTest::newRow("German, Poloha page, no answer") << QStringLiteral("DEUTSCH") << 4 << true;
    QTest::newRow("Czech, Inj-1A page") << QStringLiteral("CESKY") << 2 << false;
    QTest::newRow("French, Monitor page, no answer") << QStringLiteral("FRENCH") << 12 << true;
  }
  void pagesBuiltAfterTheFirstPaintEndAsTheWindowBuiltAtOnce() {
    QFETCH(QString, language);
    QFETCH(int, page);
    QFETCH(bool, silent);
    std::vector<std::string> args;
    if (!language.isEmpty()) args.push_back(language.toStdString());
    QTemporaryDir at_once_dir;
    QTemporaryDir late_dir;
    for (const QTemporaryDir* dir : {&at_once_dir, &late_dir}) {
      const morvek::files::ConfigPaths paths{dir->path().toStdString()};
      QFile ini(QString::fromStdString(paths.SettingsFile().string()));
      QVERIFY(ini.open(QIODevice::WriteOnly));
      ini.write(QStringLiteral("[%1]\nPageControl1->ActivePageIndex=%2\n")
                    .arg(QString::fromLatin1(morvek::files::kSettingsSection.data(),
                                             morvek::files::kSettingsSection.size()))
                    .arg(page)
                    .toLatin1());
    }
    AppFixture at_once(at_once_dir.path(), args);
    AppFixture late(late_dir.path(), args, {}, std::nullopt, {}, true);
    QCOMPARE(late.app->editor().active_page(), page);
    QCOMPARE(at_once.app->editor().active_page(), page);

    // Before the first paint only the page on screen exists (the grid for a map page).
    const bool map = page >= 1 && page <= 3;
    QVERIFY(late.window().page_built(page));
    QCOMPARE(late.window().page_built(morvek::ui::PageTable::kMonitorPage), page == 12);
    QCOMPARE(late.window().grid_built(), map);
    FirstPaintWatch watch(late.window());
    late.window().show();
    at_once.window().show();
    QTRY_VERIFY(late.window().page_built(morvek::pages::kIdlePage));
    QVERIFY(watch.paints_before_build > 0);
    for (int p = 0; p < morvek::ui::PageTable::kCount; ++p) QVERIFY(late.window().page_built(p));

    for (AppFixture* f : {&late, &at_once}) {
      f->controller.SetSilent(silent);
      f->Tick(silent ? 10 : 3);
    }
    // The layouts the late pages asked for are done before either window is looked at.
    for (int i = 0; i < 3; ++i) {
      QCoreApplication::sendPostedEvents();
      QCoreApplication::processEvents();
    }
    const QMap<QString, QString> expected = Seen(at_once.window());
    const QMap<QString, QString> seen = Seen(late.window());
    for (auto it = expected.begin(); it != expected.end(); ++it)
      QVERIFY2(seen.value(it.key()) == it.value(),
               qPrintable(it.key() + ": " + seen.value(it.key()) + " instead of " + it.value()));
    QCOMPARE(seen.size(), expected.size());
    QVERIFY(late.app->editor().image().bytes() == at_once.app->editor().image().bytes());
  }

  void aPageOpenedBeforeTheRestIsBuiltShowsTheTuneAndEditsIt() {
    QTemporaryDir dir;
    AppFixture f(dir.path(), {}, {}, std::nullopt, {}, true);
    const auto before = f.app->editor().image().bytes();
    // The tuner picks the sensor page before the window ever painted.
    constexpr int kCidla = 6;
    QVERIFY(!f.window().page_built(kCidla));
    f.window().pages().setCurrentIndex(kCidla);
    QVERIFY(f.window().page_built(kCidla));
    // Built late, its controls show the tune instead of writing their own first values.
    QVERIFY(f.app->editor().image().bytes() == before);
    auto* spin = f.Find<QSpinBox>("UpDownApsTlak1");
    QVERIFY(spin != nullptr);
    QVERIFY(spin->value() != 0);
    // And an edit of one of them is an edit of the tune.
    spin->setValue(spin->value() + 1);
    QVERIFY(f.app->editor().image().bytes() != before);
    QVERIFY(f.app->editor().CanUndo());
  }
};

QTEST_MAIN(PagesOnDemandTest)
#include "pages_on_demand_test.moc"
