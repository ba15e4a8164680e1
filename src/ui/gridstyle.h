#pragma once

#include <QProxyStyle>

// The look of the puzzle and candidate boxes under any theme: the box colour, a flat
// one-pixel outline that stands out from the window, and a two-pixel focus ring that
// stands out from the box. Everything else is the application's own style.
class GridStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
