#pragma once

#include "store/schema.h"

#include <QStringList>

// Every text column of a saved pool carries its version (the saver writes
// "v<n>" into each), so the crash test can see whether a pool is whole.
inline QStringList versionedColumns()
{
    QStringList columns;
    for (const QString &c : Schema::allColumns())
        if (c != Schema::kId && c != Schema::kDate && c != Schema::kPassword &&
            !Schema::isBooleanColumn(c))
            columns << c;
    return columns;
}
