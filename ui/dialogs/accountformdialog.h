#pragma once

#include "data/records.h"

#include <QDate>
#include "ui/dialogs/formdialog.h"

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QDoubleSpinBox;
class QFormLayout;
class QLineEdit;

// The form behind "New Account" and "Edit Account". It only collects values;
// the caller stores them through the account service.
class AccountFormDialog : public FormDialog
{
    Q_OBJECT
public:
    // An empty form for a new account.
    explicit AccountFormDialog(QWidget *parent = nullptr);
    // A form pre-filled from account, for editing it.
    explicit AccountFormDialog(const Account &account, QWidget *parent = nullptr);

    bool isEditMode() const { return m_editMode; }

    // The loaded record (a blank one for a new account) with the form's values
    // written over it; the starting balance in the chosen currency's minor units.
    Account account() const;
    // Date of the opening-balance entry of a new account.
    QDate asOfDate() const;
    // Keeps the currency as it is, saying why: the account has transactions.
    void setCurrencyLocked(bool locked);

private:
    void build();
    void load(const Account &account);
    Currency currency() const;
    void applyCurrencyDecimals();

    Account m_account;
    bool m_editMode = false;
    QFormLayout *m_form = nullptr;
    QLineEdit *m_name = nullptr;
    QComboBox *m_type = nullptr;
    QComboBox *m_currency = nullptr;
    QDoubleSpinBox *m_startingBalance = nullptr;
    QDateEdit *m_asOf = nullptr;
    QLineEdit *m_institution = nullptr;
    QLineEdit *m_last4 = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
