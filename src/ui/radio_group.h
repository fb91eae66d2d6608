#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

namespace morvek::ui {

// A captioned group of radio buttons whose value is the index of the chosen item (-1 for
// none). The buttons are named after the group with the item index ("RadioGroupIdleMode_1").
class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& name, const QString& caption, const QStringList& items,
             QWidget* parent = nullptr);

  int index() const;
  // Chooses an item without raising clicked(); -1 clears the choice.
  void setIndex(int index);
  int count() const { return static_cast<int>(buttons_.size()); }
  void setItemText(int index, const QString& text);
  QRadioButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

 signals:
  // The user chose an item.
  void clicked(int index);

 private:
  std::vector<QRadioButton*> buttons_;
};

}  // namespace morvek::ui
