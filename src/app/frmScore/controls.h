#pragma once

#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QString>

// A square of the board: a multi-line box, so a long name wraps inside it,
// with the text accessors the rest of the program uses for every box.
class SquareBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit SquareBox(QWidget *parent = nullptr);
    QString text() const { return m_text; }
    void setText(const QString &text);
    // A screen reader meets a square as one named text, without the
    // editor's viewport and scroll bars; done once, by the first square.
    static void installAccessibility();

signals:
    // The user changed the text; setText does not emit it.
    void textEdited();

protected:
    // Framed in the focus colour while it has the focus.
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The text exactly as written or typed: the editor's document turns some
    // control characters into paragraph breaks, and a name must come back
    // from the pool file exactly as it went in.
    QString m_text;
    bool m_writing = false;
};

// The box that has the focus is framed in the platform's focus colour, as
// the focused button is: a blinking caret alone is hard to find on a board
// of a hundred squares.
class FocusFrameStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
};

// Password boxes show every character as "*", whatever the platform's habit.
class AsteriskStyle : public FocusFrameStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override;
};

// A push button whose caption is too wide for one line draws it on two,
// centred, rather than cutting it off at both ends.
class WrappingButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override;
};
