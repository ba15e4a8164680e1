#include "accessibility.h"
#include "accessiblebox.h"
#include "form1.h"
#include "state/colours.h"

#include <QLineEdit>

namespace {

// The status a puzzle box's colour stands for, in the words a screen reader speaks.
QString statusOf(int bgr)
{
    if (bgr == Colour::Yellow)
        return QStringLiteral("given");
    if (bgr == colourFromText(QLatin1String(Colour::PaleGreenText)))
        return QStringLiteral("right");
    if (bgr == colourFromText(QLatin1String(Colour::LightOrangeText)))
        return QStringLiteral("wrong");
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
        return QStringLiteral("none");
    const QString last = items.takeLast();
    return items.isEmpty() ? last : items.join(QLatin1String(", ")) + QLatin1String(" and ") + last;
}

void showStatus(QWidget *box)
{
    const QString status = statusOf(backColor(box));
    QFont font = box->font();
    const bool wrong = status == QLatin1String("wrong");
    if (font.strikeOut() != wrong) {
        font.setStrikeOut(wrong);
        box->setFont(font);
    }
    // The verdict on a digit the player has just typed is spoken at once, after the digit.
    if (describe(box, status) && box->hasFocus() && !status.isEmpty()
        && status != QLatin1String("given")) {
        QMetaObject::invokeMethod(
            box, [box, status] { announce(box, status); }, Qt::QueuedConnection);
    }
}

// Lets every candidate box describe its digits as a list as they change. The boxes are
// named, and drawn so that the grid reads under any theme, as they are made.
void Form1::setUpAccessibility()
{
    for (QLineEdit *nos : txtNos) {
        connect(nos, &QLineEdit::textChanged, nos,
                [nos](const QString &text) { describe(nos, spokenList(text)); });
    }
}
