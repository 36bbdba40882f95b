#pragma once

#include <QStringList>

class QByteArray;
class QString;

// Reading the team lists that fill the team boxes. The files are edited by
// hand in any text editor, so the reader takes what such files contain
// (Windows or old Mac line ends, a stray quote, a wrong encoding, even a
// binary file saved under the wrong name) and always gives a list.
namespace TeamList {

// The entries of a team list, in file order, neither sorted nor
// deduplicated. An entry ends at a comma or a line end; blanks before it
// are skipped and blanks after an unquoted entry are dropped. An entry in
// double quotes keeps its commas and blanks and loses its quotes; an
// unclosed quote ends at the line end. Empty entries (blank lines, ",,",
// a trailing comma) are left out: an empty line in a drop-down list only
// gets in the way. Control characters other than tab are removed.
QStringList parse(const QByteArray &contents);

// The entries of the file at path; none when it cannot be read.
QStringList readFile(const QString &path);

} // namespace TeamList
