#include "files/commondialog.h"
#include "support.h"

#include <QtTest>
#include <set>

// Solve, the elimination engine, its outcomes, and the commands that show its results.
class tst_solve : public QObject
{
    Q_OBJECT

private slots:
    void eliminationSteps_data();
    void eliminationSteps();
    void givenKeepsItsDigitAsOnlyCandidate();
    void zeroGivenRulesOutNothing();
    void forcedDigits_data();
    void forcedDigits();
    void outcomes_data();
    void outcomes();
    void stallTogglesGridBeforeGuidance();
    void stallAfterSolvedOnlyExplainsGrid();
    void secondSolveStaysSolved();
    void passesAreBounded();
    void unusableTextsAreRefused_data();
    void unusableTextsAreRefused();
    void refusalNamesEveryBadCell();
    void emptiedBoxKeepsItsColour();
    void showGridToggles();
    void showResult();
    void clearEmptiesEverything();
    void realMessageBoxes();
};

// Runs a callback at each of the engine's yields: a zero timer fires at the next
// event-loop turn, which inside a solve is the engine's next yield.
class YieldProbe : public QObject
{
public:
    int count = 0;
    std::function<void(int)> atYield;
    YieldProbe() { arm(); }

private:
    void arm()
    {
        QTimer::singleShot(0, this, [this] {
            ++count;
            if (atYield)
                atYield(count);
            arm();
        });
    }
};

// The cells whose candidate d has been ruled out.
static std::set<int> ruledOut(const Form1 &form, int d)
{
    std::set<int> cells;
    for (int k = 1; k <= 81; ++k)
        if (form.CellValue[k].isEmpty() && form.Candidate[k][d].isEmpty())
            cells.insert(k);
    return cells;
}

static int candidateEntries(const Form1 &form)
{
    int n = 0;
    for (int k = 1; k <= 81; ++k)
        for (int d = 1; d <= 9; ++d)
            n += form.Candidate[k][d].isEmpty() ? 0 : 1;
    return n;
}

static QString withDigits(const std::map<int, char> &givens)
{
    QString cells(81, u'.');
    for (auto [cell, digit] : givens)
        cells[cell - 1] = QLatin1Char(digit);
    return cells;
}

using CellSet = std::set<int>;
Q_DECLARE_METATYPE(CellSet)

void tst_solve::eliminationSteps_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<CellSet>("afterRows");
    QTest::addColumn<CellSet>("afterColumns");
    QTest::addColumn<CellSet>("afterBoxes");

    QTest::newRow("5 in the top-left cell")
        << withDigits({{1, '5'}}) << CellSet{2, 3, 4, 5, 6, 7, 8, 9}
        << CellSet{10, 19, 28, 37, 46, 55, 64, 73} << CellSet{11, 12, 20, 21};
    QTest::newRow("5 in the centre cell")
        << withDigits({{41, '5'}}) << CellSet{37, 38, 39, 40, 42, 43, 44, 45}
        << CellSet{5, 14, 23, 32, 50, 59, 68, 77} << CellSet{31, 33, 49, 51};
    QTest::newRow("5 in the bottom-right cell")
        << withDigits({{81, '5'}}) << CellSet{73, 74, 75, 76, 77, 78, 79, 80}
        << CellSet{9, 18, 27, 36, 45, 54, 63, 72} << CellSet{61, 62, 70, 71};
    QTest::newRow("5 in the middle of a box edge")
        << withDigits({{29, '5'}}) << CellSet{28, 30, 31, 32, 33, 34, 35, 36}
        << CellSet{2, 11, 20, 38, 47, 56, 65, 74} << CellSet{37, 39, 46, 48};
    // Two equal givens say nothing of each other; both rule 5 out of the rest.
    QTest::newRow("two 5s in one row")
        << withDigits({{1, '5'}, {3, '5'}}) << CellSet{2, 4, 5, 6, 7, 8, 9}
        << CellSet{10, 19, 28, 37, 46, 55, 64, 73, 12, 21, 30, 39, 48, 57, 66, 75}
        << CellSet{11, 20};
    // A 5 at each position of a box in turn, each time in a row and a column of its own:
    // together they reach every cell that each step looks at for each position.
    for (int box = 0; box < 9; ++box) {
        const int row = 3 * (box / 3) + box % 3;
        const int column = 3 * (box % 3) + box / 3;
        CellSet inRow, inColumn, inBox;
        for (int k = 1; k <= 81; ++k) {
            const int r = (k - 1) / 9;
            const int c = (k - 1) % 9;
            if (r == row && c != column)
                inRow.insert(k);
            else if (c == column && r != row)
                inColumn.insert(k);
            else if (r / 3 == row / 3 && c / 3 == column / 3 && r != row)
                inBox.insert(k);
        }
        const int cell = 9 * row + column + 1;
        QTest::addRow("5 alone in cell %d", cell)
            << withDigits({{cell, '5'}}) << inRow << inColumn << inBox;
    }
}

// Each step of a pass rules the digit out exactly along its own unit, and touches no
// other entry; the yields fall between the steps.
void tst_solve::eliminationSteps()
{
    QFETCH(QString, grid);
    QFETCH(CellSet, afterRows);
    QFETCH(CellSet, afterColumns);
    QFETCH(CellSet, afterBoxes);

    Form1 form;
    QStringList messages;
    catchMessages(form, messages);
    setGrid(form, grid);
    const int givens = 81 - grid.count(u'.');

    QList<CellSet> seen;
    QList<int> entries;
    YieldProbe probe;
    probe.atYield = [&](int) {
        seen << ruledOut(form, 5);
        entries << candidateEntries(form);
    };
    form.cmdSolve_Click();

    QCOMPARE(seen.size(), 3);
    CellSet expected = afterRows;
    QCOMPARE(seen.at(0), expected);
    expected.insert(afterColumns.begin(), afterColumns.end());
    QCOMPARE(seen.at(1), expected);
    expected.insert(afterBoxes.begin(), afterBoxes.end());
    QCOMPARE(seen.at(2), expected);
    const int open = 81 - givens;
    QCOMPARE(entries.at(2), open * 9 + givens - int(expected.size()));
    QCOMPARE(messages, QStringList{guidanceMessage});
}

// A given keeps its one candidate, its own digit, through every pass.
void tst_solve::givenKeepsItsDigitAsOnlyCandidate()
{
    Form1 form;
    QStringList messages;
    catchMessages(form, messages);
    setGrid(form, withDigits({{1, '5'}}));
    form.cmdSolve_Click();

    QCOMPARE(form.LastFilled, 1);
    QCOMPARE(form.PassState, 82);
    QVERIFY(form.CellValue[1] == 5);
    QCOMPARE(form.CellValue[1].toText(), QStringLiteral("5"));
    QCOMPARE(candidates(form, 1), QStringLiteral("5"));
    QCOMPARE(form.txtNos[0]->text(), QStringLiteral("5"));
    QCOMPARE(form.txtNos[1]->text(), QStringLiteral("12346789"));
    QCOMPARE(form.txtNos[40]->text(), QStringLiteral("123456789"));
    QCOMPARE(boxColours(form).left(2), QStringLiteral("Y-"));
}

// A lone "0" is taken as a given: yellow, counted, but it rules nothing out and
// lists no candidate.
void tst_solve::zeroGivenRulesOutNothing()
{
    Form1 form;
    QStringList messages;
    catchMessages(form, messages);
    setGrid(form, withDigits({{1, '0'}}));
    form.cmdSolve_Click();

    QCOMPARE(form.LastFilled, 1);
    QCOMPARE(form.CellValue[1].toText(), QStringLiteral("0"));
    QCOMPARE(form.Candidate[1][0].toText(), QStringLiteral("0"));
    QCOMPARE(candidates(form, 1), QString());
    QCOMPARE(candidateEntries(form), 80 * 9);
    QCOMPARE(form.txtNos[0]->text(), QString());
    QCOMPARE(boxColours(form).left(1), QStringLiteral("Y"));
    QCOMPARE(messages, QStringList{guidanceMessage});
}

void tst_solve::forcedDigits_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("listing");

    // Eight digits of the top row leave the ninth cell one candidate.
    QTest::newRow("last cell of a row") << withDigits(
        {{1, '1'}, {2, '2'}, {3, '3'}, {4, '4'}, {5, '5'}, {6, '6'}, {7, '7'}, {8, '8'}})
                                        << "123456789"
                                        << "123456789";
    // Cells 8 and 9 are both left with 8 alone and both take it in the same pass:
    // nothing looks for the conflict.
    QTest::newRow("two cells take the same digit") << withDigits({{1, '1'},
                                                                  {2, '2'},
                                                                  {3, '3'},
                                                                  {4, '4'},
                                                                  {5, '5'},
                                                                  {6, '6'},
                                                                  {7, '7'},
                                                                  {17, '9'},
                                                                  {27, '9'}})
                                                   << "123456788"
                                                   << "123456788";
}

// A cell left with one candidate takes it in the cell values only: the box the player
// sees stays empty, and the candidate box lists the placed digit.
void tst_solve::forcedDigits()
{
    QFETCH(QString, grid);
    QFETCH(QString, values);
    QFETCH(QString, listing);

    Form1 form;
    QStringList messages;
    catchMessages(form, messages);
    setGrid(form, grid);
    form.cmdSolve_Click();

    QString topRow;
    QString topListing;
    for (int k = 1; k <= 9; ++k) {
        topRow += form.CellValue[k].toText();
        topListing += form.txtNos[k - 1]->text();
    }
    QCOMPARE(topRow, values);
    QCOMPARE(topListing, listing);
    QCOMPARE(form.Row1[8]->text(), QString());
    QCOMPARE(form.LastFilled, 81 - grid.count(u'.') + 1 + (values.endsWith("88") ? 1 : 0));
    QCOMPARE(messages, QStringList{guidanceMessage});
}

void tst_solve::outcomes_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("solved");
    QTest::addColumn<bool>("gridShown");

    QString wrongDigit = simpleSolution;
    wrongDigit[40] = wrongDigit[40] == u'1' ? u'2' : u'1';
    // Two digits of a row swapped: every row still adds up to 45, but columns repeat.
    QString swapped = simpleSolution;
    std::swap(swapped[0], swapped[1]);
    // Five nines a row: the rows add up to 405 with 36 cells still empty.
    const QString nines = QString(QStringLiteral("99999....")).repeated(9);

    QTest::newRow("solved by single candidates")
        << simplePuzzle << QStringList{solvedMessage} << true << false;
    QTest::newRow("needs the player")
        << hardPuzzle << QStringList{guidanceMessage} << false << true;
    QTest::newRow("complete valid grid")
        << simpleSolution << QStringList{solvedMessage} << true << false;
    QTest::newRow("complete grid, one wrong digit")
        << wrongDigit << QStringList{guidanceMessage} << false << true;
    QTest::newRow("empty grid") << QString(81, u'.') << QStringList{guidanceMessage} << false
                                << true;
    QTest::newRow("full grid with repeats adding up to 405")
        << swapped << QStringList{guidanceMessage} << false << true;
    QTest::newRow("gaps and repeats adding up to 405")
        << nines << QStringList{guidanceMessage} << false << true;
}

// The solve ends solved only for a complete grid without repeats; otherwise the player
// gets the candidate grid and the guidance. The boxes keep the player's digits.
void tst_solve::outcomes()
{
    QFETCH(QString, grid);
    QFETCH(QStringList, messages);
    QFETCH(bool, solved);
    QFETCH(bool, gridShown);

    Form1 form;
    form.show();
    QStringList seen;
    catchMessages(form, seen);
    setGrid(form, grid);
    form.cmdSolve_Click();

    QCOMPARE(seen, messages);
    QCOMPARE(form.Solved, qint16(solved ? -1 : 0));
    QCOMPARE(form.txtNos[0]->isVisible(), gridShown);
    QCOMPARE(boxTexts(form), rows(grid));
    if (solved)
        QCOMPARE(cellValues(form), rows(simpleSolution));
    else
        QCOMPARE(form.PassState, 82);
    // The row total is still worked out, whatever the outcome.
    int total = 0;
    for (int k = 1; k <= 81; ++k)
        total += form.CellValue[k].toInt();
    QCOMPARE(int(form.RowSum[0]), total);
}

// A stall runs the grid command first (a shown grid is hidden), then the guidance.
void tst_solve::stallTogglesGridBeforeGuidance()
{
    Form1 form;
    form.show();
    bool shownAtGuidance = true;
    form.msgBoxHook = [&](const QString &) { shownAtGuidance = form.txtNos[80]->isVisible(); };
    form.cmdShowGrid_Click();
    setGrid(form, hardPuzzle);
    form.cmdSolve_Click();
    QVERIFY(!shownAtGuidance);
    QVERIFY(!form.txtNos[0]->isVisible());

    // The listing holds every cell's digit of the solution among its candidates.
    for (int i = 0; i < 81; ++i)
        QVERIFY(form.txtNos[i]->text().contains(hardSolution.at(i)));
}

// Once solved, a later solve that stalls leaves the grid alone and says why; the
// checking of typed digits stays on.
void tst_solve::stallAfterSolvedOnlyExplainsGrid()
{
    Form1 form;
    form.show();
    QStringList seen;
    catchMessages(form, seen);
    setGrid(form, simplePuzzle);
    form.cmdSolve_Click();
    setGrid(form, hardPuzzle);
    seen.clear();
    const int counter = form.CellNo;
    form.cmdSolve_Click();

    QCOMPARE(seen,
             (QStringList{QStringLiteral("As it is solved, this can only show you all the "
                                         "correct numbers\rClick on See result to see the "
                                         "answer"),
                          guidanceMessage}));
    QCOMPARE(form.Solved, qint16(-1));
    QVERIFY(!form.txtNos[0]->isVisible());
    Q_UNUSED(counter);
}

void tst_solve::secondSolveStaysSolved()
{
    Form1 form;
    QStringList seen;
    catchMessages(form, seen);
    setGrid(form, simplePuzzle);
    form.cmdSolve_Click();
    form.cmdSolve_Click();
    QCOMPARE(seen, (QStringList{solvedMessage, solvedMessage}));
    QCOMPARE(form.Solved, qint16(-1));
    QCOMPARE(cellValues(form), rows(simpleSolution));
}

// A solve that starts with g filled cells runs at most 82 - g passes, three yields each.
void tst_solve::passesAreBounded()
{
    Form1 form;
    QStringList seen;
    catchMessages(form, seen);
    setGrid(form, simplePuzzle);
    YieldProbe probe;
    form.cmdSolve_Click();
    const int passes = probe.count / 3;
    QCOMPARE(probe.count % 3, 0);
    QVERIFY(passes > 1);
    QVERIFY(passes <= 82 - (81 - int(simplePuzzle.count(u'.'))));
}

void tst_solve::unusableTextsAreRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << "a";
    QTest::newRow("two digits") << "12";
    QTest::newRow("negative") << "-3";
    QTest::newRow("blank before") << " 5";
    QTest::newRow("blank after") << "5 ";
    QTest::newRow("fraction") << "1.5";
    QTest::newRow("wide digit") << QStringLiteral("\uff15");
}

// A text Solve cannot take is reported by cell number, and nothing changes: no colour,
// no state, no engine.
void tst_solve::unusableTextsAreRefused()
{
    QFETCH(QString, text);
    Form1 form;
    QStringList seen;
    catchMessages(form, seen);
    setGrid(form, simplePuzzle);
    form.Row1[6]->setText(text);
    YieldProbe probe;
    form.cmdSolve_Click();

    QCOMPARE(seen.size(), 1);
    QVERIFY(seen.at(0).contains(QStringLiteral("Cell 7 holds \"%1\"").arg(text)));
    QCOMPARE(probe.count, 0);
    QCOMPARE(boxColours(form), rows(QString(81, u'-')));
    QCOMPARE(form.PassState, 0);
    QCOMPARE(form.LastFilled, 0);
    for (int k = 1; k <= 81; ++k)
        QVERIFY(form.CellValue[k].isEmpty());
    QCOMPARE(form.Row1[6]->text(), text);
}

void tst_solve::refusalNamesEveryBadCell()
{
    Form1 form;
    QStringList seen;
    catchMessages(form, seen);
    form.Row1[0]->setText(QStringLiteral("x"));
    form.Row1[80]->setText(QStringLiteral("10"));
    form.Row1[40]->setText(QStringLiteral("4"));
    form.cmdSolve_Click();
    QCOMPARE(seen,
             QStringList{QStringLiteral("A cell takes one digit, or nothing.\r"
                                        "Cell 1 holds \"x\"\r"
                                        "Cell 81 holds \"10\"\r"
                                        "Correct these cells and click Solve again.")});
}

// An emptied box is an open cell and keeps the colour it had.
void tst_solve::emptiedBoxKeepsItsColour()
{
    Form1 form;
    QStringList seen;
    catchMessages(form, seen);
    setGrid(form, simplePuzzle);
    form.cmdSolve_Click();
    form.Row1[1]->clear(); // a given, yellow
    setBackColor(form.Row1[0], 0xC0E0FF);
    form.cmdSolve_Click();
    QCOMPARE(boxColours(form).left(4), QStringLiteral("OYY-"));
    QCOMPARE(form.Solved, qint16(-1));
}

void tst_solve::showGridToggles()
{
    Form1 form;
    form.show();
    QStringList seen;
    catchMessages(form, seen);
    form.CellNo = 5;
    form.cmdShowGrid->click();
    QVERIFY(std::all_of(form.txtNos.begin(), form.txtNos.end(),
                        [](QLineEdit *b) { return b->isVisible(); }));
    QCOMPARE(form.CellNo, 81);
    form.cmdShowGrid->click();
    QVERIFY(std::none_of(form.txtNos.begin(), form.txtNos.end(),
                         [](QLineEdit *b) { return b->isVisible(); }));
    QVERIFY(seen.isEmpty());

    // Solved: only the message, the grid and the counter stay.
    setGrid(form, simplePuzzle);
    form.cmdSolve_Click();
    seen.clear();
    form.CellNo = 7;
    form.cmdShowGrid->click();
    QCOMPARE(seen.size(), 1);
    QVERIFY(seen.at(0).startsWith(QStringLiteral("As it is solved")));
    QCOMPARE(form.CellNo, 7);
    QVERIFY(!form.txtNos[0]->isVisible());
}

void tst_solve::showResult()
{
    Form1 form;
    QStringList seen;
    catchMessages(form, seen);
    setGrid(form, simplePuzzle);
    form.CellNo = 3;
    form.cmdShowResult->click();
    QCOMPARE(seen,
             QStringList{QStringLiteral(
                 "As the puzzle has not been solved\rClick Show - Hide Possible numbers")});
    QCOMPARE(boxTexts(form), rows(simplePuzzle));
    QCOMPARE(form.CellNo, 3);

    form.cmdSolve_Click();
    form.Row1[0]->setText(QStringLiteral("9")); // a wrong entry the result overwrites
    setBackColor(form.Row1[0], 0xC0E0FF);
    seen.clear();
    for (int press = 0; press < 2; ++press) {
        form.cmdShowResult->click();
        QCOMPARE(boxTexts(form), rows(simpleSolution));
        QString colours = simplePuzzle;
        for (QChar &c : colours)
            c = c == u'.' ? u'G' : u'Y';
        QCOMPARE(boxColours(form), rows(colours));
        QCOMPARE(form.CellNo, 81);
    }
    QVERIFY(seen.isEmpty());
}

void tst_solve::clearEmptiesEverything()
{
    Form1 form;
    form.show();
    QStringList seen;
    catchMessages(form, seen);
    setGrid(form, hardPuzzle);
    form.cmdSolve_Click(); // stalls: the candidate grid is shown and filled
    QStringList listing;
    for (QLineEdit *box : form.txtNos)
        listing << box->text();

    for (int press = 0; press < 2; ++press) {
        form.cmdClear->click();
        QCOMPARE(boxTexts(form), rows(QString(81, u'.')));
        QCOMPARE(boxColours(form), rows(QString(81, u'W')));
        for (int k = 1; k <= 81; ++k) {
            QVERIFY(form.CellValue[k].isEmpty());
            QCOMPARE(candidates(form, k), QString());
        }
        QCOMPARE(form.Solved, qint16(0));
        QCOMPARE(form.CellNo, 82);
        QCOMPARE(form.DigitNo, 10);
        QVERIFY(form.txtNos[0]->isVisible());
        QStringList after;
        for (QLineEdit *box : form.txtNos)
            after << box->text();
        QCOMPARE(after, listing);
    }

    // After a solved puzzle, Clear ends the checking: Show Result says so again.
    setGrid(form, simplePuzzle);
    form.cmdSolve_Click();
    form.cmdClear->click();
    seen.clear();
    form.cmdShowResult->click();
    QCOMPARE(seen.size(), 1);
    QVERIFY(seen.at(0).startsWith(QStringLiteral("As the puzzle has not been solved")));
}

// The real boxes: titled with the program's name, no icon, an OK button alone, and
// never larger than the screen, even for the longest lists and file names.
void tst_solve::realMessageBoxes()
{
    Form1 form;
    form.show();
    BoxAnswerer answerer;
    setGrid(form, hardPuzzle);
    form.cmdSolve->click();
    form.cmdShowResult->click();
    for (QLineEdit *box : form.Row1)
        box->setText(QString(200, u'x') + QStringLiteral(" y").repeated(50));
    form.cmdSolve->click();
    form.CommonDialog1->answer = [](CommonDialog::Mode, const QString &) {
        return QStringLiteral("/%1").arg(QString(4000, u'd'));
    };
    form.cmdGet->click();
    QCOMPARE(answerer.seen.size(), 4);
    QCOMPARE(answerer.seen.at(0).text, guidanceMessage);
    for (const BoxAnswerer::Seen &box : answerer.seen) {
        QVERIFY2(box.size.width() <= box.screen.width() && box.size.height() <= box.screen.height(),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                .arg(box.size.width())
                                .arg(box.size.height())
                                .arg(box.screen.width())
                                .arg(box.screen.height())));
        QCOMPARE(box.title, QStringLiteral("Varnodel"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttonCount, 1);
        QVERIFY(box.hasOk);
    }
}

QTEST_MAIN(tst_solve)
#include "tst_solve.moc"
