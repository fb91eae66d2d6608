#include "ui/tool_bar.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>

#include "ui/tool_icons.h"

namespace morvek::ui {
namespace {

QToolButton* SpeedButton(const char* name, ToolGlyph glyph, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(ToolIcon(glyph));
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
  open_ = SpeedButton("SpeedButtonOpen", ToolGlyph::kOpen, this);
  new_ = SpeedButton("SpeedButton6", ToolGlyph::kNew, this);
  save_ = SpeedButton("SpeedButtonSave", ToolGlyph::kSave, this);
  print_ = SpeedButton("SpeedButtonPrint", ToolGlyph::kPrint, this);
  undo_ = SpeedButton("SpeedButtonZpet", ToolGlyph::kUndo, this);
  redo_ = SpeedButton("SpeedButtonZnovu", ToolGlyph::kRedo, this);
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
