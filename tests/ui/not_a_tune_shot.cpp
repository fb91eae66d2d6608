// A picture of the message the window shows when a file that is not a tune is opened (a copy of
// a password file named x.ign): the window with the real message box over it, saved as
// not-a-tune.png (not-a-tune@2x.png at a scale factor of 2) in the directory given. A second
// argument, a language word (DEUTSCH, FRENCH, CESKY), names not-a-tune-<word>.png.

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "app/application.h"
#include "app/file_commands.h"
#include "sim/controller_model.h"
#include "sim/in_memory_transport.h"
#include "ui/prompts.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  const QStringList args = qt.arguments();
  if (args.size() < 2) return 2;
  const QDir out(args[1]);
  const QString suffix = qgetenv("QT_SCALE_FACTOR") == "2" ? QStringLiteral("@2x") : QString();
  QTemporaryDir config(QDir::tempPath() + QStringLiteral("/tunes-XXXXXX"));
  const std::string file = config.filePath(QStringLiteral("x.ign")).toStdString();
  std::ofstream(file) << "root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1:daemon:/usr/sbin:\n";
  morvek::sim::ControllerModel controller;
  morvek::sim::InMemoryTransport transport(controller);
  morvek::ui::QtPrompts prompts;
  morvek::app::ApplicationOptions options;
  options.transport = &transport;
  options.prompts = &prompts;
  options.config_directory = config.path().toStdString();
  options.program_directory = options.config_directory;
  options.run_timer = false;
  if (args.size() > 2) options.arguments = {args[2].toStdString()};
  morvek::app::Application app(options);
  prompts.set_parent(&app.window());
  app.Start();
  app.window().show();
  QString name = QStringLiteral("not-a-tune");
  if (args.size() > 2) name += QLatin1Char('-') + args[2];
  bool saved = false;
  // The box is modal: it is photographed from inside its own loop, then closed.
  QTimer::singleShot(300, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) return;
    QPixmap picture = app.window().grab();
    const QPixmap front = box->grab();
    QPainter painter(&picture);
    // Positions in the window's own units, whatever the scale factor.
    const QSizeF window_size = picture.deviceIndependentSize();
    const QSizeF box_size = front.deviceIndependentSize();
    const QPointF at((window_size.width() - box_size.width()) / 2,
                     (window_size.height() - box_size.height()) / 3);
    painter.fillRect(QRectF(at - QPointF(1, 1), box_size + QSizeF(2, 2)), Qt::black);
    painter.drawPixmap(at, front);
    painter.end();
    saved = picture.save(out.filePath(name + suffix + QStringLiteral(".png")));
    box->close();
  });
  app.file_commands().OpenPath(file, false);
  return saved ? 0 : 1;
}
