#include "carefulsave.h"
#include "commondialog.h"
#include "fileread.h"
#include "puzzlechooser.h"
#include "puzzlefile.h"
#include "puzzletext.h"
#include "savecheck.h"
#include "state/colours.h"
#include "ui/filewords.h"
#include "ui/form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <memory>
#include <unistd.h>

namespace {

// Save File starts where the user can save: the program's folder (beside the sample
// puzzles) when it is writable, as it is in a build; an installed program's folder is
// not, so then the documents folder, or the home folder when there is none.
QString saveFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (::access(QFile::encodeName(programFolder).constData(), W_OK) == 0)
        return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// A save waits longer than a load: making sure the bytes are on the disk may take a
// moment on a slow but working one.
constexpr int SaveWaitMs = 5000;

QString saveFailed(const QString &fileName, FileProblem::Kind kind, int waitedMs)
{
    return FileWords::saveFailed(fileName, FileWords::problem(FileProblem::waited(kind, waitedMs)));
}

} // namespace

void Form1::cmdGet_Click()
{
    CommonDialog1->InitDir = QCoreApplication::applicationDirPath();
    if (!CommonDialog1->ShowOpen())
        return;
    if (CommonDialog1->NoAnswer)
        MsgBox(FileWords::loadFailed(CommonDialog1->FileName,
                                     FileWords::problem(FileRead::noAnswer())));
    else
        loadPuzzleFile(CommonDialog1->FileName);
}

// Reads and checks the whole file before anything in the window changes, so a file
// that cannot be loaded leaves the grid exactly as it was.
void Form1::loadPuzzleFile(const QString &fileName)
{
    // A load's waits let timers and drops through, but never a second load: two files
    // filling the grid by turns would leave a puzzle that is neither.
    if (m_loading)
        return;
    QScopedValueRollback<bool> loading(m_loading, true);
    const FileRead::Result file = FileRead::readRegularFile(fileName, PuzzleFile::MaxFileSize);
    PuzzleText::Reading reading;
    if (file.problem.isEmpty())
        reading = PuzzleText::read(PuzzleText::decode(file.bytes));
    if (!file.problem.isEmpty() || !reading.refusal.isEmpty()) {
        MsgBox(FileWords::loadFailed(fileName,
                                     file.problem.isEmpty() ? FileWords::refusal(reading.refusal)
                                                            : FileWords::problem(file.problem)));
        return;
    }
    loadPuzzle(reading);
}

// Loads a puzzle box by box, marks every filled box as a given, and solves it; of a
// collection, the one the player chooses.
void Form1::loadPuzzle(const PuzzleText::Reading &reading)
{
    int chosen = 0;
    if (reading.puzzles.size() > 1) {
        QStringList labels;
        labels.reserve(reading.puzzles.size());
        for (const PuzzleText::Puzzle &puzzle : reading.puzzles)
            labels << puzzle.label;
        chosen = chooserHook ? chooserHook(labels)
                             : PuzzleChooser::choose(this, QString::fromLatin1(AppTitle), labels);
        if (chosen < 0 || chosen >= reading.puzzles.size())
            return;
    }
    const QStringList items = reading.puzzles.at(chosen).cells();

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
    m_loading = false;
    cmdSolve_Click();
}

// Writes the 81 box texts, one to a line, once it is sure they will load back as they
// are. The file keeps everything but its bytes, and a failed save leaves the old ones.
void Form1::cmdSave_Click()
{
    // The window takes input while a save waits for its file; a second save waits for none.
    if (m_saving)
        return;
    QStringList texts;
    for (CellNo = 0; CellNo <= 80; ++CellNo)
        texts << Row1[CellNo]->text();
    const QList<int> refused = PuzzleFile::saveRefusal(texts);
    if (!refused.isEmpty()) {
        MsgBox(FileWords::saveRefusal(refused, texts));
        return;
    }

    CommonDialog1->InitDir = saveFolder();
    if (!CommonDialog1->ShowSave())
        return;
    const QString fileName = CommonDialog1->FileName;
    if (CommonDialog1->NoAnswer) {
        MsgBox(saveFailed(fileName, FileProblem::NotSavedInTime, FileRead::MaxWaitMs));
        return;
    }
    // The file is written on a thread of its own, so that a file system that stops
    // answering (a dead network mount) cannot freeze the window, which meanwhile goes on
    // taking input (Quit above all) as the bytes to write are already taken. The window
    // gives up on the file after a few seconds; from then on the save changes nothing,
    // unless a change had already begun, which then either lands whole or not at all.
    auto watch = std::make_shared<CarefulSave::Watch>();
    QScopedValueRollback<bool> saving(m_saving, true);
    const std::optional<FileProblem> problem = FileRead::answerWithin<FileProblem>(
        SaveWaitMs,
        [watch, fileName, bytes = PuzzleFile::write(texts)] {
            return CarefulSave::save(fileName, bytes, *watch);
        },
        true);
    m_saving = false;
    if (problem && !problem->isEmpty())
        MsgBox(FileWords::saveFailed(fileName, FileWords::problem(*problem)));
    if (problem)
        return;
    switch (watch->giveUp()) {
    case CarefulSave::Watch::Changed:
        break;
    case CarefulSave::Watch::GivenUpWhileChanging:
        MsgBox(saveFailed(fileName, FileProblem::StoppedWhileWriting, SaveWaitMs));
        break;
    default:
        MsgBox(saveFailed(fileName, FileProblem::NotSavedInTime, SaveWaitMs));
    }
}
