// The copyright line and "help" open the program's pages, whatever the
// window is doing, and change nothing else; the contact line opens nothing.
#include "support/testwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

// What a click on a link must leave as it was.
QStringList snapshot(frmScore &w)
{
    QStringList state{w.windowTitle(),
                      w.lblStatus->text(),
                      w.Imput[37]->text(),
                      w.Combo1[0]->currentText(),
                      w.Combo1[1]->currentText(),
                      w.TeamScore[0]->text(),
                      w.txtPoolAmount->text(),
                      w.lblOpen->text()};
    for (bool flag : {w.StartUp, w.Moveit, w.Locked, w.mbAddNewFlag})
        state << QString::number(flag);
    for (QWidget *button : {static_cast<QWidget *>(w.cmdAdd), static_cast<QWidget *>(w.cmdUpdate)})
        state << QString::number(button->isVisible());
    state << QString::number(w.Imput[37]->isEnabled());
    QWidget *focus = QApplication::focusWidget();
    state << (focus ? focus->objectName() : QStringLiteral("<none>"));
    return state;
}

} // namespace

class TestWebLinks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void links_data();
    void links();
    void baseAddress();
    void helpPage();

private:
    frmScore &win() { return w->w(); }

    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> w;
};

void TestWebLinks::init()
{
    data = std::make_unique<TestData>();
    w = std::make_unique<TestWindow>(*data);
}

void TestWebLinks::cleanup()
{
    w.reset();
    data.reset();
}

void TestWebLinks::links_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("page"); // "-": nothing opens

    for (const char *mode : {"browse", "editing", "locked"}) {
        QTest::addRow("copyright line, %s", mode) << "Label5" << mode << "";
        QTest::addRow("help, %s", mode) << "Label8" << mode << "help.html";
        QTest::addRow("contact line, %s", mode) << "Label7" << mode << "-";
    }
}

void TestWebLinks::links()
{
    QFETCH(QString, label);
    QFETCH(QString, mode);
    QFETCH(QString, page);
    win().Imput[37]->setText(QStringLiteral("Ann"));
    win().Combo1[1]->setEditText(QStringLiteral("Denver"));
    if (mode == QLatin1String("editing")) {
        win().mbAddNewFlag = true;
        win().cmdAdd->hide();
        win().cmdUpdate->show();
    } else if (mode == QLatin1String("locked")) {
        win().Locked = true;
        win().Imput[37]->setEnabled(false);
    }
    if (win().Imput[37]->isEnabled())
        win().Imput[37]->setFocus();
    const QStringList before = snapshot(win());

    QTest::mouseClick(win().findChild<QLabel *>(label), Qt::LeftButton);

    const QList<QUrl> expected = page == QLatin1String("-")
                                     ? QList<QUrl>{}
                                     : QList<QUrl>{QUrl(win().baseAddress().toString() + page)};
    QCOMPARE(w->urls.opened, expected);
    QCOMPARE(snapshot(win()), before);
    QVERIFY(w->messages().isEmpty());
}

// A folder address ending in "/", so that the help page resolves inside it;
// without a configured web address it is the program's own folder.
void TestWebLinks::baseAddress()
{
    const QUrl base = win().baseAddress();
    QVERIFY(base.isValid());
    QVERIFY(base.path().endsWith(QLatin1Char('/')));
    if (base.isLocalFile())
        QCOMPARE(QDir(base.toLocalFile()).absolutePath(), QDir(data->dir()).absolutePath());
}

// The shipped help page stands on its own (no pictures, styles or scripts
// from elsewhere, every link inside it leads somewhere) and covers the work.
void TestWebLinks::helpPage()
{
    QFile file(
        QDir(qEnvironmentVariable("QUADRIX_TEST_DATA")).filePath(QStringLiteral("help.html")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QVERIFY(html.startsWith(QLatin1String("<!DOCTYPE html>")));
    QVERIFY(html.contains(QLatin1String("</html>")));
    for (const char *outside : {"src=", "<link", "<script", "url(", "@import", "http:", "https:"})
        QVERIFY2(!html.contains(QLatin1String(outside), Qt::CaseInsensitive), outside);
    static const QRegularExpression href(QStringLiteral(R"re(href="([^"]*)")re"));
    for (auto m = href.globalMatch(html); m.hasNext();) {
        const QString target = m.next().captured(1);
        QVERIFY2(target.startsWith(u'#'), qPrintable(target));
        QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(target.mid(1))), qPrintable(target));
    }
    for (const char *topic : {"Add", "Quick Pick", "SET Numbers", "Quarter", "LOCK", "UNLOCK",
                              "Print", "Find", "Pro.txt", "Collage.txt"})
        QVERIFY2(html.contains(QLatin1String(topic)), topic);
}

QTEST_MAIN(TestWebLinks)
#include "test_weblinks.moc"
