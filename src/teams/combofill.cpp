#include "combofill.h"

#include "teamlist.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>

namespace {

// Small enough to keep the window responsive on a slow machine, large
// enough that a list of thousands loads in a blink.
constexpr qsizetype kEntriesBetweenEvents = 256;

// Counts the fills of one box, so that a fill can tell another has begun.
constexpr char kFillCount[] = "quadrixFillCount";

// Adding the first entry to an empty combo box would make it the current
// entry and its text; the box is to show what it showed before.
void appendKeepingText(QComboBox &box, const QStringList &entries)
{
    if (box.count() > 0) {
        box.addItems(entries);
        return;
    }
    QLineEdit *edit = box.lineEdit();
    const QString text = edit ? edit->text() : QString();
    const int cursor = edit ? edit->cursorPosition() : 0;
    box.addItems(entries);
    box.setCurrentIndex(-1);
    if (edit) {
        box.setEditText(text);
        edit->setCursorPosition(cursor);
    }
}

} // namespace

QString FillComboFromFile(const QString &path, QComboBox *combo)
{
    if (!combo)
        return {};
    const int fill = combo->property(kFillCount).toInt() + 1;
    combo->setProperty(kFillCount, fill);
    QString refused;
    const QStringList entries = TeamList::readFile(path, &refused);
    const QPointer<QComboBox> box(combo);
    for (qsizetype from = 0; from < entries.size(); from += kEntriesBetweenEvents) {
        appendKeepingText(*box, entries.mid(from, kEntriesBetweenEvents));
        if (from + kEntriesBetweenEvents >= entries.size())
            break;
        QCoreApplication::processEvents();
        // The box may have gone with its window, or another fill may own it.
        if (!box || box->property(kFillCount).toInt() != fill)
            return refused;
    }
    return refused;
}

void AutoCompleteCombo(QComboBox *combo, int &keyAscii)
{
    if (!combo || keyAscii <= 0 || keyAscii > 0xFFFF)
        return;
    QLineEdit *edit = combo->lineEdit();
    if (!edit)
        return; // a fixed list: nothing is typed into it
    const int typedUpTo = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const QString search = edit->text().left(typedUpTo) + QChar(char16_t(keyAscii));
    const int found = combo->findText(search, Qt::MatchStartsWith);
    if (found < 0)
        return;
    combo->setCurrentIndex(found);
    const QString entry = combo->itemText(found);
    combo->setEditText(entry);
    edit->setSelection(int(search.size()), int(entry.size() - search.size()));
    keyAscii = 0;
}
