#pragma once

#include "data/codes.h"
#include "data/records.h"

#include <QDialog>

class AppState;
class QFormLayout;
class QLabel;
class QPushButton;

// A read-only view of one transaction with its split lines. From it the user
// may ask to edit (the caller opens the form), flip the cleared mark, or
// delete the transaction (a transfer together with its partner); the caller
// reads editRequested() and wasDeleted() once it closes.
class TransactionDetailsDialog : public QDialog
{
    Q_OBJECT
public:
    TransactionDetailsDialog(AppState *state, const Transaction &transaction, QWidget *parent = nullptr);

    bool editRequested() const { return m_editRequested; }
    bool wasDeleted() const { return m_deleted; }
    const Transaction &transaction() const { return m_transaction; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void styleAmount();
    QLabel *addValue(QFormLayout *form, const QString &label, const QString &value);
    QWidget *buildSplitSection();
    QString statusText() const;
    void toggleCleared();
    void deleteTransaction();

    AppState *m_state;
    Transaction m_transaction;
    Currency m_currency = Currency::USD;
    bool m_editRequested = false;
    bool m_deleted = false;
    QLabel *m_amount = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_clearedButton = nullptr;
};
