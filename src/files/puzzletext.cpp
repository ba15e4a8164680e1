#include "puzzletext.h"
#include "puzzlefile.h"
#include "state/value.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace PuzzleText {

namespace {

constexpr int Side = 9;
constexpr int LabelLength = 24;

bool isGiven(QChar c)
{
    return c >= u'1' && c <= u'9';
}

// The marks for an open cell that any grid may mix, as Varnodel has always read them;
// an empty field of a separated row counts as one. Any other mark must be a grid's only one.
bool isCommonMark(QChar c)
{
    return c.isNull() || c == u'.' || c == u'0' || c == u'*' || c == u'_' || c == u'x';
}

bool isBoxDrawing(QChar c)
{
    return c.unicode() >= 0x2500 && c.unicode() <= 0x257F;
}

// What stands between the cells of a row only to draw the boxes.
bool isUpright(QChar c)
{
    return c == u'|' || c == u'!' || isBoxDrawing(c);
}

// What a rule line between rows of boxes is drawn with.
bool drawsRule(QChar c)
{
    return c == u'-' || c == u'=' || c == u'+' || c == u'*' || c == u':' || c.isSpace()
        || isUpright(c);
}

// One cell as written: a digit 1 to 9, or the mark of an open cell (a blank where the
// row is read by position, nothing for an empty field), and where it stands.
struct Cell
{
    QChar c;
    int line;
    int column;
};

enum Kind { Skip, Heading, Row, Whole, DashRow, Bad };

struct Line
{
    Kind kind = Skip;
    QList<Cell> cells;
    QString text; // a heading
    Problem problem; // what is wrong with the line
    int fields = 0; // of a row separated by commas, semicolons or tabs, the end one too
};

Problem problemOn(Problem::Kind kind, int line, qsizetype count = 0)
{
    Problem problem;
    problem.kind = kind;
    problem.at.line = line;
    problem.count = int(count);
    return problem;
}

Reading refused(const Problem &problem)
{
    Reading reading;
    reading.refusal.problems << problem;
    return reading;
}

// How many different letters a line holds: none, one (a mark of open cells) or more.
int letterKinds(const QString &text)
{
    QChar first;
    for (QChar c : text) {
        if (!c.isLetter())
            continue;
        if (first.isNull())
            first = c.toLower();
        else if (c.toLower() != first)
            return 2;
    }
    return first.isNull() ? 0 : 1;
}

// The cells of a line read densely: blanks and uprights only space them.
QList<Cell> denseCells(const QString &line, int number)
{
    QList<Cell> cells;
    for (int i = 0; i < line.size(); ++i)
        if (!line.at(i).isSpace() && !isUpright(line.at(i)))
            cells << Cell{line.at(i), number, i + 1};
    return cells;
}

// A whole puzzle on one line, perhaps followed by other fields: its first 81 characters
// up to a blank or separator.
bool readWhole(const QString &line, int number, Line &out)
{
    qsizetype start = 0;
    while (start < line.size() && line.at(start).isSpace())
        ++start;
    qsizetype end = start;
    while (end < line.size() && !line.at(end).isSpace() && line.at(end) != u','
           && line.at(end) != u';')
        ++end;
    if (end - start != PuzzleFile::Cells)
        return false;
    // A rule line as long is no puzzle.
    bool cells = false;
    for (qsizetype i = start; i < end; ++i)
        cells = cells || line.at(i).isDigit() || !drawsRule(line.at(i));
    if (!cells)
        return false;
    for (qsizetype i = start; i < end; ++i)
        out.cells << Cell{line.at(i), number, int(i + 1)};
    out.kind = Whole;
    return true;
}

// A row of cells separated by commas, semicolons or tabs; one separator may end it.
Line readSeparated(const QString &line, int number, QChar separator)
{
    Line out;
    QList<Cell> cells;
    qsizetype start = 0;
    while (start <= line.size()) {
        qsizetype end = line.indexOf(separator, start);
        if (end < 0)
            end = line.size();
        QString field = line.mid(start, end - start).trimmed();
        // Spreadsheets may quote every field.
        if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
            field = field.mid(1, field.size() - 2).trimmed();
        const int column
            = int(line.indexOf(field.isEmpty() ? QString(separator) : field, start)) + 1;
        if (field.size() > 1) {
            out.kind = Bad;
            out.problem.kind = Problem::FieldTooLong;
            out.problem.at = Spot{number, column + 1, field.at(1)};
            return out;
        }
        cells << Cell{field.isEmpty() ? QChar() : field.at(0), number, column};
        start = end + 1;
    }
    out.fields = int(cells.size());
    if (cells.size() == Side + 1 && cells.last().c.isNull())
        cells.removeLast();
    if (cells.size() == Side || cells.size() == PuzzleFile::Cells) {
        out.kind = cells.size() == Side ? Row : Whole;
        out.cells = cells;
        return out;
    }
    out.kind = Bad;
    out.problem = problemOn(Problem::SeparatedCount, number, cells.size());
    out.problem.at.c = separator;
    return out;
}

Line classify(QString line, int number, bool afterSection)
{
    Line out;
    if (afterSection)
        return out;
    // Comments, whole lines or after a row.
    for (const QString &opens : {QStringLiteral("//"), QStringLiteral("#")}) {
        const qsizetype at = line.indexOf(opens);
        if (at >= 0)
            line.truncate(at);
    }
    // A comment after a row of nine may also start with a semicolon.
    const qsizetype semicolon = line.indexOf(u';');
    if (semicolon > 0 && !line.contains(u',') && !line.contains(u'\t')
        && denseCells(line.left(semicolon), number).size() == Side)
        line.truncate(semicolon);
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty()
        || (trimmed.startsWith(u';')
            && (trimmed.size() == 1 || trimmed.at(1).isSpace() || letterKinds(trimmed) > 1)))
        return out;
    if (readWhole(line, number, out))
        return out;
    if (letterKinds(trimmed) > 1 || trimmed.startsWith(u'[')) {
        out.kind = Heading;
        out.text = trimmed;
        return out;
    }
    for (QChar separator : {u'\t', u';', u','})
        if (line.contains(separator))
            return readSeparated(line, number, separator);

    bool digits = false, rule = true;
    for (QChar c : line) {
        digits = digits || c.isDigit();
        rule = rule && drawsRule(c);
    }
    out.cells = denseCells(line, number);
    if (rule && !digits) {
        // A line of nine dashes is a row where dashes mark the open cells, else a rule.
        bool dashes = out.cells.size() == Side;
        for (const Cell &cell : out.cells)
            dashes = dashes && cell.c == u'-';
        out.kind = dashes ? DashRow : Skip;
        return out;
    }
    if (out.cells.size() == Side) {
        out.kind = Row;
        return out;
    }
    // A whole puzzle on one line, its rows or boxes set apart by blanks or uprights.
    if (out.cells.size() == PuzzleFile::Cells) {
        out.kind = Whole;
        return out;
    }
    // Read by position: a blank is an open cell. Only a row nine characters wide is read
    // so: in a shorter one, a lost cell could not be told from a blank cut off its end.
    // Blanks outside the first and last upright only indent the row.
    qsizetype from = 0, to = line.size();
    for (qsizetype i = 0; i < line.size() && line.at(i).isSpace(); ++i)
        from = i + 1 < line.size() && isUpright(line.at(i + 1)) ? i + 1 : from;
    for (qsizetype i = line.size() - 1; i >= 0 && line.at(i).isSpace(); --i)
        to = i > 0 && isUpright(line.at(i - 1)) ? i : to;
    QList<Cell> placed;
    for (qsizetype i = from; i < to; ++i)
        if (!isUpright(line.at(i)))
            placed << Cell{line.at(i), number, int(i + 1)};
    bool inner = false;
    for (const Cell &cell : placed)
        inner = inner || cell.c.isSpace();
    if (inner && placed.size() == Side) {
        out.cells = placed;
        out.kind = Row;
        return out;
    }
    out.kind = Bad;
    // Near the form with blanks for open cells: then its width is what is wrong.
    out.problem = inner && placed.size() <= Side + 2
        ? problemOn(Problem::RowWidth, number, placed.size())
        : problemOn(Problem::CellCount, number, out.cells.size());
    out.cells.clear();
    return out;
}

// The box texts of a puzzle's 81 cells, once its open cells are marked one way.
Problem makePuzzle(const QList<Cell> &cells, Puzzle &puzzle)
{
    const Cell *common = nullptr, *custom = nullptr;
    for (const Cell &cell : cells) {
        puzzle.grid += isGiven(cell.c) ? cell.c : QChar(u'.');
        if (isGiven(cell.c))
            continue;
        const Cell *clash = isCommonMark(cell.c)
            ? custom
            : (common ? common : (custom && custom->c != cell.c ? custom : nullptr));
        if (clash) {
            // The odd one out is the unusual mark, or the later of two unusual ones.
            const bool cellOdd = !isCommonMark(cell.c);
            const Cell &odd = cellOdd ? cell : *clash, &kept = cellOdd ? *clash : cell;
            Problem problem;
            problem.kind = Problem::TwoMarks;
            problem.at = Spot{odd.line, odd.column, odd.c};
            problem.other = Spot{kept.line, kept.column, kept.c};
            return problem;
        }
        const Cell *&first = isCommonMark(cell.c) ? common : custom;
        first = first ? first : &cell;
    }
    return Problem();
}

QString firstCharacters(const QString &grid)
{
    return grid.left(LabelLength) + QStringLiteral("\u2026");
}

Reading readGrids(const QStringList &lines)
{
    Reading reading;
    QList<Line> classified;
    bool dashMarks = false, section = false, sectionEnded = false;
    for (int n = 1; n <= lines.size(); ++n) {
        const QString trimmed = lines.at(n - 1).trimmed();
        // A .sdk file's [Puzzle] section holds the grid; the others (its state) do not.
        sectionEnded = sectionEnded || (section && trimmed.startsWith(u'['));
        section = section || trimmed.compare(QLatin1String("[Puzzle]"), Qt::CaseInsensitive) == 0;
        classified << classify(lines.at(n - 1), n, sectionEnded);
        if (classified.last().kind == Row)
            for (const Cell &cell : classified.last().cells)
                dashMarks = dashMarks || cell.c == u'-';
    }

    QList<Cell> pending;
    int rows = 0, start = 0, fields = 0;
    QString label;
    const auto add = [&](const QList<Cell> &cells, int line) {
        Puzzle puzzle;
        const Problem problem = makePuzzle(cells, puzzle);
        if (problem.kind != Problem::None)
            return problem;
        puzzle.line = line;
        puzzle.label = label.isEmpty() ? firstCharacters(puzzle.grid) : label.left(40);
        reading.puzzles << puzzle;
        label.clear();
        return Problem();
    };
    const auto inside = [&](int n) {
        Problem problem = problemOn(Problem::BreaksIntoGrid, n, rows);
        problem.other.line = start;
        return problem;
    };
    Problem problem;
    for (int n = 1; n <= classified.size() && problem.kind == Problem::None; ++n) {
        const Line &line = classified.at(n - 1);
        Kind kind = line.kind == DashRow ? (dashMarks ? Row : Skip) : line.kind;
        if (kind == Skip)
            continue;
        if (kind == Bad) {
            problem = line.problem;
        } else if (rows > 0 && (kind == Heading || kind == Whole)) {
            problem = inside(n);
        } else if (kind == Heading) {
            label = line.text;
        } else if (kind == Whole) {
            problem = add(line.cells, n);
        } else if (rows > 0 && line.fields != fields) {
            // A row cut short before an end separator would shift its cells.
            problem = problemOn(Problem::FieldCount, n, line.fields);
            problem.other.line = start;
            problem.count2 = fields;
        } else {
            if (rows++ == 0) {
                start = n;
                fields = line.fields;
            }
            pending += line.cells;
            if (rows == Side) {
                problem = add(pending, start);
                pending.clear();
                rows = 0;
            }
        }
    }
    if (problem.kind == Problem::None && rows > 0)
        problem = problemOn(Problem::ShortGrid, start, rows);
    if (problem.kind != Problem::None)
        return refused(problem);
    return reading;
}

Reading readJson(const QString &text)
{
    Reading reading;
    QJsonParseError error;
    const QByteArray utf8 = text.toUtf8();
    const QJsonDocument document = QJsonDocument::fromJson(utf8, &error);
    if (error.error != QJsonParseError::NoError) {
        const QString before = QString::fromUtf8(utf8.left(error.offset));
        const int line = int(before.count(u'\n')) + 1;
        const int column = int(before.size() - before.lastIndexOf(u'\n'));
        Problem problem = problemOn(Problem::JsonSyntax, line);
        problem.at.column = column;
        problem.text = error.errorString();
        return refused(problem);
    }
    // Nine rows of nine numbers, or the 81 numbers in one row.
    QJsonArray values;
    const QJsonArray rows = document.array();
    for (const QJsonValue &row : rows)
        for (const QJsonValue &value : row.isArray() ? row.toArray() : QJsonArray{row})
            values << value;
    bool shaped = values.size() == PuzzleFile::Cells;
    for (const QJsonValue &row : rows)
        shaped = shaped && (rows.size() == Side ? row.toArray().size() == Side : !row.isArray());
    Puzzle puzzle;
    for (const QJsonValue &value : shaped ? values : QJsonArray()) {
        const double v = value.toDouble(-1);
        if (value.isNull() || v == 0)
            puzzle.grid += u'.';
        else if (v >= 1 && v <= 9 && v == int(v))
            puzzle.grid += QString::number(int(v));
    }
    if (puzzle.grid.size() != PuzzleFile::Cells)
        return refused(problemOn(Problem::JsonShape, 0));
    puzzle.line = 1;
    puzzle.label = firstCharacters(puzzle.grid);
    reading.puzzles << puzzle;
    return reading;
}

// OpenSudoku's files: each game element's data attribute holds 81 digits, 0 for open.
Reading readXml(const QString &text)
{
    Reading reading;
    Problem problem;
    QXmlStreamReader xml(text);
    while (!xml.atEnd() && problem.kind == Problem::None) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"game")
            continue;
        const QString data = xml.attributes().value(QLatin1String("data")).toString();
        Puzzle puzzle;
        for (QChar c : data)
            puzzle.grid += isGiven(c) ? c : QChar(u'.');
        bool digits = data.size() == PuzzleFile::Cells;
        for (QChar c : data)
            digits = digits && c.isDigit();
        if (!digits)
            problem = problemOn(Problem::XmlData, int(xml.lineNumber()), data.size());
        puzzle.line = int(xml.lineNumber());
        puzzle.label = firstCharacters(puzzle.grid);
        reading.puzzles << puzzle;
    }
    if (problem.kind == Problem::None && xml.hasError()) {
        problem = problemOn(Problem::XmlSyntax, int(xml.lineNumber()));
        problem.at.column = int(xml.columnNumber());
        problem.text = xml.errorString();
    } else if (problem.kind == Problem::None && reading.puzzles.isEmpty()) {
        problem.kind = Problem::XmlNoGame;
    }
    if (problem.kind != Problem::None)
        return refused(problem);
    return reading;
}

QChar charAt(const QString &text, qsizetype i)
{
    return i < text.size() ? text.at(i) : QChar();
}

int lineOf(const QString &text, qsizetype pos)
{
    int line = 1;
    for (qsizetype i = 0; i < pos && i < text.size(); ++i)
        if (text.at(i) == u'\n' || (text.at(i) == u'\r' && charAt(text, i + 1) != u'\n'))
            ++line;
    return line;
}

// What the file's rule leaves unread after the 81st item: how many items there are in all
// up to the last that holds anything, and where the first of those stands; none if blank.
Problem unreadItems(const QString &text, qsizetype end)
{
    int count = PuzzleFile::Cells, last = 0, first = 0;
    qsizetype firstAt = -1;
    bool blank = true;
    for (qsizetype i = end; i <= text.size(); ++i) {
        const QChar c = charAt(text, i);
        const bool ends = i == text.size() || c == u',' || c == u'\n'
            || (c == u'\r' && charAt(text, i + 1) != u'\n');
        if (!ends) {
            if (!c.isSpace() && blank && firstAt < 0)
                firstAt = i;
            blank = blank && c.isSpace();
            continue;
        }
        ++count;
        if (!blank) {
            last = count;
            first = first ? first : count;
        }
        blank = true;
    }
    if (!last)
        return Problem();
    Problem problem = problemOn(Problem::UnreadItems, lineOf(text, firstAt), last);
    problem.count2 = first;
    return problem;
}

// A text with commas is read by the file's rule only when every line holds as many
// items: a row cut short or a blank line between rows would shift the cells after it.
bool evenlySeparated(const QStringList &lines)
{
    qsizetype last = lines.size();
    while (last > 0 && lines.at(last - 1).trimmed().isEmpty())
        --last;
    for (qsizetype i = 1; i < last; ++i)
        if (lines.at(i).count(u',') != lines.at(0).count(u','))
            return false;
    return true;
}

} // namespace

QStringList Puzzle::cells() const
{
    QStringList texts;
    for (QChar c : grid)
        texts << (c == u'.' ? QString() : QString(c));
    return texts;
}

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringDecoder::Utf16);
        return utf16.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    const QByteArray mark("\xEF\xBB\xBF");
    return QString::fromLatin1(bytes.startsWith(mark) ? bytes.mid(mark.size()) : bytes);
}

Reading read(const QString &source)
{
    QString text = source;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.isEmpty())
        return refused(problemOn(Problem::Empty, 0));
    const QString start = text.trimmed();
    if (start.startsWith(u'<'))
        return readXml(text);
    const QString after = start.mid(1, 40).trimmed();
    const QChar next = after.isEmpty() ? QChar() : after.at(0);
    if (start.startsWith(u'{')
        || (start.startsWith(u'[')
            && (next == u'[' || next == u']' || next.isDigit() || next == u'n')))
        return readJson(text);

    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    const QStringList lines = unified.split(u'\n');

    // Varnodel's own file: 81 items, one a line, as Save File writes them.
    const PuzzleFile::ReadResult own = PuzzleFile::read(text);
    Problem ownProblem;
    if (!own.ok()) {
        ownProblem.kind = Problem::OwnFile;
        ownProblem.own = own.error;
    } else {
        ownProblem = unreadItems(text, own.end);
        const bool clean = ownProblem.kind == Problem::None;
        QStringList cells = own.items;
        QList<Item> unusable;
        for (qsizetype k = 0; k < cells.size(); ++k) {
            if (cells.at(k) == u"0")
                cells[k].clear();
            if (!isCellText(cells.at(k)))
                unusable << Item{own.lines.at(k), own.raw.at(k)};
        }
        const bool commas = text.contains(u',');
        if (clean && unusable.isEmpty() && (!commas || evenlySeparated(lines))) {
            const Reading grid = commas ? readGrids(lines) : Reading();
            if (grid.puzzles.size() == 1)
                return grid;
            QString line;
            for (const QString &cell : cells)
                line += cell.isEmpty() ? QStringLiteral(".") : cell;
            return {{Puzzle{line, firstCharacters(line), 1}}, {}};
        }
        if (clean && !unusable.isEmpty()) {
            // One cell a line, with a mark of its own for an open cell.
            QList<Cell> marked;
            for (qsizetype k = 0; k < cells.size(); ++k)
                if (cells.at(k).size() <= 1)
                    marked << Cell{cells.at(k).isEmpty() ? QChar() : cells.at(k).at(0),
                                   own.lines.at(k), 1};
            Puzzle puzzle;
            if (marked.size() == PuzzleFile::Cells
                && makePuzzle(marked, puzzle).kind == Problem::None)
                return {{Puzzle{puzzle.grid, firstCharacters(puzzle.grid), 1}}, {}};
            Reading grid = readGrids(lines);
            if (grid.puzzles.isEmpty())
                grid.refusal = Refusal{{}, unusable, false};
            return grid;
        }
    }
    // The problem with it as an own file comes first, and the forms Varnodel reads last.
    Reading grid = readGrids(lines);
    if (!grid.refusal.isEmpty() || grid.puzzles.isEmpty()) {
        if (ownProblem.kind != Problem::None && (own.ok() || grid.refusal.isEmpty()))
            grid.refusal.problems.prepend(ownProblem);
        grid.refusal.forms = true;
    }
    return grid;
}

} // namespace PuzzleText
