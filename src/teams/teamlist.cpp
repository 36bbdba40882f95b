#include "teamlist.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The characters Windows-1252 puts where Latin-1 has control codes
// (0x80 to 0x9F); a zero leaves the byte as it is in Latin-1.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Lists written by this program's users are UTF-8 or, from older Windows
// editors, Windows-1252; anything that is not valid UTF-8 is read as the
// latter so that every byte gives some character.
QString decode(const QByteArray &contents)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(contents);
    if (utf8.hasError()) {
        text.resize(contents.size());
        for (qsizetype i = 0; i < contents.size(); ++i) {
            const auto byte = static_cast<unsigned char>(contents[i]);
            const char16_t mapped =
                byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t(0);
            text[i] = QChar(mapped ? mapped : char16_t(byte));
        }
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}
bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Removes what a combo box cannot show sensibly: NULs, escapes and the like.
QString withoutControls(QString entry)
{
    entry.removeIf([](QChar c) {
        return c != u'\t' && (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0));
    });
    return entry;
}

} // namespace

namespace TeamList {

QStringList parse(const QByteArray &contents)
{
    const QString text = decode(contents);
    const qsizetype n = text.size();
    QStringList entries;
    qsizetype i = 0;
    while (i < n) {
        while (i < n && isBlank(text[i]))
            ++i;
        if (i == n)
            break;
        if (isLineEnd(text[i]) || text[i] == u',') {
            ++i; // an empty entry, or the end of a line
            continue;
        }
        QString entry;
        if (text[i] == u'"') {
            const qsizetype start = ++i;
            while (i < n && text[i] != u'"' && !isLineEnd(text[i]))
                ++i;
            entry = text.mid(start, i - start);
            // Whatever stands between the closing quote and the next comma
            // is not part of any entry.
            while (i < n && text[i] != u',' && !isLineEnd(text[i]))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u',' && !isLineEnd(text[i]))
                ++i;
            qsizetype end = i;
            while (end > start && isBlank(text[end - 1]))
                --end;
            entry = text.mid(start, end - start);
        }
        if (i < n && text[i] == u',')
            ++i;
        entry = withoutControls(std::move(entry));
        if (!entry.isEmpty())
            entries.append(entry);
    }
    return entries;
}

QStringList readFile(const QString &path, QString *refused)
{
    // Opened without waiting, and checked on the handle itself, so that
    // what is read is what was checked.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat info = {};
    QString problem;
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return {};
    }
    if (!S_ISREG(info.st_mode))
        problem = QCoreApplication::translate(
                      "PoolError", "The team list '%1' is not a file, so it was not read.")
                      .arg(path);
    else if (info.st_size > kMaxBytes)
        problem = QCoreApplication::translate(
                      "PoolError", "The team list '%1' is larger than %2 MB, so it was not read.")
                      .arg(path)
                      .arg(kMaxBytes / (1024 * 1024));
    QFile file;
    if (!problem.isEmpty() || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (refused)
            *refused = problem;
        return {};
    }
    // A file that grew since it was checked is read as large as it was.
    return parse(file.read(qint64(info.st_size)));
}

} // namespace TeamList
