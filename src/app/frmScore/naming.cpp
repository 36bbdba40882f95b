// What a screen reader says of each control: what it is, and for a square
// where it stands and which digits it plays. Without these the board reads
// as a hundred and twenty nameless text boxes.
#include "frmScore.h"

#include "board/boardrules.h"
#include "layout.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

void frmScore::nameControls()
{
    int count = 0;
    const Layout::AccessibleName *names = Layout::accessibleNames(&count);
    for (int i = 0; i < count; ++i) {
        const Layout::AccessibleName &entry = names[i];
        const QString key =
            entry.index < 0
                ? QString::fromLatin1(entry.name)
                : QStringLiteral("%1(%2)").arg(QLatin1String(entry.name)).arg(entry.index);
        QWidget *control = findChild<QWidget *>(key);
        Q_ASSERT_X(control, "frmScore", qPrintable(key));
        const QString name = QCoreApplication::translate("Layout", entry.text);
        control->setAccessibleName(name);
        // The box typed into is the combo's own line, which the reader
        // visits, and its list of teams is the combo's too.
        if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit()) {
            combo->lineEdit()->setAccessibleName(name);
            combo->view()->setAccessibleName(name);
        }
        if (entry.label)
            if (auto *label = findChild<QLabel *>(QString::fromLatin1(entry.label)))
                label->setBuddy(control);
    }
    for (int i = 0; i < BoardRules::kDigits; ++i) {
        Number[size_t(i)]->setAccessibleName(tr("Column %1 digit").arg(i + 1));
        Number[size_t(BoardRules::kDigits + i)]->setAccessibleName(tr("Row %1 digit").arg(i + 1));
    }
    for (int k = 0; k < BoardRules::kSquares; ++k)
        nameSquare(k);
}

void frmScore::nameSquare(int k)
{
    const int row = k / BoardRules::kDigits, column = k % BoardRules::kDigits;
    QString name = tr("Row %1, column %2").arg(row + 1).arg(column + 1);
    const std::optional<int> rowDigit =
        BoardRules::headerDigit(Number[size_t(BoardRules::kDigits + row)]->text());
    const std::optional<int> columnDigit = BoardRules::headerDigit(Number[size_t(column)]->text());
    if (rowDigit && columnDigit)
        name += tr(", row digit %1, column digit %2").arg(*rowDigit).arg(*columnDigit);
    if (Imput[size_t(k)]->accessibleName() != name)
        Imput[size_t(k)]->setAccessibleName(name);
}

void frmScore::nameSquaresOf(int header)
{
    // A column's digit names its ten squares, a row's digit its ten.
    for (int i = 0; i < BoardRules::kDigits; ++i)
        nameSquare(header < BoardRules::kDigits
                       ? i * BoardRules::kDigits + header
                       : (header - BoardRules::kDigits) * BoardRules::kDigits + i);
}
