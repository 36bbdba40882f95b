#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

#include <array>

class PoolDatabase;

// Every pool of the file, one row each, for the list the user finds a pool
// in. A season's file may hold a hundred thousand pools and the list must
// open at once, so it never reads them all: it keeps only the keys of the
// pools in the order shown (one query over the dates) and reads a row's
// figures when a view first asks for it, a page of rows at a time, keeping
// the last few pages.
class PoolList : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Date,
        Team1,
        Team2,
        Sold,
        Amount,
        Locked,
        AllWon,
        ColumnCount
    };

    explicit PoolList(PoolDatabase &db, QObject *parent = nullptr);

    // Reads the keys again for the filter and the order; throws PoolError
    // with the list as it was.
    void refresh();
    // Only the pools with a team or a player whose name holds the text (in
    // any letter case); all pools for an empty text. Throws PoolError.
    void setFilter(const QString &text);
    QString filter() const { return m_filter; }

    // The date sorts as a date, the teams as text in any letter case, the
    // flags with no before yes; the counts are read per page, so they do
    // not sort.
    static bool isSortable(int column);
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    // A failure keeps the order as it was; error() then says why.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    qint64 idAt(int row) const { return m_ids.value(row); }
    int rowOf(qint64 id) const { return int(m_ids.indexOf(id)); }
    // The last failure to read the file, empty when none: a view cannot
    // take an exception, so a page that cannot be read shows empty rows
    // until the next refresh, and readFailed says why, once.
    QString error() const { return m_error; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static constexpr int kPageSize = 100;
    // Pages kept; the rest are read again when scrolled back to.
    static constexpr int kPagesKept = 16;
    // How many pages have been read from the file since the last refresh
    // (the tests see that opening a long list reads only what is shown).
    int pagesRead() const { return m_pagesRead; }

signals:
    void readFailed(const QString &why);

private:
    using Row = std::array<QString, ColumnCount>;
    const Row &rowAt(int row) const;
    void readPage(int page) const;

    PoolDatabase &m_db;
    QString m_filter;
    int m_sortColumn = Date;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QList<qint64> m_ids;
    mutable QHash<int, QList<Row>> m_pages;
    mutable QList<int> m_pageOrder; // oldest read first
    mutable QString m_error;
    mutable int m_pagesRead = 0;
    mutable bool m_failureTold = false;
};
