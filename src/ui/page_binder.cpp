#include "ui/page_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/child_index.h"
#include "ui/map_grid.h"
#include "ui/note_edit.h"
#include "ui/page_table.h"
#include "ui/radio_group.h"

namespace morvek::ui {

const std::vector<PageBinder::Entry>& PageBinder::Entries(int page) {
  const auto p = static_cast<std::size_t>(page);
  // A page whose controls are not built yet binds nothing, and is looked at again later.
  if (!built_[p] && pages_.built(page)) {
    // The map pages share the one grid, wherever it is placed now.
    QWidget* root =
        pages::IsMapPage(page) ? static_cast<QWidget*>(pages_.map_grid()) : pages_.sheet(page);
    const auto controls = pages::PageControls(page);
    const ChildIndex children(*root);
    for (std::size_t i = 0; i < controls.size(); ++i) {
      QWidget* w = children.Find<QWidget>(QString::fromStdString(controls[i].name));
      if (w != nullptr) entries_[p].push_back({&controls[i], static_cast<int>(i), w});
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
  values.SetPage(page);
  for (const Entry& e : Entries(page)) {
    QWidget* w = e.widget;
    if (w == nullptr) continue;
    const int index = e.index;
    if (auto* spin = qobject_cast<QSpinBox*>(w)) {
      // A number typed and not yet committed counts, as the edit box it stands for shows it.
      spin->interpretText();
      values.SetAt(index, spin->value());
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
      values.SetAt(index, box->isChecked() ? 1 : 0);
    } else if (auto* radio = qobject_cast<RadioGroup*>(w)) {
      values.SetAt(index, radio->index());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      values.SetAt(index, combo->currentIndex());
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
  if (w == nullptr ||
      (entry.control->kind != pages::ControlKind::kMemo && !values.HasAt(entry.index)))
    return;
  const int v = values.At(entry.index);
  const QSignalBlocker block(w);
  if (auto* spin = qobject_cast<QSpinBox*>(w)) {
    if (spin->minimum() != range.min || spin->maximum() != range.max)
      spin->setRange(range.min, range.max);
    if (spin->singleStep() != range.step) spin->setSingleStep(range.step);
    if (spin->value() != v) spin->setValue(v);
  } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
    box->setChecked(v != 0);
  } else if (auto* radio = qobject_cast<RadioGroup*>(w)) {
    radio->setIndex(v);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    combo->setCurrentIndex(v);
  } else if (auto* note = qobject_cast<NoteEdit*>(w)) {
    QStringList lines;
    for (const std::string& line : values.memo())
      lines.push_back(QString::fromStdString(files::ToUtf8(line, code_page_)));
    note->setLines(lines);
  }
}

}  // namespace morvek::ui
