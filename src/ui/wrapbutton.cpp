#include "wrapbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrapButton::WrapButton(const QString &text, QWidget *parent) : QPushButton(text, parent) { }

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // The access key is underlined where the platform shows it, hidden where it does not.
    const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)
        ? Qt::TextShowMnemonic
        : Qt::TextHideMnemonic;
    painter.drawItemText(area.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextWordWrap | mnemonic,
                         option.palette, isEnabled(), caption, QPalette::ButtonText);
}
