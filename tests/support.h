#pragma once

// Helpers shared by the tests: filling and reading the grid, catching messages, and
// answering real message boxes as a player would.

#include "state/colours.h"
#include "ui/form1.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

// A grid as 81 characters, row by row: a digit, or '.' for an empty box.
inline void setGrid(Form1 &form, const QString &cells)
{
    for (int i = 0; i < 81; ++i) {
        const QChar c = i < cells.size() ? cells.at(i) : QChar(u'.');
        form.Row1[i]->setText(c == u'.' ? QString() : QString(c));
    }
}

// The bytes of a puzzle file for an 81-character grid, one CR LF line a box.
inline QByteArray puzzleFileBytes(const QString &cells)
{
    QByteArray bytes;
    for (QChar c : cells)
        bytes += (c == u'.' ? QByteArray() : QByteArray(1, char(c.unicode()))) + "\r\n";
    return bytes;
}

inline bool writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Nine lines of nine characters, so a failed comparison shows the wrong row.
template<typename CellText> QString nineLines(CellText cellText)
{
    QString out;
    for (int i = 0; i < 81; ++i) {
        const QString t = cellText(i);
        out += t.isEmpty() ? QStringLiteral(".") : t;
        if (i % 9 == 8 && i < 80)
            out += u'\n';
    }
    return out;
}

inline QString rows(const QString &cells81)
{
    return nineLines([&](int i) {
        return cells81.mid(i, 1) == QLatin1String(".") ? QString() : cells81.mid(i, 1);
    });
}

inline QString boxTexts(const Form1 &form)
{
    return nineLines([&](int i) { return form.Row1[i]->text(); });
}

inline QString cellValues(const Form1 &form)
{
    return nineLines([&](int i) { return form.CellValue[i + 1].toText(); });
}

// One letter a box: Y yellow, G pale green, O light orange, W white, - the default
// background, ? anything else.
inline QString boxColours(const Form1 &form)
{
    return nineLines([&](int i) {
        if (!form.Row1[i]->palette().isBrushSet(QPalette::Active, QPalette::Base))
            return QStringLiteral("-");
        switch (backColor(form.Row1[i])) {
        case 0x00FFFF:
            return QStringLiteral("Y");
        case 0xC0FFC0:
            return QStringLiteral("G");
        case 0xC0E0FF:
            return QStringLiteral("O");
        case 0xFFFFFF:
            return QStringLiteral("W");
        default:
            return QStringLiteral("?");
        }
    });
}

// The candidates of a cell as the engine would list them.
inline QString candidates(const Form1 &form, int cell)
{
    QString s;
    for (int d = 1; d <= 9; ++d)
        s += form.Candidate[cell][d].toText();
    return s;
}

// The promises the state keeps from the end of a solve until the next Solve or Clear:
// a filled cell's one candidate is its own digit (none for a given 0), and an open
// cell's candidates sit in their own columns. Returns what is broken, or nothing.
inline QString solveInvariantBroken(const Form1 &form)
{
    for (int k = 1; k <= 81; ++k) {
        const Value &value = form.CellValue[k];
        int entries = 0;
        for (int d = 1; d <= 9; ++d) {
            const Value &v = form.Candidate[k][d];
            if (v.isEmpty())
                continue;
            ++entries;
            if (v != d)
                return QStringLiteral("cell %1 holds %2 in column %3").arg(k).arg(v.toInt()).arg(d);
            if (!value.isEmpty() && value != d)
                return QStringLiteral("filled cell %1 keeps candidate %2").arg(k).arg(d);
        }
        if (!value.isEmpty() && entries != (value == 0 ? 0 : 1))
            return QStringLiteral("filled cell %1 has %2 candidates").arg(k).arg(entries);
    }
    return QString();
}

// What must hold after any command, at any time: every box shows one of the program's
// colours or the default, the candidate boxes are all shown or all hidden, and every
// counter is in its range. Returns what is broken, or nothing.
inline QString windowInvariantBroken(const Form1 &form)
{
    for (int i = 0; i < 81; ++i) {
        const QLineEdit *box = form.Row1[i];
        const int colour = backColor(box);
        if (box->palette().isBrushSet(QPalette::Active, QPalette::Base) && colour != 0x00FFFF
            && colour != 0xC0FFC0 && colour != 0xC0E0FF && colour != 0xFFFFFF)
            return QStringLiteral("box %1 has colour %2").arg(i).arg(colour, 6, 16);
        if (form.txtNos[i]->isHidden() != form.txtNos[0]->isHidden())
            return QStringLiteral("candidate box %1 differs from box 0").arg(i);
    }
    const auto within = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    if (!within(form.CellNo, 0, 82) || !within(form.DigitNo, 0, 81) || !within(form.DigitNo2, 0, 10)
        || !within(form.RowBase, 0, 81) || !within(form.BoxCol, 0, 9))
        return QStringLiteral("a loop counter is out of range");
    if (form.PassState != 0 && form.PassState != 1 && form.PassState != 82)
        return QStringLiteral("PassState is %1").arg(form.PassState);
    if (!within(form.LastFilled, 0, 81) || !within(form.FilledCount, 0, 81)
        || !within(form.CandCount, 0, 9))
        return QStringLiteral("a count is out of range");
    if (form.Solved != 0 && form.Solved != -1)
        return QStringLiteral("Solved is %1").arg(form.Solved);
    for (int k = 1; k <= 81; ++k)
        if (!form.CellValue[k].isEmpty() && !within(form.CellValue[k].toInt(), 0, 9))
            return QStringLiteral("cell %1 holds %2").arg(k).arg(form.CellValue[k].toInt());
    return QString();
}

// Sends every message to a list instead of a real box.
inline void catchMessages(Form1 &form, QStringList &log)
{
    form.msgBoxHook = [&log](const QString &text) { log << text; };
}

// Answers real message boxes: a repeating timer finds each modal box as it opens,
// records what it shows and presses its OK button.
class BoxAnswerer : public QObject
{
public:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        int buttonCount;
        bool hasOk;
        QSize size;
        QSize screen;
    };
    QList<Seen> seen;

    BoxAnswerer()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen << Seen{box->windowTitle(),
                         box->text(),
                         box->icon(),
                         static_cast<int>(box->buttons().size()),
                         box->button(QMessageBox::Ok) != nullptr,
                         box->frameGeometry().size(),
                         box->screen()->availableGeometry().size()};
            if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->close();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

// Two puzzles from an independent generator, with their solutions: one that ruling out
// and single candidates alone solve, one that needs more.
inline const QString simplePuzzle = QStringLiteral(
    ".71......28.....9.9...5.....93......7.8.3....5..72...93...916...6.3...2..1...298.");
inline const QString simpleSolution = QStringLiteral(
    "671983254285417396934256718193645872728139465546728139352891647869374521417562983");
inline const QString hardPuzzle = QStringLiteral(
    "1.9....4.7..4.92.....71.35......6...3..........2.4.....2..5..9....69...4.4.2..6.7");
inline const QString hardSolution = QStringLiteral(
    "189325746753469218264718359418576932396182475572943861627854193831697524945231687");

inline const QString solvedMessage
    = QStringLiteral("Solved\r\rNow you can enter a number and see if it is correct");
inline const QString guidanceMessage = QStringLiteral(
    "This one is not so simple\rLook at the possible numbers\rWork out a number thah must "
    "fit\rAnd Click Solved.\r\rDo this until it is solved");
