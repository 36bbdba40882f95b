#pragma once

#include "diskshim.h"

#include "app/dialogs.h"
#include "app/frmScore/frmScore.h"
#include "app/urlopener.h"
#include "board/randomsource.h"
#include "print/printseam.h"
#include "store/poolstore.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <sqlite3.h>

using namespace Qt::StringLiterals; // u"text"_s in the tests

// Records the addresses the window would have opened.
class RecordingOpener : public UrlOpener
{
public:
    bool open(const QUrl &url) override
    {
        opened.append(url);
        return !noBrowser;
    }
    QList<QUrl> opened;
    bool noBrowser = false;
};

// Prints into a PDF file in the test's folder; "no printer" on request.
class PdfPrintSeam : public PrintSeam
{
public:
    explicit PdfPrintSeam(QString pdfPath) : pdfPath(std::move(pdfPath)) {}
    std::unique_ptr<QPrinter> printer() override
    {
        if (noPrinter)
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
        return printer;
    }
    QString pdfPath;
    bool noPrinter = false;
};

using PoolValues = QHash<QString, QVariant>;

// A fresh data folder with an empty pool file, the shipped team lists, and
// settings of its own; nothing of the user's is read or written.
class TestData
{
public:
    TestData();
    ~TestData() { DiskShim::heal(); }
    QString dir() const { return m_dir.path(); }
    QString poolFile() const { return QDir(dir()).filePath(Schema::kFileName); }
    QString logFile() const { return QDir(dir()).filePath(u"Quadrix.log"_s); }

    // Writes a pool straight into the file (columns not named stay Null);
    // returns its key.
    qint64 addPool(const PoolValues &values);
    // Reads one column of a stored pool.
    QVariant stored(qint64 id, const QString &column);
    // Every pool in the file (or in another pool file) by key: every column,
    // its payments ("Payments": "player=paid;" for each), its plan ("Plan")
    // and its scores ("Scores": "period=score1=score2;" for each);
    // integrity is set to what the engine's integrity check says ("ok" for a
    // sound file).
    QMap<qint64, PoolValues> allPools(QString *integrity = nullptr, QString path = {});
    int poolCount() { return int(allPools().size()); }
    void writeTeamList(const QString &fileName, const QByteArray &contents);

private:
    QTemporaryDir m_dir;
};

// A connection of its own to a pool file, as another program's: it runs
// statements; with hold it keeps the file locked in a write until destroyed.
class OtherProgram
{
public:
    explicit OtherProgram(const QString &path, bool hold = false);
    ~OtherProgram();
    void exec(const QString &statement);
    QSqlDatabase db() const { return QSqlDatabase::database(m_name); }

private:
    QString m_name;
    bool m_hold;
};

// The main window over a TestData folder, with scripted dialogs, a seeded
// random source, a recording URL opener and a PDF printer, shown and active.
class TestWindow
{
public:
    explicit TestWindow(TestData &data, bool load = true, std::uint64_t seed = 12345);
    ~TestWindow()
    {
        if (window)
            window->hide();
    }

    frmScore *operator->() { return window.get(); }
    frmScore &w() { return *window; }

    // Every message shown so far, oldest first.
    QStringList messages() const { return dialogs.shownTexts(); }

    Dialogs dialogs;
    PoolStore store;
    RandomSource random;
    RecordingOpener urls;
    PdfPrintSeam print;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<frmScore> window;
};

// What a save stores from the board: every column but ID, Date and Password,
// read from the controls as the user sees them.
PoolValues boardValues(frmScore &w);

// Where the board fails to show the stored pool as a load must show it (a
// cleared board when pool is empty); the empty text when it shows it.
QString boardMismatch(frmScore &w, const PoolValues &pool);

// Whether two stored values are the same: both Null, or the same text.
inline bool sameValue(const QVariant &a, const QVariant &b)
{
    return a.isNull() == b.isNull() && a.toString() == b.toString();
}

// A file's bytes; none when it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a tool prints (pdftotext, pdfinfo from poppler-utils), or why it
// did not run.
inline QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput())
                                     : u"%1 did not run (poppler-utils)"_s.arg(tool);
}

// Typical values of a whole pool, for tests that need one.
PoolValues samplePool(const QString &date, const QString &team1, const QString &team2);

// The focusable controls under a window that have no name for a screen
// reader or share one; hidden parts (a closed list) are not read. Empty
// when every control is named apart.
QString unnamedControls(QWidget *top);

// The access keys (Alt+letter) that two captions of one window share.
QString clashingAccessKeys(QWidget *window);
