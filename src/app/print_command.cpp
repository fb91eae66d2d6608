#include "app/print_command.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QStandardPaths>
#include <QToolButton>

#include "app/application.h"
#include "app/layout_hub_runner.h"
#include "i18n/own_texts.h"
#include "pages/print_layout.h"
#include "ui/print_layout.h"
#include "ui/tool_bar.h"

namespace morvek::app {
namespace {

// The window's picture is taken at twice its size, so the printed text stays sharp.
constexpr int kPictureScale = 2;

QImage WindowPicture(ui::MainWindow& window) {
  // The client area whole, also the part a small window scrolls away; not the menu bar.
  QWidget* client = window.centralWidget();
  if (auto* scroll = qobject_cast<QScrollArea*>(client); scroll && scroll->widget())
    client = scroll->widget();
  // Hidden tabs and controls change the layouts only when their posted requests are handled;
  // only those are handled, the tick must not run in between.
  for (int pass = 0; pass < 3; ++pass)
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  QImage picture(client->size() * kPictureScale, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.scale(kPictureScale, kPictureScale);
  client->render(&painter, QPoint(), QRegion(),
                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
  return picture;
}

// The picture scaled to fit the page, proportions kept, at the top of the page; a picture wider
// than high goes on a landscape page, so that it takes as much of the paper as it can.
bool PrintPicture(QPrinter& printer, const QImage& picture) {
  printer.setPageOrientation(picture.width() > picture.height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  QSize size = picture.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  const QRect target(page.x() + (page.width() - size.width()) / 2, page.y(), size.width(),
                     size.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, picture);
  return painter.end();
}

}  // namespace

PrintCommand::PrintCommand(Application& app)
    : app_(app),
      layout_(std::make_unique<ui::PrintLayout>(app.window(), pages::PrintHiddenControls())) {
  ui::MainWindow& w = app_.window();
  const auto print = [this] { SpeedButtonPrintClick(QDateTime::currentDateTime()); };
  w.action("MenuPrint")->setEnabled(true);
  connect(w.action("MenuPrint"), &QAction::triggered, this, print);
  w.tool_bar().print()->setEnabled(true);
  connect(w.tool_bar().print(), &QToolButton::clicked, this, print);
}

PrintCommand::~PrintCommand() = default;

void PrintCommand::SpeedButtonPrintClick(const QDateTime& now) {
  ui::MainWindow& w = app_.window();
  link::Session& session = app_.session();
  const QLocale system = QLocale::system();
  const std::string stamp = pages::PrintStamp(
      app_.texts().language(), system.toString(now.date(), QLocale::ShortFormat).toStdString(),
      system.toString(now.time(), QLocale::LongFormat).toStdString());
  // The stamp is held on the message line like a message, and is on the paper.
  session.ShowStamp(stamp);
  w.RenderStatusLine(session.status_line());

  session.SetPrinting(true);
  layout_->SetPrintLayout(true);
  if (target_.while_printable) target_.while_printable();
  const Outcome outcome = PrintWindow(now);
  session.SetPrinting(false);
  layout_->SetPrintLayout(false);
  // What the settings of the page keep hidden stays hidden.
  RunLayoutHub(app_);

  const i18n::Language language = app_.texts().language();
  const std::string where = outcome.destination.toStdString();
  if (!outcome.printed) {
    // Red, with where it should have gone.
    session.ShowFailure(stamp + "\n" +
                        std::string(i18n::Text(i18n::OwnText::kNotPrinted, language)) + where);
  } else if (outcome.fallback) {
    session.ShowStamp(stamp + "\n" + std::string(i18n::Text(i18n::OwnText::kPrintedTo, language)) +
                      where);
  }
  w.RenderStatusLine(session.status_line());
}

PrintCommand::Outcome PrintCommand::PrintWindow(const QDateTime& now) {
  const QImage picture = WindowPicture(app_.window());
  Outcome outcome;
  QString pdf = target_.pdf_path;
  if (pdf.isEmpty() && !(target_.printer_allowed && !QPrinterInfo::defaultPrinter().isNull())) {
    QString folder = target_.documents_folder;
    if (folder.isEmpty())
      folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(folder);
    pdf = QDir(folder).filePath(
        QStringLiteral("Morvek %1.pdf").arg(now.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"))));
    outcome.fallback = true;
  }
  if (pdf.isEmpty()) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    outcome.destination = info.printerName();
    QPrinter printer(info, QPrinter::HighResolution);
    outcome.printed = PrintPicture(printer, picture);
    return outcome;
  }
  outcome.destination = QDir::toNativeSeparators(pdf);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  outcome.printed = PrintPicture(printer, picture);
  return outcome;
}

}  // namespace morvek::app
