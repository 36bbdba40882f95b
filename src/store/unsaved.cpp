// Changes the user has not saved are never thrown away without asking.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "poolerror.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

const QString frmScore::kSaveChangesQuestion = QStringLiteral("Save the changes to this pool?");

void frmScore::watchForChanges()
{
    // Only the user's own typing: the program's writes (a load, a clear)
    // change the text without editing it.
    QList<QLineEdit *> edits{txtGameDate, txtPoolAmount, Score[0], Score[1]};
    for (SquareBox *square : Imput)
        connect(square, &SquareBox::textEdited, this, &frmScore::markChanged);
    edits << QList<QLineEdit *>(Number.begin(), Number.end());
    edits << QList<QLineEdit *>(Who.begin(), Who.end());
    for (QComboBox *box : Combo1)
        edits << box->lineEdit();
    for (QLineEdit *edit : edits)
        connect(edit, &QLineEdit::textEdited, this, &frmScore::markChanged);
    for (QComboBox *box : Combo1)
        connect(box, &QComboBox::activated, this, &frmScore::markChanged);
    for (QRadioButton *option : Option1)
        connect(option, &QAbstractButton::clicked, this, &frmScore::markChanged);
}

void frmScore::markChanged()
{
    if (!StartUp && !Moveit)
        m_changed = true;
}

bool frmScore::saveChanges()
{
    // While browsing, the changes belong to the pool on show.
    if (!m_editing)
        mbAddNewFlag = false;
    try {
        if (!Update())
            return false;
    } catch (const PoolError &error) {
        m_services.dialogs->message(error.description());
        return false;
    }
    SetBrowseMode(true);
    return true;
}

bool frmScore::mayReplaceBoard()
{
    if (!m_changed)
        return true;
    switch (m_services.dialogs->question(kSaveChangesQuestion, QStringLiteral("Quadrix"),
                                         Dialogs::Icon::None, Dialogs::Answer::Yes)) {
    case Dialogs::Answer::Yes:
        return saveChanges();
    case Dialogs::Answer::No:
        m_changed = false;
        return true;
    default:
        return false;
    }
}
