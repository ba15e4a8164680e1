#include "files/commondialog.h"
#include "state/contrast.h"
#include "support.h"
#include "ui/fittext.h"

#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

// The main window as the player first meets it: layout, order of keyboard focus,
// start-up state, and the ways out.
class tst_window : public QObject
{
    Q_OBJECT

private slots:
    void puzzleBoxGeometry_data();
    void puzzleBoxGeometry();
    void candidateBoxGeometry_data();
    void candidateBoxGeometry();
    void labels_data();
    void labels();
    void buttons_data();
    void buttons();
    void windowAndMenu();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
    void paintedBoxesKeepDarkText_data();
    void paintedBoxesKeepDarkText();
    void gridContrast_data();
    void gridContrast();
    void colourTexts_data();
    void colourTexts();
    void startsWithCandidateGridHidden();
    void tabOrder_data();
    void tabOrder();
    void focusStartsInFirstBox();
    void quitAndCloseEndTheProgram();
};

static QRect px(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

void tst_window::puzzleBoxGeometry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("top left") << 0 << px(1080, 840, 495, 495);
    QTest::newRow("top right") << 8 << px(5160, 840, 495, 495);
    QTest::newRow("row 3 column 3") << 30 << px(2640, 2400, 495, 495);
    QTest::newRow("centre") << 40 << px(3120, 2880, 495, 495);
    QTest::newRow("bottom right") << 80 << px(5160, 4920, 495, 495);
}

void tst_window::puzzleBoxGeometry()
{
    QFETCH(int, index);
    QFETCH(QRect, rect);
    Form1 form;
    QCOMPARE(form.Row1[index]->geometry(), rect);
    QCOMPARE(form.Row1[index]->text(), QString());
    QCOMPARE(form.Row1[index]->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    const QFont font = form.Row1[index]->font();
    QCOMPARE(font.pointSizeF(), 13.5);
    QCOMPARE(font.weight(), QFont::Bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
}

void tst_window::candidateBoxGeometry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("top left") << 0 << px(600, 5640, 975, 285);
    QTest::newRow("centre") << 40 << px(4560, 6720, 975, 285);
    QTest::newRow("bottom right") << 80 << px(8520, 7800, 975, 285);
}

void tst_window::candidateBoxGeometry()
{
    QFETCH(int, index);
    QFETCH(QRect, rect);
    Form1 form;
    QCOMPARE(form.txtNos[index]->geometry(), rect);
    for (QLineEdit *box : form.txtNos)
        QCOMPARE(box->text(), QStringLiteral("123456789"));
}

void tst_window::labels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    const int lefts[9] = {1080, 1560, 2040, 2640, 3120, 3600, 4200, 4680, 5160};
    for (int i = 0; i < 9; ++i)
        QTest::addRow("column %d", i + 1) << i << QString::number(i + 1) << lefts[i] << 600;
    const int tops[8] = {1440, 1920, 2400, 3000, 3480, 3960, 4560, 5040};
    const char *captions[8] = {"10", "19", "28", "37", "46", "55", "64", "73"};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("row %d", i + 2)
            << 9 + i << QString::fromLatin1(captions[i]) << 720 << tops[i];
}

void tst_window::labels()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(int, left);
    QFETCH(int, top);
    Form1 form;
    QCOMPARE(form.Label1[index]->text(), caption);
    QCOMPARE(form.Label1[index]->geometry(), px(left, top, 375, 255));
    QCOMPARE(form.Label1[index]->focusPolicy(), Qt::NoFocus);
}

void tst_window::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("save") << "cmdSave"
                          << "Save File" << px(6480, 840, 1095, 495);
    QTest::newRow("get") << "cmdGet"
                         << "Get File" << px(6480, 1560, 1095, 495);
    QTest::newRow("solve") << "cmdSolve"
                           << "Solve" << px(6480, 2280, 1095, 495);
    QTest::newRow("grid") << "cmdShowGrid"
                          << "Show - Hide Possible Numbers Grid" << px(6480, 3000, 1095, 1095);
    QTest::newRow("result") << "cmdShowResult"
                            << "Show Result" << px(6480, 4320, 1095, 735);
    QTest::newRow("quit") << "cmdQuit"
                          << "Quit" << px(9240, 3840, 1095, 495);
    QTest::newRow("clear") << "cmdClear"
                           << "Clear" << px(9240, 4560, 1095, 495);
}

void tst_window::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, rect);
    Form1 form;
    auto *button = form.findChild<QPushButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->text().remove(u'&'), caption);
    QVERIFY(!QKeySequence::mnemonic(button->text()).isEmpty());
    QCOMPARE(button->geometry(), rect);

    // Enter and Return press the focused button; every command here ends at once.
    form.quitHook = [] {};
    form.msgBoxHook = [](const QString &) {};
    form.CommonDialog1->answer = [](CommonDialog::Mode, const QString &) { return QString(); };
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicks.count(), 2);
}

void tst_window::windowAndMenu()
{
    Form1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Varnodel"));
    QCOMPARE(form.centralWidget()->size(), QSize(710, 675));
    const QList<QSize> sizes = form.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));

    const QList<QAction *> menus = form.menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.at(0)->text(), QStringLiteral("&Help"));
    QCOMPARE(form.Help->actions(), (QList<QAction *>{form.Info, form.Hint, form.About}));
    QCOMPARE(form.Info->text(), QStringLiteral("Help&Info"));
    QCOMPARE(form.Hint->text(), QStringLiteral("&Hint"));
    QCOMPARE(form.Hint->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(form.About->text(), QStringLiteral("&About"));
}

void tst_window::textsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pointSize");
    // The pixel sizes chosen for the candidate boxes, the headings and the captions:
    // the largest that fit, found by every earlier way of fitting alike.
    QTest::addColumn<QList<int>>("chosen");
    QTest::newRow("default font") << QString() << 0 << QList<int>{10, 12, 12};
    QTest::newRow("12 point font") << QString() << 12 << QList<int>{10, 16, 12};
    QTest::newRow("large default font") << QString() << 20 << QList<int>{10, 18, 12};
    QTest::newRow("large serif font") << "DejaVu Serif" << 16 << QList<int>{10, 18, 12};
    QTest::newRow("condensed font") << "DejaVu Sans Condensed" << 14 << QList<int>{11, 18, 12};
    QTest::newRow("huge monospace font") << "DejaVu Sans Mono" << 30 << QList<int>{10, 18, 12};
}

// Whatever the desktop's font, the longest text each box can hold is shown whole: all
// nine candidates, a digit, a heading, a caption (wrapped at blanks).
void tst_window::textsFitTheirBoxes()
{
    QFETCH(QString, family);
    QFETCH(int, pointSize);
    QFETCH(QList<int>, chosen);
    const QFont appFont = QApplication::font();
    QFont font = appFont;
    if (!family.isEmpty())
        font.setFamily(family);
    if (pointSize)
        font.setPointSize(pointSize);
    QApplication::setFont(font);
    Form1 form;
    QApplication::setFont(appFont);
    form.show();
    form.cmdShowGrid_Click(); // the candidate grid's font is fitted when it is first shown
    QCOMPARE((QList<int>{QFontInfo(form.txtNos[0]->font()).pixelSize(),
                         QFontInfo(form.Label1[16]->font()).pixelSize(),
                         QFontInfo(form.cmdShowGrid->font()).pixelSize()}),
             chosen);

    // A candidate box scrolls its text when it is too wide: the first digit then stands
    // left of where an empty box puts its caret.
    QLineEdit *nos = form.txtNos[0];
    const auto caretLeft = [nos] {
        nos->grab();
        nos->setCursorPosition(0);
        return nos->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    };
    nos->clear();
    const int emptyLeft = caretLeft();
    nos->setText(QStringLiteral("123456789"));
    nos->end(false);
    QCOMPARE(caretLeft(), emptyLeft);

    const auto check = [](QWidget *widget, const QString &text) {
        const QRect area = FitText::textArea(widget);
        const QFontMetrics metrics(widget->font());
        // A label sets its digits on a baseline one ascent below its top.
        const QRect used = qobject_cast<QPushButton *>(widget)
            ? metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text)
            : QRect(0, 0, metrics.horizontalAdvance(text),
                    qobject_cast<QLabel *>(widget) ? metrics.ascent()
                                                   : metrics.tightBoundingRect(text).height());
        QVERIFY2(used.width() <= area.width() && used.height() <= area.height(),
                 qPrintable(QStringLiteral("%1 in %2").arg(text, widget->objectName())));
    };
    for (char digit = '0'; digit <= '9'; ++digit)
        check(form.Row1[40], QString(QLatin1Char(digit)));
    for (QLabel *label : form.Label1)
        check(label, label->text());
    for (QPushButton *button : form.findChildren<QPushButton *>())
        check(button, button->text());
}

void tst_window::paintedBoxesKeepDarkText_data()
{
    QTest::addColumn<int>("bgr");
    QTest::newRow("yellow") << 0x00FFFF;
    QTest::newRow("pale green") << 0xC0FFC0;
    QTest::newRow("light orange") << 0xC0E0FF;
    QTest::newRow("white") << 0xFFFFFF;
}

// Under a dark theme the system's text colour is light; a digit on one of the
// program's own light colours must still be drawn dark, and the colour read back.
void tst_window::paintedBoxesKeepDarkText()
{
    QFETCH(int, bgr);
    Form1 form;
    QPalette dark = form.Row1[0]->palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    form.Row1[0]->setPalette(dark);
    setBackColor(form.Row1[0], bgr);
    QCOMPARE(backColor(form.Row1[0]), bgr);
    QCOMPARE(form.Row1[0]->palette().color(QPalette::Text), QColor(Qt::black));
}

void tst_window::gridContrast_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("bgr"); // -1: the box keeps the theme's colour
    QTest::addColumn<qreal>("scale");
    for (int bgr : {-1, 0x00FFFF, 0xC0FFC0, 0xC0E0FF, 0xFFFFFF}) {
        QTest::addRow("light palette, box %x", bgr) << false << bgr << 1.0;
        QTest::addRow("dark palette, box %x", bgr) << true << bgr << 1.0;
    }
    for (qreal scale : {1.25, 1.5, 1.75, 3.0})
        QTest::addRow("yellow box at %g", scale) << false << 0x00FFFF << scale;
}

// Measured on the pixels painted: the boxes' outlines stand 3:1 out from the window
// (so the boxes of a block never merge), the focus ring 3:1 out from the box, and the
// digit 4.5:1, in a light and a dark palette; painted boxes keep their colours. So at
// fractional scales too, where also no box colour shows outside the box.
void tst_window::gridContrast()
{
    QFETCH(bool, dark);
    QFETCH(int, bgr);
    QFETCH(qreal, scale);
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette = fusion->standardPalette();
    if (dark) {
        palette.setColor(QPalette::Window, QColor(53, 53, 53));
        palette.setColor(QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Base, QColor(42, 42, 42));
        palette.setColor(QPalette::Text, Qt::white);
    }
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.cmdShowGrid_Click();
    QLineEdit *box = form.Row1[30]; // the top left box of a block: window above and left
    box->setText(QStringLiteral("8"));
    if (bgr >= 0)
        setBackColor(box, bgr);
    box->setFocus();
    QImage image(form.centralWidget()->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    {
        // Half a device pixel off, as a fractional scale places the boxes.
        QPainter painter(&image);
        painter.translate(0.5 / scale, 0.5 / scale);
        form.centralWidget()->render(&painter, QPoint(), QRegion(),
                                     QWidget::DrawChildren | QWidget::DrawWindowBackground);
    }
    QApplication::setPalette(before);
    const auto pixel = [&](qreal x, qreal y) {
        return image.pixelColor(int(std::floor(x * scale + 0.5)), int(std::floor(y * scale + 0.5)));
    };

    const QRect r = box->geometry();
    const QColor window = pixel(1, 1);
    const QColor background = pixel(r.left() + 5, r.top() + 5);
    if (bgr >= 0)
        QCOMPARE(background, colourFromBgr(bgr));
    const qreal half = 0.5 / scale; // half a device pixel
    QVERIFY(Contrast::ratio(pixel(r.left() + half, r.center().y()), window) >= 3);
    QVERIFY(Contrast::ratio(pixel(r.center().x(), r.top() + half), window) >= 3);
    QCOMPARE(pixel(r.left() - half, r.center().y()), window);
    QCOMPARE(pixel(r.center().x(), r.top() - half), window);
    const QPoint nos = form.txtNos[40]->geometry().topLeft() + QPoint(0, 5);
    QVERIFY(Contrast::ratio(pixel(nos.x() + half, nos.y()), window) >= 3);
    QVERIFY(Contrast::ratio(pixel(r.left() + 1.5, r.center().y()), background) >= 3);
    double text = 1;
    for (int y = r.top() + 4; y < r.bottom() - 4; ++y)
        for (int x = r.left() + 4; x < r.right() - 4; ++x)
            text = std::max(text, Contrast::ratio(pixel(x, y), background));
    QVERIFY2(text >= 4.5, qPrintable(QString::number(text)));
}

void tst_window::colourTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("pale green") << Colour::PaleGreenText << 0xC0FFC0;
    QTest::newRow("light orange") << Colour::LightOrangeText << 0xC0E0FF;
    QTest::newRow("lower case") << "&h00ffff" << 0x00FFFF;
    QTest::newRow("decimal") << "16777215" << 0xFFFFFF;
    QTest::newRow("not a colour") << "&Hxyz" << -1;
    QTest::newRow("too large") << "&H1000000" << -1;
}

void tst_window::colourTexts()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(colourFromText(text), value);
    if (value >= 0)
        QCOMPARE(bgrFromColour(colourFromBgr(value)), value);
}

// The load step hides the candidate grid and leaves the shared counter at 81; the
// first press of Show - Hide brings all 81 boxes up with every digit.
void tst_window::startsWithCandidateGridHidden()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (QLineEdit *box : form.txtNos)
        QVERIFY(!box->isVisible());
    QCOMPARE(form.CellNo, 81);
    QCOMPARE(form.Solved, qint16(0));
    QCOMPARE(form.RowSum, (std::array<qint16, 10>{}));
    for (int k = 1; k <= 81; ++k)
        QVERIFY(form.CellValue[k].isEmpty());

    form.cmdShowGrid->click();
    for (QLineEdit *box : form.txtNos) {
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("123456789"));
    }
}

void tst_window::tabOrder_data()
{
    QTest::addColumn<bool>("gridShown");
    QTest::newRow("candidate grid hidden") << false;
    QTest::newRow("candidate grid shown") << true;
}

// Tab walks the puzzle boxes, then Save File, Get File, Clear, Solve, Quit, the
// candidate boxes while shown, then Show - Hide and Show Result.
void tst_window::tabOrder()
{
    QFETCH(bool, gridShown);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (gridShown)
        form.cmdShowGrid_Click();

    QList<QWidget *> expected(form.Row1.begin(), form.Row1.end());
    expected << form.cmdSave << form.cmdGet << form.cmdClear << form.cmdSolve << form.cmdQuit;
    if (gridShown)
        expected.append(QList<QWidget *>(form.txtNos.begin(), form.txtNos.end()));
    expected << form.cmdShowGrid << form.cmdShowResult << form.Row1[0];

    form.Row1[0]->setFocus();
    QCOMPARE(QApplication::focusWidget(), form.Row1[0]);
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() == expected.at(i),
                 qPrintable(QStringLiteral("step %1 reached %2")
                                .arg(i)
                                .arg(QApplication::focusWidget()->objectName())));
    }
}

void tst_window::focusStartsInFirstBox()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.Row1[0]);
}

// Quit and the close box both end the program at once, asking nothing, with any
// unsaved puzzle in the grid.
void tst_window::quitAndCloseEndTheProgram()
{
    Form1 form;
    QStringList messages;
    catchMessages(form, messages);
    int ended = 0;
    form.quitHook = [&] { ++ended; };
    setGrid(form, simplePuzzle);
    form.cmdQuit->click();
    QCOMPARE(ended, 1);
    form.show();
    form.close();
    QCOMPARE(ended, 2);
    QVERIFY(messages.isEmpty());
}

QTEST_MAIN(tst_window)
#include "tst_window.moc"
