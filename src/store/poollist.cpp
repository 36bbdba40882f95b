#include "poollist.h"

#include "board/boardrules.h"
#include "money/money.h"
#include "pooldatabase.h"
#include "schema.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <sqlite3.h>

#include <algorithm>

namespace {

// A text as long as a column may hold takes the view seconds to lay out;
// the list shows the start of it.
constexpr qsizetype kShownText = 200;

QStringList quarterColumns()
{
    QStringList columns;
    for (int q = 1; q <= 4; ++q)
        columns << Schema::quarterColumn(q);
    return columns;
}

QString filled(const QString &column)
{
    return QStringLiteral("coalesce(%1, '') <> ''").arg(column);
}

// What a column sorts by, in SQL built from the schema's names; the date
// "mm/dd/yyyy" as year, month and day.
QString sortKey(int column)
{
    switch (column) {
    case PoolList::Date:
        return QStringLiteral("substr(Date, 7, 4) || substr(Date, 1, 2) || substr(Date, 4, 2)");
    case PoolList::Team1:
        return QStringLiteral("Team1 COLLATE NOCASE");
    case PoolList::Team2:
        return QStringLiteral("Team2 COLLATE NOCASE");
    case PoolList::Locked:
        return QStringLiteral("(%1)").arg(filled(Schema::kPassword));
    case PoolList::AllWon: {
        QStringList all;
        for (const QString &winner : quarterColumns())
            all << filled(winner);
        return QStringLiteral("(%1)").arg(all.join(QStringLiteral(" AND ")));
    }
    default:
        return {};
    }
}

// The columns a name is looked for in: the two teams and every square.
QStringList namedColumns()
{
    QStringList columns{QStringLiteral("Team1"), QStringLiteral("Team2")};
    for (int i = 0; i < Schema::kSquareCount; ++i)
        columns << Schema::imColumn(i);
    return columns;
}

// Whether a text holds another in any letter case, for names beyond plain
// ASCII letters, whose case the engine's LIKE does not know.
void holdsText(sqlite3_context *context, int, sqlite3_value **values)
{
    const auto text = [](sqlite3_value *value) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(value)),
                                 sqlite3_value_bytes(value));
    };
    sqlite3_result_int(context, text(values[0]).contains(text(values[1]), Qt::CaseInsensitive));
}

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 128; });
}

// LIKE takes % and _ as wildcards; a name may hold either.
QString likePattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// The page statement's columns: the key, then what a row shows.
const QStringList &pageColumns()
{
    static const QStringList columns = [] {
        QStringList c{Schema::kId,
                      Schema::kDate,
                      QStringLiteral("Team1"),
                      QStringLiteral("Team2"),
                      QStringLiteral("PoolAmount"),
                      Schema::kPassword};
        c << quarterColumns();
        for (int i = 0; i < Schema::kSquareCount; ++i)
            c << Schema::imColumn(i);
        return c;
    }();
    return columns;
}

QString yesNo(bool yes)
{
    return yes ? QCoreApplication::translate("PoolList", "Yes")
               : QCoreApplication::translate("PoolList", "No");
}

} // namespace

PoolList::PoolList(PoolDatabase &db, QObject *parent) : QAbstractTableModel(parent), m_db(db)
{
    if (sqlite3 *handle = m_db.handle())
        sqlite3_create_function_v2(handle, "quadrix_holds", 2,
                                   SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY, nullptr,
                                   holdsText, nullptr, nullptr, nullptr);
}

bool PoolList::isSortable(int column)
{
    return !sortKey(column).isEmpty();
}

void PoolList::refresh()
{
    QString sql = QStringLiteral("SELECT ID FROM Football");
    const QStringList columns = namedColumns();
    // LIKE is quick and knows the case of plain letters; a name with others
    // is looked for by the program's own comparison.
    const bool ascii = isAscii(m_filter);
    if (!m_filter.isEmpty()) {
        QStringList any;
        for (const QString &column : columns)
            any << (ascii ? QStringLiteral("%1 LIKE ? ESCAPE '\\'")
                          : QStringLiteral("quadrix_holds(%1, ?)"))
                       .arg(column);
        sql += QStringLiteral(" WHERE ") + any.join(QStringLiteral(" OR "));
    }
    const QString direction =
        m_sortOrder == Qt::DescendingOrder ? QStringLiteral(" DESC") : QString();
    sql += QStringLiteral(" ORDER BY %1%2, ID%2").arg(sortKey(m_sortColumn), direction);

    QSqlQuery &query = m_db.prepared(sql);
    if (!m_filter.isEmpty())
        for (int i = 0; i < columns.size(); ++i)
            query.bindValue(i, ascii ? likePattern(m_filter) : m_filter);
    m_db.run(query);
    QList<qint64> ids;
    while (query.next())
        ids << query.value(0).toLongLong();
    query.finish();

    beginResetModel();
    m_ids = std::move(ids);
    m_pages.clear();
    m_pageOrder.clear();
    m_pagesRead = 0;
    m_error.clear();
    m_failureTold = false;
    endResetModel();
}

void PoolList::setFilter(const QString &text)
{
    const QString before = m_filter;
    m_filter = text.trimmed();
    try {
        refresh();
    } catch (...) {
        m_filter = before;
        throw;
    }
}

void PoolList::sort(int column, Qt::SortOrder order)
{
    if (!isSortable(column))
        return;
    const int beforeColumn = m_sortColumn;
    const Qt::SortOrder beforeOrder = m_sortOrder;
    m_sortColumn = column;
    m_sortOrder = order;
    try {
        refresh();
    } catch (const PoolError &error) {
        m_sortColumn = beforeColumn;
        m_sortOrder = beforeOrder;
        m_error = error.description();
    }
}

int PoolList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

int PoolList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

void PoolList::readPage(int page) const
{
    // One statement per page: the keys of the page bound to a fixed number
    // of places, the places past the list's end bound to no key.
    static const QString sql = [] {
        QStringList places;
        for (int i = 0; i < kPageSize; ++i)
            places << QStringLiteral("?");
        return QStringLiteral("SELECT %1 FROM Football WHERE ID IN (%2)")
            .arg(pageColumns().join(QStringLiteral(", ")), places.join(QStringLiteral(", ")));
    }();
    const int first = page * kPageSize;
    QHash<qint64, int> rowOfId;
    QList<Row> rows(qMin<qsizetype>(kPageSize, m_ids.size() - first));
    QSqlQuery &query = m_db.prepared(sql);
    for (int i = 0; i < kPageSize; ++i) {
        const qint64 id = first + i < m_ids.size() ? m_ids[first + i] : -1;
        query.bindValue(i, id);
        rowOfId.insert(id, i);
    }
    m_db.run(query);
    const int squaresFrom = 6 + 4;
    while (query.next()) {
        const int index = rowOfId.value(query.value(0).toLongLong(), -1);
        if (index < 0 || index >= rows.size())
            continue;
        const auto text = [&](int column) {
            return query.value(column).toString().left(kShownText);
        };
        Row &row = rows[index];
        row[Date] = text(1);
        row[Team1] = text(2);
        row[Team2] = text(3);
        // An amount as the board shows it; one that is no number as stored.
        const std::optional<double> amount = Money::poolAmount(text(4));
        row[Amount] = amount ? Money::currencyOfCents(Money::toCents(*amount)) : text(4);
        row[Locked] = yesNo(!query.value(5).toString().isEmpty());
        bool allWon = true;
        for (int q = 0; q < 4; ++q)
            allWon = allWon && !query.value(6 + q).toString().isEmpty();
        row[AllWon] = yesNo(allWon);
        QStringList squares;
        for (int i = 0; i < Schema::kSquareCount; ++i)
            squares << query.value(squaresFrom + i).toString();
        row[Sold] = QString::number(BoardRules::countTaken(squares));
    }
    query.finish();
    m_pages.insert(page, rows);
    m_pageOrder << page;
    ++m_pagesRead;
    while (m_pageOrder.size() > kPagesKept)
        m_pages.remove(m_pageOrder.takeFirst());
}

const PoolList::Row &PoolList::rowAt(int row) const
{
    static const Row none;
    const int page = row / kPageSize;
    if (!m_pages.contains(page)) {
        try {
            readPage(page);
        } catch (const PoolError &error) {
            // Empty rows until the next refresh: each cell asking again would
            // wait for the file each time.
            m_error = error.description();
            m_pages.insert(page, QList<Row>(kPageSize));
            m_pageOrder << page;
            if (!std::exchange(m_failureTold, true)) {
                auto *self = const_cast<PoolList *>(this);
                QMetaObject::invokeMethod(
                    self, [self] { emit self->readFailed(self->m_error); }, Qt::QueuedConnection);
            }
            return none;
        }
    }
    const QList<Row> &rows = m_pages[page];
    return row % kPageSize < rows.size() ? rows[row % kPageSize] : none;
}

QVariant PoolList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_ids.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return rowAt(index.row())[index.column()];
    case Qt::TextAlignmentRole:
        if (index.column() == Sold || index.column() == Amount)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant PoolList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Date:
        return QCoreApplication::translate("PoolList", "Game date");
    case Team1:
        return QCoreApplication::translate("PoolList", "Team 1");
    case Team2:
        return QCoreApplication::translate("PoolList", "Team 2");
    case Sold:
        return QCoreApplication::translate("PoolList", "Squares sold");
    case Amount:
        return QCoreApplication::translate("PoolList", "Pool amount");
    case Locked:
        return QCoreApplication::translate("PoolList", "Locked");
    case AllWon:
        return QCoreApplication::translate("PoolList", "Every quarter won");
    }
    return {};
}
