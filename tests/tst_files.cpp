#include "files/commondialog.h"
#include "support.h"

#include <QClipboard>
#include <QtTest>
#include <csignal>
#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>
#include <sys/resource.h>

// Save File and Get File through the window: the bytes written, what a load does to
// the grid, and that a cancel or a bad file changes nothing.
class tst_files : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveWritesBoxTexts_data();
    void saveWritesBoxTexts();
    void saveThenLoadRestoresTexts();
    void loadMarksGivensAndSolves();
    void loadKeepsColourOfEmptyCells();
    void loadResetsCandidateTexts();
    void loadEndsCheckingMode();
    void dialogsStartInProgramFolder();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void badFileLeavesWindowAlone_data();
    void badFileLeavesWindowAlone();
    void failedSaveKeepsExistingFile();
    void saveToFolderFails();
    void clicksWaitUntilLoadIsDone();
    void loadSurvivesCommandDuringYield();
    void clipboardCarriesPuzzle();
    void droppedFileLoads();

private:
    Form1 *form = nullptr;
    QStringList messages;
    std::unique_ptr<QTemporaryDir> tempDir; // a fresh folder for each test
    QString path(const QString &name) const { return tempDir->filePath(name); }
    QString dirPath() const { return tempDir->path(); }
    void answerDialog(const QString &fileName);
    QString snapshot() const;
};

static QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

static const QString formsRead = QStringLiteral(
    "\r\rVarnodel reads its own puzzle file, 81 lines of one cell each, or a grid of 81 cells, row "
    "by row: one line of 81 characters or nine lines of nine, a digit for a given and . 0 * _ "
    "or x for an open cell.");

static void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QVERIFY(writeBytes(fileName, bytes));
}

void tst_files::init()
{
    tempDir = std::make_unique<QTemporaryDir>();
    QVERIFY(tempDir->isValid());
    form = new Form1;
    messages.clear();
    catchMessages(*form, messages);
    form->show();
}

void tst_files::cleanup()
{
    delete form;
    form = nullptr;
}

void tst_files::answerDialog(const QString &fileName)
{
    form->CommonDialog1->answer
        = [fileName](CommonDialog::Mode, const QString &) { return fileName; };
}

// Everything a load could change, as text.
QString tst_files::snapshot() const
{
    QString s = boxTexts(*form) + u'\n' + boxColours(*form) + u'\n';
    for (QLineEdit *box : form->txtNos)
        s += box->text() + (box->isVisible() ? u'+' : u'-');
    s += QStringLiteral("\nSolved %1 Values %2").arg(form->Solved).arg(cellValues(*form));
    return s;
}

void tst_files::saveWritesBoxTexts_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("size");
    QTest::newRow("empty grid") << QString(81, u'.') << 162;
    QTest::newRow("full grid") << simpleSolution << 243;
    QTest::newRow("puzzle") << simplePuzzle << 162 + int(81 - simplePuzzle.count(u'.'));
}

void tst_files::saveWritesBoxTexts()
{
    QFETCH(QString, grid);
    QFETCH(int, size);
    setGrid(*form, grid);
    answerDialog(path(QStringLiteral("out.txt")));
    form->cmdSave->click();
    const QByteArray bytes = readAll(path(QStringLiteral("out.txt")));
    QCOMPARE(bytes, puzzleFileBytes(grid));
    QCOMPARE(bytes.size(), size);
    QCOMPARE(form->CellNo, 81);
    QVERIFY(messages.isEmpty());
}

// Every box text comes back in its box, and the loaded texts become givens.
void tst_files::saveThenLoadRestoresTexts()
{
    const QStringList texts{"1", "", "0", "9"};
    for (int i = 0; i < 81; ++i)
        form->Row1[i]->setText(texts.at(i % texts.size()));
    answerDialog(path(QStringLiteral("round.txt")));
    form->cmdSave_Click();
    form->cmdClear_Click();
    form->cmdGet_Click();
    for (int i = 0; i < 81; ++i)
        QCOMPARE(form->Row1[i]->text(), texts.at(i % texts.size()));
    QCOMPARE(boxColours(*form).left(4), QStringLiteral("YWYY"));
}

void tst_files::loadMarksGivensAndSolves()
{
    QString cells(81, u'.');
    cells[22] = u'7';
    writeFile(path(QStringLiteral("one.txt")), puzzleFileBytes(cells));
    answerDialog(path(QStringLiteral("one.txt")));
    form->cmdGet->click();
    QCOMPARE(form->Row1[22]->text(), QStringLiteral("7"));
    QCOMPARE(boxColours(*form).mid(22 + 2, 1), QStringLiteral("Y")); // two line breaks before
    QCOMPARE(messages, QStringList{guidanceMessage});
    QCOMPARE(form->CellNo, 81); // left by the grid command that the stall ran

    writeFile(path(QStringLiteral("simple.txt")), puzzleFileBytes(simplePuzzle));
    answerDialog(path(QStringLiteral("simple.txt")));
    messages.clear();
    form->cmdGet->click();
    QCOMPARE(boxTexts(*form), rows(simplePuzzle));
    QCOMPARE(messages, QStringList{solvedMessage});
    QCOMPARE(form->Solved, qint16(-1));
}

// A cell empty in the file starts plain: no colour of the last puzzle may make it count
// as a given or a right digit.
void tst_files::loadKeepsColourOfEmptyCells()
{
    setBackColor(form->Row1[0], 0xC0FFC0);
    setBackColor(form->Row1[1], 0xC0E0FF);
    form->Row1[0]->setText(QStringLiteral("6"));
    writeFile(path(QStringLiteral("p.txt")), puzzleFileBytes(simplePuzzle));
    answerDialog(path(QStringLiteral("p.txt")));
    form->cmdGet_Click();
    QCOMPARE(form->Row1[0]->text(), QString());
    QCOMPARE(boxColours(*form).left(4), QStringLiteral("WYYW"));
}

// A load leaves every candidate box at all nine digits until Solve writes them.
void tst_files::loadResetsCandidateTexts()
{
    setGrid(*form, hardPuzzle);
    form->cmdSolve_Click();
    // This one solves, so Solve writes no candidate text after the load.
    writeFile(path(QStringLiteral("x.txt")), puzzleFileBytes(simplePuzzle));
    answerDialog(path(QStringLiteral("x.txt")));
    form->cmdGet_Click();
    for (QLineEdit *box : form->txtNos)
        QCOMPARE(box->text(), QStringLiteral("123456789"));
    QVERIFY(form->txtNos[0]->isVisible()); // the grid keeps its visibility
}

void tst_files::loadEndsCheckingMode()
{
    setGrid(*form, simplePuzzle);
    form->cmdSolve_Click();
    writeFile(path(QStringLiteral("hard.txt")), puzzleFileBytes(hardPuzzle));
    answerDialog(path(QStringLiteral("hard.txt")));
    messages.clear();
    form->cmdGet_Click();
    QCOMPARE(form->Solved, qint16(0));
    QCOMPARE(messages, QStringList{guidanceMessage}); // the grid command toggled, no message
    QVERIFY(form->txtNos[0]->isVisible());
}

// Both dialogs open in the program's folder, and the dialog remembers the last name.
void tst_files::dialogsStartInProgramFolder()
{
    QList<QPair<CommonDialog::Mode, QString>> asked;
    const QString name = path(QStringLiteral("kept.txt"));
    form->CommonDialog1->answer = [&](CommonDialog::Mode mode, const QString &folder) {
        asked << qMakePair(mode, folder);
        return name;
    };
    form->cmdSave_Click();
    form->cmdGet_Click();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked.at(0).first, CommonDialog::Save);
    QCOMPARE(asked.at(1).first, CommonDialog::Open);
    for (const auto &ask : asked)
        QCOMPARE(ask.second, QCoreApplication::applicationDirPath());
    form->CommonDialog1->answer = [](CommonDialog::Mode, const QString &) { return QString(); };
    form->cmdSave_Click();
    QCOMPARE(form->CommonDialog1->FileName, name);
}

void tst_files::cancelChangesNothing_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("get file") << false;
    QTest::newRow("save file") << true;
}

void tst_files::cancelChangesNothing()
{
    QFETCH(bool, save);
    setGrid(*form, simplePuzzle);
    form->cmdSolve_Click();
    form->cmdShowResult_Click();
    const QString before = snapshot();
    const QStringList filesBefore = QDir(dirPath()).entryList(QDir::Files);
    form->CommonDialog1->answer = [](CommonDialog::Mode, const QString &) { return QString(); };
    messages.clear();
    save ? form->cmdSave_Click() : form->cmdGet_Click();
    QCOMPARE(snapshot(), before);
    QCOMPARE(QDir(dirPath()).entryList(QDir::Files), filesBefore);
    QVERIFY(messages.isEmpty());
}

void tst_files::badFileLeavesWindowAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("missing") << "missing.txt" << QByteArray() << "There is no such file.";
    QTest::newRow("folder") << "folder" << QByteArray() << "It is a folder, not a puzzle file.";
    QTest::newRow("empty") << "empty.txt" << QByteArray("") << "The file is empty.";
    QTest::newRow("short") << "short.txt" << puzzleFileBytes(QString(80, u'.'))
                           << "It holds only 80 of the 81 cells a puzzle file needs." + formsRead;
    QTest::newRow("long item") << "long.txt" << QByteArray(200, '1') + "\r\n"
                               << "Cell 1 holds more than 100 characters." + formsRead;
    QTest::newRow("too large") << "large.txt" << QByteArray(70000, '\n')
                               << "It is too large to be a puzzle file.";
    const QString notPuzzle = "It is not a puzzle: a cell takes one digit, or nothing.\r";
    QTest::newRow("a letter") << "letter.txt"
                              << "Dear Ann,\n\nthe 5 puzzles, 3 solved\n" + QByteArray(80, '\n')
                              << notPuzzle
            + "Line 1 holds \"Dear Ann\"\rLine 3 holds \"the 5 "
              "puzzles\"\rLine 3 holds \"3 solved\"";
    QString many;
    for (int line = 1; line <= 9; ++line)
        many += QStringLiteral("Line %1 holds \"12\"\r").arg(line);
    QTest::newRow("many, long") << "many.txt"
                                << QByteArray(80, 'x') + "\n" + QByteArray("12\n").repeated(80)
                                << notPuzzle + "Line 1 holds \"xxxxxxxxxxxxxxxxxxxx\u2026\"\r"
            + many.section(u'\r', 1, 8) + "\rand 72 more";
}

// A file that cannot be loaded gets one message naming it and its problem; the grid,
// its colours, the candidate boxes and the solved state stay exactly as they were.
void tst_files::badFileLeavesWindowAlone()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    if (name == QLatin1String("folder"))
        QVERIFY(QDir(dirPath()).mkdir(name));
    else if (name != QLatin1String("missing.txt"))
        writeFile(path(name), bytes);

    setGrid(*form, simplePuzzle);
    form->cmdSolve_Click();
    form->Row1[0]->setText(QStringLiteral("6"));
    setBackColor(form->Row1[0], 0xC0FFC0);
    form->cmdShowGrid_Click();
    const QString before = snapshot();
    messages.clear();
    answerDialog(path(name));
    form->cmdGet_Click();
    QCOMPARE(messages,
             QStringList{QStringLiteral("Varnodel could not load the file\r%1\r\r%2")
                             .arg(QDir::toNativeSeparators(path(name)), problem)});
    QCOMPARE(snapshot(), before);
}

// A save that fails part way leaves the file of that name as it was. The file size
// limit makes the write fail even for a user who may write anywhere.
void tst_files::failedSaveKeepsExistingFile()
{
    const QString name = path(QStringLiteral("keep.txt"));
    writeFile(name, "old puzzle");
    setGrid(*form, simpleSolution);
    answerDialog(name);

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    form->cmdSave_Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(readAll(name), QByteArray("old puzzle"));
    QCOMPARE(QDir(dirPath()).entryList(QDir::Files), QStringList{"keep.txt"});
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.at(0).startsWith(QStringLiteral("Varnodel could not save the file\r%1\r\r")
                                          .arg(QDir::toNativeSeparators(name))));
}

void tst_files::saveToFolderFails()
{
    const QStringList targets{path(QStringLiteral("sub")), path(QStringLiteral("none/p.txt"))};
    QVERIFY(QDir(dirPath()).mkdir(QStringLiteral("sub")));
    for (const QString &target : targets) {
        messages.clear();
        answerDialog(target);
        form->cmdSave_Click();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.at(0).contains(QDir::toNativeSeparators(target)));
    }
    QVERIFY(QFileInfo(targets.at(0)).isDir());
}

// A click made while a puzzle loads runs only once the load is done: the grid never
// holds half of one puzzle and half of a cleared one.
void tst_files::clicksWaitUntilLoadIsDone()
{
    QVERIFY(QTest::qWaitForWindowExposed(form));
    writeFile(path(QStringLiteral("p.txt")), puzzleFileBytes(simplePuzzle));
    answerDialog(path(QStringLiteral("p.txt")));
    form->PassState = 0;
    int passStateAtClear = -1;
    connect(form->cmdClear, &QPushButton::clicked, this,
            [&] { passStateAtClear = form->PassState; });

    QWindow *window = form->windowHandle();
    const QPoint at = form->cmdClear->mapTo(form, form->cmdClear->rect().center());
    QTimer::singleShot(0, this, [&] {
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, at, form->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
            QEvent::MouseButtonPress);
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, at, form->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
            QEvent::MouseButtonRelease);
    });
    form->cmdGet_Click();
    QTRY_VERIFY(passStateAtClear != -1);
    QVERIFY(passStateAtClear == 1 || passStateAtClear == 82);
}

// Whatever runs during one of the load's yields (here Clear, which leaves the shared
// counter at 82) must not throw the load off its place: it goes on with the next box.
void tst_files::loadSurvivesCommandDuringYield()
{
    writeFile(path(QStringLiteral("p.txt")), puzzleFileBytes(simplePuzzle));
    answerDialog(path(QStringLiteral("p.txt")));
    int yields = 0;
    std::function<void()> arm = [&] {
        QTimer::singleShot(0, form, [&] {
            if (++yields == 10)
                form->cmdClear_Click();
            else if (yields < 81)
                arm();
        });
    };
    arm();
    form->cmdGet_Click();
    QString expected = simplePuzzle;
    expected.replace(0, 10, QString(10, u'.'));
    QCOMPARE(boxTexts(*form), rows(expected));
    QCOMPARE(messages.size(), 1); // the Solve after the load ran to its outcome
}

// Ctrl+Shift+V, even in a given's box, puts a grid text into the boxes and changes
// nothing else; Ctrl+Shift+C gives the grid as one line, or names the boxes it cannot.
void tst_files::clipboardCarriesPuzzle()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto press = [this](Qt::Key key) {
        QTest::keyClick(form->Row1[1], key, Qt::ControlModifier | Qt::ShiftModifier);
    };
    setGrid(*form, simplePuzzle);
    form->cmdSolve_Click();
    messages.clear();
    const QString before = snapshot();
    clipboard->setText(rows(hardPuzzle).replace(u'.', u'0'));
    press(Qt::Key_V);
    QCOMPARE(boxTexts(*form), rows(hardPuzzle));
    QCOMPARE(snapshot().section(u'\n', 9), before.section(u'\n', 9)); // colours, candidates, Solved
    clipboard->setText(QStringLiteral("no puzzle"));
    press(Qt::Key_V);
    press(Qt::Key_C);
    QCOMPARE(clipboard->text(), hardPuzzle);
    form->Row1[5]->setText(QStringLiteral("0")); // would read back as an open cell
    press(Qt::Key_C);
    QCOMPARE(clipboard->text(), hardPuzzle);
    QCOMPARE(messages.size(), 2);
    QVERIFY(messages.at(0).startsWith(QStringLiteral("The clipboard holds no puzzle.\r\r")));
    QCOMPARE(messages.at(1),
             "Only digits 1 to 9 and empty cells can be copied.\rCell 6 holds "
             "\"0\"\rCorrect these cells and copy again.");
}

// A file dragged from a file manager onto a box loads as Get File would; a dragged text
// is refused and changes nothing.
void tst_files::droppedFileLoads()
{
    QVERIFY(QTest::qWaitForWindowExposed(form));
    writeFile(path(QStringLiteral("line.txt")), simplePuzzle.toLatin1() + "\n");
    QMimeData file, text;
    file.setUrls({QUrl::fromLocalFile(path(QStringLiteral("line.txt")))});
    file.setText(file.urls().constFirst().toString()); // as file managers offer it
    text.setText(QStringLiteral("5"));
    const QPoint at = form->Row1[40]->mapTo(form, form->Row1[40]->rect().center());
    QWindow *window = form->windowHandle();
    const auto drop = [&](const QMimeData *data) {
        using System = QWindowSystemInterface;
        const auto entered = System::handleDrag(window, data, at, Qt::CopyAction, {}, {});
        System::handleDrop(window, data, at, Qt::CopyAction, {}, {});
        return entered.isAccepted();
    };
    QVERIFY(!drop(&text));
    QVERIFY(drop(&file));
    QTRY_COMPARE(boxTexts(*form), rows(simplePuzzle));
    QCOMPARE(messages, QStringList{solvedMessage});
}

QTEST_MAIN(tst_files)
#include "tst_files.moc"
