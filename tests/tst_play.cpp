#include "support.h"
#include "ui/accessiblebox.h"

#include <QAccessible>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// Typing into the puzzle boxes: free entry, the givens' refusal, checking digits
// against the hidden solution, the congratulations, and moving with the arrow keys.
class tst_play : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freeEntryBeforeSolve();
    void givenRefusesEveryKey_data();
    void givenRefusesEveryKey();
    void keysThatRunTheHandler_data();
    void keysThatRunTheHandler();
    void typedDigitsAreChecked_data();
    void typedDigitsAreChecked();
    void lastRightDigitCongratulates();
    void noCongratulationsWhileBoxNotDone_data();
    void noCongratulationsWhileBoxNotDone();
    void openCellWhileStillSolvedIsWrong();
    void checkAfterShowResult();
    void arrowKeys_data();
    void arrowKeys();
    void accessibleNames_data();
    void accessibleNames();
    void realBoxGivesFocusBack();

private:
    Form1 *form = nullptr;
    QStringList messages;
    void solveSimple();
    void type(int index, const QString &keys);
};

static const QString refusal = QStringLiteral("This is Already a Number\rTry Another one");
static const QString congratulations
    = QStringLiteral("Congratulations\rYou have Solved it\r\rYou are a Star ! ! !");

void tst_play::init()
{
    form = new Form1;
    messages.clear();
    catchMessages(*form, messages);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
}

void tst_play::cleanup()
{
    delete form;
    form = nullptr;
}

void tst_play::solveSimple()
{
    setGrid(*form, simplePuzzle);
    form->cmdSolve_Click();
    QCOMPARE(messages, QStringList{solvedMessage});
    messages.clear();
}

void tst_play::type(int index, const QString &keys)
{
    form->Row1[index]->setFocus();
    form->Row1[index]->end(false);
    QTest::keyClicks(form->Row1[index], keys);
}

void tst_play::freeEntryBeforeSolve()
{
    type(0, QStringLiteral("5"));
    type(40, QStringLiteral("x0"));
    QCOMPARE(form->Row1[0]->text(), QStringLiteral("5"));
    QCOMPARE(form->Row1[40]->text(), QStringLiteral("x0"));
    QVERIFY(messages.isEmpty());
    QCOMPARE(boxColours(*form), rows(QString(81, u'-')));
}

void tst_play::givenRefusesEveryKey_data()
{
    QTest::addColumn<bool>("solved");
    QTest::newRow("free entry") << false;
    QTest::newRow("checking") << true;
}

// The message comes before the character, and the character still enters the box.
void tst_play::givenRefusesEveryKey()
{
    QFETCH(bool, solved);
    if (solved) {
        solveSimple();
    } else {
        setGrid(*form, simplePuzzle);
        setBackColor(form->Row1[1], 0x00FFFF);
    }
    QString textAtMessage;
    form->msgBoxHook = [&](const QString &text) {
        messages << text;
        textAtMessage = form->Row1[1]->text();
    };
    type(1, QStringLiteral("3"));
    QCOMPARE(messages, QStringList{refusal});
    QCOMPARE(textAtMessage, QStringLiteral("7"));
    QCOMPARE(form->Row1[1]->text(), QStringLiteral("73"));
    QCOMPARE(boxColours(*form).mid(1, 1), QStringLiteral("Y"));
}

void tst_play::keysThatRunTheHandler_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("runs");
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << true;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << true;
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << true;
    QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << false;
    QTest::newRow("home") << int(Qt::Key_Home) << 0 << false;
    QTest::newRow("shift") << int(Qt::Key_Shift) << 0 << false;
    QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << false;
    QTest::newRow("left") << int(Qt::Key_Left) << 0 << false;
    QTest::newRow("up") << int(Qt::Key_Up) << 0 << false;
    // A chord runs the handler exactly when the box takes its character.
    QTest::newRow("ctrl+1") << int(Qt::Key_1) << int(Qt::ControlModifier) << false;
    QTest::newRow("ctrl+shift+5") << int(Qt::Key_5) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << false;
    QTest::newRow("alt+1") << int(Qt::Key_1) << int(Qt::AltModifier) << true;
    QTest::newRow("meta+1") << int(Qt::Key_1) << int(Qt::MetaModifier) << true;
    QTest::newRow("alt alone") << int(Qt::Key_Alt) << 0 << false; // not into the menu bar
}

// Only keys that produce a character reach the handler, as a yellow box shows; no key
// leaves the focus in the menu bar.
void tst_play::keysThatRunTheHandler()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, runs);
    setGrid(*form, QStringLiteral(".......................................5"));
    setBackColor(form->Row1[39], 0x00FFFF);
    form->Row1[39]->setFocus();
    QTest::keyClick(form->Row1[39], Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(messages, runs ? QStringList{refusal} : QStringList{});
    const int to = key == Qt::Key_Tab ? 40 : key == Qt::Key_Up ? 30 : 39;
    QCOMPARE(QApplication::focusWidget(), form->Row1[to]);
    if (key == Qt::Key_1 || key == Qt::Key_5)
        QCOMPARE(form->Row1[39]->text() != QLatin1String("5"), runs);
}

void tst_play::typedDigitsAreChecked_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("colour");
    // Box 0 of the simple puzzle is open; its digit is 6.
    QTest::newRow("right digit") << "6"
                                 << "G";
    QTest::newRow("wrong digit") << "5"
                                 << "O";
    QTest::newRow("wrong then right") << "56"
                                      << "G";
    QTest::newRow("right then wrong") << "65"
                                      << "O";
    QTest::newRow("zero colours nothing") << "0"
                                          << "-";
    QTest::newRow("letter colours nothing") << "a"
                                            << "-";
    QTest::newRow("right digit, then a letter") << "6a"
                                                << "G";
    // Text an input method commits is checked character by character, as typed text is.
    QTest::newRow("input method, wrong then right") << "ime:56"
                                                    << "G";
    QTest::newRow("input method, right then wrong") << "ime:65"
                                                    << "O";
}

// Each digit is judged alone, not the text the box ends up with; every character
// runs the completion check, which stops at the first box not done.
void tst_play::typedDigitsAreChecked()
{
    QFETCH(QString, keys);
    QFETCH(QString, colour);
    solveSimple();
    form->CellNo = 99;
    if (keys.startsWith(QLatin1String("ime:"))) {
        keys.remove(0, 4);
        QInputMethodEvent commit;
        commit.setCommitString(keys);
        QApplication::sendEvent(form->Row1[0], &commit);
    } else {
        type(0, keys);
    }
    QCOMPARE(boxColours(*form).left(1), colour);
    QCOMPARE(form->Row1[0]->text(), keys);
    QCOMPARE(form->CellNo, colour == QLatin1String("G") ? 3 : 0);
    QVERIFY(messages.isEmpty());

    QTest::keyClick(form->Row1[0], Qt::Key_Backspace);
    QCOMPARE(boxColours(*form).left(1), colour);
}

// Typing the whole answer: the key that makes the last box pale green brings the
// congratulations, and so does every later key while all boxes stay done.
void tst_play::lastRightDigitCongratulates()
{
    solveSimple();
    QList<int> open;
    for (int i = 0; i < 81; ++i)
        if (simplePuzzle.at(i) == u'.')
            open << i;
    for (int n = 0; n < open.size(); ++n) {
        type(open.at(n), simpleSolution.mid(open.at(n), 1));
        QCOMPARE(messages.size(), n == open.size() - 1 ? 1 : 0);
    }
    QCOMPARE(messages, QStringList{congratulations});
    QCOMPARE(form->CellNo, 81);

    type(open.first(), QStringLiteral("x"));
    QCOMPARE(messages.size(), 2);
    QCOMPARE(form->Row1[open.first()]->text(), simpleSolution.mid(open.first(), 1) + u'x');
}

void tst_play::noCongratulationsWhileBoxNotDone_data()
{
    QTest::addColumn<int>("colour");
    QTest::newRow("white") << 0xFFFFFF;
    QTest::newRow("light orange") << 0xC0E0FF;
    QTest::newRow("another colour") << 0x123456;
}

void tst_play::noCongratulationsWhileBoxNotDone()
{
    QFETCH(int, colour);
    solveSimple();
    form->cmdShowResult_Click();
    setBackColor(form->Row1[80], colour);
    type(0, QStringLiteral("6"));
    QVERIFY(messages.isEmpty());
    QCOMPARE(form->CellNo, 80);
}

// After a solved puzzle the player changed the grid and the next solve stalled: the
// digits are now compared with the partial values, so an open cell counts as wrong.
void tst_play::openCellWhileStillSolvedIsWrong()
{
    solveSimple();
    setGrid(*form, hardPuzzle);
    for (QLineEdit *box : form->Row1)
        setBackColor(box, 0xFFFFFF);
    form->cmdSolve_Click();
    QCOMPARE(form->Solved, qint16(-1));
    QVERIFY(form->CellValue[2].isEmpty());
    messages.clear();
    type(1, hardSolution.mid(1, 1));
    QCOMPARE(boxColours(*form).mid(1, 1), QStringLiteral("O"));
}

// After Show Result one right digit brings the congratulations; a wrong one marks the
// box and brings none.
void tst_play::checkAfterShowResult()
{
    solveSimple();
    form->cmdShowResult_Click();
    type(0, QStringLiteral("6"));
    QCOMPARE(messages, QStringList{congratulations});
    messages.clear();
    type(3, QStringLiteral("1"));
    QCOMPARE(boxColours(*form).mid(3, 1), QStringLiteral("O"));
    QVERIFY(messages.isEmpty());
}

void tst_play::arrowKeys_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");

    QTest::newRow("up inside a box") << 10 << "" << 0 << int(Qt::Key_Up) << 1;
    QTest::newRow("up across boxes") << 27 << "" << 0 << int(Qt::Key_Up) << 18;
    QTest::newRow("up at the top edge") << 4 << "" << 0 << int(Qt::Key_Up) << 4;
    QTest::newRow("down across boxes") << 20 << "5" << 1 << int(Qt::Key_Down) << 29;
    QTest::newRow("down at the bottom edge") << 76 << "" << 0 << int(Qt::Key_Down) << 76;
    QTest::newRow("left across boxes") << 3 << "" << 0 << int(Qt::Key_Left) << 2;
    QTest::newRow("left at the left edge") << 9 << "" << 0 << int(Qt::Key_Left) << 9;
    QTest::newRow("left with caret inside") << 4 << "12" << 2 << int(Qt::Key_Left) << 4;
    QTest::newRow("left with caret at start") << 4 << "12" << 0 << int(Qt::Key_Left) << 3;
    QTest::newRow("right inside a box") << 0 << "" << 0 << int(Qt::Key_Right) << 1;
    QTest::newRow("right at the right edge") << 17 << "" << 0 << int(Qt::Key_Right) << 17;
    QTest::newRow("right with caret before text") << 5 << "7" << 0 << int(Qt::Key_Right) << 5;
    QTest::newRow("right with caret after text") << 5 << "7" << 1 << int(Qt::Key_Right) << 6;
}

// Arrows move between puzzle boxes and never reach the key handler.
void tst_play::arrowKeys()
{
    QFETCH(int, from);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, key);
    QFETCH(int, to);
    setBackColor(form->Row1[from], 0x00FFFF); // a handler run would show the refusal
    form->Row1[from]->setText(text);
    form->Row1[from]->setFocus();
    form->Row1[from]->setCursorPosition(caret);
    QTest::keyClick(form->Row1[from], Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), form->Row1[to]);
    QVERIFY(messages.isEmpty());
}

static QList<const QObject *> descriptionEvents;
static QStringList announced;

static void recordEvent(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::DescriptionChanged)
        descriptionEvents << event->object();
    QAccessibleInterface *face = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && face
        && face->role() == QAccessible::Notification)
        announced << face->text(QAccessible::Name);
}

void tst_play::accessibleNames_data()
{
    QTest::addColumn<QString>("puzzle"); // solved first, unless empty
    QTest::addColumn<bool>("candidate"); // a candidate box, whose text is set to "typed"
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("events");
    QTest::addColumn<QString>("announced"); // at once, by the focused box

    const QString cell23 = QStringLiteral("Cell 23, row 3, column 5");
    const QString cell24 = QStringLiteral("Cell 24, row 3, column 6");
    QTest::newRow("plain") << "" << false << 0 << ""
                           << "Cell 1, row 1, column 1"
                           << "empty" << 0 << "";
    QTest::newRow("given") << simplePuzzle << false << 22 << "" << cell23 << "given" << 1 << "";
    QTest::newRow("right") << simplePuzzle << false << 23 << "6" << cell24 << "right" << 1
                           << "right";
    QTest::newRow("wrong") << simplePuzzle << false << 23 << "5" << cell24 << "wrong" << 1
                           << "wrong";
    QTest::newRow("wrong, right") << simplePuzzle << false << 23 << "56" << cell24 << "right" << 2
                                  << "wrong,right";
    QTest::newRow("right, right") << simplePuzzle << false << 23 << "66" << cell24 << "right" << 1
                                  << "right";
    const QString nos80 = QStringLiteral("Possible numbers, row 9, column 9");
    QTest::newRow("candidates") << "" << true << 80 << "1467" << nos80 << "1, 4, 6 and 7" << 1
                                << "";
    QTest::newRow("no candidate") << "" << true << 80 << "" << nos80 << "none" << 1 << "";
    QTest::newRow("after a stall") << hardPuzzle << true << 1 << ""
                                   << "Possible numbers, row 1, column 2"
                                   << "3, 5, 6 and 8" << 1 << "";
}

// A screen reader hears each box's cell, row and column, its status (the colour's
// meaning) as it changes, and a candidate box's digits; a wrong digit is struck
// through, so its status never rests on colour alone.
void tst_play::accessibleNames()
{
    QFETCH(QString, puzzle);
    QFETCH(bool, candidate);
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(int, events);
    QFETCH(QString, announced);
    // Offscreen, events reach the handler only while accessibility is switched on.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    descriptionEvents.clear();
    ::announced.clear();
    QAccessible::installUpdateHandler(recordEvent);
    setGrid(*form, puzzle);
    if (!puzzle.isEmpty())
        form->cmdSolve_Click();
    QLineEdit *box = candidate ? form->txtNos[index] : form->Row1[index];
    if (candidate && puzzle.isEmpty())
        box->setText(typed);
    else
        type(index, typed);
    QCoreApplication::processEvents();
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);

    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->text(QAccessible::Description), description);
    QCOMPARE(descriptionEvents.count(box), events);
    QCOMPARE(::announced.join(QLatin1Char(',')), announced);
    QCOMPARE(box->font().strikeOut(), description == QLatin1String("wrong"));
    // The whole text is one run, so a screen reader reading run by run reads all of it;
    // a box without the focus keeps its changes from a screen reader until it gets it.
    int start = -1, end = -1;
    face->textInterface()->attributes(0, &start, &end);
    QCOMPARE(face->textInterface()->text(start, end), box->text());
    QCOMPARE(tellsScreenReader(box), box->hasFocus());
}

// A real refusal box takes the focus and gives it back to the box, which then takes
// the character.
void tst_play::realBoxGivesFocusBack()
{
    form->msgBoxHook = nullptr;
    BoxAnswerer answerer;
    form->Row1[5]->setText(QStringLiteral("4"));
    setBackColor(form->Row1[5], 0x00FFFF);
    type(5, QStringLiteral("8"));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.at(0).text, refusal);
    QCOMPARE(answerer.seen.at(0).title, QStringLiteral("Varnodel"));
    QCOMPARE(form->focusWidget(), form->Row1[5]);
    QCOMPARE(form->Row1[5]->text(), QStringLiteral("48"));
}

QTEST_MAIN(tst_play)
#include "tst_play.moc"
