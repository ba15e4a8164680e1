#include "files/puzzlefile.h"
#include "files/puzzleforms.h"
#include "files/puzzletext.h"
#include "filewords.h"
#include "form1.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTimer>

namespace {

// The one local file a drag carries, or an empty name for anything else: text,
// several files, a web address.
QString draggedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

// Ctrl+Shift+V and Ctrl+Shift+C work wherever the focus stands in the window; plain
// Ctrl+V and Ctrl+C keep their meaning in a box. Only the window takes drops: a text
// dropped into a box would slip past the guard on givens and the checking of typed
// digits, so the boxes take none, and a file dropped on a box lands on the window.
void Form1::createTransfer()
{
    const auto shortcut
        = [this](const QString &text, const QKeySequence &keys, void (Form1::*command)()) {
              auto *action = new QAction(text, this);
              action->setShortcut(keys);
              action->setShortcutContext(Qt::WindowShortcut);
              connect(action, &QAction::triggered, this, command);
              addAction(action);
          };
    shortcut(tr("Paste Puzzle"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
             &Form1::pastePuzzle);
    shortcut(tr("Copy Puzzle"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &Form1::copyPuzzle);

    setAcceptDrops(true);
    for (int index = 0; index <= 80; ++index) {
        Row1[index]->setAcceptDrops(false);
        txtNos[index]->setAcceptDrops(false);
    }
}

// The clipboard's text is read as a file's would be, and its puzzle loads as Get File
// loads one: a clean board, its givens yellow, then Solve.
void Form1::pastePuzzle()
{
    if (m_loading)
        return;
    QScopedValueRollback<bool> loading(m_loading, true);
    // A program that holds the clipboard but never answers keeps Qt waiting (on X11, 5
    // seconds for each question). Asking first what it offers at all keeps that to one
    // wait, and the time taken tells a silent clipboard from an empty one.
    QElapsedTimer asked;
    asked.start();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    const QString text = data && !data->formats().isEmpty() ? data->text() : QString();
    if (text.isEmpty() && asked.elapsed() >= 2000) {
        MsgBox(FileWords::clipboardSilent(qRound(asked.elapsed() / 1000.0)));
        return;
    }
    // No puzzle is longer than a puzzle file may be; a huge clipboard is not read through.
    PuzzleText::Reading reading;
    if (text.size() > PuzzleFile::MaxFileSize) {
        PuzzleText::Problem tooLarge;
        tooLarge.kind = PuzzleText::Problem::TooLarge;
        reading.refusal.problems << tooLarge;
    } else {
        reading = PuzzleText::read(text);
    }
    if (!reading.refusal.isEmpty()) {
        MsgBox(FileWords::clipboardRefusal(reading.refusal));
        return;
    }
    loadPuzzle(reading);
}

void Form1::copyPuzzle()
{
    QStringList texts;
    for (const QLineEdit *box : Row1)
        texts << box->text();
    QList<int> refused;
    const QString line = PuzzleForms::toLine(texts, &refused);
    if (refused.isEmpty()) {
        QGuiApplication::clipboard()->setText(line);
        return;
    }
    for (int &index : refused)
        ++index; // its cell number
    MsgBox(FileWords::copyRefusal(refused, texts));
}

// While a file loads, the window takes no drop: the cursor says so.
void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_loading && !draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dragMoveEvent(QDragMoveEvent *event)
{
    if (!m_loading && !draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// The file loads once the drop is over, so the program it came from is not kept
// waiting while Solve's messages are up.
void Form1::dropEvent(QDropEvent *event)
{
    const QString fileName = draggedFile(event->mimeData());
    if (fileName.isEmpty())
        return;
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, fileName] { loadPuzzleFile(fileName); });
}
