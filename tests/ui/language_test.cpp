// Every text the language tables give is shown in the window in the language chosen, for all
// four languages: captions of menus, sheets, group boxes, buttons, check boxes and labels,
// radio-group items and hints.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app_fixture.h"
#include "i18n/window_text.h"
#include "ui/page_table.h"
#include "ui/radio_group.h"

using morvek::testing::AppFixture;
namespace i18n = morvek::i18n;

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What the window shows as the caption of the first object with the name; a null string when
// the window has no such object.
QString ShownCaption(QWidget& window, const QString& name) {
  QObject* object = nullptr;
  for (QObject* o : window.findChildren<QObject*>(name)) {
    object = o;
    break;
  }
  if (object == nullptr) return {};
  if (auto* menu = qobject_cast<QMenu*>(object)) return menu->title();
  if (auto* action = qobject_cast<QAction*>(object)) return action->text();
  auto* widget = qobject_cast<QWidget*>(object);
  if (auto* tabs = qobject_cast<QTabWidget*>(
          widget->parentWidget() ? widget->parentWidget()->parentWidget() : nullptr)) {
    if (tabs->indexOf(widget) >= 0) return tabs->tabText(tabs->indexOf(widget));
  }
  if (auto* box = qobject_cast<QGroupBox*>(widget)) return box->title();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  return {};
}

QString WithoutDigits(QString text) {
  return text.remove(QRegularExpression(QStringLiteral("\\d")));
}

// A place of the window that shows a text: its parents' names (or class and position where
// a widget has no name) down to the widget, and what the text is of it.
QString PlaceOf(const QObject* object, const QObject* top) {
  QStringList parts;
  for (const QObject* o = object; o != nullptr && o != top; o = o->parent()) {
    QString part = o->objectName();
    if (part.startsWith(QLatin1String("qt_"))) continue;  // the toolkit's own inner widgets
    if (part.isEmpty()) {
      int position = 0;
      if (o->parent() != nullptr) {
        for (const QObject* sibling : o->parent()->children()) {
          if (sibling == o) break;
          if (sibling->metaObject() == o->metaObject()) ++position;
        }
      }
      part = QStringLiteral("%1#%2").arg(QLatin1String(o->metaObject()->className())).arg(position);
    }
    parts.prepend(part);
  }
  return parts.join(QLatin1Char('/'));
}

// Every text the window shows, by place: captions, titles, tab and list items, menu items,
// tool tips and status bar hints, of shown and hidden widgets alike.
QMap<QString, QString> ShownTexts(QWidget& window) {
  QMap<QString, QString> texts;
  auto add = [&](const QObject* object, const char* what, const QString& text) {
    if (!text.isEmpty())
      texts.insert(PlaceOf(object, &window) + QLatin1Char(' ') + QLatin1String(what), text);
  };
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(w)) add(w, "text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) add(w, "text", button->text());
    if (auto* box = qobject_cast<QGroupBox*>(w)) add(w, "title", box->title());
    if (auto* menu = qobject_cast<QMenu*>(w)) add(w, "title", menu->title());
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) add(tabs->widget(i), "tab", tabs->tabText(i));
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i)
        add(w, qPrintable(QStringLiteral("item %1").arg(i)), combo->itemText(i));
    }
    add(w, "tool tip", w->toolTip());
    add(w, "status tip", w->statusTip());
  }
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->isSeparator()) continue;
    add(action, "text", action->text());
    add(action, "status tip", action->statusTip());
  }
  return texts;
}

// Words that read the same in a language as in English: symbols, units, names, and the few
// French words English shares.
bool SameWord(const QString& word, int language) {
  static const QSet<QString> kEveryLanguage = {
      QStringLiteral("OK"),      QStringLiteral("COM"),  QStringLiteral("Com"),
      QStringLiteral("N2O"),     QStringLiteral("TPS"),  QStringLiteral("IAP"),
      QStringLiteral("AP"),      QStringLiteral("ATS"),  QStringLiteral("rpm"),
      QStringLiteral("ms"),      QStringLiteral("us"),   QStringLiteral("µs"),
      QStringLiteral("mV"),      QStringLiteral("kPa"),  QStringLiteral("km"),
      QStringLiteral("Lambda"),  QStringLiteral("Uego"), QStringLiteral("Morvek"),
      QStringLiteral("Torvane"), QStringLiteral("RPM"),  QStringLiteral("TP"),
      QStringLiteral("AT"),      QStringLiteral("TW"),   QStringLiteral("LAMBDA"),
      QStringLiteral("PC"),      QStringLiteral("IGN"),  QStringLiteral("CMPS")};
  static const QSet<QString> kGerman = {QStringLiteral("Tacho")};
  static const QSet<QString> kFrench = {
      QStringLiteral("Position"),  QStringLiteral("Correction"), QStringLiteral("Corrections"),
      QStringLiteral("Injection"), QStringLiteral("Inj"),        QStringLiteral("Air"),
      QStringLiteral("Retard"),    QStringLiteral("Angle"),      QStringLiteral("Version")};
  // A single letter is a symbol ("A/F", "1A", the tuning mark "T:").
  if (word.size() == 1 || kEveryLanguage.contains(word)) return true;
  return (language == 1 && kGerman.contains(word)) || (language == 2 && kFrench.contains(word));
}

// Texts that read the same in a language as in English: numbers, units in brackets, e-mail and
// web addresses and the words above.
bool SameInThatLanguage(const QString& text, int language) {
  QString rest = text;
  rest.remove(QLatin1Char('&'));
  rest.remove(QRegularExpression(QStringLiteral("\\[[^\\]]*\\]")));
  rest.remove(QRegularExpression(QStringLiteral("\\S*(@|://)\\S*")));
  const QStringList words =
      rest.split(QRegularExpression(QStringLiteral("[^\\p{L}\\d]+")), Qt::SkipEmptyParts);
  for (QString word : words) {
    if (SameWord(word, language)) continue;
    word.remove(QRegularExpression(QStringLiteral("\\d")));
    if (!word.isEmpty() && !SameWord(word, language)) return false;
  }
  return true;
}

// Places whose text is the same in every language by design: the motorcycle names of the
// presets, the service values of the test row, the device a COM item stands for, the build date as
// the compiler writes it and the fixed version line of the About window.
bool SameByDesign(const QString& place) {
  static const QRegularExpression kPlaces(QStringLiteral(
      "ComboBoxBike item|TestRow/LabelTest\\d |MenuComItem_\\d+ (status|tool) "
      "tip|TFormAbout/LabelDate |TFormAbout/LabelRsKey |TFormAbout/Label4 |TFormAbout/Label10 "
      "|ComboAnalysisMap item"));
  return kPlaces.match(place).hasMatch();
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;

 private slots:
  // Every test function starts in a config folder of its own, as a first run.
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void everyTableTextIsShownInTheChosenLanguage() {
    AppFixture f(dir_->path());
    QStringList wrong;
    for (int index = 0; index < i18n::kLanguageCount; ++index) {
      // Switching from every other language to this one: nothing of the last one stays.
      f.app->ChooseLanguage((index + 1) % i18n::kLanguageCount);
      f.app->ChooseLanguage(index);
      const auto language = static_cast<i18n::Language>(index);
      for (i18n::CaptionGroup group : i18n::kCaptionGroups) {
        if (group == i18n::CaptionGroup::kAbout) continue;
        for (std::string_view key : i18n::CaptionKeys(group)) {
          const QString want = ToQString(i18n::Caption(key, language));
          const QString shown = ShownCaption(f.window(), ToQString(key));
          if (!want.isEmpty() && !shown.isNull() && shown != want)
            wrong << QStringLiteral("%1 %2: \"%3\" instead of \"%4\"")
                         .arg(index)
                         .arg(ToQString(key), shown, want);
        }
      }
      for (std::string_view key : i18n::ItemKeys()) {
        auto* group = f.window().findChild<morvek::ui::RadioGroup*>(ToQString(key));
        if (group == nullptr) continue;
        const auto items = i18n::Items(key, language);
        for (std::size_t i = 0; i < items.size(); ++i)
          if (group->button(static_cast<int>(i))->text() != ToQString(items[i]))
            wrong << QStringLiteral("%1 %2 item %3").arg(index).arg(ToQString(key)).arg(i);
      }
      for (std::string_view key : i18n::HintKeys()) {
        auto* widget = f.window().findChild<QWidget*>(ToQString(key));
        if (widget == nullptr) continue;
        const QString want = ToQString(i18n::LongHint(i18n::Hint(key, language)));
        // A menu's hint is that of the item that opens it.
        auto* menu = qobject_cast<QMenu*>(widget);
        const QString shown =
            menu != nullptr ? menu->menuAction()->statusTip() : widget->statusTip();
        if (shown != want) wrong << QStringLiteral("%1 %2 hint").arg(index).arg(ToQString(key));
      }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
  }

  // Outside numbers, units and a few names, no text of the window reads as in English once
  // another language is chosen.
  void noShownTextStaysEnglish() {
    // Once without a controller (the placeholders) and once with a running engine (the live
    // texts); numbers are left out of the comparison, as the live values move.
    for (const bool connected : {false, true}) {
      QTemporaryDir dir;
      AppFixture f(dir.path(), {}, morvek::testing::Steady(3000, 20));
      f.window().ext_monitor().click();  // every live label shows its detailed text
      auto shown_now = [&](int language) {
        f.app->ChooseLanguage(language);
        if (connected) f.Tick(30);
        // The About window takes the language when it opens; the log analysis, the 3D map and
        // the charts are made on first use and walked with the window once they are.
        f.window().action("MenuAbout")->trigger();
        f.window().action("MenuLiveCharts")->trigger();
        f.window().action("MenuAnalyzeLogs")->trigger();
        f.window().action("Menu3DMap")->trigger();
        const QMap<QString, QString> texts = ShownTexts(f.window());
        f.Find<QDialog>("TFormAbout")->close();
        for (QWidget* top : QApplication::topLevelWidgets())
          if (top != &f.window() && top->isVisible()) top->close();
        return texts;
      };
      const QMap<QString, QString> english = shown_now(0);
      QVERIFY(english.size() > 300);
      QStringList wrong;
      for (int index = 1; index < i18n::kLanguageCount; ++index) {
        const QMap<QString, QString> shown = shown_now(index);
        // The running pick-up's line: its own words after the pick-up's name.
        for (auto it = shown.cbegin(); connected && it != shown.cend(); ++it) {
          if (it.key().endsWith(QLatin1String("LabelSnimacCmps text")))
            QVERIFY2(!it.value().contains(QLatin1String("running")), qPrintable(it.value()));
        }
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
          const QString en = english.value(it.key());
          if (WithoutDigits(it.value()) != WithoutDigits(en) || SameByDesign(it.key()) ||
              SameInThatLanguage(en, index))
            continue;
          wrong << QStringLiteral("%1, language %2: %3 shows \"%4\"")
                       .arg(connected ? "connected" : "not connected")
                       .arg(index)
                       .arg(it.key(), it.value());
        }
      }
      // One line per text, so that a long list is not cut short.
      for (const QString& line : wrong) qWarning().noquote() << line;
      QVERIFY2(wrong.isEmpty(),
               qPrintable(QStringLiteral("%1 texts stay English").arg(wrong.size())));
    }
  }

  // In every language each caption and live text the window shows has the room it needs, with
  // "Detailed representation" on and a controller sending its longest texts.
  void everyShownTextFitsItsWidget() {
    QTemporaryDir dir;
    AppFixture f(dir.path(), {}, morvek::testing::Steady(3000, 20));
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    f.window().ext_monitor().click();
    QStringList cut;
    for (int language = 0; language < i18n::kLanguageCount; ++language) {
      f.app->ChooseLanguage(language);
      for (int page = 0; page < f.window().pages().count(); ++page) {
        f.window().pages().setCurrentIndex(page);
        f.Tick(20);
        QApplication::processEvents();
        for (QWidget* w : f.window().findChildren<QWidget*>()) {
          if (!w->isVisible()) continue;
          const QFontMetrics metrics(w->font());
          int need = 0;
          int have = 0;
          QString text;
          if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || label->text().contains(QLatin1Char('<'))) continue;
            text = label->text();
            need = metrics.horizontalAdvance(text);
            have = label->contentsRect().width();
          } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
            need = button->sizeHint().width();
            have = button->width();
          } else {
            continue;
          }
          if (!text.isEmpty() && need > have)
            cut << QStringLiteral("language %1, page %2: %3 \"%4\" needs %5, has %6")
                       .arg(language)
                       .arg(page)
                       .arg(PlaceOf(w, &f.window()), text)
                       .arg(need)
                       .arg(have);
        }
      }
    }
    cut.removeDuplicates();
    for (const QString& line : cut) qWarning().noquote() << line;
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1 texts cut").arg(cut.size())));
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
