// Builds and shows the main window once, paints it, and ends: a start-up to count the
// instructions of with callgrind, which unlike a clock gives the same figure on a busy
// machine.
//   QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind startup_count
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(AppTitle));
    Form1 window;
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    return 0;
}
