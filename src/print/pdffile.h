#pragma once

#include <functional>

class Dialogs;
class QPrinter;
class QString;

// A page written as a PDF file the user names, for the board and for the
// players' ledger alike: many users have no printer but want a file to send.
namespace PdfFile {

// What the file holds; each has whole sentences of its own, as a translation
// needs them.
enum class What
{
    Board,
    Ledger
};

// Asks, where no printer is available, whether to save the page as a PDF
// file instead.
bool offeredInstead(Dialogs &dialogs, What what, const QString &title);

// Asks for the file, first offered in the documents folder under
// suggestedName, and writes there whole the pages the renderer draws (text,
// not a picture); says so when they cannot be written.
void save(Dialogs &dialogs, const QString &title, const QString &suggestedName, What what,
          const std::function<bool(QPrinter &)> &render);

} // namespace PdfFile
