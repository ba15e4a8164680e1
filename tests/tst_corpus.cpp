#include "support.h"

#include <QFile>
#include <QtTest>

// Puzzles from an independent generator, with its solutions: the engine must never
// report a wrong solution, never place a wrong digit and never rule out a right one.
// Which puzzles it solves, and how many cells it fills before it stalls on the others, is
// recorded in qqwing-300-outcomes.txt, a line a puzzle; a change there is a change in
// what the engine can do.
class tst_corpus : public QObject
{
    Q_OBJECT

private slots:
    void generatedPuzzles();
};

void tst_corpus::generatedPuzzles()
{
    QFile file(QStringLiteral(VARNODEL_TEST_DATA "/qqwing-300.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QFile outcomes(QStringLiteral(VARNODEL_TEST_DATA "/qqwing-300-outcomes.txt"));
    QVERIFY(outcomes.open(QIODevice::ReadOnly | QIODevice::Text));
    Form1 form;
    QStringList messages;
    catchMessages(form, messages);

    int solved = 0;
    int stalled = 0;
    int line = 0;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromLatin1(file.readLine().trimmed()).split(u',');
        ++line;
        QCOMPARE(fields.size(), 2);
        const QString puzzle = fields.at(0);
        const QString solution = fields.at(1);

        form.cmdClear_Click();
        setGrid(form, puzzle);
        messages.clear();
        form.cmdSolve_Click();
        const QString where = QStringLiteral("puzzle on line %1").arg(line);
        QVERIFY2(solveInvariantBroken(form).isEmpty(),
                 qPrintable(where + ": " + solveInvariantBroken(form)));
        QCOMPARE(messages.size(), 1);
        int filled = 0;
        for (int k = 1; k <= 81; ++k)
            filled += form.CellValue[k].isEmpty() ? 0 : 1;
        QCOMPARE(form.LastFilled, filled);
        const QString outcome = messages.at(0) == solvedMessage
            ? QStringLiteral("solved")
            : QStringLiteral("stalled with %1 cells filled").arg(filled);
        QCOMPARE(where + ": " + outcome,
                 where + ": " + QString::fromLatin1(outcomes.readLine().trimmed()));
        if (messages.at(0) == solvedMessage) {
            ++solved;
            QVERIFY2(cellValues(form) == rows(solution), qPrintable(where));
        } else {
            QCOMPARE(messages.at(0), guidanceMessage);
            ++stalled;
            for (int i = 0; i < 81; ++i) {
                const Value &v = form.CellValue[i + 1];
                QVERIFY2(v.isEmpty() || v.toText() == solution.mid(i, 1), qPrintable(where));
                QVERIFY2(form.txtNos[i]->text().contains(solution.at(i)), qPrintable(where));
            }
        }
        form.Solved = 0;
    }
    qInfo("%d puzzles solved, %d handed to the player", solved, stalled);
    QCOMPARE(solved + stalled, 300);
    QVERIFY(outcomes.atEnd());
}

QTEST_MAIN(tst_corpus)
#include "tst_corpus.moc"
