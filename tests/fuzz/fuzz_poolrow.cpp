// A pool row holding anything at all (written by another tool, say) loads
// onto the board without a crash, and every text arrives unchanged.
#include "store/schema.h"
#include "support/testwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdint>
#include <cstdlib>

namespace {

// One window over one pool, kept for the whole run; each input rewrites the
// pool through a connection of its own.
struct Fixture
{
    Fixture() : window(data, false)
    {
        data.addPool({});
        writer = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"writer"_s);
        writer.setDatabaseName(data.poolFile());
        writer.open();
        window->Form_Load();
    }
    TestData data;
    TestWindow window;
    QSqlDatabase writer;
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
        sets << columns[i] + u" = ?"_s;
        values << value;
    }
    QSqlQuery write(f.writer);
    write.prepare(u"UPDATE Football SET %1"_s.arg(sets.join(QLatin1Char(','))));
    for (int i = 0; i < values.size(); ++i)
        write.bindValue(i, values[i]);
    if (!write.exec())
        return 0;
    write.finish();

    frmScore &w = f.window.w();
    w.Locked = false;
    w.cmdFirst_Click();
    const int im5 = int(columns.indexOf(u"Im5"_s)) - 1;
    const QVariant stored = values[im5];
    if (!stored.isNull() && w.Imput[5]->text() != stored.toString())
        std::abort();
    const int team1 = int(columns.indexOf(u"Team1"_s)) - 1;
    if (!values[team1].isNull() && w.Combo1[1]->currentText() != values[team1].toString())
        std::abort();
    return 0;
}
