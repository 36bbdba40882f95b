// A pool file of any shape, made by another tool or made to do harm, opens
// and shows its pools, or is refused and left exactly as it was; never a
// crash. The input is SQL run on an empty file first, one statement a line.
#include "document/pooldocument.h"
#include "store/poolerror.h"
#include "store/poolstore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_poolfile", *argv[] = {name, nullptr};
    static auto *app = new QCoreApplication(argc, argv); // kept: libFuzzer exits at will
    (void)app;
    QTemporaryDir dir;
    const QString path = PoolStore::poolFilePath(dir.path());
    QFile file(path);
    const auto digest = [&] {
        file.open(QIODevice::ReadOnly);
        const QByteArray sum = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        file.close();
        return sum;
    };
    {
        QSqlDatabase maker = QSqlDatabase::addDatabase(u"QSQLITE"_qs, u"maker"_qs);
        maker.setDatabaseName(path);
        // A statement may loop or grow without end: each input gets a budget
        // of engine steps and a size limit per value.
        static int steps;
        steps = 0;
        const bool opened = maker.open();
        if (opened) {
            const QVariant handle = maker.driver()->handle();
            sqlite3 *db = *static_cast<sqlite3 *const *>(handle.constData());
            sqlite3_progress_handler(
                db, 1000, [](void *) { return ++steps > 2000 ? 1 : 0; }, nullptr);
            sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 1 << 20);
        }
        for (const QByteArray &statement :
             QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n'))
            if (opened && !statement.trimmed().isEmpty())
                QSqlQuery(maker).exec(QString::fromUtf8(statement));
    }
    QSqlDatabase::removeDatabase(u"maker"_qs);
    const QByteArray before = digest();
    PoolStore store;
    try {
        store.OpenDB(dir.path());
        PoolDocument document(store);
        document.open();
        document.move(PoolDocument::Command::Last);
    } catch (const PoolError &) {
        if (!store.database().isOpen() && digest() != before)
            std::abort(); // a refused file was changed
    }
    return 0;
}
