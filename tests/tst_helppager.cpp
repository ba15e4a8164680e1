#include "help/helppager.h"

#include <QBuffer>
#include <QtTest>

// Reading the help text page by page, away from the window.
class tst_helppager : public QObject
{
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void failingDeviceEndsThePage();
};

// Every page read until the end, rows joined by '|'; a page cut short by the end of
// the file is marked with a trailing '!'.
static QStringList readAll(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    HelpPager pager(&buffer);
    QStringList pages;
    while (!pager.atEnd()) {
        QStringList rows;
        const HelpPager::Status status = pager.readPage(rows);
        pages << rows.join(u'|') + (status == HelpPager::PageRead ? "" : "!");
        if (pages.size() > 100)
            break;
    }
    return pages;
}

void tst_helppager::pages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("pages");

    QTest::newRow("two pages") << QByteArray("a1\r\na2\r\n******\r\nb1\r\n******\r\n")
                               << QStringList{"a1|a2|******", "b1|******"};
    QTest::newRow("first line is a separator")
        << QByteArray("******\r\nx\r\n******\r\n") << QStringList{"******", "x|******"};
    QTest::newRow("separator with a blank is a line")
        << QByteArray("****** \r\n ******\r\n*****\r\n******\r\n")
        << QStringList{"****** | ******|*****|******"};
    QTest::newRow("empty line inside a page")
        << QByteArray("a\r\n\r\nb\r\n******\r\n") << QStringList{"a||b|******"};
    QTest::newRow("last separator without line end")
        << QByteArray("a\r\n******") << QStringList{"a|******"};
    QTest::newRow("carriage returns alone")
        << QByteArray("a\rb\r******\r") << QStringList{"a|b|******"};
    QTest::newRow("line feeds stay in the line")
        << QByteArray("a\nb\n******\n") << QStringList{"a\nb\n******\n!"};
    QTest::newRow("nothing is trimmed")
        << QByteArray("  a \t\r\n******\r\n") << QStringList{"  a \t|******"};
    QTest::newRow("empty line after the last page")
        << QByteArray("a\r\n******\r\n\r\n") << QStringList{"a|******", "!"};
    QTest::newRow("file ends inside a page")
        << QByteArray("a\r\n******\r\nb\r\nc") << QStringList{"a|******", "b|c!"};
    QTest::newRow("latin-1") << QByteArray("caf\xe9\r\n******\r\n")
                             << QStringList{QStringLiteral("caf\u00e9|******")};
}

void tst_helppager::pages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, pages);
    QCOMPARE(readAll(bytes), pages);
}

// A device that fails to read must end the page, not loop for ever.
void tst_helppager::failingDeviceEndsThePage()
{
    class Broken : public QIODevice
    {
    protected:
        qint64 readData(char *, qint64) override { return -1; }
        qint64 writeData(const char *, qint64) override { return -1; }
        bool isSequential() const override { return true; }
        qint64 bytesAvailable() const override { return 1; }

    public:
        bool atEnd() const override { return false; }
    } broken;
    broken.open(QIODevice::ReadOnly);
    HelpPager pager(&broken);
    QStringList rows;
    QCOMPARE(pager.readPage(rows), HelpPager::ReadFailed);
    QVERIFY(rows.isEmpty());
}

QTEST_GUILESS_MAIN(tst_helppager)
#include "tst_helppager.moc"
