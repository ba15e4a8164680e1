#include "files/carefulsave.h"
#include "files/commondialog.h"
#include "files/fileread.h"
#include "files/puzzlefile.h"
#include "files/puzzletext.h"
#include "support.h"
#include "ui/filewords.h"

#include <QAbstractFileIconProvider>
#include <QClipboard>
#include <QFileDialog>
#include <QtTest>
#include <csignal>
#include <grp.h>
#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

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
    void saveWritesOnlyWhatLoadsBack();
    void loadMarksGivensAndSolves();
    void loadKeepsColourOfEmptyCells();
    void loadResetsCandidateTexts();
    void loadEndsCheckingMode();
    void dialogsStartInProgramFolder();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void badFileLeavesWindowAlone_data();
    void badFileLeavesWindowAlone();
    void failedSaveKeepsExistingFile_data();
    void failedSaveKeepsExistingFile();
    void saveToFolderFails();
    void saveKeepsWhatTheFileIs_data();
    void saveKeepsWhatTheFileIs();
    void saveGivesUpOrRefusesSwappedFile_data();
    void saveGivesUpOrRefusesSwappedFile();
    void dialogsJudgeFilesByName();
    void clicksWaitUntilLoadIsDone();
    void loadSurvivesCommandDuringYield();
    void clipboardCarriesPuzzle();
    void droppedFileLoads();
    void readsEveryForm_data();
    void readsEveryForm();

private:
    Form1 *form = nullptr;
    QStringList messages;
    std::unique_ptr<QTemporaryDir> tempDir; // a fresh folder for each test
    QString path(const QString &name) const { return tempDir->filePath(name); }
    QString dirPath() const { return tempDir->path(); }
    void answerDialog(const QString &fileName);
    QString snapshot() const;
    QString saveAsNobody(const QString &fileName);
    bool drop(const QMimeData *data);
};

static QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

static const QString formsRead = "\r\r" + FileWords::formsText();

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
    const QStringList texts{"1", "", "", "9"};
    for (int i = 0; i < 81; ++i)
        form->Row1[i]->setText(texts.at(i % texts.size()));
    answerDialog(path(QStringLiteral("round.txt")));
    form->cmdSave_Click();
    form->cmdClear_Click();
    form->cmdGet_Click();
    for (int i = 0; i < 81; ++i)
        QCOMPARE(form->Row1[i]->text(), texts.at(i % texts.size()));
    QCOMPARE(boxColours(*form).left(4), QStringLiteral("YWWY"));
}

// Save File writes only what Get File gives back unchanged: for random grids of digits,
// empty boxes and texts a file cannot carry, either the save is refused, nothing
// written and the first such box named, or a load of the file restores all 81 texts.
void tst_files::saveWritesOnlyWhatLoadsBack()
{
    // A 0 reads back as an open cell, so it is no text a file can carry either.
    const QStringList odd{"x",  "12", "\u00e9", "\u20ac",          "5 ", "-3", ",",
                          "\"", "05", "0",      QString(101, u'7')};
    const QString name = path(QStringLiteral("round.txt"));
    answerDialog(name);
    QRandomGenerator random(12);
    for (int round = 0; round < 120; ++round) {
        const int oddPercent = round % 2 ? 0 : random.bounded(8);
        QStringList texts;
        for (QLineEdit *box : form->Row1) {
            box->setText(random.bounded(100) < oddPercent
                             ? odd.at(random.bounded(odd.size()))
                             : QString::number(1 + random.bounded(9)).left(random.bounded(2)));
            texts << box->text();
        }
        QFile::remove(name);
        messages.clear();
        form->cmdSave_Click();
        const auto firstOdd = std::find_if(texts.cbegin(), texts.cend(), [](const QString &text) {
            return !isCellText(text) || text == u"0";
        });
        if (firstOdd == texts.cend()) {
            form->cmdClear_Click();
            form->cmdGet_Click();
            QCOMPARE(boxTexts(*form), nineLines([&](int i) { return texts.at(i); }));
        } else {
            QVERIFY(!QFile::exists(name));
            const int cell = int(firstOdd - texts.cbegin()) + 1;
            QVERIFY(messages.join(u'\n').contains(QStringLiteral("\rCell %1 holds").arg(cell)));
        }
    }
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
    QTest::newRow("empty") << "empty.txt" << QByteArray("") << "It is empty.";
    QTest::newRow("short") << "short.txt" << puzzleFileBytes(QString(80, u'.'))
                           << "It holds only 80 of the 81 cells a puzzle file needs." + formsRead;
    QTest::newRow("long item") << "long.txt" << QByteArray(200, '1') + "\r\n"
                               << "Line 1 holds 200 cells, where a row holds nine and a puzzle "
                                  "on one line 81."
            + formsRead;
    QTest::newRow("too large") << "large.txt" << QByteArray(PuzzleFile::MaxFileSize + 1, '\n')
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
    QTest::newRow("line breaks") << "breaks.txt"
                                 << "\"1\n\n2\"\r\n" + QByteArray(80, '\n')
                                 << notPuzzle + "Line 1 holds \"1\ufffd\ufffd2\"";
    QTest::newRow("fifo") << "fifo" << QByteArray()
                          << "It is a FIFO (named pipe), not a puzzle file.";
    QTest::newRow("device") << "zero" << QByteArray()
                            << "It is a character device, not a puzzle file.";
    QTest::newRow("never answers")
        << "stalled.txt" << puzzleFileBytes(simplePuzzle)
        << "It did not answer within 2 seconds, so Varnodel gave up on it.";
    QTest::newRow("never answers the dialog")
        << "stalled in dialog.txt" << puzzleFileBytes(simplePuzzle)
        << "It did not answer within 2 seconds, so Varnodel gave up on it.";
    QTest::newRow("left by an interrupted save")
        << ".keep.txt.Xy12Zq" << puzzleFileBytes(simplePuzzle)
        << "It is what an interrupted save of keep.txt left behind, not a puzzle file; the next "
           "save of that file removes it.";
}

// Makes the special file a name asks for: a FIFO, or a link to a character device.
static void makeSpecialFile(const QString &fileName)
{
    if (fileName.endsWith(u"/fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(fileName), 0644), 0);
    else if (fileName.endsWith(u"/zero"))
        QCOMPARE(symlink("/dev/zero", QFile::encodeName(fileName)), 0);
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
    else if (!name.contains(u'.'))
        makeSpecialFile(path(name));
    else if (name != QLatin1String("missing.txt"))
        writeFile(path(name), bytes);
    if (name.startsWith(u'.'))
        writeFile(path(QStringLiteral("keep.txt")), "");
    // While it waits for a file that does not answer, the window goes on handling events.
    bool eventsRan = false;
    const bool stalled = name.startsWith(u"stalled");
    if (stalled) {
        FileRead::stallHook = [] { QThread::sleep(3); };
        QTimer::singleShot(500, form, [&] { eventsRan = true; });
    }

    setGrid(*form, simplePuzzle);
    form->cmdSolve_Click();
    form->Row1[0]->setText(QStringLiteral("6"));
    setBackColor(form->Row1[0], 0xC0FFC0);
    form->cmdShowGrid_Click();
    const QString before = snapshot();
    messages.clear();
    answerDialog(path(name));
    if (name.contains(u"dialog")) { // chosen in the real dialog, which looks it up first
        form->CommonDialog1->answer = nullptr;
        QTimer::singleShot(100, form, [&] {
            auto *edit = QApplication::activeModalWidget()->findChild<QLineEdit *>(
                QStringLiteral("fileNameEdit"));
            edit->setText(path(name));
            QTest::keyClick(edit, Qt::Key_Return);
        });
    }
    form->cmdGet_Click();
    FileRead::stallHook = nullptr;
    QCOMPARE(messages,
             QStringList{QStringLiteral("Varnodel could not load the file\r%1\r\r%2")
                             .arg(QDir::toNativeSeparators(path(name)), problem)});
    QCOMPARE(snapshot(), before);
    QCOMPARE(eventsRan, stalled);
}

// A save that fails part way leaves the file of that name as it was, whichever way it
// is written, and says why. The file size limit makes the write fail even for a user
// who may write anywhere.
void tst_files::failedSaveKeepsExistingFile_data()
{
    QTest::addColumn<QStringList>("names"); // the file saved to, and its other links
    QTest::newRow("replaced") << QStringList{"keep.txt"};
    QTest::newRow("written in place") << QStringList{"keep.txt", "link.txt"};
    QTest::newRow("new file") << QStringList{"new.txt"};
}

void tst_files::failedSaveKeepsExistingFile()
{
    QFETCH(QStringList, names);
    const QString name = path(names.first());
    const bool isNew = names.first() == QLatin1String("new.txt");
    if (!isNew)
        writeFile(name, "old puzzle");
    for (const QString &other : names.mid(1))
        QCOMPARE(link(QFile::encodeName(name), QFile::encodeName(path(other))), 0);
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

    for (const QString &kept : names)
        QCOMPARE(readAll(path(kept)), QByteArray(isNew ? "<unreadable>" : "old puzzle"));
    names.sort();
    QCOMPARE(QDir(dirPath()).entryList(QDir::Files | QDir::Hidden), isNew ? QStringList() : names);
    QCOMPARE(messages,
             QStringList{QStringLiteral("Varnodel could not save the file\r%1\r\rIt could "
                                        "not be written: File too large")
                             .arg(name)});
}

// A save to anything but a regular file is refused with the reason and left as it was.
void tst_files::saveToFolderFails()
{
    const QList<QPair<QString, QString>> targets{
        {"sub", "It is a folder, not a puzzle file."},
        {"none/p.txt", "It could not be created: No such file or directory"},
        {"fifo", "It is a FIFO (named pipe), not a puzzle file."},
        {"zero", "It is a character device, not a puzzle file."},
        {QString(300, u'n'), "It could not be opened: File name too long"},
    };
    QVERIFY(QDir(dirPath()).mkdir(QStringLiteral("sub")));
    for (const auto &[name, problem] : targets) {
        makeSpecialFile(path(name));
        messages.clear();
        answerDialog(path(name));
        form->cmdSave_Click();
        QCOMPARE(messages.size(), 1); // naming the file, shortened when long
        QCOMPARE(messages.at(0).section(u'\r', -1), problem);
    }
    QVERIFY(QFileInfo(path(QStringLiteral("sub"))).isDir());
    QCOMPARE(QDir(dirPath()).entryList(QDir::System), QStringList({"fifo", "zero"}));
    QCOMPARE(QFileInfo(path(QStringLiteral("zero"))).symLinkTarget(), QStringLiteral("/dev/zero"));
}

// Runs Save File in a child process as the user nobody, whose home is the test's folder;
// returns the folder its dialog opened in, then its messages, a line each.
QString tst_files::saveAsNobody(const QString &fileName)
{
    QTemporaryFile said;
    if (said.open() && fork() == 0) {
        QString folder;
        form->CommonDialog1->answer
            = [&](CommonDialog::Mode, const QString &in) { return folder = in, fileName; };
        qputenv("HOME", QFile::encodeName(dirPath()));
        if (setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0)
            form->cmdSave_Click();
        said.write((QStringList{folder} + messages).join(u'\n').toUtf8());
        _exit(!said.flush());
    }
    wait(nullptr);
    said.seek(0);
    return QString::fromUtf8(said.readAll());
}

void tst_files::saveKeepsWhatTheFileIs_data()
{
    QTest::addColumn<QString>("how"); // saved by root or nobody, through the name or a link
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("problem");
    QTest::newRow("read-only") << "root" << 0444 << "";
    QTest::newRow("set-group-ID") << "root" << 02755 << "";
    QTest::newRow("another owner's") << "root, nobody's file" << 0640 << "";
    QTest::newRow("hard link") << "root, hard link" << 0644 << "";
    QTest::newRow("symbolic link") << "root, symbolic link" << 0600 << "";
    QTest::newRow("set-ID bits, by their owner") << "nobody, nobody's file" << 06775 << "";
    QTest::newRow("in a folder its saver cannot write") << "nobody" << 0666 << "";
    QTest::newRow("not writable by its saver")
        << "nobody" << 0644 << "It could not be opened: Permission denied";
    QTest::newRow("set-ID bits its saver cannot set again")
        << "nobody" << 04777
        << "Saving it would clear its set-user-ID or set-group-ID bit, which only its owner may "
           "set again.";
    QTest::newRow("another user's link in a shared folder")
        << "root, symbolic link, shared" << 0644 << "It could not be opened: Permission denied";
    QTest::newRow("file capabilities") << "root, capabilities" << 0755 << "";
    QTest::newRow("file capabilities its saver cannot set again")
        << "nobody, capabilities" << 0666
        << "Saving it would clear its file capabilities, which only an administrator may set "
           "again.";
    QTest::newRow("leftovers of interrupted saves") << "root, leftover" << 0644 << "";
}

// A save changes the file's bytes and nothing else: mode (all twelve bits), owner, group
// and links stay, a symbolic link stays a link, and no temporary file is left. Saves by
// nobody, in a folder only root may write, cannot put a new file in the old one's place;
// nobody's save dialog opens in the home folder, the program's being root's.
void tst_files::saveKeepsWhatTheFileIs()
{
    QFETCH(QString, how);
    QFETCH(int, mode);
    QFETCH(QString, problem);
    const QString target = path(QStringLiteral("p.txt"));
    const QString name = how.contains(u"link") ? path(QStringLiteral("l.txt")) : target;
    const bool byNobody = how.contains(u"nobody") || how.contains(u"shared");
    if (geteuid() != 0 && (byNobody || !(mode & 0200)))
        QSKIP("Only root writes a read-only file or acts for the user nobody; the run as root "
              "covers this row");
    writeFile(target, "old");
    if (byNobody
        && (chown(QFile::encodeName(target), 65534, 65534) != 0
            || chown(QFile::encodeName(target), geteuid(), getegid()) != 0))
        QSKIP("The user nobody has no ID here (a user namespace that maps only its creator); "
              "the run as root covers this row");
    if (how.contains(u"hard"))
        QCOMPARE(link(QFile::encodeName(target), QFile::encodeName(name)), 0);
    if (how.contains(u"symbolic"))
        QCOMPARE(symlink("p.txt", QFile::encodeName(name)), 0);
    if (how.contains(u"nobody's"))
        QCOMPARE(chown(QFile::encodeName(target), 65534, 65534), 0);
    if (how.contains(u"shared")) { // as /tmp is, with a link that nobody made
        QCOMPARE(lchown(QFile::encodeName(name), 65534, 65534), 0);
        QCOMPARE(chmod(QFile::encodeName(dirPath()), 01777), 0);
    }
    QCOMPARE(chmod(QFile::encodeName(target), mode_t(mode)), 0);
    // CAP_NET_RAW, permitted and effective, as setcap cap_net_raw+ep sets it
    const quint32 capability[5] = {0x02000001, 1u << 13, 0, 0, 0};
    if (how.contains(u"capabilities")
        && setxattr(QFile::encodeName(target), "security.capability", capability, sizeof capability,
                    0)
            != 0)
        QSKIP("Setting file capabilities needs root and a file system that keeps them.");
    const auto facts = [&] {
        struct stat info = {};
        stat(QFile::encodeName(target), &info);
        QByteArray caps(64, 0);
        caps.resize(qMax<ssize_t>(
            0,
            getxattr(QFile::encodeName(target), "security.capability", caps.data(), caps.size())));
        return QStringList{readAll(target), readAll(name),
                           QString::asprintf("%o %u %u %lu %d", info.st_mode, info.st_uid,
                                             info.st_gid, info.st_nlink,
                                             QFileInfo(name).isSymLink()),
                           caps.toHex()}
        + QDir(dirPath()).entryList(QDir::AllEntries | QDir::Hidden);
    };
    if (how.contains(u"leftover")) // not named as ours: stays
        writeFile(path(QStringLiteral(".p.txt.1234567")), "kept");
    QStringList expected = facts();
    if (how.contains(u"leftover")) // ours: removed
        writeFile(path(QStringLiteral(".p.txt.Ab12Cd")), "half");
    setGrid(*form, simpleSolution);
    answerDialog(name);
    if (how.startsWith(u"nobody")) {
        QCOMPARE(chmod(QFile::encodeName(dirPath()), 0755), 0);
        messages = saveAsNobody(name).split(u'\n');
        QCOMPARE(messages.takeFirst(), dirPath());
    } else {
        form->cmdSave_Click();
    }
    if (problem.isEmpty())
        expected[0] = expected[1] = puzzleFileBytes(simpleSolution);
    QCOMPARE(facts(), expected);
    QCOMPARE(messages.join(u'\n'),
             problem.isEmpty() ? problem
                               : "Varnodel could not save the file\r" + name + "\r\r" + problem);
}

// A save that gets no answer is given up after a few seconds while the window repaints;
// from then on it writes nothing, unless writing had begun, which then ends whole. A file
// swapped for a link after its check is never written through the link.
void tst_files::saveGivesUpOrRefusesSwappedFile_data()
{
    QTest::addColumn<QString>("step"); // where the save is held up, or the file swapped
    QTest::addColumn<bool>("inPlace"); // a hard link keeps it from being replaced
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QByteArray>("after"); // what the name then reads
    const QString notSaved = "It did not answer within 5 seconds; the puzzle was not saved.";
    const QString swapped = "It was replaced, or changed owner, while Varnodel was saving it; it "
                            "was left alone.";
    QTest::newRow("stalled at the start") << "start" << false << notSaved << QByteArray("old");
    QTest::newRow("stalled before the rename")
        << "rename" << false << notSaved << QByteArray("old");
    QTest::newRow("stalled while writing in place")
        << "write" << true
        << "It stopped answering while the puzzle was being written into it, and did not "
           "answer within 5 seconds. If it answers again while Varnodel runs, it then holds "
           "either what it held before or the whole puzzle."
        << puzzleFileBytes(simpleSolution);
    QTest::newRow("swapped before the rename")
        << "swap rename" << false << swapped << QByteArray("secret");
    QTest::newRow("swapped before the in-place write")
        << "swap open in place" << true << swapped << QByteArray("secret");
}

void tst_files::saveGivesUpOrRefusesSwappedFile()
{
    QFETCH(QString, step);
    QFETCH(bool, inPlace);
    QFETCH(QString, problem);
    QFETCH(QByteArray, after);
    const QString name = path(QStringLiteral("p.txt"));
    writeFile(name, "old");
    writeFile(path(QStringLiteral("victim.txt")), "secret");
    if (inPlace)
        QCOMPARE(link(QFile::encodeName(name), QFile::encodeName(path(QStringLiteral("l.txt")))),
                 0);
    QVERIFY(QFile::link(QStringLiteral("victim.txt"), path(QStringLiteral("swap"))));
    auto gate = std::make_shared<QSemaphore>();
    CarefulSave::stepHook = [=](const char *now) {
        if (step == QLatin1String(now))
            gate->acquire();
        else if (step == QLatin1String("swap ") + QLatin1String(now))
            rename(QFile::encodeName(path(QStringLiteral("swap"))), QFile::encodeName(name));
    };
    bool eventsRan = false;
    QTimer::singleShot(500, form, [&] { // the window takes clicks, but no second save
        eventsRan = true;
        form->cmdSave->click();
    });
    setGrid(*form, simpleSolution);
    answerDialog(name);
    form->cmdSave_Click();
    CarefulSave::stepHook = nullptr;
    gate->release();
    QTest::qWait(300); // the save, let go, goes on to its end
    QCOMPARE(messages, QStringList{"Varnodel could not save the file\r" + name + "\r\r" + problem});
    QCOMPARE(eventsRan, !step.startsWith(u"swap"));
    QCOMPARE(readAll(name), after);
    QCOMPARE(readAll(path(QStringLiteral("victim.txt"))), QByteArray("secret"));
    QCOMPARE(QDir(dirPath()).entryList(QDir::Files | QDir::Hidden).size(),
             (inPlace ? 3 : 2) + !step.startsWith(u"swap"));
}

// The dialogs are Qt's own and judge files by name only: a file without an extension
// that starts like a picture is just a file to them, as its bytes are never read. They
// keep no settings file of the folders visited.
void tst_files::dialogsJudgeFilesByName()
{
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/QtProject.conf");
    const QByteArray settingsBefore = readAll(settings);
    writeFile(path(QStringLiteral("picture")), "\x89PNG\r\n\x1a\n");
    QString type;
    QTimer::singleShot(100, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->testOption(QFileDialog::DontUseNativeDialog))
            type = dialog->iconProvider()->type(QFileInfo(path(QStringLiteral("picture"))));
        QApplication::activeModalWidget()->close();
    });
    form->CommonDialog1->InitDir = dirPath();
    QVERIFY(!form->CommonDialog1->ShowOpen());
    QCOMPARE(type, QMimeDatabase().mimeTypeForName("application/octet-stream").comment());
    QCOMPARE(readAll(settings), settingsBefore);
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
            else if (yields == 20) // a second load, as a drop would start it, waits for none
                form->loadPuzzleFile(path(QStringLiteral("p.txt")));
            if (yields < 81)
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

// Ctrl+Shift+V, even in a given's box, loads a grid text as Get File loads a file: the
// last puzzle's givens, candidates and Solved go, and Solve runs. Ctrl+Shift+C gives the
// grid as one line, or names the boxes it cannot.
void tst_files::clipboardCarriesPuzzle()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto press = [this](Qt::Key key) {
        QTest::keyClick(form->Row1[1], key, Qt::ControlModifier | Qt::ShiftModifier);
    };
    setGrid(*form, simplePuzzle);
    form->cmdSolve_Click();
    messages.clear();
    clipboard->setText(rows(hardPuzzle).replace(u'.', u'0'));
    press(Qt::Key_V);
    QCOMPARE(boxTexts(*form), rows(hardPuzzle));
    QCOMPARE(boxColours(*form),
             rows(hardPuzzle).replace(QRegularExpression("[1-9]"), "Y").replace(u'.', u'W'));
    QCOMPARE(form->Solved, 0);
    clipboard->setText(QStringLiteral("no puzzle"));
    press(Qt::Key_V);
    press(Qt::Key_C);
    QCOMPARE(clipboard->text(), hardPuzzle);
    form->Row1[5]->setText(QStringLiteral("0")); // would read back as an open cell
    press(Qt::Key_C);
    QCOMPARE(clipboard->text(), hardPuzzle);
    QCOMPARE(messages.size(), 3);
    QCOMPARE(messages.at(0), guidanceMessage);
    QVERIFY(messages.at(1).startsWith(QStringLiteral("The clipboard holds no puzzle.\r\r")));
    QCOMPARE(messages.at(2),
             "Only digits 1 to 9 and empty cells can be copied.\rCell 6 holds "
             "\"0\"\rCorrect these cells and copy again.");
}

// Drags data onto the middle box and drops it; says whether the window took the drag.
bool tst_files::drop(const QMimeData *data)
{
    const QPoint at = form->Row1[40]->mapTo(form, form->Row1[40]->rect().center());
    using System = QWindowSystemInterface;
    const auto entered = System::handleDrag(form->windowHandle(), data, at, Qt::CopyAction, {}, {});
    System::handleDrop(form->windowHandle(), data, at, Qt::CopyAction, {}, {});
    return entered.isAccepted();
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
    QVERIFY(!drop(&text));
    QVERIFY(drop(&file));
    QTRY_COMPARE(boxTexts(*form), rows(simplePuzzle));
    QCOMPARE(messages, QStringList{solvedMessage});
}

static const QString sample = QStringLiteral(
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");

// Nine lines, one a row of the puzzle, each as row() writes it, then end.
static QString nine(const std::function<QString(QString)> &row, const QString &end = "\n",
                    const QString &puzzle = sample)
{
    QString text;
    for (int r = 0; r < 9; ++r)
        text += row(puzzle.mid(9 * r, 9)) + end;
    return text;
}

// A row's cells joined by a separator, open cells written as open.
static QString fields(const QString &row, const QString &open, const QString &separator)
{
    QStringList cells;
    for (QChar c : row)
        cells << (c == u'.' ? open : QString(c));
    return cells.join(separator);
}

void tst_files::readsEveryForm_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // the cells ('.' open), "N:" and the second of
                                           // N puzzles, or part of the refusal
    const QString P = sample, H = hardPuzzle;
    const auto u8 = [](const QString &text) { return text.toUtf8(); };
    const auto zeros = [](QString row) { return row.replace(u'.', u'0'); };
    QString lines81, json, blanks;
    for (QChar c : P)
        lines81 += c + QStringLiteral("\n");
    for (int r = 0; r < 9; ++r)
        json += (r ? ",[" : "[[") + fields(P.mid(9 * r, 9), "null", ",") + "]";
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const QByteArray tabs16 = utf16.encode(nine([](QString r) { return fields(r, "", "\t"); }));
    const auto boxes = [](const QString &r) {
        return "\u2502" + r.left(3) + "\u2502" + r.mid(3, 3) + "\u2502" + r.mid(6) + "\u2502";
    };
    const QString rule = "\u251c\u2500\u2500\u2500\u253c\u2500\u2500\u2500\u253c\u2500\u2500\u2500"
                         "\u2524\n";
    QTest::newRow("own file") << puzzleFileBytes(P) << P;
    QTest::newRow("own file, UTF-8 mark") << "\xEF\xBB\xBF" + puzzleFileBytes(P) << P;
    QTest::newRow("own file, 0 open") << puzzleFileBytes(zeros(P)) << P;
    QTest::newRow("81 lines of a digit or .") << u8(lines81) << P;
    QTest::newRow("one line") << u8(P) << P;
    QTest::newRow("one line, NBSP, fields") << "\xA0" + P.toLatin1() + "\t4.5  id17\r\n" << P;
    QTest::newRow("one line, rows set apart, comment")
        << u8("# from the paper\n" + nine([](QString r) { return r; }, " ")) << P;
    QTest::newRow("nine lines, zeros") << u8(nine(zeros)) << P;
    QTest::newRow("commas, trailing comma")
        << u8(nine([](QString r) { return fields(r, "", ",") + ","; }, "\r\n")) << P;
    QTest::newRow("commas, zeros, blank lines")
        << u8(nine([](QString r) { return fields(r, "0", ","); }, "\n\n")) << P;
    QTest::newRow("semicolons, dots")
        << u8(nine([](QString r) { return fields(r, ".", ";"); })) << P;
    QTest::newRow("tabs, UTF-16") << tabs16 << P;
    QTest::newRow("drawn, comments, CR LF")
        << u8("# from a newspaper\n  #\tday 3\n" + nine([](QString r) {
                  return r.left(3) + " | " + r.mid(3, 3) + " | " + r.mid(6) + "\r\n+---+---+---+";
              }))
        << P;
    QTest::newRow("stars, rules of =, mark ?")
        << u8(nine([](QString r) { return "| " + fields(r, "?", " ") + " |\n*=====*"; })) << P;
    QTest::newRow("box drawing") << u8(nine([&](QString r) { return boxes(r) + "\n" + rule; }))
                                 << P;
    QTest::newRow("dashes, rules")
        << u8(nine([](QString r) { return r.replace(u'.', u'-') + "\n---+---+---"; })) << P;
    QTest::newRow("blanks by position")
        << u8(nine([](QString r) { return "|" + r.replace(u'.', u' ') + "|"; })) << P;
    QTest::newRow("heading, comments, X")
        << u8("Grid 01\n// from the paper\n; easy\n"
              + nine([](QString r) { return r.replace(u'.', u'X') + " ; # row"; }))
        << P;
    QTest::newRow(".sdk") << u8("#Aauthor\n[Puzzle]\n" + nine(zeros) + "[State]\n"
                                + QStringLiteral("123456789\n").repeated(9))
                          << P;
    QTest::newRow("JSON") << u8(json + "]") << P;
    QTest::newRow("OpenSudoku XML")
        << u8("<?xml version=\"1.0\"?>\n<opensudoku>\n<game data=\"" + zeros(P)
              + "\"/>\n<game data=\"" + zeros(H) + "\"/></opensudoku>\n")
        << "2:" + H;
    QTest::newRow("a line each, fields") << u8(P + "\n" + H + ",3.2\n" + P + " x\n") << "3:" + H;
    QTest::newRow("grids under headings")
        << u8("Grid 01\n" + nine(zeros) + "\nGrid 02\n" + nine(zeros, "\n", H)) << "2:" + H;
    QTest::newRow("old open marks") << u8(QStringLiteral("*_x").repeated(27)) << QString(81, u'.');

    QTest::newRow("row of eight, row of ten")
        << u8(P.left(8) + "\n." + nine([](QString r) { return r; }).mid(10))
        << "Line 1 holds 8 cells, where a row holds nine and a puzzle on one line 81.";
    QTest::newRow("commas, row of eight, row of ten")
        << u8(nine([](QString r) {
                  return fields(r, "", ",");
              }).replace(QRegularExpression("^5,(.*\n)"), "\\15,"))
        << "Line 1 holds 8 cells separated by \",\", where a row holds nine.";
    QTest::newRow("trailing commas, a field of two")
        << u8(nine([](QString r) { return fields(r, "", ",") + ","; }).replace("8,,3", "8,,37"))
        << "It holds 89 items, separated by commas and line ends, where a puzzle file holds 81; "
           "item 85, on line 9, would be left unread.\rLine 5, character 9: \"7\" does not fit";
    QTest::newRow("two marks")
        << u8(P.left(9).replace(u'.', u'-') + "\n" + nine([](QString r) { return r; }).mid(10))
        << "Line 1, character 3: \"-\" marks an open cell, where line 2, character 2 marks one "
           "with \".\"";
    QTest::newRow("blanks by position, cut short")
        << u8(nine([](QString r) { return r.replace(u'.', u' ').trimmed(); }))
        << "Line 1 is 5 characters wide, where a row with blanks for open cells is nine.";
    QTest::newRow("commas, one row without its end comma")
        << u8(nine([](QString r) {
                  return fields(r, "", ",") + ",";
              }).replace(",,,,,\n6", ",,,,\n6"))
        << "Line 2 holds 10 fields, where line 1 holds 9; the rows of a grid end alike.";
    QTest::newRow("a heading inside a grid")
        << u8(nine([](QString r) { return r; }).insert(40, "Grid 01\n"))
        << "Line 5 breaks into the grid that starts on line 1, after 4 of its nine rows.";
    QTest::newRow("eight rows") << u8(nine([](QString r) { return r; }).left(80))
                                << "The grid that starts on line 1 holds only 8 of its nine rows.";
    QTest::newRow("80 cells") << u8(P.left(80)) << "Line 1 holds 80 cells, where a row holds nine";
    QTest::newRow("a letter") << u8("a" + P.mid(1))
                              << "Line 1, character 1: \"a\" marks an open cell, where line 1, "
                                 "character 3 marks one with \".\"";
    QTest::newRow("JSON, eight rows")
        << u8(json.section("],", 0, 7) + "]]") << "It is JSON, but no array of nine rows";
    QTest::newRow("OpenSudoku, short data")
        << u8("<opensudoku>\n<game data=\"" + zeros(P).left(80) + "\"/></opensudoku>")
        << "Line 2: the game's data holds 80 characters";
    QTest::newRow("own file, 0012") << puzzleFileBytes(P).replace("7\r\n", "0012\r\n")
                                    << "It is not a puzzle: a cell takes one digit, or nothing.\r"
                                       "Line 5 holds \"0012\"\rLine 46 holds \"0012\"";
    QTest::newRow("empty") << QByteArray() << "It is empty.";
}

// One reader for every way a puzzle comes in: the text gives its puzzle, or refuses with
// its reason, and Get File, a dropped file and Ctrl+Shift+V all leave the same window,
// a clean board of yellow givens solved from scratch, or the grid as it was.
void tst_files::readsEveryForm()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString text = PuzzleText::decode(bytes);
    const PuzzleText::Reading reading = PuzzleText::read(text);
    const qsizetype count = reading.puzzles.size();
    QString got = count ? reading.puzzles.at(count > 1).grid : FileWords::refusal(reading.refusal);
    if (count > 1)
        got.prepend(QString::number(count) + u':');
    QVERIFY2(count ? got == expected : got.contains(expected), qPrintable(got));

    QVERIFY(QTest::qWaitForWindowExposed(form));
    writeFile(path(QStringLiteral("p.txt")), bytes);
    answerDialog(path(QStringLiteral("p.txt")));
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(path(QStringLiteral("p.txt")))});
    QStringList chooser;
    form->chooserHook = [&chooser](const QStringList &labels) {
        chooser << labels.value(1);
        return 1;
    };
    QStringList outcomes;
    for (int way = 0; way < 3; ++way) {
        for (QLineEdit *box : form->txtNos)
            box->hide();
        setGrid(*form, simplePuzzle);
        form->cmdSolve_Click();
        form->Row1[0]->setText(QStringLiteral("6"));
        setBackColor(form->Row1[0], 0xC0FFC0);
        const QString before = snapshot();
        messages.clear();
        if (way == 0)
            form->cmdGet_Click();
        else if (way == 1)
            QVERIFY(drop(&file));
        else
            QGuiApplication::clipboard()->setText(text), form->pastePuzzle();
        QTRY_VERIFY(!messages.isEmpty());
        for (QString &message : messages)
            if (message.startsWith(QStringLiteral("Varnodel could not load the file\r"))
                || message.startsWith(QStringLiteral("The clipboard holds no puzzle.\r\r")))
                message = message.section(QStringLiteral("\r\r"), 1);
        outcomes << snapshot() + u'\n' + messages.join(u'\n');
        if (count == 0)
            QCOMPARE(snapshot(), before);
        else
            QCOMPARE(boxColours(*form).remove(u'\n').remove(u'G').count(u'W'),
                     expected.right(81).count(u'.'));
    }
    QCOMPARE(outcomes.at(1), outcomes.at(0));
    QCOMPARE(outcomes.at(2), outcomes.at(0));
    QCOMPARE(chooser.size(), count > 1 ? 3 : 0);
}

QTEST_MAIN(tst_files)
#include "tst_files.moc"
