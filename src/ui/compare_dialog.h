#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace morvek::ui {

// One line of the compare list, as it is shown.
struct CompareRow {
  std::string page;    // the editing page, or the controller page of a reserved byte
  std::string field;   // keyword, member and element: "LIMITER.ignition", "ADVANCE[52]"
  std::string screen;  // the value on screen, with its unit
  std::string other;   // the value of the file or the controller
};

// The texts of the compare window in the current language.
struct CompareTexts {
  std::string title, page, field, screen, other, summary, hint, take_over, close;
};

// The list of differences between the image on screen and another tune. It shows what it is
// given and reports the user's wishes: a double-click (go to the control) and Take over with
// the ticked lines.
class CompareDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CompareDialog(QWidget* parent);

  // Fills the list and brings the window to the front.
  void Show(const CompareTexts& texts, const std::vector<CompareRow>& rows);
  // Fills the list where it stands (a language change, a take-over).
  void Fill(const CompareTexts& texts, const std::vector<CompareRow>& rows);
  // Row indexes ticked, in list order.
  std::vector<int> Ticked() const;
  void SetTicked(const std::vector<int>& rows);
  QTreeWidget& list() const { return *list_; }

 signals:
  void rowActivated(int row);
  void takeOverClicked();

 private:
  QTreeWidget* list_;
  QLabel* summary_;
  QLabel* hint_;
  QPushButton* take_over_;
  QPushButton* close_;
};

}  // namespace morvek::ui
