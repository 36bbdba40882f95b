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

// The largest list read: many times any real list, small enough to load in
// a blink.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

// The entries of the file at path; none when it cannot be read. Only a
// regular file of at most kMaxBytes is read: anything else (a pipe that
// would hold the program until someone writes into it, a device that never
// ends) gives none, and refused, when given, is set to a sentence for the
// user. A missing file or a folder is no such case: it gives none quietly.
QStringList readFile(const QString &path, QString *refused = nullptr);

} // namespace TeamList
