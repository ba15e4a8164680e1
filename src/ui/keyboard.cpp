#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <algorithm>

namespace {

// The menu bar opens by its access key (Alt+H) alone. A press and release of Alt by
// itself would otherwise move the focus into the menu bar, and with a screen reader
// running, the Alt of an access key such as Alt+G sometimes counts as such a press: the
// focus stays in the menu bar, which shows nothing of it, and typed digits go nowhere.
class MenuBarStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

// Keys beyond the platform's own: F6 brings the focus back to the puzzle box last
// used from anywhere in the window, and the arrow keys walk the candidate grid as
// they walk the puzzle grid. F6 types no character, so no box's key handler misses it.
void Form1::setUpKeyboard()
{
    for (QLineEdit *nos : txtNos)
        nos->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        const auto found = std::find(Row1.cbegin(), Row1.cend(), now);
        if (found != Row1.cend())
            m_lastBox = static_cast<int>(found - Row1.cbegin());
    });
    auto *style = new MenuBarStyle;
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    auto *back = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(back, &QShortcut::activated, this,
            [this] { Row1[m_lastBox]->setFocus(Qt::ShortcutFocusReason); });
}

bool Form1::moveInCandidateGrid(QObject *watched, int key)
{
    const auto found = std::find(txtNos.cbegin(), txtNos.cend(), watched);
    if (found == txtNos.cend())
        return false;
    return moveFocus(txtNos, static_cast<int>(found - txtNos.cbegin()), key);
}

// The arrow keys step between the boxes of a grid: up and down always, left and right
// once the caret stands at the edge of the box's text. The grid's edges stop the move.
bool Form1::moveFocus(const std::array<QLineEdit *, 81> &grid, int index, int key)
{
    const int row = index / 9;
    const int column = index % 9;
    const QLineEdit *box = grid[index];
    int target = -1;
    switch (key) {
    case Qt::Key_Up:
        target = row > 0 ? index - 9 : -1;
        break;
    case Qt::Key_Down:
        target = row < 8 ? index + 9 : -1;
        break;
    case Qt::Key_Left:
        if (box->cursorPosition() > 0 || box->hasSelectedText())
            return false;
        target = column > 0 ? index - 1 : -1;
        break;
    case Qt::Key_Right:
        if (box->cursorPosition() < box->text().size() || box->hasSelectedText())
            return false;
        target = column < 8 ? index + 1 : -1;
        break;
    default:
        return false;
    }
    if (target < 0)
        return true;
    grid[target]->setFocus(Qt::OtherFocusReason);
    grid[target]->setCursorPosition(key == Qt::Key_Left ? grid[target]->text().size() : 0);
    return true;
}
