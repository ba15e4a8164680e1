#include "files/commondialog.h"
#include "help/frmhelp.h"
#include "support.h"

#include <QProcess>
#include <QtTest>

// Commands that the player starts while the engine yields: each runs to completion in
// the middle of a solve, and the interrupted solve goes on. Nothing may crash, no
// state may break, and the window must still solve correctly afterwards.
class tst_yields : public QObject
{
    Q_OBJECT

private slots:
    void commandDuringSolve_data();
    void commandDuringSolve();
    void quitDuringSolveEndsAtOnce();
};

void tst_yields::commandDuringSolve_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("atYield");
    QTest::addColumn<QString>("puzzle");
    const QStringList commands{"clear", "solve",      "grid",        "result", "get",  "get bad",
                               "save",  "type digit", "type letter", "about",  "help", "hint"};
    for (const QString &command : commands)
        for (int yield : {1, 2, 3, 5})
            for (const QString &puzzle : {simplePuzzle, hardPuzzle})
                QTest::addRow("%s at yield %d, %s", qPrintable(command), yield,
                              puzzle == simplePuzzle ? "solvable" : "stalls")
                    << command << yield << puzzle;
}

void tst_yields::commandDuringSolve()
{
    QFETCH(QString, command);
    QFETCH(int, atYield);
    QFETCH(QString, puzzle);

    QTemporaryDir dir;
    const QString puzzleFile = dir.filePath(QStringLiteral("p.txt"));
    QVERIFY(writeBytes(puzzleFile, puzzleFileBytes(hardPuzzle)));

    Form1 form;
    form.show();
    QStringList messages;
    catchMessages(form, messages);
    form.quitHook = [] { QFAIL("Quit was not pressed"); };
    form.CommonDialog1->answer = [&](CommonDialog::Mode mode, const QString &) {
        if (mode == CommonDialog::Save)
            return dir.filePath(QStringLiteral("saved.txt"));
        return command == QLatin1String("get bad") ? dir.filePath(QStringLiteral("none.txt"))
                                                   : puzzleFile;
    };
    QTimer helpCloser;
    helpCloser.setInterval(1);
    connect(&helpCloser, &QTimer::timeout, &form, [&] {
        if (auto *help = qobject_cast<frmHelp *>(QApplication::activeModalWidget())) {
            help->cmdNext->click();
            help->cmdQuit->click();
        }
    });
    helpCloser.start();

    int yields = 0;
    bool ran = false;
    bool armed = true; // only the first solve's yields count
    std::function<void()> arm = [&] {
        QTimer::singleShot(0, &form, [&] {
            if (!armed)
                return;
            if (++yields != atYield) {
                arm();
                return;
            }
            ran = true;
            if (command == QLatin1String("clear"))
                form.cmdClear->click();
            else if (command == QLatin1String("solve"))
                form.cmdSolve->click();
            else if (command == QLatin1String("grid"))
                form.cmdShowGrid->click();
            else if (command == QLatin1String("result"))
                form.cmdShowResult->click();
            else if (command.startsWith(QLatin1String("get")))
                form.cmdGet->click();
            else if (command == QLatin1String("save"))
                form.cmdSave->click();
            else if (command == QLatin1String("type digit"))
                QTest::keyClick(form.Row1[0], '6');
            else if (command == QLatin1String("type letter"))
                QTest::keyClick(form.Row1[0], 'q');
            else if (command == QLatin1String("about"))
                form.About->trigger();
            else if (command == QLatin1String("help"))
                form.Info->trigger();
            else if (command == QLatin1String("hint"))
                form.Hint->trigger();
        });
    };
    arm();
    setGrid(form, puzzle);
    form.cmdSolve->click();
    armed = false;
    QVERIFY(ran || atYield > yields);
    QVERIFY2(windowInvariantBroken(form).isEmpty(), qPrintable(windowInvariantBroken(form)));
    QVERIFY2(solveInvariantBroken(form).isEmpty(), qPrintable(solveInvariantBroken(form)));
    QVERIFY(!messages.isEmpty());

    // The window still solves as it should.
    form.cmdClear->click();
    messages.clear();
    setGrid(form, simplePuzzle);
    form.cmdSolve->click();
    QCOMPARE(messages, QStringList{solvedMessage});
    QCOMPARE(cellValues(form), rows(simpleSolution));
}

// Quit in the middle of a solve ends the process there, with status 0.
void tst_yields::quitDuringSolveEndsAtOnce()
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VARNODEL_HELPER_DIR "/quit_during_solve"), {});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
}

QTEST_MAIN(tst_yields)
#include "tst_yields.moc"
