// A pool row holding anything at all (written by another tool, say) loads
// onto the board without a crash, and every text arrives unchanged.
#include "store/schema.h"
#include "support/testwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QSqlQuery>

#include <cstdint>
#include <cstdlib>

namespace {

// The application and one window over one pool, made on the first input and
// kept for the whole run; each input rewrites the pool through a connection
// of its own.
struct Fixture
{
    Fixture()
    {
        data.addPool({});
        window->Form_Load();
    }
    int argc = 1;
    char name[13] = "fuzz_poolrow";
    char *argv[2] = {name, nullptr};
    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app{argc, argv};
    TestData data;
    TestWindow window{data, false};
    OtherProgram writer{data.poolFile()};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Fixture &f = *new Fixture; // never destroyed: libFuzzer exits at will
    // The input is split at NUL bytes into column values, in column order;
    // a value starting with 0x01 is Null, one starting with 0x02 a number.
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    const QStringList &columns = Schema::allColumns();
    QVariantList values;
    for (int i = 1; i < columns.size(); ++i) {
        const QByteArray part = parts.value((i - 1) % std::max<qsizetype>(1, parts.size()));
        values << (part.startsWith('\x01')   ? QVariant()
                   : part.startsWith('\x02') ? QVariant(part.mid(1).toLongLong())
                                             : QVariant(QString::fromUtf8(part)));
    }
    QSqlQuery write(f.writer.db());
    write.prepare(u"UPDATE Football SET %1 = ?"_s.arg(columns.mid(1).join(u" = ?, "_s)));
    for (int i = 0; i < values.size(); ++i)
        write.bindValue(i, values[i]);
    if (!write.exec())
        return 0;
    write.finish();

    frmScore &w = f.window.w();
    w.cmdFirst_Click();
    const auto shows = [&](const char *column, const QString &text) {
        const QVariant stored = values[columns.indexOf(QLatin1String(column)) - 1];
        return stored.isNull() || text == stored.toString();
    };
    if (!shows("Im5", w.Imput[5]->text()) || !shows("Team1", w.Combo1[1]->currentText()))
        std::abort();
    return 0;
}
