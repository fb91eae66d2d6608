#include "ui/com_menu.h"

#include <QAction>
#include <QActionGroup>

namespace morvek::ui {

ComMenu::ComMenu(QWidget* parent) : QMenu(QStringLiteral("&Com"), parent) {
  setObjectName(QStringLiteral("MenuCom"));
  // One port at a time: the menu marks it like a radio button.
  auto* ports = new QActionGroup(this);
  for (int k = 0; k < kItemCount; ++k) {
    const QString caption =
        k + 1 < kItemCount ? QStringLiteral("Com %1").arg(k + 1) : QStringLiteral("Com Auto");
    QAction* action = addAction(caption);
    action->setObjectName(QStringLiteral("MenuComItem_%1").arg(k));
    action->setCheckable(true);
    ports->addAction(action);
    // One handler for all items; the item's place is the port index.
    connect(action, &QAction::triggered, this, [this, k] {
      SetChecked(k);
      emit chosen(k);
    });
    items_[k] = action;
  }
  SetChecked(0);
}

void ComMenu::SetChecked(int k) {
  for (int i = 0; i < kItemCount; ++i) items_[i]->setChecked(i == k);
}

void ComMenu::SetDevice(int k, const std::string& path) {
  if (k < 0 || k >= kItemCount) return;
  items_[k]->setStatusTip(QString::fromStdString(path));
  items_[k]->setToolTip(QString::fromStdString(path));
}

}  // namespace morvek::ui
