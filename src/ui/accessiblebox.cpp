#include "accessiblebox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// Marks a grid box, and holds the name and description a screen reader reads of it
// until the box's own are set.
const char GridBoxProperty[] = "varnodelGridBox";
const char AnnouncerName[] = "announcer";

bool isGridBox(const QObject *object)
{
    return object && object->property(GridBoxProperty).isValid();
}

QAccessibleInterface *accessibleFactory(const QString &, QObject *object)
{
    if (isGridBox(object))
        return new AccessibleBox(static_cast<QLineEdit *>(object));
    if (object && object->isWidgetType() && object->objectName() == QLatin1String(AnnouncerName))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

// Passes on every event but those of grid boxes without the focus.
void tellScreenReader(QAccessibleEvent *event)
{
    if (!tellsScreenReader(event->object()))
        return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(tellScreenReader);
}

} // namespace

AccessibleBox::AccessibleBox(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) { }

QLineEdit *AccessibleBox::box() const
{
    return static_cast<QLineEdit *>(widget());
}

QString AccessibleBox::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->text();
    QString text = QAccessibleWidget::text(t);
    if (text.isEmpty() && (t == QAccessible::Name || t == QAccessible::Description))
        text
            = box()->property(GridBoxProperty).toStringList().value(t == QAccessible::Name ? 0 : 1);
    // An open cell says so, where a screen reader would otherwise say nothing at all.
    if (t == QAccessible::Description && text.isEmpty() && box()->text().isEmpty())
        return QCoreApplication::translate("Accessibility", "empty");
    return text;
}

void AccessibleBox::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value && !box()->isReadOnly())
        box()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State AccessibleBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    return state;
}

void *AccessibleBox::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void AccessibleBox::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = *startOffset + box()->selectionLength();
}

int AccessibleBox::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void AccessibleBox::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleBox::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void AccessibleBox::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleBox::cursorPosition() const
{
    return box()->cursorPosition();
}

void AccessibleBox::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString AccessibleBox::text(int startOffset, int endOffset) const
{
    if (endOffset < 0 || endOffset > characterCount())
        endOffset = characterCount();
    startOffset = qBound(0, startOffset, endOffset);
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleBox::characterCount() const
{
    return static_cast<int>(box()->text().size());
}

// The boxes' texts always fit, so a character stands where the aligned text puts it.
QRect AccessibleBox::characterRect(int offset) const
{
    const QString text = box()->text();
    if (offset < 0 || offset >= text.size())
        return QRect();
    QStyleOptionFrame option;
    option.initFrom(box());
    const QRect contents
        = box()->style()->subElementRect(QStyle::SE_LineEditContents, &option, box());
    const QFontMetrics metrics = box()->fontMetrics();
    const QRect line
        = QStyle::alignedRect(box()->layoutDirection(), box()->alignment(),
                              QSize(metrics.horizontalAdvance(text), metrics.height()), contents);
    const QRect character(line.left() + metrics.horizontalAdvance(text.left(offset)), line.top(),
                          metrics.horizontalAdvance(text.at(offset)), line.height());
    return QRect(box()->mapToGlobal(character.topLeft()), character.size());
}

int AccessibleBox::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void AccessibleBox::scrollToSubstring(int, int endIndex)
{
    box()->setCursorPosition(endIndex);
}

// One run of no particular attributes over the whole text.
QString AccessibleBox::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void AccessibleBox::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void AccessibleBox::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void AccessibleBox::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (box()->isReadOnly())
        return;
    QString all = box()->text();
    startOffset = qBound(0, startOffset, static_cast<int>(all.size()));
    endOffset = qBound(startOffset, endOffset, static_cast<int>(all.size()));
    box()->setText(all.replace(startOffset, endOffset - startOffset, text));
}

bool tellsScreenReader(const QObject *object)
{
    return !isGridBox(object) || object == QApplication::focusWidget();
}

void markGridBox(QLineEdit *box, const QString &name, const QString &description)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        QAccessible::installUpdateHandler(tellScreenReader);
        return true;
    }();
    Q_UNUSED(installed);
    box->setProperty(GridBoxProperty, QStringList{name, description});
}

void announce(QWidget *within, const QString &text)
{
    QWidget *window = within->window();
    auto *announcer
        = window->findChild<QWidget *>(QLatin1String(AnnouncerName), Qt::FindDirectChildrenOnly);
    if (!announcer) {
        announcer = new QWidget(window);
        announcer->setObjectName(QLatin1String(AnnouncerName));
        announcer->setGeometry(0, 0, 1, 1); // drawn with nothing, so never seen
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->show();
}
