// Writes Morvek's icon as PNG files into an icon-theme tree:
//   render-icons OUTDIR  ->  OUTDIR/hicolor/<n>x<n>/apps/morvek.png for every size desktops use.

#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <cstdio>

#include "ui/program_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render-icons OUTDIR\n");
    return 2;
  }
  // Painting needs no screen; the offscreen platform keeps the build free of a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString root = QString::fromLocal8Bit(argv[1]);
  for (const int size : morvek::ui::kProgramIconSizes) {
    const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
    const QString file = dir + QStringLiteral("/morvek.png");
    if (!QDir().mkpath(dir) || !morvek::ui::PaintProgramIcon(size).save(file, "PNG")) {
      std::fprintf(stderr, "render-icons: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
