// Another program holding the pool file (a second copy of Quadrix among
// them): a command waits, says why it failed, keeps what was typed, and
// succeeds once the file is free again.
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

#include <optional>

class TestContention : public QObject
{
    Q_OBJECT

private slots:
    // A save, LOCK and UNLOCK wait for a file another program holds, then
    // say that it is in use and change nothing (what was typed stays); once
    // the file is free the same command works.
    void commandsTellWhenTheFileIsInUse()
    {
        TestData data;
        data.addPool(samplePool("01/01/2025", "A", "B"));
        data.addPool(samplePool("01/02/2025", "C", "D"));
        TestWindow window(data);
        window->cmdEdit->click();
        window->Imput[0]->setText(u"typed"_s);
        const auto state = [&] {
            return QStringList{data.stored(1, "Im0").toString(),
                               data.stored(1, "Password").toString(),
                               QString::number(window->Locked), window->Imput[0]->text()};
        };
        for (QPushButton *command : {window->cmdUpdate, window->cmdLock, window->cmdunlock}) {
            const QStringList before = state();
            for (const bool held : {true, false}) {
                window.dialogs.clearShown();
                window->Text2->setText(u"pw"_s);
                window->Text1->setText(u"pw"_s);
                std::optional<OtherProgram> holder;
                if (held)
                    holder.emplace(data.poolFile(), true);
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
};

QTEST_MAIN(TestContention)
#include "test_contention.moc"
