#include "filewords.h"
#include "celllist.h"

#include <QCoreApplication>
#include <QDir>
#include <cstring>

namespace FileWords {

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(FileWords)
};

// The system's own words for an error number, such as "No space left on device".
QString systemReason(int error)
{
    char buffer[256];
    return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
}

QString notRegular(FileProblem::Type type)
{
    switch (type) {
    case FileProblem::Folder:
        return Words::tr("It is a folder, not a puzzle file.");
    case FileProblem::Fifo:
        return Words::tr("It is a FIFO (named pipe), not a puzzle file.");
    case FileProblem::CharacterDevice:
        return Words::tr("It is a character device, not a puzzle file.");
    case FileProblem::BlockDevice:
        return Words::tr("It is a block device, not a puzzle file.");
    case FileProblem::Socket:
        return Words::tr("It is a socket, not a puzzle file.");
    case FileProblem::OtherType:
        break;
    }
    return Words::tr("It is no regular file, not a puzzle file.");
}

// Where in a text, to open a sentence or within one.
QString where(const PuzzleText::Spot &at, bool opening)
{
    //: A place in a text, opening a line: "Line 5, character 9: ..." (%1 the line,
    //: %2 the character's place in it); the lower-case forms stand inside a sentence.
    if (at.column > 0)
        return (opening ? Words::tr("Line %1, character %2") : Words::tr("line %1, character %2"))
            .arg(at.line)
            .arg(at.column);
    return (opening ? Words::tr("Line %1") : Words::tr("line %1")).arg(at.line);
}

// The mark of an open cell, within a sentence.
QString named(QChar c)
{
    //: How a mark of an open cell is named inside a sentence: an empty field between two
    //: separators, a blank, or the character itself in quotes.
    if (c.isNull())
        return Words::tr("an empty field");
    if (c.isSpace())
        return Words::tr("a blank");
    return Words::tr("\"%1\"", "a character of the text").arg(c);
}

QString problem(const PuzzleText::Problem &problem)
{
    using P = PuzzleText::Problem;
    const int line = problem.at.line;
    switch (problem.kind) {
    case P::None:
        break;
    case P::Empty:
        return Words::tr("It is empty.");
    case P::TooLarge:
        return Words::tr("It is too large to be a puzzle.");
    case P::OwnFile:
        return readError(problem.own);
    case P::UnreadItems:
        return Words::tr("It holds %n items, separated by commas and line ends, where a puzzle "
                         "file holds 81; item %1, on line %2, would be left unread.",
                         nullptr, problem.count)
            .arg(problem.count2)
            .arg(line);
    case P::FieldTooLong:
        //: %1 a place ("Line 5, character 9"), %2 a character of the text.
        return Words::tr("%1: \"%2\" does not fit, for a cell takes one character.")
            .arg(where(problem.at, true), problem.at.c);
    case P::SeparatedCount:
        if (problem.at.c == u'\t')
            return Words::tr("Line %1 holds %n cells separated by tabs, where a row holds nine.",
                             nullptr, problem.count)
                .arg(line);
        //: %2 the separator: a comma or a semicolon.
        return Words::tr("Line %1 holds %n cells separated by \"%2\", where a row holds nine.",
                         nullptr, problem.count)
            .arg(line)
            .arg(problem.at.c);
    case P::CellCount:
        return Words::tr("Line %1 holds %n cells, where a row holds nine and a puzzle on one "
                         "line 81.",
                         nullptr, problem.count)
            .arg(line);
    case P::RowWidth:
        return Words::tr("Line %1 is %n characters wide, where a row with blanks for open cells "
                         "is nine.",
                         nullptr, problem.count)
            .arg(line);
    case P::TwoMarks:
        //: %1 and %3 places ("Line 1, character 3", "line 2, character 2"), %2 and %4 the
        //: marks found there ("\"-\"", "an empty field", "a blank").
        return Words::tr("%1: %2 marks an open cell, where %3 marks one with %4; a grid marks its "
                         "open cells one way.")
            .arg(where(problem.at, true), named(problem.at.c), where(problem.other, false),
                 named(problem.other.c));
    case P::BreaksIntoGrid:
        return Words::tr("Line %1 breaks into the grid that starts on line %2, after %3 of its "
                         "nine rows.")
            .arg(line)
            .arg(problem.other.line)
            .arg(problem.count);
    case P::FieldCount:
        return Words::tr("Line %1 holds %n fields, where line %2 holds %3; the rows of a grid "
                         "end alike.",
                         nullptr, problem.count)
            .arg(line)
            .arg(problem.other.line)
            .arg(problem.count2);
    case P::ShortGrid:
        return Words::tr("The grid that starts on line %1 holds only %2 of its nine rows.")
            .arg(line)
            .arg(problem.count);
    case P::JsonSyntax:
        //: %1 a place ("Line 5, character 9"), %2 the JSON parser's own message.
        return Words::tr("%1: the JSON array does not go on here (%2).")
            .arg(where(problem.at, true), problem.text);
    case P::JsonShape:
        return Words::tr("It is JSON, but no array of nine rows of nine numbers 0 to 9, nor of "
                         "81 (0 or null for an open cell).");
    case P::XmlData:
        return Words::tr("Line %1: the game's data holds %n characters, where a puzzle takes 81 "
                         "digits, 0 for an open cell.",
                         nullptr, problem.count)
            .arg(line);
    case P::XmlSyntax:
        //: %1 a place ("Line 5, character 9"), %2 the XML parser's own message.
        return Words::tr("%1: the XML does not go on here (%2).")
            .arg(where(problem.at, true), problem.text);
    case P::XmlNoGame:
        return Words::tr("It is XML, but holds no OpenSudoku game.");
    }
    return QString();
}

// Each box named by its cell number and text.
QStringList cellLines(const QList<int> &cells, const QStringList &texts)
{
    QStringList lines;
    for (int cell : cells)
        lines << CellList::cellLine(cell, texts.value(cell - 1));
    return lines;
}

} // namespace

QString problem(const FileProblem &problem)
{
    switch (problem.kind) {
    case FileProblem::None:
        break;
    case FileProblem::NoSuchFile:
        return Words::tr("There is no such file.");
    //: %1 the system's own words for what went wrong, such as "Permission denied".
    case FileProblem::CouldNotOpen:
        return Words::tr("It could not be opened: %1").arg(systemReason(problem.error));
    case FileProblem::CouldNotRead:
        return Words::tr("It could not be read: %1").arg(systemReason(problem.error));
    case FileProblem::CouldNotCreate:
        return Words::tr("It could not be created: %1").arg(systemReason(problem.error));
    case FileProblem::CouldNotWrite:
        return Words::tr("It could not be written: %1").arg(systemReason(problem.error));
    case FileProblem::OldBytesLost:
        return Words::tr("It could not be written: %1. Its old bytes could not all be put back.")
            .arg(systemReason(problem.error));
    case FileProblem::NotRegular:
        return notRegular(problem.type);
    case FileProblem::TooLarge:
        return Words::tr("It is too large to be a puzzle file.");
    case FileProblem::Leftover:
        //: %1 the name of the file the interrupted save was writing.
        return Words::tr("It is what an interrupted save of %1 left behind, not a puzzle file; "
                         "the next save of that file removes it.")
            .arg(problem.name);
    case FileProblem::NoAnswer:
        return Words::tr("It did not answer within %n seconds, so Varnodel gave up on it.", nullptr,
                         problem.seconds);
    case FileProblem::NotSavedInTime:
        return Words::tr("It did not answer within %n seconds; the puzzle was not saved.", nullptr,
                         problem.seconds);
    case FileProblem::StoppedWhileWriting:
        return Words::tr("It stopped answering while the puzzle was being written into it, and "
                         "did not answer within %n seconds. If it answers again while Varnodel "
                         "runs, it then holds either what it held before or the whole puzzle.",
                         nullptr, problem.seconds);
    case FileProblem::ReplacedMeanwhile:
        return Words::tr("It was replaced, or changed owner, while Varnodel was saving it; it "
                         "was left alone.");
    case FileProblem::SetIdBits:
        return Words::tr("Saving it would clear its set-user-ID or set-group-ID bit, which only "
                         "its owner may set again.");
    case FileProblem::Capabilities:
        return Words::tr("Saving it would clear its file capabilities, which only an "
                         "administrator may set again.");
    case FileProblem::CapabilitiesNotSet:
        return Words::tr("It was saved, but its file capabilities could not be set again: %1")
            .arg(systemReason(problem.error));
    case FileProblem::PermissionsChanged:
        //: %1 and %2 the file's permissions as octal numbers, such as 0644.
        return Words::tr("It was saved, but its permissions changed from %1 to %2.")
            .arg(problem.oldMode, 4, 8, QLatin1Char('0'))
            .arg(problem.newMode, 4, 8, QLatin1Char('0'));
    }
    return QString();
}

QString loadFailed(const QString &fileName, const QString &why)
{
    //: A message of several lines: %1 the file's name, %2 why it could not be loaded.
    return Words::tr("Varnodel could not load the file\r%1\r\r%2")
        .arg(CellList::shortPath(QDir::toNativeSeparators(fileName)), why);
}

QString saveFailed(const QString &fileName, const QString &why)
{
    //: A message of several lines: %1 the file's name, %2 why it could not be saved.
    return Words::tr("Varnodel could not save the file\r%1\r\r%2")
        .arg(CellList::shortPath(QDir::toNativeSeparators(fileName)), why);
}

QString refusal(const PuzzleText::Refusal &refusal)
{
    if (!refusal.unusable.isEmpty()) {
        QStringList lines;
        for (const PuzzleText::Item &item : refusal.unusable)
            //: %1 a line of the file, %2 its text in quotes.
            lines << Words::tr("Line %1 holds %2").arg(item.line).arg(CellList::quoted(item.text));
        return CellList::refusal(
            Words::tr("It is not a puzzle: a cell takes one digit, or nothing."), lines);
    }
    QStringList lines;
    for (const PuzzleText::Problem &each : refusal.problems)
        lines << problem(each);
    QString text = lines.join(u'\r');
    if (refusal.forms)
        text += QStringLiteral("\r\r") + formsText();
    return text;
}

QString readError(const PuzzleFile::ReadError &error)
{
    switch (error.kind) {
    case PuzzleFile::ReadError::None:
        break;
    case PuzzleFile::ReadError::Empty:
        return Words::tr("The file is empty.");
    case PuzzleFile::ReadError::TooFewCells:
        return Words::tr("It holds only %1 of the 81 cells a puzzle file needs.").arg(error.cell);
    case PuzzleFile::ReadError::UnclosedQuote:
        return Words::tr("Cell %1 opens a quote that is never closed.").arg(error.cell);
    case PuzzleFile::ReadError::LongItem:
        return Words::tr("Cell %1 holds more than %2 characters.")
            .arg(error.cell)
            .arg(PuzzleFile::MaxItemLength);
    }
    return QString();
}

QString formsText()
{
    return Words::tr("Varnodel reads its own puzzle file, 81 lines of one cell each, or a grid of "
                     "81 cells, row by row: one line of 81 characters or nine lines of nine, a "
                     "digit for a given and one mark, such as . or 0, for an open cell; rows may "
                     "be drawn, or separated by commas, semicolons or tabs. It also reads .sdk "
                     "files, 9×9 JSON arrays and OpenSudoku files.");
}

QString saveRefusal(const QList<int> &cells, const QStringList &texts)
{
    return CellList::refusal(Words::tr("A puzzle file keeps one digit a cell, or nothing."),
                             cellLines(cells, texts),
                             Words::tr("Correct these cells and click Save File again."));
}

QString copyRefusal(const QList<int> &cells, const QStringList &texts)
{
    return CellList::refusal(Words::tr("Only digits 1 to 9 and empty cells can be copied."),
                             cellLines(cells, texts),
                             Words::tr("Correct these cells and copy again."));
}

QString clipboardRefusal(const PuzzleText::Refusal &refusal)
{
    //: %1 why: one or more lines about the clipboard's text.
    return Words::tr("The clipboard holds no puzzle.\r\r%1").arg(FileWords::refusal(refusal));
}

QString clipboardSilent(int seconds)
{
    return Words::tr("The clipboard did not answer: Varnodel waited %n seconds for the program "
                     "that holds it.",
                     nullptr, seconds);
}

} // namespace FileWords
