#include "celllist.h"
#include "files/commondialog.h"
#include "form1.h"

#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace {

// How long after a file dialog closes a message may open.
constexpr qint64 MessageAfterDialog = 400;

} // namespace

void Form1::MsgBox(const QString &text, QWidget *over)
{
    if (msgBoxHook) {
        msgBoxHook(text);
        return;
    }
    // A screen reader (Orca) still busy with the key that closed a file dialog takes a
    // window that opens meanwhile for one it has already read, and never reads it: a
    // message that follows a dialog at once waits until that key is well behind it.
    const qint64 sinceDialog
        = CommonDialog1 ? CommonDialog1->msecsSinceClosed() : MessageAfterDialog;
    if (sinceDialog < MessageAfterDialog) {
        QEventLoop wait;
        QTimer::singleShot(int(MessageAfterDialog - sinceDialog), &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
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

// Names the boxes whose text is not a single digit, or returns an empty text when all
// 81 can be taken. Such a text could come from typing or from a puzzle file.
QString Form1::unusableTexts() const
{
    QStringList texts;
    for (const QLineEdit *box : Row1)
        texts << box->text();
    return CellList::refusal(tr("A cell takes one digit, or nothing."),
                             CellList::unusableCells(texts),
                             tr("Correct these cells and click Solve again."));
}
