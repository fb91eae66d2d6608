// morvek-manual: renders one user manual from its Markdown text into a PDF, with its table of
// contents, page numbers and pictures. Runs at build time, without a display.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>

#include "manual/manual_book.h"

namespace {

int Fail(const QString& what) {
  std::fprintf(stderr, "morvek-manual: %s\n", what.toLocal8Bit().constData());
  return 1;
}

// The text of the first "# " line: the title on every page's foot and in the PDF's properties.
QString Title(const QString& markdown) {
  for (const QString& line : markdown.split(QLatin1Char('\n')))
    if (line.startsWith(QLatin1String("# "))) return line.mid(2).trimmed();
  return QStringLiteral("Morvek");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3) {
    std::fputs("usage: morvek-manual MANUAL.md OUTPUT.pdf\n", stderr);
    return 2;
  }
  QFile source(args[1]);
  if (!source.open(QIODevice::ReadOnly))
    return Fail(QStringLiteral("cannot read %1: %2").arg(args[1], source.errorString()));
  const QString markdown = QString::fromUtf8(source.readAll());

  // Written beside the target and renamed over it: a failed run leaves no half manual behind.
  QSaveFile output(args[2]);
  if (!output.open(QIODevice::WriteOnly))
    return Fail(QStringLiteral("cannot write %1: %2").arg(args[2], output.errorString()));
  const QString title = Title(markdown);
  QPdfWriter pdf(&output);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setResolution(300);
  pdf.setTitle(title);
  pdf.setCreator(QStringLiteral("Morvek"));

  morvek::manual::ManualBook book(pdf, title);
  QString error;
  if (!book.Load(markdown, QFileInfo(args[1]).absolutePath(), &error))
    return Fail(args[1] + QStringLiteral(": ") + error);
  book.Paginate();
  if (!book.Print(&error)) return Fail(args[2] + QStringLiteral(": ") + error);
  if (!output.commit())
    return Fail(QStringLiteral("cannot write %1: %2").arg(args[2], output.errorString()));
  return 0;
}
