#include "ui/language_applier.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>

#include "i18n/window_text.h"
#include "ui/radio_group.h"

namespace morvek::ui {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

using NameIndex = QHash<QString, QObject*>;

// Every named object of the window, found once per pass (the first of a name wins).
NameIndex IndexNames(QMainWindow& window) {
  NameIndex index;
  const QList<QObject*> objects = window.findChildren<QObject*>();
  for (QObject* object : objects) {
    const QString name = object->objectName();
    if (!name.isEmpty() && !index.contains(name)) index.insert(name, object);
  }
  return index;
}

// Sets the caption of whatever kind of control carries the name.
void SetCaption(const NameIndex& index, const QString& name, const QString& text) {
  QObject* object = index.value(name);
  if (object == nullptr) return;
  // Menus are found by their QMenu; their title is the caption.
  if (auto* menu = qobject_cast<QMenu*>(object)) {
    menu->setTitle(text);
    return;
  }
  if (auto* action = qobject_cast<QAction*>(object)) {
    action->setText(text);
    return;
  }
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return;
  if (auto* tabs = qobject_cast<QTabWidget*>(
          widget->parentWidget() ? widget->parentWidget()->parentWidget() : nullptr)) {
    const int index = tabs->indexOf(widget);
    if (index >= 0) {
      tabs->setTabText(index, text);
      return;
    }
  }
  if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    box->setTitle(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
  }
}

void SetHint(const NameIndex& index, const QString& name, std::string_view hint) {
  QObject* object = index.value(name);
  if (object == nullptr) return;
  const QString tip = ToQString(i18n::ShortHint(hint));
  const QString status = ToQString(i18n::LongHint(hint));
  if (auto* menu = qobject_cast<QMenu*>(object)) {
    menu->menuAction()->setStatusTip(status);
    menu->menuAction()->setToolTip(tip);
    return;
  }
  if (auto* action = qobject_cast<QAction*>(object)) {
    action->setStatusTip(status);
    action->setToolTip(tip);
    return;
  }
  if (auto* widget = qobject_cast<QWidget*>(object)) {
    widget->setToolTip(tip);
    widget->setStatusTip(status);
  }
}

}  // namespace

void ApplyLanguageTexts(QMainWindow& window, i18n::Language language) {
  const NameIndex index = IndexNames(window);
  for (i18n::CaptionGroup group : i18n::kCaptionGroups) {
    if (group == i18n::CaptionGroup::kAbout) continue;  // the About window's own
    for (std::string_view key : i18n::CaptionKeys(group)) {
      const std::string_view caption = i18n::Caption(key, language);
      if (caption.empty()) continue;
      SetCaption(index, ToQString(key), ToQString(caption));
    }
  }
  for (std::string_view key : i18n::HintKeys())
    SetHint(index, ToQString(key), i18n::Hint(key, language));
  for (std::string_view key : i18n::ItemKeys()) {
    auto* group = qobject_cast<RadioGroup*>(index.value(ToQString(key)));
    if (group == nullptr) continue;
    const auto items = i18n::Items(key, language);
    for (std::size_t i = 0; i < items.size(); ++i)
      group->setItemText(static_cast<int>(i), ToQString(items[i]));
  }
}

}  // namespace morvek::ui
