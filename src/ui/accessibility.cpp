#include "accessibility.h"
#include "accessiblebox.h"
#include "form1.h"
#include "gridstyle.h"
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

// Names every puzzle box by its cell number, as the messages speak of cells, and by
// its row and column; lets every candidate box describe its digits as a list; and
// draws all the boxes so that the grid reads under any theme.
void Form1::setUpAccessibility()
{
    auto *style = new GridStyle;
    style->setParent(this);
    for (int index = 0; index < 81; ++index) {
        Row1[index]->setAccessibleName(
            tr("Cell %1, row %2, column %3").arg(index + 1).arg(index / 9 + 1).arg(index % 9 + 1));
        Row1[index]->setStyle(style);
        markGridBox(Row1[index]);

        QLineEdit *nos = txtNos[index];
        markGridBox(nos);
        nos->setStyle(style);
        nos->setAccessibleDescription(spokenList(nos->text()));
        connect(nos, &QLineEdit::textChanged, nos,
                [nos](const QString &text) { describe(nos, spokenList(text)); });
    }
}
