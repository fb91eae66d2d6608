#pragma once

#include <QMenu>
#include <array>
#include <string>

class QAction;

namespace morvek::ui {

// The Com menu: "Com 1" ... "Com 20" and "Com Auto" (items 0..20 stand for the port index);
// exactly one carries the check mark. Each item's status-bar hint names the device behind it.
class ComMenu : public QMenu {
  Q_OBJECT

 public:
  static constexpr int kItemCount = 21;

  explicit ComMenu(QWidget* parent = nullptr);

  QAction* item(int k) const { return items_[k]; }
  void SetChecked(int k);
  // The device behind item k, empty when none is known.
  void SetDevice(int k, const std::string& path);

 signals:
  void chosen(int item);

 private:
  std::array<QAction*, kItemCount> items_{};
};

}  // namespace morvek::ui
