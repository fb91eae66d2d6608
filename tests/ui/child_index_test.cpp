// The one-walk name index answers every given name as findChild does: an object's own children
// before the subtree of its first child, the first of the asked type when names repeat.

#include "ui/child_index.h"

#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

namespace {

QWidget* Named(QWidget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

class ChildIndexTest : public QObject {
  Q_OBJECT

 private slots:
  void answersAsFindChildDoes() {
    QWidget root;
    QWidget* first = Named(new QWidget(&root), "first");
    QWidget* deep_x = Named(new QLabel(first), "x");
    QWidget* near_x = Named(new QLabel(&root), "x");  // a child of the root, after `first`
    QWidget* second = Named(new QWidget(&root), "second");
    QWidget* spin_y = Named(new QSpinBox(second), "y");
    QWidget* inner = Named(new QWidget(second), "inner");
    QWidget* label_y = Named(new QLabel(inner), "y");
    QWidget* third = Named(new QWidget(&root), "third");
    Named(new QLabel(third), "y");
    Named(new QWidget(third), "");

    const morvek::ui::ChildIndex index(root);
    // The places findChild is known to choose, so a change of its order would show too.
    QCOMPARE(index.Find<QWidget>(QStringLiteral("x")), near_x);
    QCOMPARE(index.Find<QLabel>(QStringLiteral("y")), label_y);
    QCOMPARE(index.Find<QSpinBox>(QStringLiteral("y")), spin_y);
    QCOMPARE(index.Find<QWidget>(QStringLiteral("y")), spin_y);
    QVERIFY(index.Find<QWidget>(QStringLiteral("x")) != deep_x);

    const char* names[] = {"first", "x", "second", "y", "inner", "third", "missing"};
    for (const char* name : names) {
      const QString n = QString::fromLatin1(name);
      QVERIFY2(index.Find<QWidget>(n) == root.findChild<QWidget*>(n), name);
      QVERIFY2(index.Find<QLabel>(n) == root.findChild<QLabel*>(n), name);
      QVERIFY2(index.Find<QSpinBox>(n) == root.findChild<QSpinBox*>(n), name);
    }
    QCOMPARE(index.Find<QSpinBox>(QStringLiteral("x")), nullptr);
    // Objects without a name are not listed (findChild takes an empty name for any object).
    QCOMPARE(index.Find<QWidget>(QString()), nullptr);
  }

  // Under a subtree only that subtree is looked at, as with findChild on it.
  void aSubtreeIndexKeepsToItsSubtree() {
    QWidget root;
    QWidget* page = Named(new QWidget(&root), "page");
    Named(new QLabel(&root), "caption");
    QWidget* own = Named(new QLabel(page), "value");
    Named(new QLabel(&root), "value");

    const morvek::ui::ChildIndex index(*page);
    QCOMPARE(index.Find<QLabel>(QStringLiteral("caption")), nullptr);
    QCOMPARE(index.Find<QLabel>(QStringLiteral("value")), own);
  }
};

QTEST_MAIN(ChildIndexTest)
#include "child_index_test.moc"
