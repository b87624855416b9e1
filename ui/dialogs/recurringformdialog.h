#pragma once

#include "data/records.h"

#include "ui/dialogs/formdialog.h"
#include <QHash>

class AppState;
class DateField;
class PaymentTypeChoice;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class SmartAmountField;

// Creates or edits one recurring schedule, or turns a register entry into one
// (memorize). The dialog writes nothing: the caller stores recurring() after OK.
class RecurringFormDialog : public FormDialog
{
    Q_OBJECT
public:
    enum Mode { Create, Edit, Memorize };

    RecurringFormDialog(AppState *state, Mode mode, QWidget *parent = nullptr);

    // The schedule being edited, or the prefilled one to memorize.
    void setRecurring(const RecurringTransaction &r);
    RecurringTransaction recurring() const;

    Mode mode() const { return m_mode; }

protected:
    bool validate() override;

private:
    void buildForm();
    void followAccountCurrency();
    // Whether the account is shared with the user to view only, and by whom.
    bool isViewOnly(const QString &accountId, QString *owner = nullptr) const;
    // Why the schedule can't be saved into the accounts it uses, else empty.
    QString viewOnlyNoteText() const;
    void showViewOnlyNote();

    AppState *m_state;
    Mode m_mode;
    RecurringTransaction m_original;
    QHash<QString, Currency> m_currencies;

    QComboBox *m_account = nullptr;
    QLabel *m_viewOnlyNote = nullptr;
    PaymentTypeChoice *m_type = nullptr;
    QLineEdit *m_payee = nullptr;
    SmartAmountField *m_amount = nullptr;
    QComboBox *m_category = nullptr;
    QLineEdit *m_memo = nullptr;
    QComboBox *m_frequency = nullptr;
    DateField *m_start = nullptr;
    QCheckBox *m_hasEnd = nullptr;
    DateField *m_end = nullptr;
    QCheckBox *m_autoPost = nullptr;
    QSpinBox *m_leadDays = nullptr;
    QCheckBox *m_active = nullptr;
};
