// The floor: a bare Qt Widgets window of Varnodel's shape and nothing else (the same
// client size, 162 line edits with the candidate half hidden, 17 labels, 7 buttons and
// one menu), to measure what any such window costs to start and to hold.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenu *menu = window.menuBar()->addMenu(QStringLiteral("&Help"));
    menu->addAction(QStringLiteral("Help&Info"));
    menu->addAction(QStringLiteral("&About"));

    auto *client = new QWidget;
    client->setFixedSize(710, 675);
    window.setCentralWidget(client);
    QFont big(QStringLiteral("MS Sans Serif"));
    big.setStyleHint(QFont::SansSerif);
    big.setPointSizeF(13.5);
    big.setBold(true);
    for (int i = 0; i < 81; ++i) {
        const int r = i / 9, c = i % 9;
        auto *box = new QLineEdit(client);
        box->setGeometry(72 + 32 * c + 8 * (c / 3), 56 + 32 * r + 8 * (r / 3), 33, 33);
        box->setFont(big);
        box->setAlignment(Qt::AlignCenter);
        auto *small = new QLineEdit(QStringLiteral("123456789"), client);
        small->setGeometry(40 + 64 * c + 8 * (c / 3), 376 + 16 * r + 8 * (r / 3), 65, 19);
        small->hide();
    }
    for (int i = 0; i < 17; ++i) {
        auto *label = new QLabel(QString::number(i < 9 ? i + 1 : 9 * (i - 8) + 1), client);
        label->setGeometry(i < 9 ? 72 + 32 * i + 8 * (i / 3) : 48, i < 9 ? 40 : 96 + 32 * (i - 9),
                           25, 17);
    }
    // The buttons keep Varnodel's sizes: the tall ones cost more to paint.
    const char *captions[]
        = {"Save File", "Get File", "Solve", "Show - Hide", "Show Result", "Quit", "Clear"};
    const int rects[7][4]
        = {{6480, 840, 1095, 495},   {6480, 1560, 1095, 495}, {6480, 2280, 1095, 495},
           {6480, 3000, 1095, 1095}, {6480, 4320, 1095, 735}, {9240, 3840, 1095, 495},
           {9240, 4560, 1095, 495}};
    for (int i = 0; i < 7; ++i) {
        auto *button = new QPushButton(QString::fromLatin1(captions[i]), client);
        button->setGeometry(rects[i][0] / 15, rects[i][1] / 15, rects[i][2] / 15, rects[i][3] / 15);
    }
    window.show();
    return app.exec();
}
