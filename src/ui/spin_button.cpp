#include "ui/spin_button.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace morvek::ui {

SpinButton::SpinButton(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* up = new QToolButton(this);
  up->setObjectName(name + QStringLiteral("_Up"));
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(this);
  down->setObjectName(name + QStringLiteral("_Down"));
  down->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up, down}) {
    b->setFixedSize(17, 11);
    b->setAutoRaise(false);
    layout->addWidget(b);
  }
  connect(up, &QToolButton::clicked, this, &SpinButton::upClicked);
  connect(down, &QToolButton::clicked, this, &SpinButton::downClicked);
}

}  // namespace morvek::ui
