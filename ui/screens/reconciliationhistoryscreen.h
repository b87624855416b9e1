#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The stored reconciliations of one account, newest statement first.
class ReconciliationHistoryScreen : public QWidget
{
    Q_OBJECT
public:
    explicit ReconciliationHistoryScreen(AppState *state, QWidget *parent = nullptr);

    void setAccountId(const QString &accountId);
    QString accountId() const { return m_accountId; }

    QTableWidget *table() const { return m_table; }
    QLabel *emptyLabel() const { return m_empty; }
    QLabel *heading() const { return m_heading; }

public Q_SLOTS:
    void reload();

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyColours();

    AppState *m_state;
    QString m_accountId;
    QLabel *m_heading = nullptr;
    QLabel *m_subtitle = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_empty = nullptr;
};
