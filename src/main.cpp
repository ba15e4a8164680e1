#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(AppTitle));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Varnodel"));

    Form1 window;
    window.show();
    return app.exec();
}
