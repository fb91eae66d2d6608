#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

namespace morvek::ui {

// Every object under a root by its name, in one walk. Looking up many controls of a page one by
// one with findChild walks the whole page each time; this answers each non-empty name as
// findChild would (the same object when two share a name) after a single walk.
class ChildIndex {
 public:
  explicit ChildIndex(const QObject& root);

  template <typename T>
  T* Find(const QString& name) const {
    for (QObject* object : by_name_.value(name))
      if (auto* found = dynamic_cast<T*>(object)) return found;
    return nullptr;
  }

 private:
  void Walk(const QObject& parent);

  QHash<QString, QList<QObject*>> by_name_;
};

}  // namespace morvek::ui
