#pragma once

#include "data/codes.h"
#include "data/records.h"

#include "ui/dialogs/formdialog.h"
#include <QList>

class AppState;
class DateField;
class PaymentTypeChoice;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class SmartAmountField;
class SplitLinesWidget;

// Enters or edits one transaction of an account in a form, optionally split
// over several categories. The dialog writes nothing itself: the caller
// stores transaction() and splitLines() through setSave(), before the dialog
// closes. Amounts are typed in the account's currency.
class TransactionFormDialog : public FormDialog
{
    Q_OBJECT
public:
    TransactionFormDialog(AppState *state, const QString &accountId, QWidget *parent = nullptr);

    // Edit mode: fills every field from t; a split transaction brings its lines.
    void setTransaction(const Transaction &t);
    // Fills a new transaction from what the register's blank row holds.
    void prefill(const Transaction &seed);

    Transaction transaction() const;
    // The lines with the sign of the type; empty when not split.
    QList<SplitLine> splitLines() const;

    bool isSplitMode() const { return m_splitMode; }

    // The date of the last transaction accepted in any form of this run.
    static QDate lastAcceptedDate();

protected:
    bool validate() override;

private:
    void buildForm();
    void setAmount(qint64 amount);
    void loadFromPayee(const QString &payee);
    void startSplit();
    void setSplitMode(bool on);
    void showLinesTotal();

    AppState *m_state;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    Transaction m_original;
    bool m_editMode = false;
    bool m_splitMode = false;

    PaymentTypeChoice *m_type = nullptr;
    DateField *m_date = nullptr;
    QLineEdit *m_payee = nullptr;
    SmartAmountField *m_amount = nullptr;
    QComboBox *m_category = nullptr;
    QPushButton *m_splitButton = nullptr;
    QPushButton *m_singleButton = nullptr;
    SplitLinesWidget *m_lines = nullptr;
    QLineEdit *m_memo = nullptr;
    QLineEdit *m_checkNumber = nullptr;
    QCheckBox *m_cleared = nullptr;
};
