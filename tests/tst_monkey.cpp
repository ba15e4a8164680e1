#include "files/commondialog.h"
#include "help/frmhelp.h"
#include "support.h"

#include <QRandomGenerator>
#include <QtTest>

// A seeded, reproducible monkey: thousands of random player actions (every button,
// both menu items, keys in random boxes, good, bad and cancelled files, commands in the
// middle of a solve), with every invariant checked after each one.
//   VARNODEL_MONKEY_SEED=n  replays one seed;  VARNODEL_MONKEY_ACTIONS=n  sets the length.
class tst_monkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomPlay_data();
    void randomPlay();

private:
    QTemporaryDir dir;
    QStringList goodFiles;
    QStringList badFiles;
    QStringList puzzles;
};

void tst_monkey::initTestCase()
{
    QVERIFY(dir.isValid());
    QFile corpus(QStringLiteral(VARNODEL_TEST_DATA "/qqwing-300.csv"));
    QVERIFY(corpus.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!corpus.atEnd())
        puzzles << QString::fromLatin1(corpus.readLine()).section(u',', 0, 0);
    for (int i = 0; i < 6; ++i) {
        const QString name = dir.filePath(QStringLiteral("good%1.txt").arg(i));
        QVERIFY(writeBytes(name, puzzleFileBytes(puzzles.at(i * 50))));
        goodFiles << name;
    }
    QString odd = simplePuzzle;
    odd[3] = u'x';
    goodFiles << dir.filePath(QStringLiteral("odd.txt"));
    QVERIFY(writeBytes(goodFiles.last(), puzzleFileBytes(odd) + "3,4\r\n"));

    badFiles << dir.filePath(QStringLiteral("missing.txt"))
             << dir.filePath(QStringLiteral("folder"));
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const QList<QByteArray> bad{QByteArray(), QByteArray("1\r\n2\r\n"),
                                QByteArray(300, '7') + "\r\n", QByteArray(80000, ',')};
    for (int i = 0; i < bad.size(); ++i) {
        badFiles << dir.filePath(QStringLiteral("bad%1.txt").arg(i));
        QVERIFY(writeBytes(badFiles.last(), bad.at(i)));
    }
}

void tst_monkey::randomPlay_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("actions");
    const int total = qEnvironmentVariableIntValue("VARNODEL_MONKEY_ACTIONS");
    const int actions = total > 0 ? total : 20000;
    if (qEnvironmentVariableIsSet("VARNODEL_MONKEY_SEED")) {
        const quint32 seed = qEnvironmentVariable("VARNODEL_MONKEY_SEED").toUInt();
        QTest::addRow("seed %u", seed) << seed << actions;
        return;
    }
    for (quint32 seed : {1u, 2u, 3u, 4u})
        QTest::addRow("seed %u", seed) << seed << actions / 4;
}

void tst_monkey::randomPlay()
{
    QFETCH(quint32, seed);
    QFETCH(int, actions);
    QRandomGenerator random(seed);
    const auto pick = [&](int n) { return int(random.bounded(n)); };

    Form1 form;
    form.show();
    QStringList messages;
    catchMessages(form, messages);
    int quits = 0;
    form.quitHook = [&] { ++quits; };
    form.CommonDialog1->answer = [&](CommonDialog::Mode mode, const QString &) {
        const int roll = pick(10);
        if (roll == 0)
            return QString(); // cancelled
        if (mode == CommonDialog::Save)
            return roll == 1 ? dir.filePath(QStringLiteral("folder"))
                             : dir.filePath(QStringLiteral("saved.txt"));
        if (roll <= 3)
            return badFiles.at(pick(badFiles.size()));
        if (roll == 4 && QFileInfo::exists(dir.filePath(QStringLiteral("saved.txt"))))
            return dir.filePath(QStringLiteral("saved.txt"));
        return goodFiles.at(pick(goodFiles.size()));
    };
    QTimer helpDriver;
    helpDriver.setInterval(0);
    connect(&helpDriver, &QTimer::timeout, &form, [&] {
        if (auto *help = qobject_cast<frmHelp *>(QApplication::activeModalWidget()))
            (pick(3) == 0 ? help->cmdQuit : help->cmdNext)->click();
    });
    helpDriver.start();

    QStringList log; // the last actions, shown with a failure
    bool nested = false;
    std::function<void(int)> act;
    // Arms one action to run at a later yield of the engine, as a click during a solve.
    const auto armDuringSolve = [&](int depth) {
        auto countdown = std::make_shared<int>(pick(6));
        auto tick = std::make_shared<std::function<void()>>();
        // The pending timer owns the step; the step knows itself only weakly.
        std::weak_ptr<std::function<void()>> self = tick;
        *tick = [&, countdown, self, depth] {
            if ((*countdown)-- > 0) {
                if (auto again = self.lock())
                    QTimer::singleShot(0, &form, [again] { (*again)(); });
                return;
            }
            nested = true;
            act(depth + 1);
        };
        QTimer::singleShot(0, &form, [tick] { (*tick)(); });
    };

    act = [&](int depth) {
        const int roll = pick(100);
        const int box = pick(81);
        if (roll < 40) {
            static const char keys[] = "1234567891234567890aZ ";
            const int k = pick(sizeof(keys) + 4);
            log << QStringLiteral("key %1 in box %2").arg(k).arg(box);
            form.Row1[box]->setFocus();
            if (k < int(sizeof(keys)) - 1)
                QTest::keyClick(form.Row1[box], keys[k]);
            else
                QTest::keyClick(form.Row1[box],
                                std::array<Qt::Key, 5>{Qt::Key_Backspace, Qt::Key_Return,
                                                       Qt::Key_Delete, Qt::Key_Up,
                                                       Qt::Key_Right}[k - sizeof(keys) + 1]);
        } else if (roll < 48) {
            log << QStringLiteral("enter a puzzle");
            setGrid(form, puzzles.at(pick(puzzles.size())));
        } else if (roll < 60) {
            log << QStringLiteral("Solve");
            if (depth < 3 && pick(4) == 0)
                armDuringSolve(depth);
            const bool before = nested;
            QStringList givens;
            for (QLineEdit *b : form.Row1)
                givens << b->text();
            const qsizetype shown = messages.size();
            form.cmdSolve->click();
            const bool refused = messages.size() > shown
                && messages.at(shown).startsWith(QStringLiteral("A cell takes"));
            if (depth == 0 && !nested && !before && !refused) {
                const QString broken = solveInvariantBroken(form);
                if (!broken.isEmpty())
                    log << QStringLiteral("BROKEN after Solve: ") + broken;
                // No digit the engine found may clash with a given of its row, column or box.
                for (int k = 0; k < 81; ++k) {
                    if (!givens.at(k).isEmpty()) {
                        if (form.CellValue[k + 1].toText() != givens.at(k))
                            log << QStringLiteral("BROKEN: given %1 lost").arg(k + 1);
                        continue;
                    }
                    for (int p = 0; p < 81; ++p) {
                        const bool peer = p / 9 == k / 9 || p % 9 == k % 9
                            || (p / 27 == k / 27 && p % 9 / 3 == k % 9 / 3);
                        if (peer && !givens.at(p).isEmpty() && givens.at(p) != QLatin1String("0")
                            && form.CellValue[k + 1].toText() == givens.at(p))
                            log << QStringLiteral("BROKEN: cell %1 clashes with given %2")
                                       .arg(k + 1)
                                       .arg(p + 1);
                    }
                }
            }
        } else if (roll < 65) {
            log << QStringLiteral("Clear");
            form.cmdClear->click();
        } else if (roll < 71) {
            log << QStringLiteral("Show - Hide");
            form.cmdShowGrid->click();
        } else if (roll < 77) {
            log << QStringLiteral("Show Result");
            form.cmdShowResult->click();
        } else if (roll < 85) {
            log << QStringLiteral("Get File");
            form.cmdGet->click();
        } else if (roll < 90) {
            log << QStringLiteral("Save File");
            form.cmdSave->click();
        } else if (roll < 92) {
            log << QStringLiteral("About");
            form.About->trigger();
        } else if (roll < 93) {
            log << QStringLiteral("Hint");
            form.Hint->trigger();
        } else if (roll < 95) {
            log << QStringLiteral("HelpInfo");
            form.Info->trigger();
        } else if (roll < 96) {
            log << QStringLiteral("Quit");
            form.cmdQuit->click();
        } else {
            log << QStringLiteral("empty box %1").arg(box);
            form.Row1[box]->clear();
        }
    };

    for (int n = 0; n < actions; ++n) {
        nested = false;
        act(0);
        QString broken = windowInvariantBroken(form);
        for (const QString &entry : log)
            if (entry.startsWith(QLatin1String("BROKEN")))
                broken = entry;
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n%4")
                                 .arg(seed)
                                 .arg(n)
                                 .arg(broken, log.mid(qMax(0, int(log.size()) - 20)).join(u'\n'))));
        if (log.size() > 100)
            log = log.mid(50);
    }
    helpDriver.stop();
    qInfo("seed %u: %d actions, %d messages answered, %d quits", seed, actions,
          int(messages.size()), quits);
}

QTEST_MAIN(tst_monkey)
#include "tst_monkey.moc"
