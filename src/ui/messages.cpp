#include "form1.h"

#include <QLabel>
#include <QMessageBox>

void Form1::MsgBox(const QString &text, QWidget *over)
{
    if (msgBoxHook) {
        msgBoxHook(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(AppTitle), text, QMessageBox::Ok,
                    over ? over : this);
    box.setTextFormat(Qt::PlainText);
    // The lines are joined by a bare carriage return, which a screen reader does not
    // take for a break: it would read "Solved" and "Now" as one word.
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    box.exec();
}
