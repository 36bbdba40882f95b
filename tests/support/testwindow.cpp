#include "testwindow.h"

#include "money/money.h"
#include "store/pooldatabase.h"
#include "store/recordmapping.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <cmath>

TestData::TestData()
{
    // Every test's pool files go through the shim, so that a test can make
    // the disk fail; a new data folder starts on a sound disk.
    DiskShim::install();
    DiskShim::heal();
    PoolDatabase::create(poolFile());
    const QString shipped = qEnvironmentVariable("QUADRIX_TEST_DATA");
    for (const QString name : {"Pro.txt", "Collage.txt"})
        QFile::copy(QDir(shipped).filePath(name), QDir(dir()).filePath(name));
}

qint64 TestData::addPool(const PoolValues &values)
{
    OtherProgram connection(poolFile());
    QSqlQuery query(connection.db());
    const QStringList names = values.keys();
    query.prepare(names.isEmpty() ? u"INSERT INTO Football DEFAULT VALUES"_s
                                  : u"INSERT INTO Football (%1) VALUES (?%2)"_s.arg(
                                        names.join(','), u",?"_s.repeated(names.size() - 1)));
    for (int i = 0; i < names.size(); ++i)
        query.bindValue(i, values.value(names[i]));
    if (!query.exec())
        qFatal("insert failed: %s", qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

QVariant TestData::stored(qint64 id, const QString &column)
{
    return allPools().value(id).value(column,
                                      u"<no pool %1 or no column %2>"_s.arg(id).arg(column));
}

QMap<qint64, PoolValues> TestData::allPools(QString *integrity, QString path)
{
    OtherProgram connection(path.isEmpty() ? poolFile() : path);
    QSqlQuery query(connection.db());
    if (integrity) {
        query.exec(u"PRAGMA integrity_check"_s);
        *integrity = query.next() ? query.value(0).toString() : query.lastError().text();
        query.finish();
    }
    QMap<qint64, PoolValues> pools;
    query.exec(u"SELECT * FROM Football"_s);
    while (query.next()) {
        PoolValues pool;
        const QSqlRecord row = query.record();
        for (int i = 0; i < row.count(); ++i)
            pool.insert(row.fieldName(i), row.value(i));
        pools.insert(pool.value(Schema::kId).toLongLong(), pool);
    }
    // Who has paid, as part of the pool it belongs to: a payment without its
    // pool shows up as a pool of its own.
    // The same for the payout plan and each period's scores.
    const std::pair<QString, QString> sides[] = {
        {u"Payments"_s, u"SELECT PoolID, Player, Paid FROM Payments ORDER BY 1, 2"_s},
        {u"Plan"_s, u"SELECT PoolID, Share1, Share2, Share3, Share4, Unsold, Reverse "
                    "FROM PayoutPlans"_s},
        {u"Scores"_s, u"SELECT PoolID, Period, Score1, Score2 FROM PeriodScores ORDER BY 1, 2"_s}};
    for (const auto &[name, sql] : sides) {
        if (!query.exec(sql))
            continue; // an older file
        while (query.next()) {
            QStringList values;
            for (int i = 1; i < query.record().count(); ++i)
                values << query.value(i).toString();
            QVariant &side = pools[query.value(0).toLongLong()][name];
            side = side.toString() + values.join(u'=') + u';';
        }
    }
    return pools;
}

void TestData::writeTeamList(const QString &fileName, const QByteArray &contents)
{
    QFile file(QDir(dir()).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(fileName));
    file.write(contents);
}

OtherProgram::OtherProgram(const QString &path, bool hold) : m_hold(hold)
{
    static int connections = 0;
    m_name = u"test-%1"_s.arg(++connections);
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
    db.setDatabaseName(path);
    if (!db.open())
        qFatal("cannot open %s", qPrintable(path));
    if (hold)
        exec(u"BEGIN EXCLUSIVE"_s);
}

OtherProgram::~OtherProgram()
{
    if (m_hold)
        QSqlQuery(db()).exec(u"ROLLBACK"_s);
    db().close();
    QSqlDatabase::removeDatabase(m_name);
}

void OtherProgram::exec(const QString &statement)
{
    QSqlQuery query(db());
    if (!query.exec(statement))
        qFatal("%s failed: %s", qPrintable(statement), qPrintable(query.lastError().text()));
}

TestWindow::TestWindow(TestData &data, bool load, std::uint64_t seed)
    : random(seed), print(QDir(data.dir()).filePath(u"print.pdf"_s))
{
    dialogs.setScripted(true);
    settings = std::make_unique<QSettings>(QDir(data.dir()).filePath(u"settings.ini"_s),
                                           QSettings::IniFormat);
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

PoolValues boardValues(frmScore &w)
{
    PoolValues v;
    for (int i = 0; i < Schema::kHeaderCount; ++i)
        v.insert(Schema::numColumn(i), w.Number[i]->text());
    for (int i = 0; i < Schema::kSquareCount; ++i)
        v.insert(Schema::imColumn(i), w.Imput[i]->text());
    v.insert(u"PoolAmount"_s, w.txtPoolAmount->text());
    for (const auto &[column, option] : {std::pair{"Quarter", 2}, {"Game", 0}, {"Half", 1}})
        v.insert(QLatin1String(column), int(w.Option1[option]->isChecked()));
    for (int q = 1; q <= 4; ++q)
        v.insert(Schema::quarterColumn(q), w.Who[q - 1]->text());
    v.insert(u"Team1"_s, w.Combo1[1]->currentText());
    v.insert(u"Team2"_s, w.Combo1[2]->currentText());
    v.insert(u"Score1"_s, w.Score[0]->text());
    v.insert(u"Score2"_s, w.Score[1]->text());
    v.insert(u"ProCollage"_s, int(w.Combo1[0]->currentText().compare(QLatin1String("pro"),
                                                                     Qt::CaseInsensitive) == 0));
    return v;
}

QString boardMismatch(frmScore &w, const PoolValues &pool)
{
    QStringList wrong;
    const auto text = [&](const QString &column) { return pool.value(column).toString(); };
    const auto expect = [&](const QString &what, const QString &shown, const QString &want) {
        if (shown != want)
            wrong << u"%1 shows \"%2\", not \"%3\""_s.arg(what, shown, want);
    };
    // The texts as a save would store them; the options and the amount below.
    const PoolValues board = boardValues(w);
    for (auto it = board.cbegin(); it != board.cend(); ++it)
        if (it.value().typeId() == QMetaType::QString && it.key() != u"PoolAmount"_s)
            expect(it.key(), it.value().toString(), text(it.key()));
    for (int t = 0; t < 2; ++t)
        expect(w.TeamScore[t]->objectName(), w.TeamScore[t]->text(), text(u"Team%1"_s.arg(t + 1)));
    const auto taken = std::count_if(w.Imput.begin(), w.Imput.end(), [](const SquareBox *square) {
        return !square->text().isEmpty();
    });
    expect(u"txtID"_s, w.txtID->text(), text(Schema::kId));
    const bool cleared = pool.isEmpty();
    expect(u"the counts"_s, w.lblOpen->text() + "/" + w.lblLeft->text(),
           cleared ? u"000/000"_s : u"%1/%2"_s.arg(taken).arg(100 - taken));
    const bool locked = !text(Schema::kPassword).isEmpty();
    expect(u"Locked"_s, QString::number(w.isLocked()), QString::number(locked));
    expect(u"the enabled squares"_s, QString::number(w.Imput[0]->isEnabled()),
           QString::number(!locked));
    if (cleared)
        return wrong.join(u"; "_s);

    expect(u"the title"_s, w.windowTitle().trimmed(),
           locked ? u"QUADRIX POOL  LOCKED"_s : u"QUADRIX POOL"_s);
    expect(u"Combo1(0)"_s, w.Combo1[0]->currentText(),
           RecordMapping::isTrue(pool.value("ProCollage")) ? "Pro" : "COLLAGE");
    // A pool without a date shows none, never the date shown before.
    expect(u"txtGameDate"_s, w.txtGameDate->text().remove(u'/'), text(Schema::kDate).remove(u'/'));
    int period = -1; // the last of the three options a load selects
    for (const auto &[column, option] : {std::pair{"Quarter", 2}, {"Game", 0}, {"Half", 1}})
        if (RecordMapping::isTrue(pool.value(QLatin1String(column))))
            period = option;
    for (int option = 0; option < 3; ++option)
        if (w.Option1[option]->isChecked() != (option == period))
            wrong << u"Option1(%1) is %2selected"_s.arg(option).arg(option == period ? "not " : "");
    // A stored amount shows as its value in cents; one that is no number
    // stays as it was stored.
    const QString amount = text(u"PoolAmount"_s);
    const std::optional<double> value =
        pool.value("PoolAmount").isNull() ? 0.0 : Money::read(amount);
    const std::optional<double> shown = Money::read(w.txtPoolAmount->text());
    if (!value)
        expect(u"txtPoolAmount"_s, w.txtPoolAmount->text(), amount);
    else if (!shown || std::llround(*shown * 100) != std::llround(*value * 100))
        expect(u"txtPoolAmount"_s, w.txtPoolAmount->text(), Money::currency(*value));
    return wrong.join(u"; "_s);
}

PoolValues samplePool(const QString &date, const QString &team1, const QString &team2)
{
    return {{"Date", date}, {"PoolAmount", "$100.00"}, {"Quarter", 1},   {"Game", 0},
            {"Half", 0},    {"Team1", team1},          {"Team2", team2}, {"ProCollage", 1}};
}

QString unnamedControls(QWidget *top)
{
    if (!top)
        return u"no window"_s;
    top->show();
    QStringList problems;
    QHash<QString, QString> seen;
    std::function<void(QAccessibleInterface *, const QString &)> walk =
        [&](QAccessibleInterface *node, const QString &parentName) {
            if (!node || node->state().invisible)
                return;
            const QString name = node->text(QAccessible::Name);
            QObject *object = node->object();
            const QString what =
                object ? u"%1 %2"_s.arg(object->metaObject()->className(), object->objectName())
                       : QString();
            // Controls, not the cells of a table, which may well agree.
            if (node->state().focusable && object && object->isWidgetType()) {
                if (name.isEmpty())
                    problems << what + u" has no name"_s;
                else if (name != parentName && seen.contains(name))
                    problems << u"%1 and %2 are both \"%3\""_s.arg(seen[name], what, name);
                seen.insert(name, what);
            }
            for (int c = 0; c < node->childCount(); ++c)
                walk(node->child(c), name);
        };
    walk(QAccessible::queryAccessibleInterface(top), QString());
    return problems.join(u"; "_s);
}

QString clashingAccessKeys(QWidget *window)
{
    QHash<QChar, QString> keys;
    QStringList clashes;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        QString caption;
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            caption = button->text();
        else if (auto *label = qobject_cast<QLabel *>(control); label && label->buddy())
            caption = label->text();
        if (control->window() != window)
            continue;
        const qsizetype at = caption.remove(u"&&"_s).indexOf(u'&');
        if (at < 0 || at + 1 >= caption.size())
            continue;
        const QChar key = caption.at(at + 1).toLower();
        if (keys.contains(key))
            clashes << keys[key] + u" and "_s + caption;
        keys.insert(key, caption);
    }
    return clashes.join(u"; "_s);
}
