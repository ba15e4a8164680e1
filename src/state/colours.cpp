#include "colours.h"
#include "contrast.h"

#include <QPalette>
#include <QWidget>

int colourFromText(const QString &text)
{
    bool ok = false;
    int value = -1;
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        value = text.mid(2).toInt(&ok, 16);
    else
        value = text.toInt(&ok, 10);
    if (!ok || value < 0 || value > 0xFFFFFF)
        return -1;
    return value;
}

QColor colourFromBgr(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int bgrFromColour(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

int backColor(const QWidget *box)
{
    return bgrFromColour(box->palette().color(QPalette::Base));
}

void setBackColor(QWidget *box, int bgr)
{
    QPalette palette = box->palette();
    const QColor background = colourFromBgr(bgr);
    palette.setColor(QPalette::Base, background);
    // Black or white text, whichever stands out more: black on all the program's own
    // colours, even where the desktop theme's text colour is light.
    palette.setColor(QPalette::Text,
                     Contrast::ratio(Qt::black, background)
                             >= Contrast::ratio(Qt::white, background)
                         ? Qt::black
                         : Qt::white);
    box->setPalette(palette);
}

BoxStatus statusOf(int bgr)
{
    if (bgr == Colour::Yellow)
        return BoxStatus::Given;
    if (bgr == colourFromText(QLatin1String(Colour::PaleGreenText)))
        return BoxStatus::Right;
    if (bgr == colourFromText(QLatin1String(Colour::LightOrangeText)))
        return BoxStatus::Wrong;
    return BoxStatus::Plain;
}
