#include "form1.h"

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
    box.exec();
}
