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
#include <QSqlQuery>
#include <QTemporaryDir>

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
        for (const QByteArray &statement :
             QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n'))
            if (maker.open() && !statement.trimmed().isEmpty())
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
