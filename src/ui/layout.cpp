#include "accessibility.h"
#include "accessiblebox.h"
#include "files/commondialog.h"
#include "fittext.h"
#include "form1.h"
#include "gridstyle.h"
#include "state/colours.h"
#include "twips.h"
#include "wrapbutton.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace {

QFont puzzleFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(13.5);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(AppTitle));
    Q_INIT_RESOURCE(icons);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/varnodel-16.png"));
    icon.addFile(QStringLiteral(":/icons/varnodel-32.png"));
    setWindowIcon(icon);
    createControls();
    createTransfer();
    setTabOrder();
    setUpAccessibility();
    setUpKeyboard();
    fitFonts(); // once the boxes have the style they are drawn with
    Form_Load();
    Row1[0]->setFocus();
}

void Form1::createControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(twips(10650), twips(10125));
    setCentralWidget(client);

    // Every puzzle box is named by its cell number, as the messages speak of cells, and by
    // its row and column; every candidate box by its row and column, and described by
    // its digits as a list. One style draws them all.
    auto *style = new GridStyle;
    style->setParent(this);
    const QString allDigits = QStringLiteral("123456789");
    const QString allDigitsSpoken = spokenList(allDigits);
    for (int index = 0; index < 81; ++index) {
        const int r = index / 9;
        const int c = index % 9;
        auto *box = new QLineEdit(client);
        box->setObjectName(QStringLiteral("Row1_%1").arg(index));
        markGridBox(box, tr("Cell %1, row %2, column %3").arg(index + 1).arg(r + 1).arg(c + 1));
        box->setStyle(style);
        box->setGeometry(
            twipRect(1080 + 480 * c + 120 * (c / 3), 840 + 480 * r + 120 * (r / 3), 495, 495));
        box->setAlignment(Qt::AlignCenter);
        box->installEventFilter(this);
        Row1[index] = box;

        auto *nos = new QLineEdit(client);
        nos->setObjectName(QStringLiteral("txtNos_%1").arg(index));
        markGridBox(nos, tr("Possible numbers, row %1, column %2").arg(r + 1).arg(c + 1),
                    allDigitsSpoken);
        nos->setStyle(style);
        nos->setText(allDigits);
        nos->setGeometry(
            twipRect(600 + 960 * c + 120 * (c / 3), 5640 + 240 * r + 120 * (r / 3), 975, 285));
        nos->setCursorPosition(0);
        txtNos[index] = nos;
    }

    // Column numbers above the grid, then the number of each row's first cell beside it.
    for (int index = 0; index < 17; ++index) {
        auto *label = new QLabel(client);
        label->setObjectName(QStringLiteral("Label1_%1").arg(index));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (index < 9) {
            label->setText(QString::number(index + 1));
            label->setGeometry(twipRect(1080 + 480 * index + 120 * (index / 3), 600, 375, 255));
        } else {
            const int r = index - 8;
            // Beside the first row of a band the label stands level with the row's top.
            const int top = 840 + 480 * r + 120 * (r / 3) + (r % 3 == 0 ? 0 : 120);
            label->setText(QString::number(9 * r + 1));
            label->setGeometry(twipRect(720, top, 375, 255));
        }
        Label1[index] = label;
    }

    const auto button = [client](const char *name, const QString &caption, const QRect &rect) {
        auto *b = new WrapButton(caption, client);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(rect);
        b->setAutoDefault(true); // Enter and Return press a focused button
        return b;
    };
    cmdSave = button("cmdSave", tr("&Save File"), twipRect(6480, 840, 1095, 495));
    cmdGet = button("cmdGet", tr("&Get File"), twipRect(6480, 1560, 1095, 495));
    cmdSolve = button("cmdSolve", tr("S&olve"), twipRect(6480, 2280, 1095, 495));
    cmdShowGrid = button("cmdShowGrid", tr("Show - Hide &Possible Numbers Grid"),
                         twipRect(6480, 3000, 1095, 1095));
    cmdShowResult = button("cmdShowResult", tr("Show &Result"), twipRect(6480, 4320, 1095, 735));
    cmdQuit = button("cmdQuit", tr("&Quit"), twipRect(9240, 3840, 1095, 495));
    cmdClear = button("cmdClear", tr("&Clear"), twipRect(9240, 4560, 1095, 495));

    connect(cmdSave, &QPushButton::clicked, this, &Form1::cmdSave_Click);
    connect(cmdGet, &QPushButton::clicked, this, &Form1::cmdGet_Click);
    connect(cmdSolve, &QPushButton::clicked, this, &Form1::cmdSolve_Click);
    connect(cmdShowGrid, &QPushButton::clicked, this, &Form1::cmdShowGrid_Click);
    connect(cmdShowResult, &QPushButton::clicked, this, &Form1::cmdShowResult_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &Form1::cmdQuit_Click);
    connect(cmdClear, &QPushButton::clicked, this, &Form1::cmdClear_Click);

    Help = menuBar()->addMenu(tr("&Help"));
    Help->setObjectName(QStringLiteral("Help"));
    Info = Help->addAction(tr("Help&Info"), this, &Form1::Info_Click);
    Info->setObjectName(QStringLiteral("Info"));
    // F2 types nothing into a box, unlike a Ctrl+letter chord.
    Hint = Help->addAction(tr("&Hint"), this, &Form1::Hint_Click);
    Hint->setObjectName(QStringLiteral("Hint"));
    Hint->setShortcut(QKeySequence(Qt::Key_F2));
    About = Help->addAction(tr("&About"), this, &Form1::About_Click);
    About->setObjectName(QStringLiteral("About"));

    CommonDialog1 = new CommonDialog(this);
}

// Each group of boxes gets one font in which the longest text any of its boxes can hold
// fits: the puzzle font or the window's default font where they fit, else a smaller size.
void Form1::fitFonts()
{
    QStringList digits;
    for (char digit = '0'; digit <= '9'; ++digit)
        digits << QString(QLatin1Char(digit));
    FitText::fitTogether({Row1.begin(), Row1.end()}, puzzleFont(), digits);
    FitText::fitTogether({Label1.begin(), Label1.end()}, font());
    FitText::fitTogether({cmdSave, cmdGet, cmdSolve, cmdShowGrid, cmdShowResult, cmdQuit, cmdClear},
                         font());
}

// The candidate grid starts hidden, so its font is fitted the first time it is shown,
// which spares the start the measuring of a font that no one sees yet.
void Form1::fitCandidateFont()
{
    if (m_candidateFontFitted)
        return;
    m_candidateFontFitted = true;
    FitText::fitTogether({txtNos.begin(), txtNos.end()}, font(), {QStringLiteral("123456789")});
}

// Puzzle boxes in index order, then Save File, Get File, Clear, Solve, Quit, the candidate
// boxes while they are shown, then Show - Hide and Show Result.
void Form1::setTabOrder()
{
    QList<QWidget *> order(Row1.begin(), Row1.end());
    order << cmdSave << cmdGet << cmdClear << cmdSolve << cmdQuit;
    order.append(QList<QWidget *>(txtNos.begin(), txtNos.end()));
    order << cmdShowGrid << cmdShowResult;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

Form1::~Form1() = default;
