#include "fittext.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <algorithm>

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

namespace {

// How the widget lays a line of text out, and the room that leaves.
struct Room
{
    QRect area;
    bool isButton = false;
    bool isLineEdit = false;
};

Room roomOf(const QWidget *widget)
{
    return {textArea(widget), qobject_cast<const QAbstractButton *>(widget) != nullptr,
            qobject_cast<const QLineEdit *>(widget) != nullptr};
}

// Whether every text fits, and the factor by which the font could grow (above 1) or
// must shrink (below 1) for the tightest text to just fit, as far as scaling tells.
bool measure(const Room &room, const QFont &font, const QStringList &texts, double *scale)
{
    const QRect &area = room.area;
    const QFontMetrics metrics(font);
    // A line edit centres a line's height in its area and scrolls a text that leaves no
    // pixel for the caret after it; a label sets its line at the top.
    const int caretRoom = room.isLineEdit ? 1 : 0;
    const int baseline
        = metrics.ascent() + (room.isLineEdit ? (area.height() - metrics.height() + 1) / 2 : 0);
    const auto ratio = [](int room, int used) { return used > 0 ? double(room) / used : 1e9; };
    bool allFit = true;
    double tightest = 1e9;
    for (const QString &text : texts) {
        if (room.isButton) {
            // A word too long for a line overflows the rectangle, so this catches it too.
            const QRect used = metrics.boundingRect(
                area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
            allFit = allFit && used.width() <= area.width() && used.height() <= area.height();
            tightest = std::min(
                {tightest, ratio(area.width(), used.width()), ratio(area.height(), used.height())});
            continue;
        }
        const QRect ink = metrics.tightBoundingRect(text);
        const int advance = metrics.horizontalAdvance(text);
        allFit = allFit && advance + caretRoom <= area.width() && baseline + ink.top() >= 0
            && baseline + ink.bottom() < area.height();
        tightest = std::min({tightest, ratio(area.width() - caretRoom, advance),
                             ratio(room.isLineEdit ? area.height() : area.height() - 1,
                                   room.isLineEdit ? ink.height() : baseline + ink.bottom())});
    }
    if (scale)
        *scale = tightest;
    return allFit;
}

QFont fittedIn(const Room &room, QFont font, const QStringList &texts)
{
    double scale = 1;
    if (measure(room, font, texts, &scale))
        return font;
    // Text scales nearly in step with the font's size: start from the size that scaling
    // promises and look at the sizes next to it, the largest that fits being the answer.
    const int size = QFontInfo(font).pixelSize();
    if (size <= SmallestPixelSize)
        return font;
    const auto fitsAt = [&](int pixels) {
        font.setPixelSize(pixels);
        return measure(room, font, texts, nullptr);
    };
    int guess = std::clamp(int(size * scale), SmallestPixelSize, size - 1);
    if (fitsAt(guess)) {
        while (guess + 1 < size && fitsAt(guess + 1))
            ++guess;
    } else {
        while (guess > SmallestPixelSize && !fitsAt(guess - 1))
            --guess;
        guess = std::max(guess - 1, SmallestPixelSize);
    }
    font.setPixelSize(guess);
    return font;
}

} // namespace

bool fits(const QWidget *widget, const QFont &font, const QStringList &texts)
{
    return measure(roomOf(widget), font, texts, nullptr);
}

QFont fitted(const QWidget *widget, QFont font, const QStringList &texts)
{
    return fittedIn(roomOf(widget), font, texts);
}

void fitTogether(const QList<QWidget *> &widgets, QFont font, const QStringList &texts)
{
    // Widgets of one kind and size fit alike, so each such group is measured once, with
    // the texts of all its widgets together: the grids and the headings are one group
    // each.
    QList<std::pair<const QWidget *, QStringList>> groups;
    for (QWidget *widget : widgets) {
        QStringList own = texts;
        if (own.isEmpty()) {
            if (const auto *label = qobject_cast<const QLabel *>(widget))
                own << label->text();
            else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
                own << button->text();
        }
        const auto alike = std::find_if(groups.begin(), groups.end(), [widget](const auto &group) {
            return group.first->size() == widget->size()
                && group.first->metaObject() == widget->metaObject();
        });
        if (alike == groups.end()) {
            groups.append({widget, own});
            continue;
        }
        for (const QString &text : own) {
            if (!alike->second.contains(text))
                alike->second << text;
        }
    }
    for (const auto &[widget, own] : groups)
        font = fittedIn(roomOf(widget), font, own);
    for (QWidget *widget : widgets)
        widget->setFont(font);
}

} // namespace FitText
