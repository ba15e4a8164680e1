#include "gridstyle.h"
#include "contrast.h"

#include <QPainter>
#include <QStyleOption>

void GridStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    if (element != PE_PanelLineEdit) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette &palette = option->palette;
    const QRect rect = option->rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(rect, palette.base());
    painter->setBrush(Qt::NoBrush);
    painter->setPen(
        Contrast::outline(palette.color(QPalette::Window), palette.color(QPalette::WindowText)));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    if (option->state & State_HasFocus) {
        QPen ring(Contrast::focusRing(palette.color(QPalette::Highlight),
                                      palette.color(QPalette::Base), palette.color(QPalette::Text)),
                  2);
        ring.setJoinStyle(Qt::MiterJoin);
        painter->setPen(ring);
        painter->drawRect(QRectF(rect).adjusted(2, 2, -2, -2));
    }
    painter->restore();
}
