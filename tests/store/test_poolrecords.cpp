// The record set over a real pool file: values round-trip exactly, moves
// stop at both ends, a refused write leaves nothing half-written.
#include "store/poolrecords.h"
#include "store/poolstore.h"
#include "store/recordmapping.h"
#include "store/schema.h"
#include "support/testwindow.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

class TestPoolRecords : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_data = std::make_unique<TestData>();
        m_store = std::make_unique<PoolStore>();
        m_store->OpenDB(m_data->dir());
    }
    void cleanup()
    {
        m_store.reset();
        m_data.reset();
    }

    void everyColumnRoundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << QStringLiteral(" ");
        QTest::newRow("quotes") << QStringLiteral("O'Brien \"Bud\"; DROP TABLE Football;--");
        QTest::newRow("wildcards") << QStringLiteral("100% _of_ it");
        QTest::newRow("unicode") << QStringLiteral("Zoë 🏈 שלום");
        QTest::newRow("line break") << QStringLiteral("two\nlines");
    }
    void everyColumnRoundTrips()
    {
        QFETCH(QString, text);
        auto records = open(PoolQuery::all());
        records->AddNew();
        for (const QString &column : Schema::allColumns()) {
            if (column == Schema::kId)
                continue;
            records->setField(column, Schema::isBooleanColumn(column) ? QVariant(1)
                                                                      : QVariant(text + column));
        }
        const qint64 id = records->Update();

        records = open(PoolQuery::all());
        QVERIFY(records->hasCurrent());
        QCOMPARE(records->currentId(), id);
        for (const QString &column : Schema::allColumns()) {
            const QVariant value = records->Fields(column);
            if (column == Schema::kId)
                QCOMPARE(value.toLongLong(), id);
            else if (Schema::isBooleanColumn(column))
                QVERIFY2(RecordMapping::isTrue(value), qPrintable(column));
            else
                QCOMPARE(value.toString(), text + column);
        }
    }

    void emptyTextsAndNullsStayApart()
    {
        {
            auto records = open(PoolQuery::all());
            records->AddNew();
            records->setField(QStringLiteral("Im1"), QString());
            const qint64 written = records->Update();
            QVERIFY(!m_data->stored(written, QStringLiteral("Im1")).isNull());
        }
        PoolValues values;
        values.insert(QStringLiteral("Im5"), QString(""));
        const qint64 id = m_data->addPool(values);
        auto records = open(PoolQuery::all());
        QVERIFY(records->MoveTo(id));
        const QVariant empty = records->Fields(QStringLiteral("Im5"));
        QVERIFY(!empty.isNull());
        QCOMPARE(empty.toString(), QString());
        QVERIFY(records->Fields(QStringLiteral("Im6")).isNull());
        QVERIFY(!RecordMapping::isTrue(records->Fields(QStringLiteral("Game"))));
    }

    void movesStopAtBothEnds()
    {
        const qint64 a = m_data->addPool({});
        const qint64 b = m_data->addPool({});
        const qint64 c = m_data->addPool({});
        auto records = open(PoolQuery::all());
        QCOMPARE(records->RecordCount(), 3);
        QCOMPARE(records->currentId(), a);
        records->MoveNext();
        QCOMPARE(records->currentId(), b);
        records->MoveNext();
        QCOMPARE(records->currentId(), c);
        records->MoveNext();
        QVERIFY(records->atEOF());
        QVERIFY(!records->hasCurrent());
        QVERIFY_THROWS_EXCEPTION(PoolError, records->Fields(QStringLiteral("Date")));
        QVERIFY_THROWS_EXCEPTION(PoolError, records->MoveNext());
        records->MovePrevious();
        QCOMPARE(records->currentId(), c);
        records->MoveFirst();
        records->MovePrevious();
        QVERIFY(records->atBOF());
        QVERIFY_THROWS_EXCEPTION(PoolError, records->MovePrevious());
        records->MoveNext();
        QCOMPARE(records->currentId(), a);
        records->MoveLast();
        QCOMPARE(records->currentId(), c);
    }

    void emptySetHasNoCurrentRecord()
    {
        auto records = open(PoolQuery::all());
        QCOMPARE(records->RecordCount(), 0);
        QVERIFY(records->atBOF() && records->atEOF());
        try {
            records->MoveFirst();
            QFAIL("MoveFirst on an empty set must fail");
        } catch (const PoolError &error) {
            QCOMPARE(error.number(), ErrorNumber::NoCurrentRecord);
        }
    }

    void criteriaAreValuesNotText_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("searched");
        QTest::addColumn<int>("found");
        QTest::newRow("same date") << "09/14/2025"
                                   << "09/14/2025" << 2;
        QTest::newRow("other date") << "09/14/2025"
                                    << "09/15/2025" << 0;
        QTest::newRow("injection") << "09/14/2025"
                                   << "' OR '1'='1" << 0;
        QTest::newRow("quote in date") << "0'/14/2025"
                                       << "0'/14/2025" << 2;
    }
    void criteriaAreValuesNotText()
    {
        QFETCH(QString, date);
        QFETCH(QString, searched);
        QFETCH(int, found);
        m_data->addPool({{QStringLiteral("Date"), date}});
        m_data->addPool({{QStringLiteral("Date"), QStringLiteral("01/01/2000")}});
        m_data->addPool({{QStringLiteral("Date"), date}});
        auto records = open(PoolQuery::byDate(searched));
        QCOMPARE(records->RecordCount(), found);
        int stepped = 0;
        while (records->hasCurrent()) {
            QCOMPARE(records->Fields(QStringLiteral("Date")).toString(), searched);
            ++stepped;
            records->MoveNext();
        }
        QCOMPARE(stepped, found);
    }

    void keyCriterionFindsThePoolByItsText()
    {
        m_data->addPool({});
        const qint64 id = m_data->addPool({});
        auto records = open(PoolQuery::byId(QString::number(id)));
        QCOMPARE(records->RecordCount(), 1);
        QCOMPARE(records->currentId(), id);
        QCOMPARE(open(PoolQuery::byId(QStringLiteral("x")))->RecordCount(), 0);
    }

    void deleteLeavesThePositionBetweenNeighbours()
    {
        const qint64 a = m_data->addPool({});
        const qint64 b = m_data->addPool({});
        const qint64 c = m_data->addPool({});
        auto records = open(PoolQuery::all());
        records->MoveNext();
        QCOMPARE(records->currentId(), b);
        records->Delete();
        QVERIFY(!records->hasCurrent());
        QVERIFY_THROWS_EXCEPTION(PoolError, records->Fields(QStringLiteral("ID")));
        QCOMPARE(records->RecordCount(), 2);
        records->MoveNext();
        QCOMPARE(records->currentId(), c);
        records->MovePrevious();
        QCOMPARE(records->currentId(), a);
        QCOMPARE(m_data->poolCount(), 2);
    }

    void editChangesOnlyTheCurrentPool()
    {
        const qint64 a = m_data->addPool({{QStringLiteral("Im0"), QStringLiteral("first")}});
        const qint64 b = m_data->addPool({{QStringLiteral("Im0"), QStringLiteral("second")}});
        auto records = open(PoolQuery::all());
        records->MoveNext();
        records->Edit();
        records->setField(QStringLiteral("Im0"), QStringLiteral("changed"));
        QCOMPARE(records->Update(), b);
        QCOMPARE(m_data->stored(a, QStringLiteral("Im0")).toString(), QStringLiteral("first"));
        QCOMPARE(m_data->stored(b, QStringLiteral("Im0")).toString(), QStringLiteral("changed"));
        QCOMPARE(records->Fields(QStringLiteral("Im0")).toString(), QStringLiteral("changed"));
    }

    void refusedWriteLeavesNothingHalfWritten()
    {
        const qint64 id = m_data->addPool({{QStringLiteral("Im0"), QStringLiteral("kept")},
                                           {QStringLiteral("Im99"), QStringLiteral("kept")}});
        m_data->refuseWrites();
        auto records = open(PoolQuery::all());
        records->Edit();
        records->setField(QStringLiteral("Im0"), QStringLiteral("lost"));
        records->setField(QStringLiteral("Im99"), QStringLiteral("lost"));
        QVERIFY_THROWS_EXCEPTION(PoolError, records->Update());
        QCOMPARE(m_data->stored(id, QStringLiteral("Im0")).toString(), QStringLiteral("kept"));
        QCOMPARE(m_data->stored(id, QStringLiteral("Im99")).toString(), QStringLiteral("kept"));

        records->AddNew();
        records->setField(QStringLiteral("Im0"), QStringLiteral("new"));
        QVERIFY_THROWS_EXCEPTION(PoolError, records->Update());
        QCOMPARE(m_data->poolCount(), 1);
        // The store is usable again afterwards: no transaction left open.
        QVERIFY(m_store->OpenRecordSet(PoolQuery::all()));
    }

    void writesNeedAPendingChangeAndKnownColumns()
    {
        m_data->addPool({});
        auto records = open(PoolQuery::all());
        QVERIFY_THROWS_EXCEPTION(PoolError, records->Update());
        QVERIFY_THROWS_EXCEPTION(PoolError, records->setField(QStringLiteral("Im0"), "x"));
        records->Edit();
        QVERIFY_THROWS_EXCEPTION(PoolError, records->setField(QStringLiteral("Nope"), "x"));
        QVERIFY_THROWS_EXCEPTION(PoolError, records->setField(QStringLiteral("ID"), 7));
        records->Cancel();
        QVERIFY_THROWS_EXCEPTION(PoolError, records->Update());
    }

private:
    std::unique_ptr<PoolRecords> open(const PoolQuery &query)
    {
        return std::make_unique<PoolRecords>(m_store->database(), query);
    }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<PoolStore> m_store;
};

QTEST_MAIN(TestPoolRecords)
#include "test_poolrecords.moc"
