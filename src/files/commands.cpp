#include "commondialog.h"
#include "puzzlefile.h"
#include "puzzleforms.h"
#include "state/colours.h"
#include "state/value.h"
#include "ui/celllist.h"
#include "ui/form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>

namespace {

QString fileProblem(const char *what, const QString &fileName, const QString &problem)
{
    return QStringLiteral("Varnodel could not %1 the file\r%2\r\r%3")
        .arg(QLatin1String(what), CellList::shortPath(QDir::toNativeSeparators(fileName)), problem);
}

// A puzzle takes one digit or nothing in a cell; a file with anything else (a letter,
// the help file) is no puzzle, and loading it would only wipe the grid for a Solve that
// must refuse it. Names the first such items by the line they stand on.
QString unusableItems(const PuzzleFile::ReadResult &result)
{
    QStringList lines;
    for (qsizetype k = 0; k < result.items.size(); ++k)
        if (!isCellText(result.items.at(k)))
            lines << QStringLiteral("Line %1 holds %2")
                         .arg(result.lines.at(k))
                         .arg(CellList::quoted(result.items.at(k)));
    if (lines.isEmpty())
        return QString();
    lines = CellList::capped(lines);
    lines.prepend(QStringLiteral("It is not a puzzle: a cell takes one digit, or nothing."));
    return lines.join(QLatin1Char('\r'));
}

} // namespace

// Reads and checks the whole file before anything in the window changes, so a file
// that cannot be loaded leaves the grid exactly as it was.
bool Form1::readPuzzleFile(const QString &fileName, QStringList &items)
{
    const QFileInfo info(fileName);
    QString problem;
    QFile file(fileName);
    if (!info.exists()) {
        problem = QStringLiteral("There is no such file.");
    } else if (info.isDir()) {
        problem = QStringLiteral("It is a folder, not a puzzle file.");
    } else if (info.size() > PuzzleFile::MaxFileSize) {
        problem = QStringLiteral("It is too large to be a puzzle file.");
    } else if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("It could not be opened: %1").arg(file.errorString());
    } else {
        const QByteArray bytes = file.read(PuzzleFile::MaxFileSize + 1);
        if (file.error() != QFileDevice::NoError) {
            problem = QStringLiteral("It could not be read: %1").arg(file.errorString());
        } else if (bytes.size() > PuzzleFile::MaxFileSize) {
            problem = QStringLiteral("It is too large to be a puzzle file.");
        } else {
            PuzzleFile::ReadResult result = PuzzleForms::read(bytes);
            problem = result.ok() ? unusableItems(result) : result.error;
            items = result.items;
        }
    }
    if (problem.isEmpty())
        return true;
    MsgBox(fileProblem("load", fileName, problem));
    return false;
}

void Form1::cmdGet_Click()
{
    CommonDialog1->InitDir = QCoreApplication::applicationDirPath();
    if (!CommonDialog1->ShowOpen())
        return;
    loadPuzzleFile(CommonDialog1->FileName);
}

// Loads a puzzle box by box, marks every filled box as a given, and solves it.
void Form1::loadPuzzleFile(const QString &fileName)
{
    QStringList items;
    if (!readPuzzleFile(fileName, items))
        return;

    Solved = 0;
    // The shared counter follows the load box by box, but the load keeps its own place:
    // whatever runs during a yield may leave the counter anywhere.
    for (int box = 0; box <= 80; ++box) {
        CellNo = box;
        Row1[box]->setText(items.at(box));
        txtNos[box]->setText(QStringLiteral("123456789"));
        txtNos[box]->setCursorPosition(0);
        // The grid fills visibly box by box; the player's clicks wait until the load
        // is done, so no other command runs in the middle of it.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        CellNo = box;
        // A box the file leaves open starts plain, as after Clear: a colour kept from the
        // last puzzle would make it count as a given or a right digit in this one.
        setBackColor(Row1[box], Row1[box]->text().isEmpty() ? Colour::White : Colour::Yellow);
    }
    CellNo = 81;
    cmdSolve_Click();
}

// Writes the 81 box texts, one to a line. The file is replaced only once every byte
// is written, so a failed save never leaves a broken file behind.
void Form1::cmdSave_Click()
{
    CommonDialog1->InitDir = QCoreApplication::applicationDirPath();
    if (!CommonDialog1->ShowSave())
        return;

    QStringList texts;
    for (CellNo = 0; CellNo <= 80; ++CellNo)
        texts << Row1[CellNo]->text();

    const QString fileName = CommonDialog1->FileName;
    QSaveFile file(fileName);
    const QByteArray bytes = PuzzleFile::write(texts);
    if (QFileInfo(fileName).isDir()) {
        MsgBox(fileProblem("save", fileName, QStringLiteral("It is a folder.")));
        return;
    }
    // Unbuffered, so that a failing write is seen by commit(), which then keeps the old
    // file; a buffered write that failed only while flushing would still be renamed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || file.write(bytes) != bytes.size() || !file.commit())
        MsgBox(fileProblem("save", fileName, file.errorString()));
}
