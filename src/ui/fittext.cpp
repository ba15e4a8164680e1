#include "fittext.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace FitText {

namespace {

// QLineEdit keeps this many pixels clear on each side inside its contents.
constexpr int LineEditInnerMargin = 2;
// The smallest size worth trying; below it no digit is legible anyway.
constexpr int SmallestPixelSize = 6;

// Rebuilds the option QLineEdit paints its frame with.
QRect lineEditArea(const QLineEdit *box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->contentsRect();
    option.lineWidth = box->hasFrame()
        ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box)
        : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    QRect area = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    area = area.marginsRemoved(box->textMargins());
    return area.adjusted(LineEditInnerMargin, 0, -LineEditInnerMargin, 0);
}

// The caption area of the program's buttons, as their paint event draws it.
QRect buttonArea(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    option.text = button->text();
    return button->style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
        .adjusted(2, 0, -2, 0);
}

} // namespace

QRect textArea(const QWidget *widget)
{
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return lineEditArea(box);
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return buttonArea(button);
    return widget->contentsRect();
}

bool fits(const QWidget *widget, const QFont &font, const QStringList &texts)
{
    const QRect area = textArea(widget);
    const QFontMetrics metrics(font);
    const bool isButton = qobject_cast<const QAbstractButton *>(widget) != nullptr;
    const bool isLineEdit = qobject_cast<const QLineEdit *>(widget) != nullptr;
    // A line edit centres a line's height in its area and scrolls a text that leaves no
    // pixel for the caret after it; a label sets its line at the top.
    const int caretRoom = isLineEdit ? 1 : 0;
    const int baseline
        = metrics.ascent() + (isLineEdit ? (area.height() - metrics.height() + 1) / 2 : 0);
    for (const QString &text : texts) {
        if (isButton) {
            // A word too long for a line overflows the rectangle, so this catches it too.
            const QRect used = metrics.boundingRect(
                area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
            if (used.width() > area.width() || used.height() > area.height())
                return false;
            continue;
        }
        const QRect ink = metrics.tightBoundingRect(text);
        if (metrics.horizontalAdvance(text) + caretRoom > area.width() || baseline + ink.top() < 0
            || baseline + ink.bottom() >= area.height())
            return false;
    }
    return true;
}

QFont fitted(const QWidget *widget, QFont font, const QStringList &texts)
{
    for (int size = QFontInfo(font).pixelSize();
         !fits(widget, font, texts) && size > SmallestPixelSize;) {
        font.setPixelSize(--size);
    }
    return font;
}

void fitTogether(const QList<QWidget *> &widgets, QFont font, const QStringList &texts)
{
    // Widgets of one size showing the same texts fit alike: each such pair is measured
    // once for the font in hand, which spares the grids 80 measurements each.
    QList<std::pair<QSize, QStringList>> fitting;
    for (QWidget *widget : widgets) {
        QStringList own = texts;
        if (own.isEmpty()) {
            if (const auto *label = qobject_cast<const QLabel *>(widget))
                own << label->text();
            else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
                own << button->text();
        }
        std::pair<QSize, QStringList> seen{widget->size(), own};
        if (fitting.contains(seen))
            continue;
        const QFont smaller = fitted(widget, font, own);
        if (smaller != font)
            fitting.clear();
        font = smaller;
        fitting << std::move(seen);
    }
    for (QWidget *widget : widgets)
        widget->setFont(font);
}

} // namespace FitText
