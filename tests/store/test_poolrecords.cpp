// The record set over a real pool file: criteria are values, a refused
// write leaves nothing half-written. (Moves at both ends and deletes are
// checked through the window by the walk over the commands.)
#include "store/poolrecords.h"
#include "store/poolstore.h"
#include "support/testwindow.h"

#include <QTest>

class TestPoolRecords : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_store.reset();
        m_data = std::make_unique<TestData>();
        m_store = std::make_unique<PoolStore>();
        m_store->OpenDB(m_data->dir());
    }

    void criteriaAreValuesNotText_data()
    {
        QTest::addColumn<QString>("date"); // of two of the three pools
        QTest::addColumn<QString>("searched");
        QTest::addColumn<int>("found");
        QTest::newRow("same date") << "09/14/2025" << u"09/14/2025"_s << 2;
        QTest::newRow("injection") << "09/14/2025" << u"' OR '1'='1"_s << 0;
        QTest::newRow("quote in date") << "0'/14/2025" << u"0'/14/2025"_s << 2;
    }
    void criteriaAreValuesNotText()
    {
        QFETCH(QString, date);
        QFETCH(QString, searched);
        QFETCH(int, found);
        for (const QString &d : {date, u"01/01/2000"_s, date})
            m_data->addPool({{"Date", d}});
        PoolRecords records(m_store->database(), PoolQuery::byDate(searched));
        QCOMPARE(records.RecordCount(), found);
        if (found)
            QCOMPARE(records.Fields("Date").toString(), searched);
    }

    void refusedWriteLeavesNothingHalfWritten()
    {
        m_data->addPool({{"Im0", "kept"}, {"Im99", "kept"}});
        const QMap<qint64, PoolValues> before = m_data->allPools();
        m_data->refuseWrites();
        PoolRecords records(m_store->database(), PoolQuery::all());
        records.Edit();
        records.setField("Im0", "lost");
        records.setField("Im99", "lost");
        QVERIFY_THROWS_EXCEPTION(PoolError, records.Update());
        QCOMPARE(m_data->allPools(), before);
        records.AddNew();
        records.setField("Im0", "new");
        QVERIFY_THROWS_EXCEPTION(PoolError, records.Update());
        QCOMPARE(m_data->allPools(), before);
        QVERIFY(m_store->OpenRecordSet(PoolQuery::all())); // no transaction left open
    }

private:
    std::unique_ptr<TestData> m_data;
    std::unique_ptr<PoolStore> m_store;
};

QTEST_MAIN(TestPoolRecords)
#include "test_poolrecords.moc"
