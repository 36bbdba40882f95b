#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The program speaks the first of the user's interface languages it has a
// translation for, English being its own: with LANGUAGE=en a German desktop
// still gets the English program. Qt's own texts (the buttons of a message
// box, the file and print dialogs) follow in the same language.
namespace Language {

// Installs the translators for the first usable language of uiLanguages
// (as QLocale::uiLanguages() gives them, "de-DE" or "de_DE") and returns
// its code ("de"), or the empty text for English.
QString install(QCoreApplication &app, const QStringList &uiLanguages);

// A shipped file in the chosen language: "help.html" becomes
// "help_de.html" for German.
QString localized(const QString &fileName);

} // namespace Language
