#include "ui/form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(AppTitle));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Varnodel"));


    Form1 window;
    // An installed theme icon wins; the window's own drawing is the fallback.
    window.setWindowIcon(QIcon::fromTheme(QStringLiteral("org.example.Varnodel"), window.windowIcon()));
    window.show();
    return app.exec();
}
