// The window's own kinds of control.
#include "controls.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

SquareBox::SquareBox(QWidget *parent) : QPlainTextEdit(parent)
{
    installAccessibility();
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDocumentMargin(1);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_writing)
            return;
        m_text = toPlainText();
        emit textEdited();
    });
}

void SquareBox::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_writing = true;
    // Straight into the document: the editor's own setPlainText also resets
    // its cursor and viewport, which costs more than the text itself when a
    // whole board is loaded.
    document()->setPlainText(text);
    m_writing = false;
}

namespace {

void drawFocusFrame(const QStyleOption *option, QPainter *painter)
{
    if (!(option->state & QStyle::State_HasFocus))
        return;
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace

void FocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                    QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit)
        drawFocusFrame(option, painter);
}

void SquareBox::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    // The frame around the text is a pixel wide; the mark goes inside it.
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    QStyleOption option;
    option.initFrom(this);
    option.rect = viewport()->rect().adjusted(-1, -1, 1, 1);
    drawFocusFrame(&option, &painter);
}

// The editor repaints only around its caret when the focus comes or goes.
void SquareBox::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void SquareBox::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}

int AsteriskStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *data) const
{
    if (hint == SH_LineEdit_PasswordCharacter)
        return '*';
    return QProxyStyle::styleHint(hint, option, widget, data);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // The access key is underlined, as on every other button.
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                         isEnabled(), caption, QPalette::ButtonText);
}
