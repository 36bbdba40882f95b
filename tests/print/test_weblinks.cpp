// The copyright line and "help" open the program's pages, whatever the
// window is doing, and change nothing else; the contact line opens nothing.
#include "support/testwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

class TestWebLinks : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> w;
    frmScore &win() { return w->w(); }
    // What a click on a link must leave as it was.
    QStringList snapshot()
    {
        const frmScore &s = win();
        QStringList state{s.windowTitle(),
                          QString::asprintf("%d%d%d%d %p", s.StartUp, s.Moveit, s.Locked,
                                            s.mbAddNewFlag,
                                            static_cast<void *>(QApplication::focusWidget()))};
        for (const QWidget *widget : s.findChildren<QWidget *>())
            state << widget->property("text").toString() + QChar(u'0' + widget->isVisible()) +
                         QChar(u'0' + widget->isEnabled());
        return state;
    }

private slots:
    void init()
    {
        data = std::make_unique<TestData>();
        w = std::make_unique<TestWindow>(*data);
    }
    void cleanup() { w.reset(), data.reset(); }

    void links_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("page"); // "-": nothing opens
        for (const char *mode : {"browse", "editing", "locked"}) {
            QTest::addRow("copyright line, %s", mode) << "Label5" << mode << "help.html#about";
            QTest::addRow("help, %s", mode) << "Label8" << mode << "help.html";
            QTest::addRow("contact line, %s", mode) << "Label7" << mode << "-";
        }
    }
    void links()
    {
        QFETCH(QString, label);
        QFETCH(QString, mode);
        QFETCH(QString, page);
        if (mode == QLatin1String("editing")) {
            win().cmdAdd_Click();
        } else if (mode == QLatin1String("locked")) {
            win().Locked = true;
            win().LockControls();
        }
        win().Imput[37]->setText(QStringLiteral("Ann"));
        win().Combo1[1]->setEditText(QStringLiteral("Denver"));
        if (win().Imput[37]->isEnabled())
            win().Imput[37]->setFocus();
        const QStringList before = snapshot();
        QTest::mouseClick(win().findChild<QLabel *>(label), Qt::LeftButton);
        // The program's own page, in the program's folder (here the test's).
        const QString expected = "file://" + QDir(data->dir()).absolutePath() + "/" + page;
        QCOMPARE(w->urls.opened,
                 page == QLatin1String("-") ? QList<QUrl>{} : QList<QUrl>{QUrl(expected)});
        QCOMPARE(snapshot(), before);
        QVERIFY(w->messages().isEmpty());
    }

    // The shipped help page stands on its own: nothing from elsewhere, and
    // every link inside it leads somewhere.
    void helpPage()
    {
        QFile file(QDir(qEnvironmentVariable("QUADRIX_TEST_DATA")).filePath("help.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY(html.contains(R"(<h2 id="about">About Quadrix</h2>)"));
        for (const char *outside : {"src=", "<link", "<script", "url(", "@import", "http"})
            QVERIFY2(!html.contains(QLatin1String(outside), Qt::CaseInsensitive), outside);
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        for (auto m = href.globalMatch(html); m.hasNext();) {
            const QString target = m.next().captured(1);
            QVERIFY2(target.startsWith(u'#') && html.contains("id=\"" + target.mid(1) + "\""),
                     qPrintable(target));
        }
    }
};

QTEST_MAIN(TestWebLinks)
#include "test_weblinks.moc"
