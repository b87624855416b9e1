#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QMenu;
class QTableView;
class QTimer;
class RecurringModel;
struct RecurringTransaction;

// Every recurring schedule of all accounts: create, edit, delete, confirm,
// skip or enter a schedule early, and post what is due.
class RecurringScreen : public QWidget
{
    Q_OBJECT
public:
    explicit RecurringScreen(AppState *state, QWidget *parent = nullptr);

    QTableView *table() const { return m_table; }
    RecurringModel *model() const { return m_model; }
    QLabel *dueLabel() const { return m_dueLabel; }

    // The context menu of a view row (invalid = none); the caller owns it.
    QMenu *createContextMenu(const QModelIndex &index, QWidget *parent);

public Q_SLOTS:
    // Replaces the rows, keeps the sort and refreshes the due count.
    void reload();
    void newRecurring();
    void editSelected();
    void confirmSelected();
    void skipSelected();
    void enterSelectedEarly();
    void deleteSelected();
    void confirmAllDue();
    void enterNextSevenDays();

Q_SIGNALS:
    // Transactions were posted from schedules.
    void transactionsChanged();

private:
    const RecurringTransaction *selected() const;
    void showContextMenu(const QPoint &pos);
    void posted(int count);
    void reportNotPosted(const RecurringTransaction &r);
    // Confirms the schedule's next occurrence and tells the user what came of it.
    void postOccurrence(const RecurringTransaction &schedule);

    AppState *m_state;
    RecurringModel *m_model;
    QTableView *m_table = nullptr;
    QLabel *m_dueLabel = nullptr;
    QTimer *m_reloadTimer = nullptr;
};
