// A pool row holding anything at all (written by another tool, say) loads
// onto the board without a crash, and every text arrives unchanged.
#include "app/dialogs.h"
#include "app/frmScore/frmScore.h"
#include "app/urlopener.h"
#include "board/randomsource.h"
#include "print/printseam.h"
#include "store/poolstore.h"
#include "store/schema.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

struct Fixture
{
    Fixture()
        : settings(QDir(dir.path()).filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
    {
        PoolDatabase::create(QDir(dir.path()).filePath(Schema::kFileName));
        dialogs.setScripted(true);
        writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
        writer.setDatabaseName(QDir(dir.path()).filePath(Schema::kFileName));
        writer.open();
        QSqlQuery(writer).exec(QStringLiteral("INSERT INTO Football DEFAULT VALUES"));
        store.OpenDB(dir.path());
        frmScoreServices services;
        services.store = &store;
        services.dialogs = &dialogs;
        services.random = &random;
        services.print = &print;
        services.urls = &urls;
        services.settings = &settings;
        services.dataDir = dir.path();
        services.programDir = dir.path();
        window = std::make_unique<frmScore>(services);
        window->Form_Load();
    }
    QTemporaryDir dir;
    Dialogs dialogs;
    PoolStore store;
    RandomSource random{1};
    PrintSeam print;
    UrlOpener urls;
    QSettings settings;
    QSqlDatabase writer;
    std::unique_ptr<frmScore> window;
};

Fixture &fixture()
{
    static int argc = 1;
    static char name[] = "fuzz_poolrow";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    Q_UNUSED(app);
    static Fixture *f = new Fixture;
    return *f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fixture &f = fixture();
    // The input is split at NUL bytes into column values, in column order;
    // a value starting with 0x01 is Null, one starting with 0x02 a number.
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    const QStringList &columns = Schema::allColumns();
    QStringList sets;
    QVariantList values;
    for (int i = 1; i < columns.size(); ++i) {
        const QByteArray part = parts.value((i - 1) % std::max<qsizetype>(1, parts.size()));
        QVariant value;
        if (part.startsWith('\x01'))
            value = QVariant();
        else if (part.startsWith('\x02'))
            value = part.mid(1).toLongLong();
        else
            value = QString::fromUtf8(part);
        sets << columns[i] + QStringLiteral(" = ?");
        values << value;
    }
    QSqlQuery write(f.writer);
    write.prepare(QStringLiteral("UPDATE Football SET %1").arg(sets.join(QLatin1Char(','))));
    for (int i = 0; i < values.size(); ++i)
        write.bindValue(i, values[i]);
    if (!write.exec())
        return 0;
    write.finish();

    frmScore &w = *f.window;
    w.Locked = false;
    w.cmdFirst_Click();
    const int im5 = int(columns.indexOf(QStringLiteral("Im5"))) - 1;
    const QVariant stored = values[im5];
    if (!stored.isNull() && w.Imput[5]->text() != stored.toString())
        std::abort();
    const int team1 = int(columns.indexOf(QStringLiteral("Team1"))) - 1;
    if (!values[team1].isNull() && w.Combo1[1]->currentText() != values[team1].toString())
        std::abort();
    return 0;
}
