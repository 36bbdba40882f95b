// Printing the board: the copies prompt, the refusals, and the document
// that reaches the printer (a PDF file here), read back and checked.
#include "print/printjob.h"
#include "support/testwindow.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <optional>

namespace {

// What the tests need to know of a PDF written by Qt: its pages, with their
// media boxes and drawing commands, and its pictures.
struct PdfDocument
{
    struct Page
    {
        QRectF mediaBox;
        QByteArray content;
    };
    QList<Page> pages;
    QList<QImage> images;
};

QByteArray objectStream(const QByteArray &pdf, int number)
{
    const qsizetype object = pdf.indexOf(QByteArray::number(number) + " 0 obj");
    const qsizetype start = pdf.indexOf("stream\n", object) + 7;
    const qsizetype end = pdf.indexOf("endstream", start);
    if (object < 0 || start < 7 || end < 0)
        return {};
    return pdf.mid(start, end - start).trimmed();
}

QByteArray inflate(const QByteArray &deflated)
{
    // qUncompress wants the expected size in front; it grows past a guess.
    return qUncompress(QByteArray("\x00\x01\x00\x00", 4) + deflated);
}

PdfDocument readPdf(const QString &path)
{
    PdfDocument doc;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return doc;
    const QByteArray pdf = file.readAll();
    static const QRegularExpression page(
        QStringLiteral(R"(/Type /Page\s[^>]*?/Contents (\d+) 0 R[^>]*?/MediaBox \[([\d.]+) )"
                       R"(([\d.]+) ([\d.]+) ([\d.]+)\])"));
    for (auto m = page.globalMatch(QString::fromLatin1(pdf)); m.hasNext();) {
        const auto match = m.next();
        const double x0 = match.captured(2).toDouble(), y0 = match.captured(3).toDouble();
        doc.pages.append({QRectF(QPointF(x0, y0), QPointF(match.captured(4).toDouble(),
                                                          match.captured(5).toDouble())),
                          inflate(objectStream(pdf, match.captured(1).toInt()))});
    }
    static const QRegularExpression image(QStringLiteral(
        R"((\d+) 0 obj\s*<<\s*/Type /XObject\s*/Subtype /Image\s*/Width (\d+)\s*/Height (\d+))"
        R"([^>]*?/Filter /(\w+))"));
    for (auto m = image.globalMatch(QString::fromLatin1(pdf)); m.hasNext();) {
        const auto match = m.next();
        const QByteArray data = objectStream(pdf, match.captured(1).toInt());
        const int width = match.captured(2).toInt(), height = match.captured(3).toInt();
        if (match.captured(4) == QLatin1String("DCTDecode")) {
            doc.images.append(QImage::fromData(data, "JPEG"));
        } else {
            const QByteArray rgb = inflate(data);
            QImage raw(reinterpret_cast<const uchar *>(rgb.constData()), width, height, width * 3,
                       QImage::Format_RGB888);
            doc.images.append(rgb.size() == width * height * 3 ? raw.copy() : QImage());
        }
    }
    return doc;
}

// The drawing of a picture in a page's commands: its size and its top-left
// corner in the printer's units.
std::optional<QRectF> drawnPicture(const QByteArray &content)
{
    static const QRegularExpression draw(
        QStringLiteral(R"(([\d.]+) 0 0 -([\d.]+) ([\d.-]+) ([\d.-]+) cm /Im\d+\s+Do)"));
    const auto match = draw.match(QString::fromLatin1(content));
    if (!match.hasMatch())
        return std::nullopt;
    const double width = match.captured(1).toDouble(), height = match.captured(2).toDouble();
    return QRectF(match.captured(3).toDouble(), match.captured(4).toDouble() - height, width,
                  height);
}

// Mean difference of two pictures per colour channel, on a coarse grid.
double difference(const QImage &a, const QImage &b, const QRect &area)
{
    double sum = 0;
    int samples = 0;
    for (int y = area.top(); y <= area.bottom(); y += 3) {
        for (int x = area.left(); x <= area.right(); x += 3) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue());
            samples += 3;
        }
    }
    return samples ? sum / samples : 0;
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void prints_data();
    void prints();
    void refuses_data();
    void refuses();
    void eachPrintTakesANewPicture();
    void copiesFrom_data();
    void copiesFrom();
    void placement_data();
    void placement();

private:
    frmScore &win() { return w->w(); }
    PdfDocument printed() { return readPdf(w->print.pdfPath); }

    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> w;
};

void TestPrint::init()
{
    data = std::make_unique<TestData>();
    w = std::make_unique<TestWindow>(*data);
}

void TestPrint::cleanup()
{
    w.reset();
    data.reset();
}

void TestPrint::prints_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("copies");
    QTest::newRow("one copy") << "1" << 1;
    QTest::newRow("three copies") << "3" << 3;
    QTest::newRow("blanks around the number") << " 2 " << 2;
    QTest::newRow("a whole number with decimals") << "2.00" << 2;
}

// One landscape document holding the window's picture at its screen size at
// the top-left corner, in as many copies as asked for (the PDF printer makes
// no copies itself, so each copy is a page).
void TestPrint::prints()
{
    QFETCH(QString, answer);
    QFETCH(int, copies);
    w->dialogs.setNextInput(answer);
    win().cmdPrint->click();

    QCOMPARE(w->dialogs.shown().size(), 1);
    const Dialogs::Shown &prompt = w->dialogs.shown().first();
    QCOMPARE(prompt.kind, Dialogs::Shown::Kind::Input);
    QCOMPARE(prompt.text, QStringLiteral("How many Copies Do You Want?"));
    QCOMPARE(prompt.title, QStringLiteral("How many Copies?"));
    QCOMPARE(prompt.defaultText, QString());
    QCOMPARE(win().PrintCopies, answer);
    QCOMPARE(w->print.printersMade, 1);

    const PdfDocument pdf = printed();
    QCOMPARE(pdf.pages.size(), copies);
    QCOMPARE(pdf.images.size(), 1); // one picture, drawn on every page
    // The offscreen screen and the test printer both have 96 dots per inch,
    // so the natural size in printer dots is the size in screen pixels.
    const QSize window = win().frameGeometry().size();
    QCOMPARE(pdf.images.first().size(), window);
    for (const PdfDocument::Page &page : pdf.pages) {
        QVERIFY2(page.mediaBox.width() > page.mediaBox.height(), "not landscape");
        const std::optional<QRectF> drawn = drawnPicture(page.content);
        QVERIFY2(drawn, page.content.constData());
        QCOMPARE(*drawn, QRectF(QPointF(0, 0), QSizeF(window)));
    }
}

void TestPrint::refuses_data()
{
    QTest::addColumn<bool>("noPrinter");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");

    const QString noPrinter = QStringLiteral("No printer is available, so nothing was printed.");
    const QString number = QStringLiteral("Please enter a whole number of copies from 1 to 32767.");
    QTest::newRow("Cancel") << false << ""
                            << "";
    QTest::newRow("Cancel without a printer") << true << ""
                                              << "";
    QTest::newRow("no printer") << true << "3" << noPrinter;
    QTest::newRow("no printer, not a number") << true << "abc" << noPrinter;
    QTest::newRow("0") << false << "0" << number;
    QTest::newRow("negative") << false << "-2" << number;
    QTest::newRow("abc") << false << "abc" << number;
    QTest::newRow("a number and words") << false << "3 copies" << number;
    QTest::newRow("a fraction") << false << "2.5" << number;
    QTest::newRow("one too many") << false << "32768" << number;
    QTest::newRow("40000") << false << "40000" << number;
    QTest::newRow("blanks only") << false << "   " << number;
}

// Nothing is printed; a clear message tells why, except after Cancel.
void TestPrint::refuses()
{
    QFETCH(bool, noPrinter);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    w->print.noPrinter = noPrinter;
    win().PrintCopies = QStringLiteral("7");
    w->dialogs.setNextInput(answer);
    win().cmdPrint_Click();

    QCOMPARE(win().PrintCopies, answer);
    QStringList expected{QStringLiteral("How many Copies Do You Want?")};
    if (!message.isEmpty())
        expected << message;
    QCOMPARE(w->messages(), expected);
    if (!message.isEmpty())
        QCOMPARE(w->dialogs.shown().last().title, QStringLiteral("Quadrix"));
    QVERIFY(!QFile::exists(w->print.pdfPath));
}

// The picture is taken at each click: a second print shows the board as it
// is then, and each picture is the window as it looked.
void TestPrint::eachPrintTakesANewPicture()
{
    w->dialogs.setNextInput(QStringLiteral("1"));
    win().cmdPrint_Click();
    const QImage first = printed().images.value(0);
    const QImage shownFirst = w->print.capture(w->window.get()).toImage();

    win().Who[0]->setText(QStringLiteral("WWWWWWWWWW"));
    QFile::remove(w->print.pdfPath);
    w->dialogs.setNextInput(QStringLiteral("1"));
    win().cmdPrint_Click();
    const QImage second = printed().images.value(0);
    const QImage shownSecond = w->print.capture(w->window.get()).toImage();
    QCOMPARE(w->print.printersMade, 2);

    QVERIFY(!first.isNull() && !second.isNull());
    const QRect whole(QPoint(0, 0), first.size());
    const QPoint frame = win().geometry().topLeft() - win().frameGeometry().topLeft();
    const QRect winnerBox(win().Who[0]->mapTo(&win(), QPoint(0, 0)) + frame, win().Who[0]->size());
    // The pictures are compressed with losses: they match the window
    // closely, not exactly.
    QVERIFY(difference(first, shownFirst, whole) < 4);
    QVERIFY(difference(second, shownSecond, whole) < 4);
    QVERIFY(difference(first, second, winnerBox) > 20);
}

void TestPrint::copiesFrom_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("copies"); // 0: refused

    QTest::newRow("1") << "en_US"
                       << "1" << 1;
    QTest::newRow("largest") << "en_US"
                             << "32767" << 32767;
    QTest::newRow("one more") << "en_US"
                              << "32768" << 0;
    QTest::newRow("grouping") << "en_US"
                              << "1,000" << 1000;
    QTest::newRow("German grouping") << "de_DE"
                                     << "1.000" << 1000;
    QTest::newRow("German decimals") << "de_DE"
                                     << "3,0" << 3;
    QTest::newRow("German fraction") << "de_DE"
                                     << "2,5" << 0;
    QTest::newRow("empty") << "en_US"
                           << "" << 0;
    QTest::newRow("infinity") << "en_US"
                              << "inf" << 0;
}

void TestPrint::copiesFrom()
{
    QFETCH(QString, locale);
    QFETCH(QString, answer);
    QFETCH(int, copies);
    const std::optional<int> read = PrintJob::copiesFrom(answer, QLocale(locale));
    QCOMPARE(read.value_or(0), copies);
}

void TestPrint::placement_data()
{
    QTest::addColumn<QSizeF>("screenSize");
    QTest::addColumn<double>("screenDpi");
    QTest::addColumn<double>("printerDpi");
    QTest::addColumn<QRectF>("placed");

    QTest::newRow("same resolution") << QSizeF(908, 743) << 96.0 << 96.0 << QRectF(0, 0, 908, 743);
    QTest::newRow("a 1200 dpi printer")
        << QSizeF(908, 743) << 96.0 << 1200.0 << QRectF(0, 0, 11350, 9287.5);
    QTest::newRow("a 120 dpi screen")
        << QSizeF(600, 400) << 120.0 << 600.0 << QRectF(0, 0, 3000, 2000);
}

// The picture keeps the size it has on the screen, in inches.
void TestPrint::placement()
{
    QFETCH(QSizeF, screenSize);
    QFETCH(double, screenDpi);
    QFETCH(double, printerDpi);
    QFETCH(QRectF, placed);
    QCOMPARE(PrintJob::placement(screenSize, screenDpi, screenDpi, printerDpi, printerDpi), placed);
}

QTEST_MAIN(TestPrint)
#include "test_print.moc"
