// Every text the language tables give is shown in the window in the language chosen, for all
// four languages: captions of menus, sheets, group boxes, buttons, check boxes and labels,
// radio-group items and hints.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app_fixture.h"
#include "i18n/window_text.h"
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

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

 private slots:
  void everyTableTextIsShownInTheChosenLanguage() {
    AppFixture f(dir_.path());
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
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
