#include "state/colours.h"
#include "ui/form1.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace {

// The character code a key press gives the box, or -1 for keys that give none (arrows,
// Delete, Tab, Shift, ...). Control combinations give their control character, so
// Ctrl+V arrives as 22 whatever text the platform attached to the event. Any other
// printable character counts only when the box takes it as typed text, by the rule
// QLineEdit follows: a Ctrl or Ctrl+Shift chord (Ctrl+1, say) inserts nothing.
int characterCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((modifiers & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    if (text.isEmpty())
        return -1;
    const QChar c = text.at(0);
    // Backspace, Enter, Escape and the like reach the handler whatever the box does.
    if (c.unicode() < 0x20)
        return c.unicode();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return -1;
    if (!c.isPrint() && c.category() != QChar::Other_Format
        && c.category() != QChar::Other_PrivateUse
        && !(c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate()))
        return -1;
    return c.unicode();
}

} // namespace

// Every key press in a puzzle box comes here before the box takes its character.
// The handler never keeps the character from the box.
bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::InputMethod)
        return QMainWindow::eventFilter(watched, event);
    if (type == QEvent::KeyPress
        && moveInCandidateGrid(watched, static_cast<QKeyEvent *>(event)->key()))
        return true;
    const auto found = std::find(Row1.cbegin(), Row1.cend(), watched);
    if (found == Row1.cend())
        return QMainWindow::eventFilter(watched, event);

    const int index = static_cast<int>(found - Row1.cbegin());
    if (type == QEvent::InputMethod) {
        // Text an input method commits (a compose sequence, a dead key, an input-method
        // editor) is typed too: each of its characters goes through the handler.
        const QString committed = static_cast<QInputMethodEvent *>(event)->commitString();
        for (qsizetype at = 0; at < committed.size(); ++at) {
            Row1_KeyPress(index, committed.at(at).unicode());
            if (committed.at(at).isHighSurrogate() && at + 1 < committed.size()
                && committed.at(at + 1).isLowSurrogate())
                ++at;
        }
        return QMainWindow::eventFilter(watched, event);
    }
    auto *keyEvent = static_cast<QKeyEvent *>(event);
    if (moveFocus(Row1, index, keyEvent->key()))
        return true;
    const int code = characterCode(keyEvent);
    if (code >= 0 && code <= 0xFFFF)
        Row1_KeyPress(index, code);
    return QMainWindow::eventFilter(watched, event);
}

// A given refuses every key with a message. Once the puzzle is solved, a typed digit
// colours its box by the hidden solution, and every key runs the completion check.
void Form1::Row1_KeyPress(int index, int keyAscii)
{
    if (backColor(Row1[index]) == Colour::Yellow) {
        MsgBox(tr("This is Already a Number\rTry Another one"));
        return;
    }
    if (!Solved)
        return;
    if (keyAscii >= '1' && keyAscii <= '9') {
        const int digit = keyAscii - '0';
        const char *colour
            = CellValue[index + 1] == digit ? Colour::PaleGreenText : Colour::LightOrangeText;
        setBackColor(Row1[index], colourFromText(QLatin1String(colour)));
    }
    Check_Corr();
}

// Congratulates the player once every box is a given or a right digit.
void Form1::Check_Corr()
{
    const int paleGreen = colourFromText(QLatin1String(Colour::PaleGreenText));
    for (CellNo = 0; CellNo <= 80; ++CellNo) {
        const int colour = backColor(Row1[CellNo]);
        if (colour != Colour::Yellow && colour != paleGreen)
            return;
    }
    MsgBox(tr("Congratulations\rYou have Solved it\r\rYou are a Star ! ! !"));
}
