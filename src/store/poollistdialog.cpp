#include "poollistdialog.h"

#include "app/dialogs.h"
#include "poolerror.h"
#include "poollist.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The busy cursor while the file is read for a new order or filter; a
// filter looks through every square of every pool.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

PoolListDialog::PoolListDialog(PoolDatabase &db, Dialogs &dialogs, qint64 current, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    setWindowTitle(tr("All Pools"));
    m_list = new PoolList(db, this);
    {
        const BusyCursor busy;
        m_list->refresh();
    }

    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("&Find a team or player:"), this);
    m_filter = new QLineEdit(this);
    m_filter->setAccessibleName(tr("Find a team or player"));
    m_filter->setClearButtonEnabled(true);
    label->setBuddy(m_filter);
    layout->addWidget(label);
    layout->addWidget(m_filter);

    m_view = new QTableView(this);
    m_view->setModel(m_list);
    m_view->setAccessibleName(tr("Pools"));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setTabKeyNavigation(false);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    // Fixed row heights and column widths: measuring them would read every
    // row of the file.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView *header = m_view->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(m_list->sortColumn(), m_list->sortOrder());
    header->setStretchLastSection(true);
    for (int column = 0; column < PoolList::ColumnCount; ++column) {
        // Wide enough for the heading as the header draws it (with the sort
        // arrow) and for a typical value.
        const QString sample = column == PoolList::Team1 || column == PoolList::Team2
                                   ? QStringLiteral("Detroit Lions")
                                   : QStringLiteral("00/00/0000");
        m_view->setColumnWidth(column, qMax(header->sectionSizeHint(column),
                                            fontMetrics().horizontalAdvance(sample) + 20));
    }
    connect(header, &QHeaderView::sectionClicked, this, &PoolListDialog::sortBy);
    connect(m_view, &QTableView::doubleClicked, this, &PoolListDialog::choosePool);
    layout->addWidget(m_view, 1);

    m_count = new QLabel(this);
    m_count->setTextFormat(Qt::PlainText);
    layout->addWidget(m_count);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *show = buttons->addButton(tr("&Show Pool"), QDialogButtonBox::AcceptRole);
    show->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::accepted, this, &PoolListDialog::choosePool);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // Narrowing looks through the whole file, so it waits until typing
    // pauses; Enter narrows at once.
    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(250);
    connect(m_typing, &QTimer::timeout, this, [this] { applyFilter(); });
    // A page the file would not give is told once; its rows stay empty.
    connect(m_list, &PoolList::readFailed, this,
            [this](const QString &why) { m_dialogs.message(why); });
    connect(m_filter, &QLineEdit::textEdited, m_typing, qOverload<>(&QTimer::start));
    // The arrows move through the list while the typing goes on.
    m_filter->installEventFilter(this);

    choose(current);
    showCount();
    resize(880, 520);
    m_filter->setFocus(Qt::OtherFocusReason);
}

qint64 PoolListDialog::chosenId() const
{
    const QModelIndex index = m_view->currentIndex();
    return index.isValid() ? m_list->idAt(index.row()) : 0;
}

void PoolListDialog::choose(qint64 id)
{
    const int row = qMax(0, m_list->rowOf(id));
    if (row >= m_list->rowCount())
        return;
    const QModelIndex index = m_list->index(row, 0);
    m_view->setCurrentIndex(index);
    m_view->selectRow(row);
    m_view->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

bool PoolListDialog::applyFilter()
{
    m_typing->stop();
    const qint64 chosen = chosenId();
    try {
        const BusyCursor busy;
        m_list->setFilter(m_filter->text());
    } catch (const PoolError &error) {
        m_dialogs.message(error.description());
        return false;
    }
    choose(chosen);
    showCount();
    return true;
}

void PoolListDialog::sortBy(int column)
{
    QHeaderView *header = m_view->horizontalHeader();
    if (!PoolList::isSortable(column)) {
        header->setSortIndicator(m_list->sortColumn(), m_list->sortOrder());
        return;
    }
    const Qt::SortOrder order =
        column == m_list->sortColumn() && m_list->sortOrder() == Qt::AscendingOrder
            ? Qt::DescendingOrder
            : Qt::AscendingOrder;
    const qint64 chosen = chosenId();
    {
        const BusyCursor busy;
        m_list->sort(column, order);
    }
    if (!m_list->error().isEmpty())
        m_dialogs.message(m_list->error());
    header->setSortIndicator(m_list->sortColumn(), m_list->sortOrder());
    choose(chosen);
}

void PoolListDialog::showCount()
{
    const int shown = m_list->rowCount();
    const QString pools = shown == 1 ? tr("1 pool") : tr("%1 pools").arg(QLocale().toString(shown));
    m_count->setText(
        m_list->filter().isEmpty()
            ? pools
            : tr("%1 with a team or player named like \"%2\"").arg(pools, m_list->filter()));
}

void PoolListDialog::choosePool()
{
    // A pool of a list narrowed as typed, never one the user did not see.
    if (m_typing->isActive() && !applyFilter())
        return;
    if (chosenId() == 0) {
        m_dialogs.message(m_list->rowCount() == 0 ? tr("No pool is in the list.")
                                                  : tr("Choose a pool in the list first."));
        return;
    }
    accept();
}

bool PoolListDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (m_typing->isActive())
                applyFilter();
            QCoreApplication::sendEvent(m_view, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
