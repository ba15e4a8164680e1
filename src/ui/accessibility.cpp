#include "accessibility.h"
#include "accessiblebox.h"
#include "form1.h"
#include "state/colours.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Accessibility)
};

// The status a puzzle box's colour stands for, in the words a screen reader speaks.
QString spokenStatus(BoxStatus status)
{
    switch (status) {
    case BoxStatus::Given:
        return Words::tr("given");
    case BoxStatus::Right:
        return Words::tr("right");
    case BoxStatus::Wrong:
        return Words::tr("wrong");
    case BoxStatus::Plain:
        break;
    }
    return QString();
}

// Qt raises the description-changed event, which a screen reader speaks for the focused
// box, on every setting; only a real change should be spoken. Returns whether it changed.
bool describe(QWidget *box, const QString &description)
{
    if (box->accessibleDescription() == description)
        return false;
    box->setAccessibleDescription(description);
    return true;
}

// Follows every repainting of a puzzle box with the status its new colour stands for.
class StatusFollower : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange && watched->isWidgetType())
            showStatus(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

QString spokenList(const QString &text)
{
    QStringList items;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is one item, not two halves.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString item = text.mid(i, length);
        i += length - 1;
        if (!item.trimmed().isEmpty())
            items << item;
    }
    if (items.isEmpty())
        return Words::tr("none");
    const QString last = items.takeLast();
    //: A spoken list of a box's characters: "1, 4, 6 and 7"; %1 holds all but the last,
    //: joined by the separator below.
    return items.isEmpty() ? last : Words::tr("%1 and %2").arg(items.join(Words::tr(", ")), last);
}

void showStatus(QWidget *box)
{
    const BoxStatus status = statusOf(backColor(box));
    QFont font = box->font();
    const bool wrong = status == BoxStatus::Wrong;
    if (font.strikeOut() != wrong) {
        font.setStrikeOut(wrong);
        box->setFont(font);
    }
    // The verdict on a digit the player has just typed is spoken at once, after the digit.
    const QString spoken = spokenStatus(status);
    if (describe(box, spoken) && box->hasFocus() && !spoken.isEmpty()
        && status != BoxStatus::Given) {
        QMetaObject::invokeMethod(
            box, [box, spoken] { announce(box, spoken); }, Qt::QueuedConnection);
    }
}

// Lets every puzzle box follow its colour with its status, and every candidate box
// describe its digits as a list as they change. The boxes are named, and drawn so that
// the grid reads under any theme, as they are made.
void Form1::setUpAccessibility()
{
    auto *follower = new StatusFollower(this);
    for (QLineEdit *box : Row1)
        box->installEventFilter(follower);
    for (QLineEdit *nos : txtNos) {
        connect(nos, &QLineEdit::textChanged, nos,
                [nos](const QString &text) { describe(nos, spokenList(text)); });
    }
}
