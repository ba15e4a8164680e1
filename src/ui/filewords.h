#pragma once

#include "files/fileproblem.h"
#include "files/puzzletext.h"

#include <QList>
#include <QString>
#include <QStringList>

// The words for what the file commands, the puzzle reader and the clipboard found: every
// sentence of theirs that the player reads is made here, whole, through tr().
namespace FileWords {

// What went wrong with a file.
QString problem(const FileProblem &problem);

// The whole message of a load or a save that failed: the file's name, then why.
QString loadFailed(const QString &fileName, const QString &why);
QString saveFailed(const QString &fileName, const QString &why);

// Why a text holds no puzzle: its problems, a line each, then perhaps the forms Varnodel
// reads.
QString refusal(const PuzzleText::Refusal &refusal);

// Why a file holds no 81 items.
QString readError(const PuzzleFile::ReadError &error);

// The forms Varnodel reads, as a refusal ends.
QString formsText();

// The boxes Save File or Copy Puzzle refuses, by cell number (1 to 81), each with its
// text of the 81, then what to do.
QString saveRefusal(const QList<int> &cells, const QStringList &texts);
QString copyRefusal(const QList<int> &cells, const QStringList &texts);

// Why Paste Puzzle loads nothing.
QString clipboardRefusal(const PuzzleText::Refusal &refusal);
QString clipboardSilent(int seconds);

} // namespace FileWords
