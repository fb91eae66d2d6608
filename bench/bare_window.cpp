// The yardstick of the start-up timing: a bare Qt main window of the program's designed size.
// Prints when it is shown, then quits.

#include <QApplication>
#include <QMainWindow>

#include "shown_stamp.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(1039, 821);
  window.show();
  QApplication::processEvents();
  PrintShownStamp();
  return 0;
}
