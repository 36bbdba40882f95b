#include "testwindow.h"

#include "store/pooldatabase.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <atomic>

namespace {

QString uniqueConnection()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("test-%1").arg(counter++);
}

// Runs fn with a connection of its own on the pool file.
template <typename Fn> auto withConnection(const QString &path, Fn fn)
{
    const QString name = uniqueConnection();
    struct Remover
    {
        QString name;
        ~Remover() { QSqlDatabase::removeDatabase(name); }
    } remover{name};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open())
        qFatal("cannot open %s", qPrintable(path));
    auto result = fn(db);
    db.close();
    return result;
}

} // namespace

std::unique_ptr<QPrinter> PdfPrintSeam::printer()
{
    if (noPrinter)
        return nullptr;
    ++printersMade;
    auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfPath);
    return printer;
}

TestData::TestData()
{
    PoolDatabase::create(poolFile());
    const QString shipped = qEnvironmentVariable("QUADRIX_TEST_DATA");
    for (const char *name : {"Pro.txt", "Collage.txt"}) {
        const QString source = QDir(shipped).filePath(QLatin1String(name));
        if (QFile::exists(source))
            QFile::copy(source, QDir(dir()).filePath(QLatin1String(name)));
    }
}

QString TestData::poolFile() const
{
    return QDir(m_dir.path()).filePath(Schema::kFileName);
}
QString TestData::logFile() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("Quadrix.log"));
}

qint64 TestData::addPool(const PoolValues &values)
{
    return withConnection(poolFile(), [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        if (values.isEmpty()) {
            if (!query.exec(QStringLiteral("INSERT INTO Football DEFAULT VALUES")))
                qFatal("insert failed");
            return query.lastInsertId().toLongLong();
        }
        QStringList names = values.keys();
        for (const QString &name : names)
            if (!Schema::isColumn(name))
                qFatal("no column %s", qPrintable(name));
        QStringList marks;
        for (int i = 0; i < names.size(); ++i)
            marks << QStringLiteral("?");
        query.prepare(QStringLiteral("INSERT INTO Football (%1) VALUES (%2)")
                          .arg(names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
        for (int i = 0; i < names.size(); ++i)
            query.bindValue(i, values.value(names[i]));
        if (!query.exec())
            qFatal("insert failed");
        return query.lastInsertId().toLongLong();
    });
}

QVariant TestData::stored(qint64 id, const QString &column)
{
    if (!Schema::isColumn(column))
        qFatal("no column %s", qPrintable(column));
    return withConnection(poolFile(), [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT %1 FROM Football WHERE ID = ?").arg(column));
        query.bindValue(0, id);
        if (!query.exec() || !query.next())
            return QVariant(QStringLiteral("<no pool %1>").arg(id));
        return query.value(0);
    });
}

int TestData::poolCount()
{
    return withConnection(poolFile(), [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT COUNT(*) FROM Football"));
        query.next();
        return query.value(0).toInt();
    });
}

void TestData::refuseWrites()
{
    withConnection(poolFile(), [](QSqlDatabase &db) {
        QSqlQuery query(db);
        for (const char *event : {"UPDATE", "INSERT", "DELETE"}) {
            if (!query.exec(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON Football "
                                           "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                                .arg(QLatin1String(event))))
                qFatal("cannot add the refusing trigger");
        }
        return true;
    });
}

void TestData::writeTeamList(const QString &fileName, const QByteArray &contents)
{
    QFile file(QDir(dir()).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(fileName));
    file.write(contents);
}

TestWindow::TestWindow(TestData &data, bool load, std::uint64_t seed)
    : data(data), random(seed), print(QDir(data.dir()).filePath(QStringLiteral("print.pdf")))
{
    dialogs.setScripted(true);
    settings = std::make_unique<QSettings>(
        QDir(data.dir()).filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    store.OpenDB(data.dir());
    const frmScoreServices services{&store, &dialogs,       &random,    &print,
                                    &urls,  settings.get(), data.dir(), data.dir()};
    window = std::make_unique<frmScore>(services);
    if (load) {
        window->Form_Load();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the test window did not become active");
    }
}

TestWindow::~TestWindow()
{
    if (window) {
        window->hide();
        window.reset();
    }
}

PoolValues samplePool(const QString &date, const QString &team1, const QString &team2)
{
    PoolValues v;
    v.insert(QStringLiteral("Date"), date);
    for (int i = 0; i < 20; ++i)
        v.insert(Schema::numColumn(i), QString());
    for (int i = 0; i < 100; ++i)
        v.insert(Schema::imColumn(i), QString());
    v.insert(QStringLiteral("PoolAmount"), QStringLiteral("$100.00"));
    v.insert(QStringLiteral("Quarter"), 1);
    v.insert(QStringLiteral("Game"), 0);
    v.insert(QStringLiteral("Half"), 0);
    for (int q = 1; q <= 4; ++q)
        v.insert(Schema::quarterColumn(q), QString());
    v.insert(QStringLiteral("Team1"), team1);
    v.insert(QStringLiteral("Team2"), team2);
    v.insert(QStringLiteral("Score1"), QString());
    v.insert(QStringLiteral("Score2"), QString());
    v.insert(QStringLiteral("ProCollage"), 1);
    v.insert(QStringLiteral("Password"), QString());
    return v;
}
