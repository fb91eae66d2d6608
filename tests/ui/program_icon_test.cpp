// The program icon at every size desktops ask for: the right size, a transparent outside and
// the dial's parts still there at the smallest size.

#include "ui/program_icon.h"

#include <QGuiApplication>
#include <QTest>
#include <vector>

#include "ui/tool_icons.h"

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
  void speedButtonPicturesAreDistinctAtEveryScaleAndFadeWhenDisabled() {
    using morvek::ui::ToolGlyph;
    const ToolGlyph glyphs[] = {ToolGlyph::kOpen,  ToolGlyph::kNew,  ToolGlyph::kSave,
                                ToolGlyph::kPrint, ToolGlyph::kUndo, ToolGlyph::kRedo};
    for (const int size : {20, 40}) {
      std::vector<QImage> shown;
      for (const ToolGlyph glyph : glyphs) {
        const QIcon icon = morvek::ui::ToolIcon(glyph);
        const QImage normal = icon.pixmap(size, size).toImage();
        const QImage faded = icon.pixmap(QSize(size, size), QIcon::Disabled).toImage();
        const QByteArray where =
            QByteArray::number(static_cast<int>(glyph)) + " at " + QByteArray::number(size);
        QVERIFY2(normal.size() == QSize(size, size), where);
        // Drawn over a good part of the square, with a corner left to the button.
        int opaque = 0;
        int alpha_normal = 0;
        int alpha_faded = 0;
        for (int y = 0; y < size; ++y)
          for (int x = 0; x < size; ++x) {
            opaque += normal.pixelColor(x, y).alpha() > 128 ? 1 : 0;
            alpha_normal += normal.pixelColor(x, y).alpha();
            alpha_faded += faded.pixelColor(x, y).alpha();
          }
        QVERIFY2(opaque > size * size / 10, where);
        QVERIFY2(normal.pixelColor(0, size - 1).alpha() == 0, where);
        QVERIFY2(alpha_faded < alpha_normal / 2, where);
        for (const QImage& other : shown) QVERIFY2(other != normal, where);
        shown.push_back(normal);
      }
      // Redo is undo turned round, but for the edge pixels' smoothing.
      const QImage turned = shown[4].mirrored(true, false);
      int unlike = 0;
      for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
          unlike +=
              std::abs(turned.pixelColor(x, y).alpha() - shown[5].pixelColor(x, y).alpha()) > 64
                  ? 1
                  : 0;
      QVERIFY2(unlike < size * size / 25, QByteArray::number(unlike));
    }
  }

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
