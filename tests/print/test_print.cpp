// Printing the board, here into a PDF file, and the links of the bottom line,
// which open the program's pages whatever the window is doing.
#include "print/boardpage.h"
#include "print/printjob.h"
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

class TestPrint : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> w;
    frmScore &win() { return w->w(); }
    QString print(const QString &answer)
    {
        QFile::remove(w->print.pdfPath);
        w->dialogs.setNextInput(answer);
        win().cmdPrint->click();
        return readPdf(w->print.pdfPath);
    }
    // The document, with its page commands and pictures inflated.
    static QString readPdf(const QString &path)
    {
        const QByteArray pdf = contents(path);
        const QByteArray flate = "/FlateDecode\n>>\nstream\n";
        QByteArray text = pdf;
        for (qsizetype at = 0; (at = pdf.indexOf(flate, at)) >= 0;) {
            at += flate.size();
            const QByteArray deflated = pdf.mid(at, pdf.indexOf("endstream", at) - at);
            text += qUncompress(QByteArray("\0\1\0\0", 4) + deflated); // a size guess first
        }
        return QString::fromLatin1(text);
    }
    // One landscape page with the window's picture at its screen size at the
    // top-left corner, once for each copy (a PDF printer makes no copies).
    void expectPages(const QString &pdf, int copies)
    {
        QCOMPARE(pdf.count(QRegularExpression(R"(/Type /Page\b)")), copies);
        static const QRegularExpression mediaBox(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])");
        for (auto m = mediaBox.globalMatch(pdf); m.hasNext();) {
            const auto box = m.next();
            QVERIFY2(box.captured(1).toDouble() > box.captured(2).toDouble(), "not landscape");
        }
        // The offscreen screen and the printer both have 96 dots per inch.
        const QSize size = win().frameGeometry().size();
        const auto sized = [&](const char *text) {
            return QString::fromLatin1(text).arg(size.width()).arg(size.height());
        };
        QCOMPARE(pdf.count(sized("/Subtype /Image\n/Width %1\n/Height %2\n")), 1);
        QCOMPARE(pdf.count(sized("\n%1 0 0 -%2 0 %2 cm /Im")), copies); // at the top-left
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { data = std::make_unique<TestData>(), w = std::make_unique<TestWindow>(*data); }
    void cleanup() { w.reset(), data.reset(); }

    void prints_data()
    {
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("copies"); // 0: nothing printed; -1: refused, and told
        QTest::newRow("one copy") << false << "1" << 1;
        QTest::newRow("three copies") << false << " 3 " << 3;
        QTest::newRow("Cancel") << false << "" << 0;
        QTest::newRow("Cancel without a printer") << true << "" << 0;
        QTest::newRow("abc") << false << "abc" << -1;
    }
    // Each print takes a new picture of the window as it is then.
    void prints()
    {
        QFETCH(bool, noPrinter);
        QFETCH(QString, answer);
        QFETCH(int, copies);
        w->print.noPrinter = noPrinter;
        const QString pdf = print(answer);
        QStringList told{u"How many Copies Do You Want?"_s};
        if (copies < 0)
            told << u"Please enter a number of copies from 1 to 32767."_s;
        QCOMPARE(w->messages(), told);
        QCOMPARE(pdf.isEmpty(), copies <= 0);
        if (copies <= 0)
            return;
        expectPages(pdf, copies);
        const auto picture = [](const QString &doc) {
            return doc.section(QLatin1String("/Subtype /Image"), 1).section("endstream", 0, 0);
        };
        win().Who[0]->setText(u"WWWWWWWWWW"_s);
        QVERIFY(picture(print(answer)) != picture(pdf));
    }

    void savesAPdf_data()
    {
        QTest::addColumn<QString>("route");  // no printer: Print, then Yes or No; or the shortcut
        QTest::addColumn<QString>("folder"); // of the file chosen; "" for Cancel
        QTest::addColumn<bool>("written");
        // clang-format off
        QTest::newRow("no printer, Yes")              << "Yes"      << "."    << true;
        QTest::newRow("no printer, No")               << "No"       << "."    << false;
        QTest::newRow("the shortcut, with a printer") << "shortcut" << "."    << true;
        QTest::newRow("the save dialog cancelled")    << "shortcut" << ""     << false;
        QTest::newRow("a folder that does not exist") << "Yes"      << "gone" << false;
        QTest::newRow("a full disk, over an older file") << "Yes"   << "full" << false;
        // clang-format on
    }
    // The board as a file to send: a landscape page of text and lines, under
    // a name made of the date and the teams; a failed write leaves nothing.
    void savesAPdf()
    {
        QFETCH(QString, route);
        QFETCH(QString, folder);
        QFETCH(bool, written);
        win().txtGameDate->setText(u"09/14/2025"_s);
        win().Combo1[1]->setEditText(u"Dallas"_s);
        win().Combo1[2]->setEditText(u"Denver"_s);
        win().Imput[0]->setText(u"<b>Ann</b>"_s);
        win().Imput[99]->setText(u"Zo\u00eb & co"_s);
        w->dialogs.setNextAnswer(Dialogs::Answer::Yes); // the unsold squares
        win().Command3->click();
        const QString path = QDir(data->dir()).filePath(folder + u"/board.pdf"_s);
        QFile older(path); // a full disk takes the new document, never the older one
        QVERIFY(folder != u"full"_s || (QDir().mkpath(QFileInfo(path).path()) &&
                                        older.open(QIODevice::WriteOnly) && older.write("old")));
        older.close();
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit full{4096, limit.rlim_max};
        QVERIFY(folder != u"full"_s || setrlimit(RLIMIT_FSIZE, &full) == 0);
        auto restore = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &limit); });
        const bool shortcut = route == u"shortcut"_s;
        if (!shortcut)
            w->dialogs.setNextInput(u"1"_s); // copies
        if (!folder.isEmpty())
            w->dialogs.setNextInput(path);
        if (shortcut) {
            QTest::keyClick(&win(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            w->print.noPrinter = true;
            w->dialogs.setNextAnswer(route == u"Yes"_s ? Dialogs::Answer::Yes
                                                       : Dialogs::Answer::No);
            win().cmdPrint->click();
            QVERIFY(w->messages().contains(
                u"No printer is available. Save the board as a PDF file instead?"_s));
        }
        restore.dismiss(), setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(QFileInfo::exists(path), written || folder == u"full"_s);
        if (route != u"No"_s)
            QVERIFY(std::ranges::any_of(w->dialogs.shown(), [](const Dialogs::Shown &s) {
                return s.defaultText.endsWith(u"/09-14-2025 Dallas vs Denver.pdf"_s);
            }));
        if (written) { // text, not a picture
            const QString text = runTool(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
            for (const QString &shown : {u"09/14/2025 Dallas VS Denver"_s, u"<b>Ann</b>"_s,
                                         u"Zo\u00eb & co"_s, u"Digits drawn"_s})
                QVERIFY2(text.contains(shown), qPrintable(shown + u" in: "_s + text));
            QStringList columns; // the column digits in a row of their own
            for (int i = 0; i < 10; ++i)
                columns << win().Number[i]->text();
            QVERIFY2(text.contains(
                         QRegularExpression(u"\\n\\s*"_s + columns.join(u"\\s+"_s) + u"\\s*\\n"_s)),
                     qPrintable(text));
            QVERIFY(!readPdf(path).contains(u"/Subtype /Image"_s));
            QVERIFY(runTool(u"pdfinfo"_s, {path}).contains(u"792 x 612 pts (letter)"_s));
            const mode_t mask = ::umask(0); // the user's usual mode, not the temporary file's
            ::umask(mask);
            struct stat file = {};
            QVERIFY(::stat(QFile::encodeName(path).constData(), &file) == 0);
            QCOMPARE(file.st_mode & 0777, 0666 & ~mask);
        }
        if (folder == u"gone"_s || folder == u"full"_s)
            QVERIFY(w->messages().last().startsWith(u"The board could not be saved as"_s));
        if (folder == u"full"_s)
            QVERIFY(older.open(QIODevice::ReadOnly) && older.readAll() == "old");
        QCOMPARE(QFileInfo(path).dir().entryList({u".quadrix-*"_s}, QDir::Files | QDir::Hidden),
                 QStringList()); // no half-written file
    }

    // A board drawn again and again keeps its grid: the latest draws fit
    // under it and the earlier ones are counted.
    void manyDrawsKeepTheBoard()
    {
        BoardPage::Content page;
        page.squares = QStringList(100, QString());
        page.squares[55] = u"Lee"_s;
        for (int i = 0; i < 60; ++i)
            page.draws << u"Digits drawn %1"_s.arg(i);
        const QString path = QDir(data->dir()).filePath(u"draws.pdf"_s);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QVERIFY(BoardPage::print(printer, page));
        const QString text = runTool(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
        QVERIFY2(text.contains(u"Lee"_s) && text.contains(u"Digits drawn 59\n"_s) &&
                     !text.contains(u"Digits drawn 0\n"_s) &&
                     text.contains(QRegularExpression(u"\\d+ earlier draws are kept"_s)),
                 qPrintable(text));
        QVERIFY(runTool(u"pdfinfo"_s, {path}).contains(QRegularExpression(u"Pages: +1\\n"_s)));
    }

    void copiesFrom_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("copies"); // 0: refused
        // clang-format off
        QTest::newRow("largest") << "en_US" << "32767" << 32767;
        QTest::newRow("one more") << "en_US" << "32768" << 0;
        QTest::newRow("half to even, up") << "en_US" << "1.5" << 2;
        QTest::newRow("rounds up to one") << "en_US" << "0.6" << 1;
        QTest::newRow("half to even, down to none") << "en_US" << "0.5" << 0;
        QTest::newRow("rounds past the largest") << "en_US" << "32767.5" << 0;
        QTest::newRow("grouping") << "en_US" << "1,000" << 1000;
        QTest::newRow("German grouping") << "de_DE" << "1.000" << 1000;
        QTest::newRow("German decimals") << "de_DE" << "3,0" << 3;
        QTest::newRow("infinity") << "en_US" << "inf" << 0;
        // clang-format on
    }
    void copiesFrom()
    {
        QFETCH(QString, locale);
        QFETCH(QString, answer);
        QFETCH(int, copies);
        QCOMPARE(PrintJob::copiesFrom(answer, QLocale(locale)).value_or(0), copies);
    }

    void links_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("page"); // "-": nothing opens
        for (const char *mode : {"browse", "editing", "no browser"}) {
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
        if (mode == QLatin1String("editing"))
            win().cmdAdd_Click();
        w->urls.noBrowser = mode == QLatin1String("no browser");
        win().Imput[37]->setText(u"Ann"_s);
        win().Combo1[1]->setEditText(u"Denver"_s);
        if (win().Imput[37]->isEnabled())
            win().Imput[37]->setFocus();
        // What a click on a link must leave as it was.
        const auto snapshot = [&s = win()] {
            QStringList state{s.windowTitle(),
                              QString::asprintf("%d%d %p", int(s.document().mode()), s.isLocked(),
                                                static_cast<void *>(QApplication::focusWidget()))};
            for (const QWidget *widget : s.findChildren<QWidget *>())
                state << widget->property("text").toString() + QChar(u'0' + widget->isVisible()) +
                             QChar(u'0' + widget->isEnabled());
            return state;
        };
        const QStringList before = snapshot();
        QTest::mouseClick(win().findChild<QLabel *>(label), Qt::LeftButton);
        // The program's own page, in the program's folder (here the test's).
        const QString expected = "file://" + QDir(data->dir()).absolutePath() + "/" + page;
        QCOMPARE(w->urls.opened,
                 page == QLatin1String("-") ? QList<QUrl>{} : QList<QUrl>{QUrl(expected)});
        QCOMPARE(snapshot(), before);
        // Only help that cannot be opened says so, naming where it is.
        QCOMPARE(w->messages(),
                 w->urls.noBrowser && label == "Label8"
                     ? QStringList{"Quadrix could not open the help page in a web browser. The "
                                   "help page is the file '" +
                                   QDir(data->dir()).absoluteFilePath("help.html") + "'."}
                     : QStringList{});
    }

    // The shipped help page stands on its own: nothing from elsewhere, and
    // every link inside it leads somewhere.
    void helpPage()
    {
        const QString html = QString::fromUtf8(
            contents(QDir(qEnvironmentVariable("QUADRIX_TEST_DATA")).filePath("help.html")));
        QVERIFY(html.contains(R"(<h2 id="about">About Quadrix</h2>)"));
        // The quarter is chosen before its scores are typed, or the winner of
        // the quarter before is written over.
        QVERIFY(html.indexOf("choose the quarter") < html.indexOf("Then type the scores"));
        QVERIFY(html.contains("Team 1's score reads down the\nleft side"));
        for (const char *outside : {"src=", "<link", "<script", "url(", "@import", "http"})
            QVERIFY2(!html.contains(QLatin1String(outside), Qt::CaseInsensitive), outside);
        static const QRegularExpression href(u"href=\"([^\"]*)\""_s);
        for (auto m = href.globalMatch(html); m.hasNext();) {
            const QString target = m.next().captured(1);
            QVERIFY2(target.startsWith(u'#') && html.contains("id=\"" + target.mid(1) + "\""),
                     qPrintable(target));
        }
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
