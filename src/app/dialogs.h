#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QMessageBox;
class QWidget;

// Every message box, input box and question of the program goes through
// here, its text shown as plain text: texts hold names from pool files. Tests switch it to scripted
// mode: nothing is shown, each box is recorded and answered from a queue (or with its default when
// the queue is empty), so a test never blocks on a modal window.
class Dialogs
{
public:
    enum class Icon
    {
        None,
        Critical,
        Information
    };
    enum class Answer
    {
        Ok,
        Cancel,
        Yes,
        No
    };

    struct Shown
    {
        enum class Kind
        {
            Message,
            Input,
            Question
        } kind;
        QString text;
        QString title;
        QString defaultText;
        Icon icon = Icon::None;
        Answer defaultAnswer = Answer::Ok; // the button Enter presses
        QStringList suggestions;           // offered as an input is typed
    };

    explicit Dialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    virtual ~Dialogs() = default;

    void setParent(QWidget *parent) { m_parent = parent; }

    // A message with an OK button only.
    void message(const QString &text, const QString &title = QStringLiteral("Quadrix"),
                 Icon icon = Icon::None);
    // An input box; Cancel gives the empty text. The suggestions are
    // offered, by what they start with, as the user types.
    QString input(const QString &prompt, const QString &title, const QString &defaultText,
                  const QStringList &suggestions = {});
    // A file to save to, starting at suggested; the empty text for Cancel.
    // Scripted, the next input is the answer (Cancel when there is none).
    QString saveFile(const QString &title, const QString &suggested, const QString &filter);
    // Yes, No and Cancel; defaultAnswer is the button Enter presses.
    Answer question(const QString &text, const QString &title, Icon icon, Answer defaultAnswer);
    // Yes and No, No for Enter and Escape: for what cannot be undone.
    bool confirm(const QString &text, const QString &title = QStringLiteral("Quadrix"));

    // The boxes the two questions show, built but not shown, so that their
    // buttons can be looked at: Escape always answers Cancel, or No where
    // there is no Cancel.
    std::unique_ptr<QMessageBox> questionBox(const QString &text, const QString &title, Icon icon,
                                             Answer defaultAnswer) const;
    std::unique_ptr<QMessageBox> confirmBox(const QString &text, const QString &title) const;

    // Scripted mode, for tests.
    void setScripted(bool scripted) { m_scripted = scripted; }
    // In scripted mode, also writes every box's text to standard output.
    void setEcho(bool echo) { m_echo = echo; }
    bool isScripted() const { return m_scripted; }
    void setNextAnswer(Answer answer) { m_answers.append(answer); }
    void setNextInput(const QString &text) { m_inputs.append(text); }
    // Drops the answers no box asked for.
    void clearScript()
    {
        m_answers.clear();
        m_inputs.clear();
    }
    const QList<Shown> &shown() const { return m_shown; }
    // The texts shown, oldest first; of one kind only when it is given.
    QStringList shownTexts(std::optional<Shown::Kind> kind = std::nullopt) const;
    void clearShown() { m_shown.clear(); }

private:
    QWidget *m_parent;
    bool m_scripted = false;
    bool m_echo = false;
    QList<Answer> m_answers;
    QStringList m_inputs;
    QList<Shown> m_shown;
};
