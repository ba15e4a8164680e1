#include "files/puzzlefile.h"
#include "ui/filewords.h"

#include <QtTest>

// The puzzle file's reading rule and the bytes Save File writes, away from the window.
class tst_puzzlefile : public QObject
{
    Q_OBJECT

private slots:
    void readsItems_data();
    void readsItems();
    void refusesFiles_data();
    void refusesFiles();
    void writesLines_data();
    void writesLines();
    void writtenFilesReadBack();
};

// 81 lines with the given first lines, the rest empty, ended CR LF.
static QByteArray lines(const QByteArray &first, int count = 81, const char *end = "\r\n")
{
    QList<QByteArray> all = first.split('\n');
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += (i < all.size() ? all.at(i) : QByteArray()) + end;
    return bytes;
}

void tst_puzzlefile::readsItems_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("first");

    QTest::newRow("one digit a line")
        << lines("5\n3\n\n\n7") << QStringList{"5", "3", "", "", "7", ""};
    QTest::newRow("empty grid") << lines("") << QStringList{"", "", ""};
    QTest::newRow("comma splits a line") << lines("3,4\n8") << QStringList{"3", "4", "8", ""};
    QTest::newRow("comma before the line end") << lines("3,\n8") << QStringList{"3", "", "8"};
    QTest::newRow("blank before a digit") << lines(" 5\n\t6\n \t 7") << QStringList{"5", "6", "7"};
    QTest::newRow("blank after a digit stays") << lines("5 \n6") << QStringList{"5 ", "6"};
    QTest::newRow("leading zeros") << lines("05\n000\n0\n0012") << QStringList{"5", "0", "0", "12"};
    QTest::newRow("quoted items") << lines("\"7\"\n\"05\"\n\"a,b\"\n\"\"")
                                  << QStringList{"7", "05", "a,b", ""};
    QTest::newRow("text after a closing quote") << lines("\"4\"x,5") << QStringList{"4", "5", ""};
    QTest::newRow("signs and letters keep their text")
        << lines("-3\n+5\nab\n1.5") << QStringList{"-3", "+5", "ab", "1.5"};
    QTest::newRow("line feeds alone")
        << lines("1\n2\n\n4", 81, "\n") << QStringList{"1", "2", "", "4", ""};
    QTest::newRow("carriage returns alone")
        << lines("1\n2\n\n4", 81, "\r") << QStringList{"1", "2", "", "4", ""};
    QTest::newRow("more than 81 items") << lines("9", 100) << QStringList{"9", ""};
    QTest::newRow("no line end after the last item") << lines("", 80) + "6" << QStringList{""};
    QTest::newRow("latin-1 bytes")
        << lines("\xe9\n\xff") << QStringList{QStringLiteral("\u00e9"), QStringLiteral("\u00ff")};
}

void tst_puzzlefile::readsItems()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, first);
    const PuzzleFile::ReadResult result = PuzzleFile::read(bytes);
    QVERIFY2(result.ok(), qPrintable(FileWords::readError(result.error)));
    QCOMPARE(result.items.size(), 81);
    QCOMPARE(result.items.mid(0, first.size()), first);
    if (QTest::currentDataTag() == QByteArrayLiteral("no line end after the last item"))
        QCOMPARE(result.items.last(), QStringLiteral("6"));
}

void tst_puzzlefile::refusesFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << QByteArray() << "The file is empty.";
    QTest::newRow("80 lines") << lines("", 80)
                              << "It holds only 80 of the 81 cells a puzzle file needs.";
    QTest::newRow("one line") << QByteArray("5")
                              << "It holds only 1 of the 81 cells a puzzle file needs.";
    QTest::newRow("unclosed quote")
        << lines("1\n\"5") << "Cell 2 opens a quote that is never closed.";
    QTest::newRow("blanks only") << QByteArray("   \t ")
                                 << "It holds only 0 of the 81 cells a puzzle file needs.";
    QTest::newRow("long item") << lines("1\n" + QByteArray(101, 'x'))
                               << "Cell 2 holds more than 100 characters.";
    QTest::newRow("long quoted item")
        << lines("\"" + QByteArray(101, 'x') + "\"") << "Cell 1 holds more than 100 characters.";
}

void tst_puzzlefile::refusesFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const PuzzleFile::ReadResult result = PuzzleFile::read(bytes);
    QCOMPARE(FileWords::readError(result.error), error);
    QVERIFY(result.items.isEmpty());
}

void tst_puzzlefile::writesLines_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QByteArray>("bytes");
    QStringList empty(81);
    QStringList full;
    for (int i = 0; i < 81; ++i)
        full << QString::number(i % 9 + 1);
    QStringList odd(81);
    odd[0] = QStringLiteral("12");
    odd[1] = QStringLiteral(" a,\"b\"");
    odd[2] = QStringLiteral("\u00e9");
    odd[3] = QStringLiteral("\u263a"); // no Latin-1 byte for it
    QByteArray fullBytes;
    for (int i = 0; i < 81; ++i)
        fullBytes += QByteArray::number(i % 9 + 1) + "\r\n";

    QTest::newRow("empty grid") << empty
                                << QByteArray(81 * 2, '\0').replace(QByteArray(2, '\0'), "\r\n");
    QTest::newRow("full grid") << full << fullBytes;
    QTest::newRow("odd texts") << odd << "12\r\n a,\"b\"\r\n\xe9\r\n?\r\n" + lines("", 77);
}

void tst_puzzlefile::writesLines()
{
    QFETCH(QStringList, texts);
    QFETCH(QByteArray, bytes);
    QCOMPARE(PuzzleFile::write(texts), bytes);
    if (QTest::currentDataTag() == QByteArrayLiteral("empty grid"))
        QCOMPARE(bytes.size(), 162);
    if (QTest::currentDataTag() == QByteArrayLiteral("full grid"))
        QCOMPARE(bytes.size(), 243);
}

// What Save File writes, Get File reads back box for box, for texts the rule leaves alone.
void tst_puzzlefile::writtenFilesReadBack()
{
    QStringList texts(81);
    const char *samples[] = {"1", "9", "0", "x", "12", "5 ", "\xe9t\xe9", "-3", "a b"};
    for (int i = 0; i < 81; ++i)
        texts[i] = i % 4 == 0 ? QString() : QString::fromLatin1(samples[i % 9]);
    const PuzzleFile::ReadResult result = PuzzleFile::read(PuzzleFile::write(texts));
    QVERIFY(result.ok());
    QCOMPARE(result.items, texts);
}

QTEST_GUILESS_MAIN(tst_puzzlefile)
#include "tst_puzzlefile.moc"
