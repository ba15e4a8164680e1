#include "gridstyle.h"
#include "state/contrast.h"

#include <QPainter>
#include <QStyleOption>
#include <cmath>

namespace {

// A frame of the given width just inside the rectangle.
void band(QPainter *painter, const QRectF &rect, qreal width, const QColor &colour)
{
    painter->fillRect(QRectF(rect.left(), rect.top(), rect.width(), width), colour);
    painter->fillRect(QRectF(rect.left(), rect.bottom() - width, rect.width(), width), colour);
    painter->fillRect(QRectF(rect.left(), rect.top(), width, rect.height()), colour);
    painter->fillRect(QRectF(rect.right() - width, rect.top(), width, rect.height()), colour);
}

} // namespace

void GridStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    if (element != PE_PanelLineEdit) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette &palette = option->palette;
    const QRectF rect(option->rect);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    // Drawn as filled bands, not as pen lines: at a fractional scale (1.25, 1.5, 1.75) a
    // one-pixel pen may fall on a device pixel beside the box and be clipped away. There
    // the outline is two device pixels wide, so that one of them always lies inside the
    // box, however its edge is rounded. The fill stays inside the outline, so no box
    // colour shows outside it.
    const qreal scale = painter->device()->devicePixelRatio();
    const qreal line = std::ceil(scale) == scale ? 1 : 2 / scale;
    painter->fillRect(rect.adjusted(line, line, -line, -line), palette.base());
    band(painter, rect, line,
         Contrast::outline(palette.color(QPalette::Window), palette.color(QPalette::WindowText)));
    if (option->state & State_HasFocus)
        band(painter, rect.adjusted(line, line, -line, -line), 2,
             Contrast::focusRing(palette.color(QPalette::Highlight), palette.color(QPalette::Base),
                                 palette.color(QPalette::Text)));
    painter->restore();
}
