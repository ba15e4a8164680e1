// Starts a solve and presses Quit at the engine's first yield. The program must end
// there and then, with status 0: nothing after the click may run, no message may show.
#include "ui/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Form1 form;
    form.msgBoxHook = [](const QString &) { std::puts("message"); };
    form.show();
    form.Row1[0]->setText(QStringLiteral("5"));
    QTimer::singleShot(0, form.cmdQuit, &QPushButton::click);
    form.cmdSolve->click();
    std::puts("returned");
    return 3;
}
