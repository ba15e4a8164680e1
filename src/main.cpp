#include "ui/form1.h"

#include <QApplication>
#include <csignal>

int main(int argc, char *argv[])
{
    // A write past the file size limit then fails with a message instead of ending the
    // program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(AppTitle));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Varnodel"));

    Form1 window;
    window.show();
    return app.exec();
}
