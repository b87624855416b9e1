#pragma once

#include "data/records.h"
#include "ui/dialogs/formdialog.h"

#include <QDate>

#include <optional>

class DateField;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
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
    // The edited account's opening-balance transaction, when it has one. Its
    // amount and date are then shown instead of the starting balance, which
    // cannot be typed: the transaction is changed in the register.
    void setOpeningBalance(const std::optional<Transaction> &opening);

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
    QWidget *m_balanceBox = nullptr;
    QDoubleSpinBox *m_startingBalance = nullptr;
    QLineEdit *m_opening = nullptr;
    QLabel *m_openingNote = nullptr;
    DateField *m_asOf = nullptr;
    QLineEdit *m_institution = nullptr;
    QLineEdit *m_last4 = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
