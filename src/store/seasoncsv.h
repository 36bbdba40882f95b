#pragma once

#include <QStringList>

class PoolDatabase;
class QIODevice;

// The season out of the program, for a spreadsheet: one table of every pool
// and one of every player of every pool, as comma-separated values (RFC
// 4180, UTF-8, lines ending in CR LF). Names come from whoever typed them,
// so a text a spreadsheet would run as a formula is written as text.
namespace SeasonCsv {

// One field: a text starting with =, +, - or @ (or a tab or carriage
// return, which spreadsheets skip before reading a formula) gets a leading
// apostrophe; a field with a comma, a quote or a line break is quoted.
QString field(const QString &text);
// One line of fields, CR LF at its end.
QByteArray line(const QStringList &fields);

// Every pool: its key, date, teams, amount, payout and plan, lock and
// squares sold. False, with the device's error, when a write fails.
bool writePools(PoolDatabase &db, QIODevice &out);
// Every player of every pool: squares, owed, paid, won.
bool writePlayers(PoolDatabase &db, QIODevice &out);

} // namespace SeasonCsv
