#include "ui/tool_bar.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace morvek::ui {
namespace {

QToolButton* SpeedButton(const char* name, QStyle::StandardPixmap icon, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(parent->style()->standardIcon(icon));
  button->setIconSize(QSize(20, 20));
  button->setAutoRaise(true);
  return button;
}

QPushButton* DeviceButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

ToolBar::ToolBar(QWidget* parent) : QGroupBox(parent) {
  setObjectName(QStringLiteral("GroupBoxToolBar"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(2);
  open_ = SpeedButton("SpeedButtonOpen", QStyle::SP_DialogOpenButton, this);
  new_ = SpeedButton("SpeedButton6", QStyle::SP_FileIcon, this);
  save_ = SpeedButton("SpeedButtonSave", QStyle::SP_DialogSaveButton, this);
  print_ = SpeedButton("SpeedButtonPrint", QStyle::SP_FileDialogContentsView, this);
  undo_ = SpeedButton("SpeedButtonZpet", QStyle::SP_ArrowBack, this);
  redo_ = SpeedButton("SpeedButtonZnovu", QStyle::SP_ArrowForward, this);
  for (QToolButton* b : {open_, new_, save_, print_}) row->addWidget(b);
  row->addSpacing(8);
  row->addWidget(undo_);
  row->addWidget(redo_);
  row->addSpacing(8);
  program_ = DeviceButton("ButtonProgram", "Program", this);
  verify_ = DeviceButton("ButtonVerify", "Verify", this);
  read_ = DeviceButton("ButtonRead", "&Read", this);
  for (QPushButton* b : {program_, verify_, read_}) {
    b->setFocusPolicy(Qt::NoFocus);
    row->addWidget(b);
  }
}

}  // namespace morvek::ui
