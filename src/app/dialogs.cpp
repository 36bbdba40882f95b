#include "dialogs.h"

#include <QCompleter>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <cstdio>

namespace {

QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QStringList Dialogs::shownTexts(std::optional<Shown::Kind> kind) const
{
    QStringList texts;
    for (const Shown &s : m_shown)
        if (!kind || s.kind == *kind)
            texts << s.text;
    return texts;
}

void Dialogs::message(const QString &text, const QString &title, Icon icon)
{
    m_shown.append({Shown::Kind::Message, text, title, QString(), icon, Answer::Ok, {}});
    if (m_scripted) {
        if (m_echo)
            std::printf("%s: %s\n", qPrintable(title), qPrintable(text));
        if (!m_answers.isEmpty())
            m_answers.removeFirst();
        return;
    }
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString Dialogs::input(const QString &prompt, const QString &title, const QString &defaultText,
                       const QStringList &suggestions)
{
    m_shown.append(
        {Shown::Kind::Input, prompt, title, defaultText, Icon::None, Answer::Ok, suggestions});
    if (m_scripted)
        return m_inputs.isEmpty() ? defaultText : m_inputs.takeFirst();
    QInputDialog box(m_parent);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    if (auto *label = box.findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    auto *edit = box.findChild<QLineEdit *>();
    if (edit && !suggestions.isEmpty()) {
        auto *completer = new QCompleter(suggestions, &box);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        edit->setCompleter(completer);
    }
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

QString Dialogs::saveFile(const QString &title, const QString &suggested, const QString &filter)
{
    m_shown.append({Shown::Kind::Input, title, title, suggested, Icon::None, Answer::Ok, {}});
    if (m_scripted)
        return m_inputs.isEmpty() ? QString() : m_inputs.takeFirst();
    return QFileDialog::getSaveFileName(m_parent, title, suggested, filter);
}

std::unique_ptr<QMessageBox> Dialogs::questionBox(const QString &text, const QString &title,
                                                  Icon icon, Answer defaultAnswer) const
{
    auto box = std::make_unique<QMessageBox>(
        toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        m_parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(defaultAnswer == Answer::Yes  ? QMessageBox::Yes
                          : defaultAnswer == Answer::No ? QMessageBox::No
                                                        : QMessageBox::Cancel);
    box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

std::unique_ptr<QMessageBox> Dialogs::confirmBox(const QString &text, const QString &title) const
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, title, text,
                                             QMessageBox::Yes | QMessageBox::No, m_parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return box;
}

Dialogs::Answer Dialogs::question(const QString &text, const QString &title, Icon icon,
                                  Answer defaultAnswer)
{
    m_shown.append({Shown::Kind::Question, text, title, QString(), icon, defaultAnswer, {}});
    if (m_scripted)
        return m_answers.isEmpty() ? defaultAnswer : m_answers.takeFirst();
    switch (questionBox(text, title, icon, defaultAnswer)->exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool Dialogs::confirm(const QString &text, const QString &title)
{
    m_shown.append({Shown::Kind::Question, text, title, QString(), Icon::None, Answer::No, {}});
    if (m_scripted)
        return !m_answers.isEmpty() && m_answers.takeFirst() == Answer::Yes;
    return confirmBox(text, title)->exec() == QMessageBox::Yes;
}
