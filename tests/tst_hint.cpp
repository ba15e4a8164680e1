#include "solver/hint.h"
#include "support.h"

#include <QtTest>

using Hints::Kind;
using Hints::Technique;

// The hint over small grids: each technique, each way a grid can be wrong, and a grid no
// technique decides. In a grid a digit is a given, a letter a to i a typed 1 to 9.
class tst_hint : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void hintChangesNothingButTheFocus();
};

void tst_hint::answers_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("digit");
    QTest::addColumn<Technique>("hardest");
    QTest::addColumn<QString>("line"); // one line the message must hold, besides the first
    QTest::addColumn<QString>("first");

    const QString puzzle
        = ".71......28.....9.9...5.....93......7.8.3....5..72...93...916...6.3...2..1...298.";
    QTest::newRow("naked single") << puzzle << Kind::Deduction << 47 << 4 << Technique::NakedSingle
                                  << "Column 2 holds 1, 6, 7, 8 and 9."
                                  << "Cell 47 is 4.";
    QTest::newRow("hidden single")
        << ".....6..57ef4c192h....9...7..1.......3.....6..9......1ih7123e4fcd59fha7ba6b..4hi3"
        << Kind::Deduction << 3 << 9 << Technique::HiddenSingle
        << "9 is already in row 3 (cell 23), column 1 (cell 55) and column 2 (cell 47)."
        << "Cell 3 is 9.";
    QTest::newRow("pointing")
        << "953..2...h6715i.d.bdac8f..9c9...8....2h..e.3.ag5.3d6...1...g.2.7h.5b3....cb86a..."
        << Kind::Deduction << 57 << 6 << Technique::Pointing
        << "In box 8, 9 can only go in row 7 (pointing): that rules out 9 from cell 57."
        << "Cell 57 is 6.";
    QTest::newRow("claiming")
        << "..1c............3.c..89ga45.4.6gh.....7.53.9.8....i..7.1.g369...7.eb1...6..i8457a"
        << Kind::Deduction << 38 << 6 << Technique::Claiming
        << "In column 1, 2 can only go in box 4 (claiming): that rules out 2 from cell 38."
        << "Cell 38 is 6.";
    QTest::newRow("naked pair")
        << "..1c............3....89.a45.4.6gh.....7.53.9.8....i..7.1.g369...7.eb1...6..i8457a"
        << Kind::Deduction << 19 << 3 << Technique::NakedPair
        << "The steps above rule it out of cells 28 and 64."
        << "Cell 19 is 3.";
    QTest::newRow("hidden pair")
        << ".7.a...4i.1id23.g5...9g.......8.i7..g..2...985ihc1g..d4cg.ib......78d93b9h2.31d.g"
        << Kind::Deduction << 35 << 5 << Technique::HiddenPair
        << "In row 5, 1 and 3 can only go in cells 39 and 43 (hidden pair): that rules out 5 "
           "from cell 43."
        << "Cell 35 is 5.";
    QTest::newRow("naked triple")
        << "...feh17.5h14c7ifb...92ae.8...8...5...416e.b9....92.1...9b8.6...4...i2h.2.h5.6.i."
        << Kind::Deduction << 36 << 6 << Technique::NakedTriple
        << "In row 4, cells 32, 33 and 34 can only take 3, 4 and 7 (naked triple): that rules "
           "out 3 and 7 from cell 36."
        << "Cell 36 is 6.";
    QTest::newRow("hidden triple")
        << "2d1c.7..5e.7b.4...c6..a52dga.d.583..6ced....1...13..54..f.......13.2....752.4...."
        << Kind::Deduction << 71 << 7 << Technique::HiddenTriple
        << "In row 7, 1, 2 and 3 can only go in cells 60, 62 and 63 (hidden triple): that "
           "rules out 7 from cell 62."
        << "Cell 71 is 7.";
    QTest::newRow("X-wing")
        << "a.83.....e9412h7..7c....81..da.c...835.ha..9.9h7.5....41ib.3.h.h.3e.1.2...5.8...."
        << Kind::Deduction << 65 << 7 << Technique::XWing
        << "In columns 4 and 8, 7 can only go in rows 4 and 9 (X-wing): that rules out 7 from "
           "cell 74."
        << "Cell 65 is 7.";
    QTest::newRow("no technique: a reveal")
        << "...3h12.5.3.e47i.ae..96b.c4.......e9..5....b63..2e.1d.76c49heab4eiabcf..1..fg5d93"
        << Kind::Reveal << 1 << 6 << Technique::None
        << "Revealed from the solution, not worked out: cell 1 is 6."
        << "No technique Varnodel knows decides a cell here.";

    QTest::newRow("typed digit clashes with a given")
        << "g" + puzzle.mid(1) << Kind::Clash << 1 << 0 << Technique::None
        << "Cells 1 and 2 each hold 7 in row 1."
        << "Some digits clash: a row, a column or a box holds a digit twice.";
    QTest::newRow("cell with no candidate")
        << "12345678.........9" << Kind::NoCandidate << 9 << 0 << Technique::None
        << "Some digit in the grid is wrong."
        << "Cell 9 can take no digit: its row, column and box hold every digit from 1 to 9 "
           "between them.";
    QTest::newRow("digit with no place left")
        << ".7..6........................................7...8...5...6...7...8...9...6...7..."
        << Kind::NoPlace << 0 << 0 << Technique::None << "Some digit in the grid is wrong."
        << "In row 8, 7 has no place left: every open cell there sees one already.";
    QTest::newRow("typed digits off the solution")
        << puzzle.left(3) + "b.i" + puzzle.mid(6) << Kind::WrongDigit << 4 << 0 << Technique::None
        << "Cell 6 does not fit it either."
        << "Cell 4 does not fit the solution.";
    QTest::newRow("typed digit leaving a digit no place")
        << "53a.7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
        << Kind::WrongDigit << 3 << 0 << Technique::None << QString()
        << "Cell 3 does not fit the solution.";
    QString typed = puzzle;
    for (QChar &ch : typed)
        ch = ch.isDigit() ? QChar(ch.unicode() - u'1' + u'a') : ch;
    QTest::newRow("typed digits without a solution")
        << typed.left(3) + "b" + typed.mid(4) << Kind::NoSolution << 0 << 0 << Technique::None
        << QString() << "The digits in the grid allow no solution: some digit is wrong.";
    QTest::newRow("givens with many solutions")
        << puzzle.left(40) << Kind::ManySolutions << 0 << 0 << Technique::None
        << "A hint needs a puzzle with exactly one solution."
        << "The givens allow more than one solution: a given is missing or wrong.";
    QTest::newRow("full and right")
        << "671983254285417396934256718193645872728139465546728139352891647869374521417562983"
        << Kind::Full << 0 << 0 << Technique::None << QString()
        << "Every cell is filled, and every digit fits the solution.";
}

// Every answer names the right cell and digit and says why in the words a player reads.
void tst_hint::answers()
{
    QFETCH(QString, grid);
    QFETCH(Kind, kind);
    QFETCH(int, cell);
    QFETCH(int, digit);
    QFETCH(Technique, hardest);
    QFETCH(QString, line);
    QFETCH(QString, first);

    std::array<int, 81> digits{};
    std::array<bool, 81> givens{};
    for (int c = 0; c < grid.size(); ++c) {
        const char16_t ch = grid.at(c).unicode();
        givens[c] = ch >= u'1' && ch <= u'9';
        digits[c] = givens[c] ? ch - u'0' : ch >= u'a' && ch <= u'i' ? ch - u'a' + 1 : 0;
    }
    const Hints::Answer a = Hints::find(digits, givens);
    const QStringList lines = a.text.split(u'\r');
    QCOMPARE(lines.constFirst(), first);
    QVERIFY2(line.isEmpty() || lines.contains(line), qPrintable(a.text));
    QCOMPARE(a.kind, kind);
    QCOMPARE(a.cell, cell);
    QCOMPARE(a.digit, digit);
    QCOMPARE(a.hardest, hardest);
}

// In the window: a yellow box is a given and any other digit the player's; the hint
// answers in one message and moves the focus, and nothing else changes.
void tst_hint::hintChangesNothingButTheFocus()
{
    Form1 form;
    QStringList messages;
    catchMessages(form, messages);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // A 0, which Solve takes as a given, is refused by cell.
    setGrid(form, QStringLiteral("..0"));
    form.Hint->trigger();
    QCOMPARE(messages.constFirst().split(u'\r').value(1), QStringLiteral("Cell 3 holds \"0\""));
    setGrid(form, hardPuzzle);
    form.cmdSolve_Click();
    // A wrong digit among the cell's candidates, so that nothing clashes.
    int open = 0;
    while (form.txtNos[open]->text().size() < 2)
        ++open;
    form.Row1[open]->setText(form.txtNos[open]->text().remove(hardSolution.at(open)).left(1));
    const auto snapshot = [&] {
        QString candidates;
        for (const QLineEdit *nos : form.txtNos)
            candidates += nos->text() + (nos->isVisible() ? u'+' : u'-');
        return QStringList{boxTexts(form),
                           boxColours(form),
                           cellValues(form),
                           candidates,
                           QString::number(form.Solved),
                           QString::number(form.PassState)};
    };
    const QStringList before = snapshot();

    for (const bool wrongDigitTyped : {true, false}) {
        messages.clear();
        QTest::keyClick(&form, Qt::Key_F2);
        QCOMPARE(messages.size(), 1);
        const QStringList words = messages.constFirst().split(u'\r').constFirst().split(u' ');
        const int cell = words.value(1).toInt();
        QVERIFY2(cell >= 1 && cell <= 81, qPrintable(messages.constFirst()));
        QVERIFY2(form.Row1[cell - 1]->hasFocus(), qPrintable(messages.constFirst()));
        if (wrongDigitTyped) {
            QCOMPARE(cell, open + 1);
            QCOMPARE(messages.constFirst(),
                     QStringLiteral("Cell %1 does not fit the solution.").arg(cell));
            QCOMPARE(snapshot(), before);
            form.Row1[open]->clear();
        } else {
            QCOMPARE(words.value(3), hardSolution.mid(cell - 1, 1) + u'.');
        }
    }
}

QTEST_MAIN(tst_hint)
#include "tst_hint.moc"
