// A child that saves pools through the real store as fast as it can, saying
// before and after each commit which version of which pool it writes, until
// it is killed.
#include "store/poolstore.h"
#include "store/schema.h"
#include "versioned.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const int pools = args.at(2).toInt();
    PoolStore store;
    store.OpenDB(args.at(1));
    store.OpenRecordSet(PoolQuery::all());
    PoolRecords &records = *store.records();
    long version = 0;
    for (qint64 id = 1; id <= pools; ++id) {
        records.MoveTo(id);
        version = std::max(version, records.Fields(u"Im0"_s).toString().mid(1).toLong());
    }
    const QStringList columns = versionedColumns();
    std::printf("ready\n");
    std::fflush(stdout);
    for (qint64 id = 1;; id = id % pools + 1) {
        ++version;
        const QString text = u"v%1"_s.arg(version);
        records.MoveTo(id);
        records.Edit();
        for (const QString &column : columns)
            records.setField(column, text);
        std::printf("begin %lld %ld\n", static_cast<long long>(id), version);
        std::fflush(stdout);
        records.Update();
        std::printf("done %lld %ld\n", static_cast<long long>(id), version);
        std::fflush(stdout);
    }
}
