#pragma once

#include <QCoreApplication>
#include <QString>
#include <exception>

// The error a failing step hands up to the command that started it. It
// carries what the error report shows: a number in the style users of pool
// programs know (3024 file not found, 3021 no current record, ...), the
// component that raised it and a sentence for the user.
class PoolError : public std::exception
{
public:
    PoolError(int number, QString source, QString description)
        : m_number(number), m_source(std::move(source)), m_description(std::move(description)),
          m_what(m_description.toUtf8())
    {
    }

    int number() const { return m_number; }
    const QString &source() const { return m_source; }
    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_source;
    QString m_description;
    QByteArray m_what;
};

// The error numbers the store raises.
namespace ErrorNumber {
constexpr int TypeMismatch = 13;
constexpr int StoreFailure = 3000;
constexpr int NoCurrentRecord = 3021;
constexpr int FileNotFound = 3024;
constexpr int ReadOnly = 3027;
constexpr int DiskFull = 3035;
constexpr int DiskError = 3043;
constexpr int InvalidPath = 3044;
constexpr int CannotOpen = 3051;
constexpr int NoTable = 3078;
constexpr int LockedByAnother = 3260;
constexpr int MissingColumn = 3265;
constexpr int NotADatabase = 3343;
} // namespace ErrorNumber

// The source named in reports of the store's errors.
inline const QString kStoreSource = QStringLiteral("Quadrix pool store");

// A move or a save with no pool to act on.
inline PoolError noCurrentRecord()
{
    return PoolError(ErrorNumber::NoCurrentRecord, kStoreSource,
                     QCoreApplication::translate("PoolError", "No current record."));
}
