#include "ui/pages/page_parts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtGlobal>
#include <string>

#include "i18n/window_text.h"
#include "pages/page_catalog.h"
#include "ui/radio_group.h"
#include "ui/widget_factory.h"

namespace morvek::ui::page_parts {
namespace {

const pages::Control& Listed(int page, std::string_view name) {
  const pages::Control* control = pages::FindControl(page, name);
  if (control == nullptr) qFatal("page %d lists no control %s", page, std::string(name).c_str());
  return *control;
}

}  // namespace

QString DesignText(std::string_view name, std::string_view design) {
  const std::string_view english = i18n::Caption(name, i18n::Language::kEnglish);
  return ToQString(english.empty() ? design : english);
}

QLabel* Caption(std::string_view name, std::string_view design, QWidget* parent) {
  return MakeLabel(ToQString(name), DesignText(name, design), parent);
}

QGroupBox* Group(std::string_view name, std::string_view design, QWidget* parent) {
  auto* box = new QGroupBox(DesignText(name, design), parent);
  box->setObjectName(ToQString(name));
  return box;
}

QPushButton* Button(std::string_view name, std::string_view design, QWidget* parent) {
  auto* button = new QPushButton(DesignText(name, design), parent);
  button->setObjectName(ToQString(name));
  return button;
}

QSpinBox* PageParts::Spinner(std::string_view name, QWidget* parent) const {
  const pages::Control& c = Listed(page_, name);
  QSpinBox* spinner = MakeSpinner(ToQString(c.name), ToQString(c.edit_name), c.range.min,
                                  c.range.max, c.range.step, parent);
  // As wide as its longest number, however wide its group: columns of values stay compact.
  spinner->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return spinner;
}

QSpinBox* PageParts::ArraySpinner(std::string_view base, int k, QWidget* parent) const {
  return Spinner(pages::ArraySpinnerName(base, k), parent);
}

QCheckBox* PageParts::Check(std::string_view name, std::string_view design, QWidget* parent) const {
  const pages::Control& c = Listed(page_, name);
  return MakeCheckBox(ToQString(c.name), DesignText(name, design), parent);
}

RadioGroup* PageParts::Radio(std::string_view name, std::string_view design_caption,
                             const QStringList& design_items, QWidget* parent) const {
  const pages::Control& c = Listed(page_, name);
  QStringList items;
  for (std::string_view item : i18n::Items(name, i18n::Language::kEnglish))
    items.push_back(ToQString(item));
  if (items.isEmpty()) items = design_items;
  if (items.size() != c.items)
    qFatal("radio group %s has %d items, listed %d", c.name.c_str(), static_cast<int>(items.size()),
           c.items);
  return new RadioGroup(ToQString(c.name), DesignText(name, design_caption), items, parent);
}

QGridLayout* CompactGrid(QWidget* box) {
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(6, 4, 6, 6);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  return grid;
}

QVBoxLayout* Column(QHBoxLayout* row) {
  auto* column = new QVBoxLayout;
  column->setSpacing(4);
  row->addLayout(column);
  return column;
}

QHBoxLayout* SheetRow(QWidget* sheet) {
  auto* sheet_layout = static_cast<QVBoxLayout*>(sheet->layout());
  auto* row = new QHBoxLayout;
  row->setSpacing(6);
  sheet_layout->addLayout(row);
  return row;
}

QString TemperatureText(int k) {
  static const char* const kTexts[kTemperaturePoints] = {
      "-10 °C", "  5 °C", " 20 °C", " 35 °C", " 50 °C", " 65 °C", " 80 °C", " 95 °C", "110 °C"};
  return QString::fromUtf8(kTexts[k]);
}

void AddSpinnerRow(QGridLayout* grid, int row, QLabel* caption, QSpinBox* spinner, int column) {
  grid->addWidget(caption, row, column);
  // Right-aligned, so that the numbers of a column end under each other.
  grid->addWidget(spinner, row, column + 1, Qt::AlignRight);
}

int AddSpinnerRows(QGridLayout* grid, int first, const PageParts& parts,
                   std::initializer_list<SpinnerRow> rows, QWidget* parent) {
  int r = first;
  for (const SpinnerRow& row : rows)
    AddSpinnerRow(grid, r++, Caption(row.caption, row.design, parent),
                  parts.Spinner(row.spinner, parent));
  return r;
}

QGroupBox* SpinnerGroup(const PageParts& parts, std::string_view name, std::string_view design,
                        std::initializer_list<SpinnerRow> rows, QWidget* parent) {
  QGroupBox* box = Group(name, design, parent);
  AddSpinnerRows(CompactGrid(box), 0, parts, rows, box);
  return box;
}

void AddArrayColumn(QGridLayout* grid, int column, int first_row, const PageParts& parts,
                    std::string_view base, int count, QWidget* parent) {
  for (int k = 0; k < count; ++k)
    grid->addWidget(parts.ArraySpinner(base, k, parent), first_row + k, column);
}

}  // namespace morvek::ui::page_parts
