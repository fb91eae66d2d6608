#include "ui/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace morvek::ui {

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items,
                       QWidget* parent)
    : QGroupBox(caption, parent) {
  setObjectName(name);
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(2);
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
    group->addButton(button, i);
    layout->addWidget(button);
    buttons_.push_back(button);
  }
  connect(group, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::index() const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void RadioGroup::setIndex(int index) {
  if (index == this->index()) return;
  auto* group = buttons_.empty() ? nullptr : buttons_.front()->group();
  // An exclusive group cannot be cleared by unchecking its button.
  if (group != nullptr) group->setExclusive(false);
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    buttons_[i]->setChecked(static_cast<int>(i) == index);
  if (group != nullptr) group->setExclusive(true);
}

void RadioGroup::setItemText(int index, const QString& text) {
  if (index >= 0 && index < count()) buttons_[static_cast<std::size_t>(index)]->setText(text);
}

}  // namespace morvek::ui
