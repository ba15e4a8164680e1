#include "help/frmhelp.h"
#include "support.h"

#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

// The help window and the Help menu: paging through the help file, what happens at
// its end or with a broken file, and the About box.
class tst_help : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout();
    void pagesThenEnd();
    void brokenFiles_data();
    void brokenFiles();
    void infoReopensAtFirstPage();
    void shippedHelpFileReadsThrough_data();
    void shippedHelpFileReadsThrough();
    void aboutChangesNothing();

private:
    Form1 *form = nullptr;
    QStringList messages;
    std::unique_ptr<QTemporaryDir> tempDir;
    QString helpFile(const QByteArray &bytes);
};

static const QString endMessage = QStringLiteral("That is the end of the help file");
static const QString problemMessage
    = QStringLiteral("There was a problem with the help file\rPlease tell the Varnodel developers: "
                     "varnodel@example.org");

static QStringList listRows(const frmHelp &help)
{
    QStringList rows;
    for (int i = 0; i < help.List1->count(); ++i)
        rows << help.List1->item(i)->text();
    return rows;
}

void tst_help::init()
{
    tempDir = std::make_unique<QTemporaryDir>();
    form = new Form1;
    messages.clear();
    catchMessages(*form, messages);
}

void tst_help::cleanup()
{
    delete form;
    form = nullptr;
}

QString tst_help::helpFile(const QByteArray &bytes)
{
    const QString name = tempDir->filePath(QStringLiteral("GrdHelp.det"));
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return name;
}

void tst_help::layout()
{
    frmHelp help(form);
    connect(&help, &frmHelp::message, form, &Form1::MsgBox);
    QCOMPARE(help.windowTitle(), QStringLiteral("Help Information"));
    QCOMPARE(help.size(), QSize(721, 495));
    QCOMPARE(help.List1->geometry(), QRect(40, 48, 617, 364));
    QCOMPARE(help.List1->font().pointSize(), 12);
    QCOMPARE(help.List1->font().weight(), QFont::Bold);
    QCOMPARE(help.cmdNext->text().remove(u'&'), QStringLiteral("Next"));
    QCOMPARE(help.cmdNext->geometry(), QRect(40, 448, 97, 33));
    QCOMPARE(help.cmdQuit->text().remove(u'&'), QStringLiteral("Exit"));
    QCOMPARE(help.cmdQuit->geometry(), QRect(176, 448, 89, 33));
    help.show();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    help.List1->setFocus();
    QTest::keyClick(help.List1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), help.cmdNext);
    QTest::keyClick(help.cmdNext, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), help.cmdQuit);
    QCOMPARE(frmHelp::helpFilePath(),
             QCoreApplication::applicationDirPath() + QDir::separator() + "GrdHelp.det");
}

// Page after page, then the end message on every further Next, with an empty list.
void tst_help::pagesThenEnd()
{
    frmHelp help(form);
    connect(&help, &frmHelp::message, form, &Form1::MsgBox);
    help.filePath = helpFile("a1\r\na2\r\n******\r\nb1\r\n******\r\n");
    help.Form_Load();
    QCOMPARE(listRows(help), (QStringList{"a1", "a2", "******"}));
    QCOMPARE(help.List1->accessibleDescription(), QStringLiteral("a1 a2")); // read out
    help.cmdNext->click();
    QCOMPARE(listRows(help), (QStringList{"b1", "******"}));
    QCOMPARE(help.List1->accessibleDescription(), QStringLiteral("b1"));
    QVERIFY(messages.isEmpty());
    for (int press = 0; press < 2; ++press) {
        help.cmdNext->click();
        QCOMPARE(listRows(help), QStringList{});
        QCOMPARE(help.List1->accessibleDescription(), QString());
        QCOMPARE(messages.size(), press + 1);
        QCOMPARE(messages.last(), endMessage);
    }
    help.cmdQuit->click();
    QVERIFY(!help.isFileOpen());
}

void tst_help::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QStringList>("loadRows");
    QTest::addColumn<QStringList>("loadMessages");
    QTest::addColumn<QStringList>("nextRows");
    QTest::addColumn<QStringList>("nextMessages");

    QTest::newRow("missing file") << QByteArray() << true << QStringList{}
                                  << QStringList{problemMessage} << QStringList{}
                                  << QStringList{endMessage};
    QTest::newRow("empty file") << QByteArray() << false << QStringList{}
                                << QStringList{problemMessage} << QStringList{}
                                << QStringList{endMessage};
    QTest::newRow("line feeds only")
        << QByteArray("a\nb\n") << false << QStringList{"a\nb\n"} << QStringList{problemMessage}
        << QStringList{} << QStringList{endMessage};
    QTest::newRow("ends inside the second page")
        << QByteArray("a\r\n******\r\nb\r\nc\r\n") << false << QStringList{"a", "******"}
        << QStringList{} << QStringList{"b", "c"} << QStringList{problemMessage};
    QTest::newRow("empty line after the last page")
        << QByteArray("a\r\n******\r\n\r\n") << false << QStringList{"a", "******"} << QStringList{}
        << QStringList{""} << QStringList{problemMessage};
}

// A broken file never ends the program: the window shows what it could read and says
// what went wrong, and the next Next after that finds the end.
void tst_help::brokenFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, missing);
    QFETCH(QStringList, loadRows);
    QFETCH(QStringList, loadMessages);
    QFETCH(QStringList, nextRows);
    QFETCH(QStringList, nextMessages);

    frmHelp help(form);
    connect(&help, &frmHelp::message, form, &Form1::MsgBox);
    help.filePath = missing ? tempDir->filePath(QStringLiteral("none.det")) : helpFile(bytes);
    help.Form_Load();
    QCOMPARE(listRows(help), loadRows);
    QCOMPARE(messages, loadMessages);
    messages.clear();
    help.cmdNext_Click();
    QCOMPARE(listRows(help), nextRows);
    QCOMPARE(messages, nextMessages);
    messages.clear();
    help.cmdNext_Click();
    QCOMPARE(listRows(help), QStringList{});
    QCOMPARE(messages, QStringList{endMessage});
}

// HelpInfo opens the modal window on page one every time; Exit closes the file.
void tst_help::infoReopensAtFirstPage()
{
    form->show();
    QList<QStringList> firstPages;
    QList<QStringList> secondPages;
    int step = 0;
    QTimer driver;
    driver.setInterval(5);
    connect(&driver, &QTimer::timeout, this, [&] {
        auto *help = qobject_cast<frmHelp *>(QApplication::activeModalWidget());
        if (!help)
            return;
        QVERIFY(help->isFileOpen());
        if (step++ % 2 == 0) {
            firstPages << listRows(*help);
            help->cmdNext->click();
            secondPages << listRows(*help);
        } else {
            help->cmdQuit->click();
        }
    });
    driver.start();
    form->Info->trigger();
    form->Info->trigger();
    QCOMPARE(firstPages.size(), 2);
    QCOMPARE(firstPages.at(0), firstPages.at(1));
    QCOMPARE(secondPages.at(0), secondPages.at(1));
    QVERIFY(firstPages.at(0) != secondPages.at(0));
    QCOMPARE(firstPages.at(0).first(), QStringLiteral("WELCOME TO VARNODEL"));
    QVERIFY(!form->helpWindow()->isFileOpen());
    QVERIFY(messages.isEmpty());
}

void tst_help::shippedHelpFileReadsThrough_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("en") << frmHelp::helpFilePath();
    for (const QString &language : QStringLiteral(VARNODEL_LANGUAGES).split(u','))
        QTest::newRow(qPrintable(language)) << QCoreApplication::applicationDirPath()
                + QStringLiteral("/GrdHelp.%1.det").arg(language);
}

// The help files that ship: every page ends with its separator and fits the list
// without scrolling, and the end comes after the last page.
void tst_help::shippedHelpFileReadsThrough()
{
    QFETCH(QString, fileName);
    frmHelp help(form);
    connect(&help, &frmHelp::message, form, &Form1::MsgBox);
    help.filePath = fileName;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    help.Form_Load();
    int pages = 0;
    while (messages.isEmpty()) {
        const QStringList rows = listRows(help);
        ++pages;
        QVERIFY2(!rows.isEmpty() && rows.last() == QLatin1String("******"),
                 qPrintable(QStringLiteral("page %1").arg(pages)));
        QCoreApplication::processEvents();
        QVERIFY2(!help.List1->verticalScrollBar()->isVisible(), qPrintable(rows.first()));
        QVERIFY2(!help.List1->horizontalScrollBar()->isVisible(), qPrintable(rows.first()));
        QVERIFY(!rows.join(QString()).contains(QChar(QChar::ReplacementCharacter)));
        help.cmdNext_Click();
        QVERIFY(pages < 50);
    }
    QCOMPARE(messages, QStringList{endMessage});
    QVERIFY(pages >= 6);

    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n******\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));

    // The check above can see a scroll bar: a page too long for the list shows one.
    help.filePath = helpFile(QByteArray("line\r\n").repeated(40) + "******\r\n");
    help.Form_Load();
    QCoreApplication::processEvents();
    QVERIFY(help.List1->verticalScrollBar()->isVisible());
}

void tst_help::aboutChangesNothing()
{
    form->show();
    setGrid(*form, simplePuzzle);
    form->cmdSolve_Click();
    form->cmdShowResult_Click();
    messages.clear();
    const QString before = boxTexts(*form) + boxColours(*form) + cellValues(*form);
    form->About->trigger();
    QCOMPARE(messages,
             QStringList{QStringLiteral(
                 "Varnodel, by the Varnodel developers\r"
                 "Copyright (c) 2026 the Varnodel developers, under the MIT licence\r"
                 "E-mail: varnodel@example.org\r"
                 "Web: https://example.org/varnodel")});
    QCOMPARE(boxTexts(*form) + boxColours(*form) + cellValues(*form), before);
    QCOMPARE(form->Solved, qint16(-1));
    QVERIFY(!form->txtNos[0]->isVisible());
}

QTEST_MAIN(tst_help)
#include "tst_help.moc"
