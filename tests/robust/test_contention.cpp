// Another program holding the pool file: a save waits, says why it failed,
// keeps what was typed, and succeeds once the file is free again.
#include "support/testwindow.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

namespace {

// Another program in the middle of a write of its own, until destroyed.
class HeldFile
{
public:
    explicit HeldFile(const QString &path)
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        other.setDatabaseName(path);
        if (!other.open() || !QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")))
            qFatal("cannot hold the pool file");
    }
    ~HeldFile()
    {
        {
            QSqlDatabase other = QSqlDatabase::database("other");
            QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
            other.close();
        }
        QSqlDatabase::removeDatabase("other");
    }
};

} // namespace

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
            HeldFile held(m_data->poolFile());
            QElapsedTimer waited;
            waited.start();
            window->cmdUpdate->click();
            QVERIFY(waited.elapsed() >= 2000); // the busy timeout was waited out
            QCOMPARE(window.messages().size(), 1);
            QVERIFY(window.messages().first().contains(QStringLiteral("another program")));
            QVERIFY(window->cmdUpdate->isVisible());
            QCOMPARE(window->Imput[0]->text(), QStringLiteral("typed"));
        }
        window->cmdUpdate->click();
        QCOMPARE(window.messages().size(), 1);
        QVERIFY(window->cmdAdd->isVisible());
        QCOMPARE(m_data->stored(1, QStringLiteral("Im0")).toString(), QStringLiteral("typed"));
    }

    // LOCK and UNLOCK say that the file is in use, change nothing, and work
    // once it is free.
    void lockAndUnlockTellWhenTheFileIsInUse()
    {
        TestWindow window(*m_data);
        for (QPushButton *command : {window->cmdLock, window->cmdunlock}) {
            const bool locking = command == window->cmdLock;
            window->Text2->setText(QStringLiteral("pw"));
            window->Text1->setText(QStringLiteral("pw"));
            {
                HeldFile held(m_data->poolFile());
                command->click();
            }
            QCOMPARE(window.messages().size(), 1);
            QVERIFY2(
                window.messages().first().contains(QStringLiteral("in use by another program")),
                qPrintable(window.messages().first()));
            QCOMPARE(window->Locked, !locking);
            QCOMPARE(m_data->stored(1, "Password").toString(), locking ? "" : "pw");
            window.dialogs.clearShown();
            window->Text2->setText(QStringLiteral("pw"));
            window->Text1->setText(QStringLiteral("pw"));
            command->click();
            QCOMPARE(window.messages(), QStringList());
            QCOMPARE(window->Locked, locking);
            QCOMPARE(m_data->stored(1, "Password").toString(), locking ? "pw" : "");
        }
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
