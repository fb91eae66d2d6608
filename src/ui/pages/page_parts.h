#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string_view>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
class QWidget;

namespace morvek::ui {
class RadioGroup;
}

namespace morvek::ui::page_parts {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The English language text of a control where the tables have one, else its design text, so
// the design reads like the window after the language switch.
QString DesignText(std::string_view name, std::string_view design);

QLabel* Caption(std::string_view name, std::string_view design, QWidget* parent);
QGroupBox* Group(std::string_view name, std::string_view design, QWidget* parent);
QPushButton* Button(std::string_view name, std::string_view design, QWidget* parent);

// The value controls of one page, made from the page's control list so that each carries the
// listed name, edit name, range, step and item count. Asking for a name the page does not list
// is a programming error and stops the program at once.
class PageParts {
 public:
  explicit PageParts(int page) : page_(page) {}

  QSpinBox* Spinner(std::string_view name, QWidget* parent) const;
  // Element k of a control array: "UpDown" + base + "_" + k.
  QSpinBox* ArraySpinner(std::string_view base, int k, QWidget* parent) const;
  QCheckBox* Check(std::string_view name, std::string_view design, QWidget* parent) const;
  RadioGroup* Radio(std::string_view name, std::string_view design_caption,
                    const QStringList& design_items, QWidget* parent) const;

 private:
  int page_;
};

// A compact grid for the inside of a group box.
QGridLayout* CompactGrid(QWidget* box);
// A column of group boxes that keeps them at the top.
QVBoxLayout* Column(QHBoxLayout* row);
// The sheet's row of columns, kept at the top left of the sheet.
QHBoxLayout* SheetRow(QWidget* sheet);

// The nine temperature points of the sensor characteristics and both idle tables, "-10 °C" to
// "110 °C"; the five correction points are every second of them.
inline constexpr int kTemperaturePoints = 9;
QString TemperatureText(int k);

// "caption  [spinner]" in row `row` of a grid, the caption in column `column`.
void AddSpinnerRow(QGridLayout* grid, int row, QLabel* caption, QSpinBox* spinner, int column = 0);

// A captioned spinner: the caption label's name and design text, and the spinner's name.
struct SpinnerRow {
  std::string_view caption;
  std::string_view design;
  std::string_view spinner;
};

// Captioned spinners one per row from row `first` on; returns the next free row.
int AddSpinnerRows(QGridLayout* grid, int first, const PageParts& parts,
                   std::initializer_list<SpinnerRow> rows, QWidget* parent);
// A group box of captioned spinners, one per row.
QGroupBox* SpinnerGroup(const PageParts& parts, std::string_view name, std::string_view design,
                        std::initializer_list<SpinnerRow> rows, QWidget* parent);
// The spinners of a control array, one per row from `first_row` on, in column `column`, so that
// they stand beside the row captions of that grid.
void AddArrayColumn(QGridLayout* grid, int column, int first_row, const PageParts& parts,
                    std::string_view base, int count, QWidget* parent);

}  // namespace morvek::ui::page_parts
