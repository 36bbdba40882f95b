// A square as a screen reader meets it: one editable text, named by its
// place, whose value is its name. The editor it is built on would also show
// its viewport and two scroll bars, which a square never shows, so a board
// read out three hundred empty parts besides its squares.
#include "controls.h"

#include <QAccessibleWidget>
#include <QTextBlock>

namespace {

class SquareAccessible : public QAccessibleWidget,
                         public QAccessibleTextInterface,
                         public QAccessibleEditableTextInterface
{
public:
    explicit SquareAccessible(SquareBox *square)
        : QAccessibleWidget(square, QAccessible::EditableText)
    {
    }

    SquareBox *square() const { return static_cast<SquareBox *>(widget()); }
    // A locked pool's squares are disabled: a reader's edits may not pass
    // where the keyboard may not.
    bool writable() const { return square()->isEnabled() && !square()->isReadOnly(); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = writable();
        state.readOnly = !writable();
        state.multiLine = true;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? square()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            replaceText(0, characterCount(), text);
    }

    // The text, the caret and the selection, as the editor holds them.
    QString text(int start, int end) const override
    {
        return square()->toPlainText().mid(start, end - start);
    }
    int characterCount() const override { return int(square()->toPlainText().size()); }
    int cursorPosition() const override { return square()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    int selectionCount() const override { return square()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int index, int *start, int *end) const override
    {
        const QTextCursor cursor = square()->textCursor();
        const bool any = index == 0 && cursor.hasSelection();
        *start = any ? cursor.selectionStart() : 0;
        *end = any ? cursor.selectionEnd() : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override
    {
        QTextCursor cursor = square()->textCursor();
        cursor.clearSelection();
        square()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override
    {
        square()->setTextCursor(cursorAt(start, end));
    }
    QRect characterRect(int offset) const override
    {
        QRect rect = square()->cursorRect(cursorAt(offset, offset));
        const QString character = text(offset, offset + 1);
        rect.setWidth(square()->fontMetrics().horizontalAdvance(
            character.isEmpty() ? QStringLiteral(" ") : character));
        rect.moveTopLeft(square()->viewport()->mapToGlobal(rect.topLeft()));
        return rect;
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint local = square()->viewport()->mapFromGlobal(point);
        if (!square()->viewport()->rect().contains(local))
            return -1;
        return square()->cursorForPosition(local).position();
    }
    // A square never scrolls: a long name wraps within it.
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Typing by a reader's own commands, as if typed on the keyboard.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (!writable())
            return;
        QTextCursor cursor = cursorAt(start, end);
        cursor.insertText(text);
        square()->setTextCursor(cursor);
    }

private:
    QTextCursor cursorAt(int start, int end) const
    {
        const int count = characterCount();
        QTextCursor cursor(square()->document());
        cursor.setPosition(qBound(0, start, count));
        cursor.setPosition(qBound(0, end, count), QTextCursor::KeepAnchor);
        return cursor;
    }
};

QAccessibleInterface *squareFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("SquareBox") && object && object->isWidgetType())
        return new SquareAccessible(static_cast<SquareBox *>(object));
    return nullptr;
}

} // namespace

void SquareBox::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(squareFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
