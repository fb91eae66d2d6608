#include "ui/page_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/map_grid.h"
#include "ui/note_edit.h"
#include "ui/page_table.h"
#include "ui/radio_group.h"

namespace morvek::ui {

const std::vector<PageBinder::Entry>& PageBinder::Entries(int page) {
  const auto p = static_cast<std::size_t>(page);
  if (!built_[p]) {
    // The map pages share the one grid, wherever it is placed now.
    QWidget* root =
        pages::IsMapPage(page) ? static_cast<QWidget*>(pages_.map_grid()) : pages_.sheet(page);
    for (const pages::Control& c : pages::PageControls(page)) {
      QWidget* w = root->findChild<QWidget*>(QString::fromStdString(c.name));
      if (w != nullptr) entries_[p].push_back({&c, w});
    }
    built_[p] = true;
  }
  return entries_[p];
}

QWidget* PageBinder::Widget(int page, const pages::Control& control) {
  for (const Entry& e : Entries(page))
    if (e.control == &control) return e.widget;
  return nullptr;
}

void PageBinder::Read(int page, pages::PageValues& values) {
  for (const Entry& e : Entries(page)) {
    QWidget* w = e.widget;
    if (w == nullptr) continue;
    const std::string& name = e.control->name;
    if (auto* spin = qobject_cast<QSpinBox*>(w)) {
      // A number typed and not yet committed counts, as the edit box it stands for shows it.
      spin->interpretText();
      values.SetNumber(name, spin->value());
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
      values.SetNumber(name, box->isChecked() ? 1 : 0);
    } else if (auto* radio = qobject_cast<RadioGroup*>(w)) {
      values.SetNumber(name, radio->index());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      values.SetNumber(name, combo->currentIndex());
    } else if (auto* note = qobject_cast<NoteEdit*>(w)) {
      std::vector<std::string> lines;
      for (const QString& line : note->lines())
        lines.push_back(files::FromUtf8(line.toStdString(), code_page_));
      values.set_memo(std::move(lines));
    }
  }
}

void PageBinder::ShowOne(const Entry& entry, const pages::PageValues& values,
                         const pages::Range& range) {
  QWidget* w = entry.widget;
  if (w == nullptr) return;
  const std::string& name = entry.control->name;
  const QSignalBlocker block(w);
  if (auto* spin = qobject_cast<QSpinBox*>(w)) {
    if (spin->minimum() != range.min || spin->maximum() != range.max)
      spin->setRange(range.min, range.max);
    if (spin->singleStep() != range.step) spin->setSingleStep(range.step);
    const int v = values.Number(name);
    if (spin->value() != v) spin->setValue(v);
  } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
    box->setChecked(values.Number(name) != 0);
  } else if (auto* radio = qobject_cast<RadioGroup*>(w)) {
    radio->setIndex(values.Number(name, -1));
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    combo->setCurrentIndex(values.Number(name));
  } else if (auto* note = qobject_cast<NoteEdit*>(w)) {
    QStringList lines;
    for (const std::string& line : values.memo())
      lines.push_back(QString::fromStdString(files::ToUtf8(line, code_page_)));
    note->setLines(lines);
  }
}

}  // namespace morvek::ui
