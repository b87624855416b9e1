#pragma once

#include "data/records.h"

#include <QWidget>

class AppState;
class DateField;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;
class ReconciliationModel;
class SmartAmountField;

// Balances one account against a bank statement: the account's unreconciled
// transactions with a check mark each, the running figures, and the finish
// that marks the checked ones reconciled once cleared and statement balance
// agree to the cent.
class ReconciliationScreen : public QWidget
{
    Q_OBJECT
public:
    explicit ReconciliationScreen(AppState *state, QWidget *parent = nullptr);

    // Loads the account, its previous balance and a proposed statement date,
    // and fills the table. An unknown id leaves the screen empty.
    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }
    // The statement's date and balance, as a bank statement gave them.
    void setStatement(const QDate &date, qint64 balance);

    // The figures, in minor units of the account's currency.
    qint64 previousBalance() const { return m_previousBalance; }
    qint64 clearedBalance() const;
    qint64 statementBalance() const;

    QTableView *table() const { return m_table; }
    ReconciliationModel *model() const { return m_model; }
    DateField *statementDateField() const { return m_statementDate; }
    SmartAmountField *statementBalanceField() const { return m_statementBalance; }
    QPushButton *finishButton() const { return m_finish; }
    // Value label of a figure row: 0 previous, 1 deposits, 2 withdrawals,
    // 4 cleared balance, 5 statement balance, 7 difference.
    QLabel *figureLabel(int row) const;

public Q_SLOTS:
    void onTransactionToggled();
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();
    // Count every listed transaction as cleared, or none.
    void markAll();
    void clearAll();

Q_SIGNALS:
    void reconciliationCompleted();
    void cancelled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildPanel();
    QWidget *buildTablePane();
    void addShortcuts();
    void sizeColumns();
    // Reloads the listed transactions, keeping the marks of those still listed.
    void fillTable();
    void refreshFromStore();
    void applyColours();
    void applyDifferenceColour();
    int currentRow() const;

    AppState *m_state;
    QString m_accountId;
    Account m_account;
    qint64 m_previousBalance = 0;

    ReconciliationModel *m_model;
    DateField *m_statementDate = nullptr;
    SmartAmountField *m_statementBalance = nullptr;
    QList<QLabel *> m_figureNames;   // by grid row; null for separators
    QList<QLabel *> m_figureValues;  // by grid row; null for separators
    QPushButton *m_finish = nullptr;
    QTableView *m_table = nullptr;
    QTimer *m_refreshTimer = nullptr;
    QString m_differenceStyle;
};
