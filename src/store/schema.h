#pragma once

#include <QString>
#include <QStringList>

// The layout of the pool table, in one place. Every statement the store runs
// is built from these names only; values always go in as bound parameters.
namespace Schema {

inline const QString kTable = QStringLiteral("Football");
inline const QString kFileName = QStringLiteral("QDX_DB.mdb");
inline const QString kId = QStringLiteral("ID");
inline const QString kDate = QStringLiteral("Date");
inline const QString kPassword = QStringLiteral("Password");

constexpr int kHeaderCount = 20;
constexpr int kSquareCount = 100;
constexpr int kColumnCount = 136;

QString numColumn(int index); // "Num0" .. "Num19"
QString imColumn(int index);  // "Im0" .. "Im99"
QString quarterColumn(int q); // "Quarter1" .. "Quarter4"

// All 136 columns, ID first.
const QStringList &allColumns();
// The columns held as 1 (true) or 0 (false).
bool isBooleanColumn(const QString &name);
bool isColumn(const QString &name);
// The column's name as the schema spells it, for a name in any letter case
// (SQLite's names ignore case); empty for a name that is no column.
QString canonicalColumn(const QString &name);

// Statements that create an empty pool file.
const QStringList &createStatements();

} // namespace Schema
