#include "ui/child_index.h"

namespace morvek::ui {

ChildIndex::ChildIndex(const QObject& root) { Walk(root); }

void ChildIndex::Walk(const QObject& parent) {
  // findChild looks at an object's own children before it goes into the first child's
  // subtree; names are listed in that order.
  const QObjectList& children = parent.children();
  for (QObject* child : children)
    if (!child->objectName().isEmpty()) by_name_[child->objectName()].append(child);
  for (QObject* child : children) Walk(*child);
}

}  // namespace morvek::ui
