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
#include <optional>

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

    // A save, LOCK and UNLOCK wait for a file another program holds, then
    // say that it is in use and change nothing (what was typed stays); once
    // the file is free the same command works.
    void commandsTellWhenTheFileIsInUse()
    {
        TestWindow window(*m_data);
        window->cmdEdit->click();
        window->Imput[0]->setText(QStringLiteral("typed"));
        const auto state = [&] {
            return QStringList{m_data->stored(1, "Im0").toString(),
                               m_data->stored(1, "Password").toString(),
                               QString::number(window->Locked), window->Imput[0]->text()};
        };
        for (QPushButton *command : {window->cmdUpdate, window->cmdLock, window->cmdunlock}) {
            const QStringList before = state();
            for (const bool held : {true, false}) {
                window.dialogs.clearShown();
                window->Text2->setText(QStringLiteral("pw"));
                window->Text1->setText(QStringLiteral("pw"));
                std::optional<HeldFile> holder;
                if (held)
                    holder.emplace(m_data->poolFile());
                QElapsedTimer waited;
                waited.start();
                command->click();
                holder.reset();
                QCOMPARE(window.messages().size(), held ? 1 : 0);
                if (!held)
                    break;
                QVERIFY(waited.elapsed() >= 2000); // the busy timeout was waited out
                QVERIFY2(window.messages().first().contains("in use by another program"),
                         qPrintable(window.messages().first()));
                QCOMPARE(state(), before);
                QCOMPARE(window->cmdUpdate->isVisible(), command == window->cmdUpdate);
            }
            QVERIFY(state() != before);
        }
        QCOMPARE(state(), (QStringList{"typed", "", "0", "typed"}));
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
