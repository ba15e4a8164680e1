#pragma once

#include <QAccessibleWidget>

class QLineEdit;
class QString;
class QWidget;

// What a screen reader reads of a puzzle or candidate box. It is Qt's own reading of a
// line edit, except that the text's attribute run always spans the whole text: Qt 6.4
// reports it a character short, and a screen reader that reads a text run by run then
// drops the last digit ("5" for "52", "36" for "368").
class AccessibleBox : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleBox(QLineEdit *box);

    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QLineEdit *box() const;
};

// Marks the boxes of a window's grids: they get the reading above, and while a box
// does not have the focus its changes are not told to a screen reader one by one (a
// load or a solve changes hundreds of them at once, a flood in which a screen reader
// drops the message that follows); it reads a box afresh when the box takes the focus.
// The box is named, and first described, without telling anyone: no screen reader can
// have read a box that is being made, and telling it of each of 162 boxes would build a
// reading of every one before the window is even shown. Mark a box before its first
// text; the first call puts both in place for the whole program.
void markGridBox(QLineEdit *box, const QString &name, const QString &description = QString());
// Whether the changes of the object are told to a screen reader as they happen.
bool tellsScreenReader(const QObject *object);

// Has a screen reader speak the text at once, whatever has the focus: the window keeps
// a hidden notification that shows itself with the text as its name. Qt 6.4 sends the
// new text of a changed name or description as an object in place of the words, and a
// screen reader cannot speak that.
void announce(QWidget *within, const QString &text);
