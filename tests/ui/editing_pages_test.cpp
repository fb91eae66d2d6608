// The designed editing pages, offscreen: every control a page lists exists on its sheet with
// the listed kind, name, range and items, laid out without overlap, and the note keeps to its
// limit.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTest>

#include "link/output_tests.h"
#include "model/editor.h"
#include "model/presets.h"
#include "pages/layout_hub.h"
#include "pages/live_highlight.h"
#include "pages/page_catalog.h"
#include "ui/main_window.h"
#include "ui/map_grid.h"
#include "ui/note_edit.h"
#include "ui/page_table.h"
#include "ui/radio_group.h"
#include "ui/widget_factory.h"

namespace pages = morvek::pages;
using morvek::ui::MainWindow;
using morvek::ui::NoteEdit;
using morvek::ui::RadioGroup;

namespace {

QString Name(const std::string& name) { return QString::fromStdString(name); }

// Shows the window on `page` so that the sheet is laid out.
QWidget* ShowPage(MainWindow& window, int page) {
  window.pages().setCurrentIndex(page);
  window.show();
  QApplication::processEvents();
  return window.pages().sheet(page);
}

// Two visible widgets side by side in one layout must not cover each other.
QString FindOverlap(const QWidget* parent) {
  QList<const QWidget*> shown;
  for (const QObject* child : parent->children()) {
    const auto* w = qobject_cast<const QWidget*>(child);
    if (w != nullptr && w->isVisible() && !w->isWindow()) shown.push_back(w);
  }
  for (qsizetype i = 0; i < shown.size(); ++i) {
    for (qsizetype j = i + 1; j < shown.size(); ++j)
      if (shown[i]->geometry().intersects(shown[j]->geometry()))
        return shown[i]->objectName() + " / " + shown[j]->objectName();
    const QString inner = FindOverlap(shown[i]);
    if (!inner.isEmpty()) return inner;
  }
  return {};
}

}  // namespace

class EditingPagesTest : public QObject {
  Q_OBJECT

 private slots:
  // Every name the page rules use (the page's control list, what the layout hub shows, hides
  // and paints, what the live highlight marks) is a widget of the built window, on the sheet
  // of its page (the map pages share the grid). A rule for a name the window lacks does nothing.
  void everyNameThePageRulesUseIsAWidgetOfItsPage() {
    MainWindow window;
    morvek::model::Editor editor;
    editor.ApplyDefaults(morvek::model::DefaultsScope::kWholeImage);
    QStringList missing;
    for (int page = 0; page < pages::kPageCount; ++page) {
      QWidget* sheet = ShowPage(window, page);
      QWidget* root = pages::IsMapPage(page) ? static_cast<QWidget*>(&window.grid()) : sheet;
      QSet<QString> names;
      for (const pages::Control& c : pages::PageControls(page)) names.insert(Name(c.name));
      // The hub names the same controls whatever the image holds.
      const pages::PageLayout layout = pages::LayoutPage(editor.image(), page, {});
      for (const pages::ControlLayout& c : layout.controls) names.insert(Name(c.name));
      for (const auto& b : layout.backgrounds) names.insert(Name(b.name));
      for (const pages::HighlightControl& c : pages::HighlightControls(page))
        names.insert(Name(c.name));
      for (const QString& name : names) {
        if (root->findChild<QWidget*>(name) == nullptr)
          missing << QStringLiteral("page %1: %2").arg(page).arg(name);
      }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
  }

  void everyPageHoldsItsControls_data() {
    QTest::addColumn<int>("page");
    for (int page = 0; page < pages::kPageCount; ++page)
      if (!pages::IsMapPage(page)) QTest::newRow(morvek::ui::PageTable::SheetName(page)) << page;
  }

  void everyPageHoldsItsControls() {
    QFETCH(int, page);
    MainWindow window;
    QWidget* sheet = ShowPage(window, page);
    QVERIFY(!pages::PageControls(page).empty());
    for (const pages::Control& c : pages::PageControls(page)) {
      const QString name = Name(c.name);
      // One control of a name in the whole window: the language switch and the page code find
      // controls by name and take the first.
      QCOMPARE(window.findChildren<QWidget*>(name).size(), 1);
      switch (c.kind) {
        case pages::ControlKind::kSpinner: {
          auto* spin = sheet->findChild<QSpinBox*>(name);
          QVERIFY2(spin != nullptr, qPrintable(name));
          QCOMPARE(spin->minimum(), c.range.min);
          QCOMPARE(spin->maximum(), c.range.max);
          QCOMPARE(spin->singleStep(), c.range.step);
          QCOMPARE(spin->property(morvek::ui::kEditNameProperty).toString(), Name(c.edit_name));
          // The longest number of the range is readable whole.
          const QLineEdit* edit = spin->findChild<QLineEdit*>();
          const int longest =
              std::max(edit->fontMetrics().horizontalAdvance(QString::number(c.range.min)),
                       edit->fontMetrics().horizontalAdvance(QString::number(c.range.max)));
          QVERIFY2(edit->width() >= longest, qPrintable(name));
          break;
        }
        case pages::ControlKind::kCheckBox:
          QVERIFY2(sheet->findChild<QCheckBox*>(name) != nullptr, qPrintable(name));
          break;
        case pages::ControlKind::kRadioGroup: {
          auto* radio = sheet->findChild<RadioGroup*>(name);
          QVERIFY2(radio != nullptr, qPrintable(name));
          QCOMPARE(radio->count(), c.items);
          break;
        }
        case pages::ControlKind::kComboBox: {
          auto* combo = sheet->findChild<QComboBox*>(name);
          QVERIFY(combo != nullptr);
          QCOMPARE(combo->count(), c.items);
          QCOMPARE(combo->itemText(pages::kBikeSeparatorItem),
                   QString::fromUtf8(morvek::model::kPresetSeparatorText.data()));
          break;
        }
        case pages::ControlKind::kMemo:
          QVERIFY(sheet->findChild<NoteEdit*>(name) != nullptr);
          break;
      }
    }
    const QString overlap = FindOverlap(sheet);
    QVERIFY2(overlap.isEmpty(), qPrintable(overlap));
  }

  // The 21 output-test buttons in their groups on the tuning page.
  void testButtonsInTheirGroups() {
    MainWindow window;
    QWidget* sheet = ShowPage(window, pages::kLadeniPage);
    auto* out = sheet->findChild<QGroupBox*>(QStringLiteral("GroupBoxTestOut"));
    QVERIFY(out != nullptr);
    QCOMPARE(out->findChildren<QPushButton*>(QRegularExpression("^ButtonTest")).size(),
             morvek::link::kOutputTestCount);
    for (const morvek::link::OutputTestButton& b : morvek::link::OutputTestButtons()) {
      const QString name = QString::fromUtf8(b.name.data(), static_cast<qsizetype>(b.name.size()));
      auto* button = out->findChild<QPushButton*>(name);
      QVERIFY2(button != nullptr, qPrintable(name));
      QCOMPARE(button->text(),
               QString::fromUtf8(b.caption.data(), static_cast<qsizetype>(b.caption.size())));
    }
    const std::pair<const char*, int> groups[] = {{"GroupBoxTestJet", 8},
                                                  {"GroupBoxTestIgn", 4},
                                                  {"GroupBoxTestRpm", 1},
                                                  {"GroupBoxTestServo", 4}};
    for (const auto& [group, count] : groups)
      QCOMPARE(out->findChild<QGroupBox*>(group)->findChildren<QPushButton*>().size(), count);
  }

  // The temperature axis: the sensor captions, and the idle captions equal to them, each in
  // the row of its spinner.
  void temperatureRowsBesideTheirValues_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QString>("spinners");
    QTest::newRow("sensors") << pages::kCidlaPage << "LabelTeplota"
                             << "UpDownCidloVoda";
    QTest::newRow("idle servo") << pages::kIdlePage << "LabelIdleServo"
                                << "UpDownIdleServo";
    QTest::newRow("idle advance") << pages::kIdlePage << "LabelIdleAdv"
                                  << "UpDownIdleAdv";
  }

  void temperatureRowsBesideTheirValues() {
    QFETCH(int, page);
    QFETCH(QString, labels);
    QFETCH(QString, spinners);
    const char* const texts[] = {"-10 °C", "  5 °C", " 20 °C", " 35 °C", " 50 °C",
                                 " 65 °C", " 80 °C", " 95 °C", "110 °C"};
    MainWindow window;
    QWidget* sheet = ShowPage(window, page);
    QCOMPARE(sheet->findChildren<QLabel*>(QRegularExpression("^" + labels + "_\\d+$")).size(), 9);
    for (int k = 0; k < 9; ++k) {
      auto* label = sheet->findChild<QLabel*>(QStringLiteral("%1_%2").arg(labels).arg(k));
      auto* spin = sheet->findChild<QSpinBox*>(QStringLiteral("%1_%2").arg(spinners).arg(k));
      QVERIFY(label != nullptr && spin != nullptr);
      QCOMPARE(label->text(), QString::fromUtf8(texts[k]));
      const int middle = label->mapTo(sheet, label->rect().center()).y();
      const QRect row(spin->mapTo(sheet, QPoint(0, 0)), spin->size());
      QVERIFY2(middle >= row.top() && middle <= row.bottom(), qPrintable(label->objectName()));
      QVERIFY(label->mapTo(sheet, QPoint(label->width(), 0)).x() <= row.left());
    }
  }

  // At most 149 characters with a line break counting two: typing or pasting beyond is
  // refused whole, and nothing typed before is lost.
  void noteRefusesTextBeyondItsLimit() {
    NoteEdit note;
    note.show();
    const QString first(100, QLatin1Char('a'));
    QTest::keyClicks(&note, first);
    QTest::keyClick(&note, Qt::Key_Return);  // 102 counted
    const QString second(NoteEdit::kMaxChars - 102, QLatin1Char('b'));
    QTest::keyClicks(&note, second);
    const QString full = first + QLatin1Char('\n') + second;
    QCOMPARE(note.toPlainText(), full);
    QTest::keyClicks(&note, QStringLiteral("c"));
    QCOMPARE(note.toPlainText(), full);
    QTest::keyClick(&note, Qt::Key_Return);
    QCOMPARE(note.toPlainText(), full);
    QCOMPARE(note.lines(), QStringList({first, second}));

    // A paste that would pass the limit is refused; one that fits is taken.
    note.setLines({QString(140, QLatin1Char('x'))});
    QApplication::clipboard()->setText(QString(10, QLatin1Char('y')));
    note.paste();
    QCOMPARE(note.toPlainText(), QString(140, QLatin1Char('x')));
    QApplication::clipboard()->setText(QString(9, QLatin1Char('y')));
    note.paste();
    QCOMPARE(note.toPlainText().size(), NoteEdit::kMaxChars);
  }
};

QTEST_MAIN(EditingPagesTest)
#include "editing_pages_test.moc"
