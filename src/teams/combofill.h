#pragma once

class QComboBox;
class QString;

// Filling a combo box from a team list and completing what is typed into
// it. Free functions because any combo box of the program may use them;
// the team boxes of the main window are the ones that do.

// Appends every entry of the team list at path to the combo's list, in file
// order. The box keeps the text it shows. Pending window events run every
// few hundred entries so a long list does not freeze the window; a fill of
// the same box started meanwhile takes over, and this one stops. A missing
// or unreadable file appends nothing and tells nobody; one that is no
// regular file or is too large appends nothing either, and the sentence
// returned tells why (empty otherwise).
QString FillComboFromFile(const QString &path, QComboBox *combo);

// Completes the typed beginning of the combo's text from its list: the text
// before the selection (or the caret) plus the character keyAscii is looked
// up, ignoring letter case; on a match the entry is selected, shown as the
// list writes it, its untyped tail is selected, and keyAscii becomes 0 so
// that the key is not inserted as well. Without a match nothing changes and
// the key keeps its usual effect.
void AutoCompleteCombo(QComboBox *combo, int &keyAscii);
