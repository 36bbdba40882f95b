// Another program holding the pool file: a save waits, says why it failed,
// keeps what was typed, and succeeds once the file is free again.
#include "support/testwindow.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

class TestContention : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_data = std::make_unique<TestData>();
        m_data->addPool(samplePool("01/01/2025", "A", "B"));
        m_data->addPool(samplePool("01/02/2025", "C", "D"));
    }
    void cleanup() { m_data.reset(); }

    void aLockedFileMakesTheSaveWaitThenReport()
    {
        TestWindow window(*m_data);
        window->cmdEdit->click();
        window->Imput[0]->setText(QStringLiteral("typed"));
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
            other.setDatabaseName(m_data->poolFile());
            QVERIFY(other.open());
            QSqlQuery hold(other);
            QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));

            QElapsedTimer waited;
            waited.start();
            window->cmdUpdate->click();
            QVERIFY(waited.elapsed() >= 2000); // the busy timeout was waited out
            QCOMPARE(window.messages().size(), 1);
            QVERIFY(window.messages().first().contains(QStringLiteral("another program")));
            QVERIFY(window->cmdUpdate->isVisible());
            QCOMPARE(window->Imput[0]->text(), QStringLiteral("typed"));

            QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
            other.close();
        }
        QSqlDatabase::removeDatabase("other");
        window->cmdUpdate->click();
        QCOMPARE(window.messages().size(), 1);
        QVERIFY(window->cmdAdd->isVisible());
        QCOMPARE(m_data->stored(1, QStringLiteral("Im0")).toString(), QStringLiteral("typed"));
    }

    void twoCopiesOfTheProgramShareTheFile()
    {
        TestWindow first(*m_data);
        TestWindow second(*m_data);
        second->cmdNext->click();
        first->cmdEdit->click();
        second->cmdEdit->click();
        first->Imput[1]->setText(QStringLiteral("from the first"));
        second->Imput[1]->setText(QStringLiteral("from the second"));

        // The second copy is in the middle of a write of its own.
        second.store.database().execute(QStringLiteral("BEGIN IMMEDIATE"));
        first->cmdUpdate->click();
        QCOMPARE(first.messages().size(), 1);
        QVERIFY(first->cmdUpdate->isVisible());
        second.store.database().execute(QStringLiteral("ROLLBACK"));

        first->cmdUpdate->click();
        second->cmdUpdate->click();
        QVERIFY(second.messages().isEmpty());
        QCOMPARE(m_data->stored(1, QStringLiteral("Im1")).toString(),
                 QStringLiteral("from the first"));
        QCOMPARE(m_data->stored(2, QStringLiteral("Im1")).toString(),
                 QStringLiteral("from the second"));
        QCOMPARE(m_data->poolCount(), 2);
    }

private:
    std::unique_ptr<TestData> m_data;
};

QTEST_MAIN(TestContention)
#include "test_contention.moc"
