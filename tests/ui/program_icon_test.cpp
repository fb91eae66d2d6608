// The program icon at every size desktops ask for: the right size, a transparent outside and
// the dial's parts still there at the smallest size.

#include "ui/program_icon.h"

#include <QGuiApplication>
#include <QTest>

namespace {

// Pixels whose colour is close to `r, g, b` and fully opaque.
int CountNear(const QImage& image, int r, int g, int b) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() == 255 && std::abs(c.red() - r) < 60 && std::abs(c.green() - g) < 60 &&
          std::abs(c.blue() - b) < 60)
        ++count;
    }
  }
  return count;
}

}  // namespace

class ProgramIconTest : public QObject {
  Q_OBJECT

 private slots:
  void everySizeShowsTheDialOnATransparentOutside() {
    for (const int size : morvek::ui::kProgramIconSizes) {
      const QImage icon = morvek::ui::PaintProgramIcon(size);
      const QByteArray where = QByteArray::number(size);
      QVERIFY2(icon.size() == QSize(size, size), where);
      // Outside the rounded tile the desktop's background shows through.
      for (const QPoint corner :
           {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
        QVERIFY2(icon.pixelColor(corner).alpha() == 0, where);
      // The tile itself is solid: the middle of its left edge is opaque.
      QVERIFY2(icon.pixelColor(size / 8, size / 2).alpha() == 255, where);
      // The red zone, the lime needle and the white dial are each visible, even at 16 pixels.
      QVERIFY2(CountNear(icon, 230, 30, 30) >= 1, where);
      QVERIFY2(CountNear(icon, 0, 230, 0) >= 1, where);
      QVERIFY2(CountNear(icon, 236, 238, 242) >= size / 4, where);
    }
  }
};

QTEST_MAIN(ProgramIconTest)
#include "program_icon_test.moc"
