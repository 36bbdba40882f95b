<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BoardPage</name>
    <message>
        <source>%1  %2 VS %3</source>
        <translation>%1  %2 VS %3</translation>
    </message>
    <message>
        <source>%1 earlier draws are kept with the pool.</source>
        <translation>%1 frühere Ziehungen sind beim Pool gespeichert.</translation>
    </message>
</context>
<context>
    <name>BoardRules</name>
    <message>
        <source>The column digits</source>
        <translation>Die Spaltenziffern</translation>
    </message>
    <message>
        <source>The row digits</source>
        <translation>Die Zeilenziffern</translation>
    </message>
    <message>
        <source>%1 hold &quot;%2&quot;, which is no digit from 0 to 9.</source>
        <translation>%1 enthalten „%2“, das ist keine Ziffer von 0 bis 9.</translation>
    </message>
    <message>
        <source>%1 hold %2 twice and lack %3: each digit from 0 to 9 must stand once on each side before a winner can be found.</source>
        <translation>%1 enthalten %2 doppelt, und %3 fehlt: Jede Ziffer von 0 bis 9 muss auf jeder Seite genau einmal stehen, bevor ein Gewinner ermittelt werden kann.</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Quarter</source>
        <translation>Viertel</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erstes</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Zweites</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Drittes</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Viertes</translation>
    </message>
    <message>
        <source>VS</source>
        <translation>VS</translation>
    </message>
    <message>
        <source>Game Date</source>
        <translation>Spieldatum</translation>
    </message>
    <message>
        <source>Squares Taken</source>
        <translation>Felder besetzt</translation>
    </message>
    <message>
        <source>Squares Left</source>
        <translation>Felder frei</translation>
    </message>
    <message>
        <source>Quick Pick</source>
        <translation>Quick Tipp</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>S&amp;pieler</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>This Record  Is Locked</source>
        <translation>Dieser Pool  ist gesperrt</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>SPERREN</translation>
    </message>
    <message>
        <source>UNLOCK</source>
        <translation>ENTSPERREN</translation>
    </message>
    <message>
        <source>Password Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>SET Numbers</source>
        <translation>Zahlen ZIEHEN</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Än&amp;dern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbruch</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>S&amp;uchen</translation>
    </message>
    <message>
        <source>Payout </source>
        <translation>Auszahlung </translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Half</source>
        <translation>Hälfte</translation>
    </message>
    <message>
        <source>Pool Amount</source>
        <translation>Poolsumme</translation>
    </message>
    <message>
        <source> Amount Per    Square</source>
        <translation> Betrag je    Feld</translation>
    </message>
    <message>
        <source>Pay Out</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quadrix developers. All rights reserved.</source>
        <translation>Copyright (c) 2026 Die Quadrix-Entwickler. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Contact: quadrix@example.org</source>
        <translation>Kontakt: quadrix@example.org</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Enter Date Like 01/08/2003 or 12/12/2003     Then use the arrow buttons to scroll through the records.</source>
        <translation>Datum eingeben wie 01/08/2003 oder 12/12/2003     Dann mit den Pfeiltasten durch die Pools blättern.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>First quarter winner</source>
        <translation>Gewinner des ersten Viertels</translation>
    </message>
    <message>
        <source>Second quarter winner</source>
        <translation>Gewinner des zweiten Viertels</translation>
    </message>
    <message>
        <source>Third quarter winner</source>
        <translation>Gewinner des dritten Viertels</translation>
    </message>
    <message>
        <source>Fourth quarter winner</source>
        <translation>Gewinner des vierten Viertels</translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Team 1</source>
        <translation>Team 1</translation>
    </message>
    <message>
        <source>Team 2</source>
        <translation>Team 2</translation>
    </message>
    <message>
        <source>Team 1 at the scores</source>
        <translation>Team 1 beim Spielstand</translation>
    </message>
    <message>
        <source>Team 1 score</source>
        <translation>Punkte von Team 1</translation>
    </message>
    <message>
        <source>Team 2 at the scores</source>
        <translation>Team 2 beim Spielstand</translation>
    </message>
    <message>
        <source>Team 2 score</source>
        <translation>Punkte von Team 2</translation>
    </message>
    <message>
        <source>Pool number</source>
        <translation>Poolnummer</translation>
    </message>
    <message>
        <source>Game date</source>
        <translation>Spieldatum</translation>
    </message>
    <message>
        <source>Squares taken</source>
        <translation>Felder besetzt</translation>
    </message>
    <message>
        <source>Squares left</source>
        <translation>Felder frei</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Passwort noch einmal</translation>
    </message>
    <message>
        <source>First pool</source>
        <translation>Erster Pool</translation>
    </message>
    <message>
        <source>Previous pool</source>
        <translation>Vorheriger Pool</translation>
    </message>
    <message>
        <source>Next pool</source>
        <translation>Nächster Pool</translation>
    </message>
    <message>
        <source>Last pool</source>
        <translation>Letzter Pool</translation>
    </message>
    <message>
        <source>Pool on show</source>
        <translation>Angezeigter Pool</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Speichern läuft</translation>
    </message>
    <message>
        <source>Pool amount</source>
        <translation>Poolsumme</translation>
    </message>
    <message>
        <source>Amount per square</source>
        <translation>Betrag je Feld</translation>
    </message>
    <message>
        <source>Pay out</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Football goal</source>
        <translation>Footballtor</translation>
    </message>
    <message>
        <source>Game date to find</source>
        <translation>Gesuchtes Spieldatum</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Felder</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>Payout</name>
    <message>
        <source>A period&apos;s share cannot be below 0 %.</source>
        <translation>Der Anteil eines Spielabschnitts kann nicht unter 0 % liegen.</translation>
    </message>
    <message>
        <source>The four shares must add up to 100 %; they add up to %1.</source>
        <translation>Die vier Anteile müssen zusammen 100 % ergeben; sie ergeben %1.</translation>
    </message>
    <message>
        <source>The reverse share must be from 0 % to 100 %.</source>
        <translation>Der Umkehranteil muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Half time</source>
        <translation>Halbzeit</translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation>Drittes Viertel</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Endstand</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>No printer is available. Save the board as a PDF file instead?</source>
        <translation>Kein Drucker verfügbar. Das Spielbrett stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>No printer is available. Save the ledger as a PDF file instead?</source>
        <translation>Kein Drucker verfügbar. Die Abrechnung stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The board could not be saved as %1. Check that the folder exists, that you may write in it and that the disk is not full.</source>
        <translation>Das Spielbrett konnte nicht als %1 gespeichert werden. Prüfen Sie, ob der Ordner existiert, ob Sie darin schreiben dürfen und ob der Datenträger nicht voll ist.</translation>
    </message>
    <message>
        <source>The ledger could not be saved as %1. Check that the folder exists, that you may write in it and that the disk is not full.</source>
        <translation>Die Abrechnung konnte nicht als %1 gespeichert werden. Prüfen Sie, ob der Ordner existiert, ob Sie darin schreiben dürfen und ob der Datenträger nicht voll ist.</translation>
    </message>
    <message>
        <source>Quadrix board</source>
        <translation>Quadrix Spielbrett</translation>
    </message>
</context>
<context>
    <name>PlayersDialog</name>
    <message>
        <source>%1 (square %2)</source>
        <translation>%1 (Feld %2)</translation>
    </message>
    <message>
        <source>%1: %2 wins %3</source>
        <translation>%1: %2 gewinnt %3</translation>
    </message>
    <message>
        <source>%1: %2 wins %3 as the reverse winner</source>
        <translation>%1: %2 gewinnt %3 als Umkehrgewinner</translation>
    </message>
    <message>
        <source>%1: %2 wins %3 rolled over from earlier periods</source>
        <translation>%1: %2 gewinnt %3, übertragen aus früheren Spielabschnitten</translation>
    </message>
    <message>
        <source>%1: %2 gets %3 of a prize nobody won, for 1 square</source>
        <translation>%1: %2 erhält %3 eines Gewinns, den niemand gewann, für 1 Feld</translation>
    </message>
    <message>
        <source>%1: %2 gets %3 of a prize nobody won, for %4 squares</source>
        <translation>%1: %2 erhält %3 eines Gewinns, den niemand gewann, für %4 Felder</translation>
    </message>
    <message>
        <source>%1: %2 not won, handed back</source>
        <translation>%1: %2 nicht gewonnen, zurückgegeben</translation>
    </message>
    <message>
        <source>Prizes paid: %1 of the pool&apos;s %2</source>
        <translation>Ausgezahlte Gewinne: %1 von %2 im Pool</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Save this pool to record payments.</source>
        <translation>Speichern Sie diesen Pool, um Zahlungen einzutragen.</translation>
    </message>
    <message>
        <source>The board has changes that are not saved; this is the pool as saved.</source>
        <translation>Das Spielbrett hat ungespeicherte Änderungen; hier steht der Pool, wie er gespeichert ist.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Owes</source>
        <translation>Schuldet</translation>
    </message>
    <message>
        <source>Still owes</source>
        <translation>Noch offen</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>(blanks)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1: %2  %3</source>
        <translation>%1: %2  %3</translation>
    </message>
    <message>
        <source>Prizes paid</source>
        <translation>Ausgezahlte Gewinne</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Als &amp;PDF speichern</translation>
    </message>
    <message>
        <source>Payout and &amp;Scores...</source>
        <translation>Auszahlung und &amp;Spielstände...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount. Type what the player has paid so far, such as %2.</source>
        <translation>„%1“ ist kein Betrag. Geben Sie ein, was der Spieler bisher bezahlt hat, zum Beispiel %2.</translation>
    </message>
    <message>
        <source>Squares sold: %1   Unsold: %2   Collected: %3   Outstanding: %4</source>
        <translation>Felder verkauft: %1   Unverkauft: %2   Eingenommen: %3   Ausstehend: %4</translation>
    </message>
    <message>
        <source>paid</source>
        <translation>bezahlt</translation>
    </message>
    <message>
        <source>The printer would not start the ledger.</source>
        <translation>Der Drucker hat die Abrechnung nicht angenommen.</translation>
    </message>
    <message>
        <source>Save the Ledger as PDF</source>
        <translation>Abrechnung als PDF speichern</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Paid so far</source>
        <translation>Bisher bezahlt</translation>
    </message>
</context>
<context>
    <name>Pool</name>
    <message>
        <source>Type the game date as month/day/year, for example 12/28/2025.</source>
        <translation>Geben Sie das Spieldatum als Monat/Tag/Jahr ein, zum Beispiel 12/28/2025.</translation>
    </message>
    <message>
        <source>%1 is not a date. Type the game date as month/day/year, for example 12/28/2025.</source>
        <translation>%1 ist kein Datum. Geben Sie das Spieldatum als Monat/Tag/Jahr ein, zum Beispiel 12/28/2025.</translation>
    </message>
    <message>
        <source> Game Date Has To Have A Date</source>
        <translation> Spieldatum Muss Ein Datum Haben</translation>
    </message>
    <message>
        <source>The pool amount must be a number of 0 or more, such as %1.</source>
        <translation>Die Poolsumme muss eine Zahl von 0 oder mehr sein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>Digits drawn %1 (columns %2, rows %3)</source>
        <translation>Ziffern gezogen %1 (Spalten %2, Zeilen %3)</translation>
    </message>
</context>
<context>
    <name>PoolDocument</name>
    <message>
        <source>Save or cancel your changes before you lock or unlock this pool.</source>
        <translation>Speichern oder verwerfen Sie Ihre Änderungen, bevor Sie diesen Pool sperren oder entsperren.</translation>
    </message>
    <message>
        <source>Save this pool before you lock it: only a saved pool can be locked.</source>
        <translation>Speichern Sie diesen Pool, bevor Sie ihn sperren: Nur ein gespeicherter Pool kann gesperrt werden.</translation>
    </message>
    <message>
        <source>Save or cancel your changes first: the payout and the scores are stored with the pool as saved.</source>
        <translation>Speichern oder verwerfen Sie zuerst Ihre Änderungen: Auszahlung und Spielstände werden beim gespeicherten Pool abgelegt.</translation>
    </message>
    <message>
        <source>Save this pool first: the payout and the scores are stored with a saved pool.</source>
        <translation>Speichern Sie diesen Pool zuerst: Auszahlung und Spielstände werden bei einem gespeicherten Pool abgelegt.</translation>
    </message>
    <message>
        <source>You Must UnLock This Record Before This Is Allowed</source>
        <translation>Sie Müssen Diesen Pool Erst EntSperren</translation>
    </message>
    <message>
        <source> There Is No Password Set</source>
        <translation> Es Ist Kein Passwort Gesetzt</translation>
    </message>
    <message>
        <source>Passwords Do Not Match</source>
        <translation>Die Passwörter Stimmen Nicht Überein</translation>
    </message>
</context>
<context>
    <name>PoolError</name>
    <message>
        <source>the copy could not be checked</source>
        <translation>die Kopie konnte nicht geprüft werden</translation>
    </message>
    <message>
        <source>The backup folder &apos;%1&apos; could not be made.</source>
        <translation>Der Sicherungsordner &apos;%1&apos; konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The pool file could not be read</source>
        <translation>Die Pooldatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The backup could not be written</source>
        <translation>Die Sicherung konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The backup was stopped.</source>
        <translation>Die Sicherung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The backup could not be made</source>
        <translation>Die Sicherung konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The backup could not be started</source>
        <translation>Die Sicherung konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The backup could not be closed.</source>
        <translation>Die Sicherung konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The pool file is damaged (%1); the help page tells how to restore a backup. Its copy replaced no backup: %2</source>
        <translation>Die Pooldatei ist beschädigt (%1); die Hilfeseite erklärt, wie Sie eine Sicherung wiederherstellen. Ihre Kopie hat keine Sicherung ersetzt: %2</translation>
    </message>
    <message>
        <source>the copy is kept as &apos;%1&apos;.</source>
        <translation>die Kopie liegt unter &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>the copy was dropped.</source>
        <translation>die Kopie wurde verworfen.</translation>
    </message>
    <message>
        <source>The backup &apos;%1&apos; could not be named.</source>
        <translation>Die Sicherung &apos;%1&apos; konnte nicht benannt werden.</translation>
    </message>
    <message>
        <source>The backup &apos;%1&apos; could not be written to the disk.</source>
        <translation>Die Sicherung &apos;%1&apos; konnte nicht auf den Datenträger geschrieben werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid path. Check that the folder exists and that the name is spelled correctly.</source>
        <translation>&apos;%1&apos; ist kein gültiger Pfad. Prüfen Sie, ob der Ordner existiert und der Name richtig geschrieben ist.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a pool file.</source>
        <translation>&apos;%1&apos; ist ein Ordner, keine Pooldatei.</translation>
    </message>
    <message>
        <source>Could not find the pool file &apos;%1&apos;.</source>
        <translation>Die Pooldatei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Quadrix cannot read the pool file &apos;%1&apos;. Check that you may read and write it.</source>
        <translation>Quadrix kann die Pooldatei &apos;%1&apos; nicht lesen. Prüfen Sie, ob Sie sie lesen und schreiben dürfen.</translation>
    </message>
    <message>
        <source>Quadrix cannot open the pool file &apos;%1&apos; safely: the database engine refused its protective settings.</source>
        <translation>Quadrix kann die Pooldatei &apos;%1&apos; nicht sicher öffnen: Die Datenbank hat ihre Schutzeinstellungen abgelehnt.</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; in &apos;%2&apos; has triggers, which Quadrix never makes, so it is not a pool file.</source>
        <translation>Die Tabelle &apos;%1&apos; in &apos;%2&apos; hat Trigger, die Quadrix nie anlegt; es ist also keine Pooldatei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in &apos;%2&apos; is a view where Quadrix keeps a table, so the file is not a pool file.</source>
        <translation>&apos;%1&apos; in &apos;%2&apos; ist eine Sicht, wo Quadrix eine Tabelle führt; die Datei ist also keine Pooldatei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; exists already. Quadrix never overwrites a pool file; nothing was changed.</source>
        <translation>&apos;%1&apos; gibt es bereits. Quadrix überschreibt nie eine Pooldatei; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The pool %1 in &apos;%2&apos; holds a text of %3 characters in &apos;%4&apos;, more than Quadrix shows (at most %5). Shorten or remove it with another program.</source>
        <translation>Der Pool %1 in &apos;%2&apos; enthält in &apos;%4&apos; einen Text von %3 Zeichen, mehr als Quadrix anzeigt (höchstens %5). Kürzen oder entfernen Sie ihn mit einem anderen Programm.</translation>
    </message>
    <message>
        <source>The text for &apos;%1&apos; has %2 characters, more than Quadrix keeps (at most %3), so the pool was not saved.</source>
        <translation>Der Text für &apos;%1&apos; hat %2 Zeichen, mehr als Quadrix speichert (höchstens %3); der Pool wurde daher nicht gespeichert.</translation>
    </message>
    <message>
        <source>The pool file &apos;%1&apos; is in use by another program. Try again when that program has finished with it.</source>
        <translation>Die Pooldatei &apos;%1&apos; wird von einem anderen Programm benutzt. Versuchen Sie es erneut, wenn dieses Programm fertig ist.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; of the pool file is read-only, so the change could not be saved.</source>
        <translation>Der Ordner &apos;%1&apos; der Pooldatei ist schreibgeschützt; die Änderung konnte daher nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The pool file &apos;%1&apos; is read-only, so the change could not be saved.</source>
        <translation>Die Pooldatei &apos;%1&apos; ist schreibgeschützt; die Änderung konnte daher nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The disk that holds the pool file &apos;%1&apos; is full, so the change was not saved. Make room on the disk and try again.</source>
        <translation>Der Datenträger mit der Pooldatei &apos;%1&apos; ist voll; die Änderung wurde daher nicht gespeichert. Schaffen Sie Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The pool file &apos;%1&apos; could not be read (a disk or network error).</source>
        <translation>Die Pooldatei &apos;%1&apos; konnte nicht gelesen werden (ein Datenträger- oder Netzwerkfehler).</translation>
    </message>
    <message>
        <source>The pool file &apos;%1&apos; could not be written (a disk or network error), so the change was not saved. Try again.</source>
        <translation>Die Pooldatei &apos;%1&apos; konnte nicht geschrieben werden (ein Datenträger- oder Netzwerkfehler); die Änderung wurde daher nicht gespeichert. Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Quadrix cannot open the pool file &apos;%1&apos; (%2).</source>
        <translation>Quadrix kann die Pooldatei &apos;%1&apos; nicht öffnen (%2).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a pool file: it is not a database.</source>
        <translation>&apos;%1&apos; ist keine Pooldatei: Es ist keine Datenbank.</translation>
    </message>
    <message>
        <source>The pool store reported an error: %1</source>
        <translation>Der Poolspeicher meldete einen Fehler: %1</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>Kein aktueller Pool.</translation>
    </message>
    <message>
        <source>More than one pool in the pool file has the number %1, so this pool cannot be changed or deleted alone. Nothing was changed.</source>
        <translation>Mehrere Pools in der Pooldatei haben die Nummer %1; dieser Pool kann daher nicht allein geändert oder gelöscht werden. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The team list &apos;%1&apos; is not a file, so it was not read.</source>
        <translation>Die Teamliste &apos;%1&apos; ist keine Datei; sie wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>The team list &apos;%1&apos; is larger than %2 MB, so it was not read.</source>
        <translation>Die Teamliste &apos;%1&apos; ist größer als %2 MB; sie wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; has no table &apos;Football&apos;, so it is not a pool file.</source>
        <translation>Die Datei &apos;%1&apos; hat keine Tabelle &apos;Football&apos;; sie ist also keine Pooldatei.</translation>
    </message>
    <message>
        <source>The table &apos;Football&apos; in &apos;%1&apos; has no column &apos;%2&apos;, so it is not a pool file.</source>
        <translation>Die Tabelle &apos;Football&apos; in &apos;%1&apos; hat keine Spalte &apos;%2&apos;; sie ist also keine Pooldatei.</translation>
    </message>
</context>
<context>
    <name>PoolList</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Game date</source>
        <translation>Spieldatum</translation>
    </message>
    <message>
        <source>Team 1</source>
        <translation>Team 1</translation>
    </message>
    <message>
        <source>Team 2</source>
        <translation>Team 2</translation>
    </message>
    <message>
        <source>Squares sold</source>
        <translation>Felder verkauft</translation>
    </message>
    <message>
        <source>Pool amount</source>
        <translation>Poolsumme</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Every quarter won</source>
        <translation>Alle Viertel gewonnen</translation>
    </message>
</context>
<context>
    <name>PoolListDialog</name>
    <message>
        <source>All Pools</source>
        <translation>Alle Pools</translation>
    </message>
    <message>
        <source>&amp;Find a team or player:</source>
        <translation>Team oder Spieler &amp;suchen:</translation>
    </message>
    <message>
        <source>Find a team or player</source>
        <translation>Team oder Spieler suchen</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>&amp;Show Pool</source>
        <translation>Pool &amp;zeigen</translation>
    </message>
    <message>
        <source>1 pool</source>
        <translation>1 Pool</translation>
    </message>
    <message>
        <source>%1 pools</source>
        <translation>%1 Pools</translation>
    </message>
    <message>
        <source>%1 with a team or player named like &quot;%2&quot;</source>
        <translation>%1 mit einem Team oder Spieler namens „%2“</translation>
    </message>
    <message>
        <source>No pool is in the list.</source>
        <translation>Die Liste enthält keinen Pool.</translation>
    </message>
    <message>
        <source>Choose a pool in the list first.</source>
        <translation>Wählen Sie zuerst einen Pool in der Liste.</translation>
    </message>
</context>
<context>
    <name>Quadrix</name>
    <message>
        <source>The daily backup of the pool file failed: </source>
        <translation>Die tägliche Sicherung der Pooldatei ist fehlgeschlagen: </translation>
    </message>
    <message>
        <source>    You Have Error # %1 was generated by %2</source>
        <translation>    Sie Haben Fehler Nr. %1, ausgelöst von %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ResultsDialog</name>
    <message>
        <source>Payout and Scores</source>
        <translation>Auszahlung und Spielstände</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>As the payout option</source>
        <translation>Wie die Auszahlungsoption</translation>
    </message>
    <message>
        <source>My own split</source>
        <translation>Eigene Aufteilung</translation>
    </message>
    <message>
        <source>Split of the pool</source>
        <translation>Aufteilung des Pools</translation>
    </message>
    <message>
        <source>&amp;Split:</source>
        <translation>&amp;Aufteilung:</translation>
    </message>
    <message>
        <source>%1 share</source>
        <translation>Anteil %1</translation>
    </message>
    <message>
        <source>Rolls over to the next period</source>
        <translation>Geht auf den nächsten Spielabschnitt über</translation>
    </message>
    <message>
        <source>Is split among the sold squares</source>
        <translation>Wird auf die verkauften Felder aufgeteilt</translation>
    </message>
    <message>
        <source>Is not paid (handed back)</source>
        <translation>Wird nicht ausgezahlt (zurückgegeben)</translation>
    </message>
    <message>
        <source>Prize of an unsold winning square</source>
        <translation>Gewinn eines unverkauften Gewinnfelds</translation>
    </message>
    <message>
        <source>&amp;Unsold winning square&apos;s prize:</source>
        <translation>&amp;Gewinn eines unverkauften Gewinnfelds:</translation>
    </message>
    <message>
        <source>Reverse winner&apos;s share of each prize</source>
        <translation>Anteil des Umkehrgewinners an jedem Gewinn</translation>
    </message>
    <message>
        <source>&amp;Reverse winner&apos;s share:</source>
        <translation>Anteil des &amp;Umkehrgewinners:</translation>
    </message>
    <message>
        <source>This pool is locked: its payout stays as it is. Scores can still be entered.</source>
        <translation>Dieser Pool ist gesperrt: Seine Auszahlung bleibt, wie sie ist. Spielstände können weiter eingetragen werden.</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Spielstände</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>%1 score of %2</source>
        <translation>Punkte %1 von %2</translation>
    </message>
    <message>
        <source>team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>The scores of the %1 must both end in a digit, such as 14 and 7; leave both empty for a period not played yet.</source>
        <translation>Die Punkte für %1 müssen beide auf eine Ziffer enden, zum Beispiel 14 und 7; lassen Sie beide leer für einen noch nicht gespielten Spielabschnitt.</translation>
    </message>
</context>
<context>
    <name>frmScore</name>
    <message>
        <source>Column %1 digit</source>
        <translation>Ziffer der Spalte %1</translation>
    </message>
    <message>
        <source>Row %1 digit</source>
        <translation>Ziffer der Zeile %1</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>, row digit %1, column digit %2</source>
        <translation>, Zeilenziffer %1, Spaltenziffer %2</translation>
    </message>
    <message>
        <source>Quadrix could not open the help page in a web browser. The help page is the file &apos;%1&apos;.</source>
        <translation>Quadrix konnte die Hilfeseite nicht im Webbrowser öffnen. Die Hilfeseite ist die Datei &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No squares are free. The board is full.</source>
        <translation>Kein Feld ist frei. Das Spielbrett ist voll.</translation>
    </message>
    <message>
        <source>Only 1 square is free. Ask for 1 or fewer.</source>
        <translation>Nur 1 Feld ist frei. Fragen Sie nach 1 oder weniger.</translation>
    </message>
    <message>
        <source>Only %1 squares are free. Ask for %1 or fewer.</source>
        <translation>Nur %1 Felder sind frei. Fragen Sie nach %1 oder weniger.</translation>
    </message>
    <message>
        <source>What is Your Name?

 First,Last or Nickname</source>
        <translation>Wie Heißen Sie?

 Vorname,Nachname oder Spitzname</translation>
    </message>
    <message>
        <source>How Many Squares?</source>
        <translation>Wie Viele Felder?</translation>
    </message>
    <message>
        <source>The number of squares cannot be less than 0.</source>
        <translation>Die Zahl der Felder kann nicht kleiner als 0 sein.</translation>
    </message>
    <message>
        <source>Enter a whole number of squares.</source>
        <translation>Geben Sie eine ganze Zahl von Feldern ein.</translation>
    </message>
    <message>
        <source>   Owes   </source>
        <translation>   Schuldet   </translation>
    </message>
    <message>
        <source>   Please Collect the Money Now</source>
        <translation>   Bitte Kassieren Sie Jetzt das Geld</translation>
    </message>
    <message>
        <source>You Have Unused Squares, Do You Want TO Set The Numbers Anyway? </source>
        <translation>Sie Haben Unbenutzte Felder, Wollen Sie Die Zahlen TROTZDEM Ziehen? </translation>
    </message>
    <message>
        <source>All Squares Are Not Used!!!</source>
        <translation>Nicht Alle Felder Sind Belegt!!!</translation>
    </message>
    <message>
        <source> You Left A Quarter Blank</source>
        <translation> Sie Haben Kein Viertel Gewählt</translation>
    </message>
    <message>
        <source>
The drawn numbers were not saved. Press SET Numbers to save them again once the pool file can be written.</source>
        <translation>
Die gezogenen Zahlen wurden nicht gespeichert. Drücken Sie Zahlen ZIEHEN, um sie erneut zu speichern, sobald die Pooldatei beschreibbar ist.</translation>
    </message>
    <message>
        <source>Please enter Password</source>
        <translation>Bitte Passwort eingeben</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Die Passwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>
The pool was not locked.</source>
        <translation>
Der Pool wurde nicht gesperrt.</translation>
    </message>
    <message>
        <source>
The pool is still locked.</source>
        <translation>
Der Pool ist weiterhin gesperrt.</translation>
    </message>
    <message>
        <source>The pool amount must be a number of 0 or more, such as %1.</source>
        <translation>Die Poolsumme muss eine Zahl von 0 oder mehr sein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>PayOut Per Quarter</source>
        <translation>Auszahlung je Viertel</translation>
    </message>
    <message>
        <source>PayOut Per Half</source>
        <translation>Auszahlung je Hälfte</translation>
    </message>
    <message>
        <source>PayOut Game</source>
        <translation>Auszahlung Spiel</translation>
    </message>
    <message>
        <source>Pool amount %1</source>
        <translation>Poolsumme %1</translation>
    </message>
    <message>
        <source>Per square %1</source>
        <translation>Je Feld %1</translation>
    </message>
    <message>
        <source>Pay out %1</source>
        <translation>Auszahlung %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source> (%1 - %2)</source>
        <translation> (%1 - %2)</translation>
    </message>
    <message>
        <source>Save the Board as PDF</source>
        <translation>Spielbrett als PDF speichern</translation>
    </message>
    <message>
        <source>How many Copies Do You Want?</source>
        <translation>Wie viele Exemplare Möchten Sie?</translation>
    </message>
    <message>
        <source>How many Copies?</source>
        <translation>Wie viele Exemplare?</translation>
    </message>
    <message>
        <source>Please enter a number of copies from 1 to 32767.</source>
        <translation>Bitte geben Sie eine Anzahl von Exemplaren von 1 bis 32767 ein.</translation>
    </message>
    <message>
        <source>The printer did not accept the board, so nothing was printed.</source>
        <translation>Der Drucker hat das Spielbrett nicht angenommen; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Export the Season as CSV</source>
        <translation>Saison als CSV exportieren</translation>
    </message>
    <message>
        <source>season pools.csv</source>
        <translation>Saison-Pools.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source> players</source>
        <translation> Spieler</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The season is in %1 and %2.</source>
        <translation>Die Saison steht in %1 und %2.</translation>
    </message>
    <message>
        <source>(blanks)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1 has paid, and the board no longer holds that name: the payment will be deleted. Save anyway?</source>
        <translation>%1 hat bezahlt, und der Name steht nicht mehr auf dem Spielbrett: Die Zahlung wird gelöscht. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>%1 has paid, and the squares of %1 now read %2. Carry the payment to %2? No deletes the payment.</source>
        <translation>%1 hat bezahlt, und auf den Feldern von %1 steht jetzt %2. Die Zahlung auf %2 übertragen? Nein löscht die Zahlung.</translation>
    </message>
    <message>
        <source>Delete the pool of %1, %2 VS %3? This cannot be undone.</source>
        <translation>Den Pool vom %1, %2 VS %3, löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Add record</source>
        <translation>Neuer Pool</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Pool ändern</translation>
    </message>
    <message>
        <source>Type the game date to find, for example 12/28/2025.</source>
        <translation>Geben Sie das gesuchte Spieldatum ein, zum Beispiel 12/28/2025.</translation>
    </message>
    <message>
        <source>No pool has the game date %1.</source>
        <translation>Kein Pool hat das Spieldatum %1.</translation>
    </message>
    <message>
        <source>QUICK PICK</source>
        <translation>QUICK TIPP</translation>
    </message>
    <message>
        <source>Save the changes to this pool?</source>
        <translation>Änderungen an diesem Pool speichern?</translation>
    </message>
    <message>
        <source>  LOCKED</source>
        <translation>  GESPERRT</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number. Type the number of squares, such as 3.</source>
        <translation>„%1“ ist keine Zahl. Geben Sie die Zahl der Felder ein, zum Beispiel 3.</translation>
    </message>
</context>
</TS>
