#pragma once

#include <QDialog>

class Dialogs;
class PoolDatabase;
class PoolList;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

// Every pool of the file at a glance: typing narrows the list to the pools
// with that team or player, and Enter or a double click shows the pool
// chosen. The list reads only the rows in view, so it opens at once on a
// file of any size.
class PoolListDialog : public QDialog
{
    Q_OBJECT

public:
    // current: the pool on show, chosen when the list opens.
    PoolListDialog(PoolDatabase &db, Dialogs &dialogs, qint64 current, QWidget *parent = nullptr);

    QLineEdit *filterBox() const { return m_filter; }
    QTableView *view() const { return m_view; }
    PoolList *list() const { return m_list; }
    QLabel *count() const { return m_count; }
    // The pool chosen; 0 when none is.
    qint64 chosenId() const;
    // Narrows the list to what the box holds now, rather than once typing
    // pauses; false, with the user told why, when the file could not be read.
    bool applyFilter();
    // Sorts by a column the way a click on its heading does.
    void sortBy(int column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(qint64 id);
    void showCount();
    void choosePool();

    Dialogs &m_dialogs;
    PoolList *m_list = nullptr;
    QLineEdit *m_filter = nullptr;
    QTableView *m_view = nullptr;
    QLabel *m_count = nullptr;
    QTimer *m_typing = nullptr;
};
