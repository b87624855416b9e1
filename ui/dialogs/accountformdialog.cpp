#include "ui/dialogs/accountformdialog.h"

#include "app/thememanager.h"
#include "services/datetext.h"
#include "services/money.h"
#include "ui/editors/datefield.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMinimumWidth = 400;
constexpr int kLast4Length = 4;
// Largest starting balance in whole units; currencies with cents add .99.
constexpr double kMaxWholeUnits = 99999999.0;

} // namespace

AccountFormDialog::AccountFormDialog(QWidget *parent)
    : FormDialog(parent)
{
    build();
    setWindowTitle(tr("New Account"));
}

AccountFormDialog::AccountFormDialog(const Account &account, QWidget *parent)
    : FormDialog(parent)
    , m_account(account)
    , m_editMode(true)
{
    build();
    setWindowTitle(tr("Edit Account"));
    load(account);
}

void AccountFormDialog::build()
{
    setMinimumWidth(kMinimumWidth);

    m_name = new QLineEdit(this);

    m_name->setMaxLength(kMaxTextLength);
    m_name->setPlaceholderText(tr("Account name"));
    m_name->setAccessibleName(tr("Name"));

    m_type = new QComboBox(this);
    for (int i = 0; i < Codes::accountTypeCount; ++i)
        m_type->addItem(Codes::accountTypeLabel(AccountType(i)), Codes::accountTypeCode(AccountType(i)));
    m_type->setAccessibleName(tr("Type"));

    m_currency = new QComboBox(this);
    for (int i = 0; i < Codes::currencyCount; ++i)
        m_currency->addItem(Codes::currencyLabel(Currency(i)), Codes::currencyCode(Currency(i)));
    m_currency->setAccessibleName(tr("Currency"));

    // The starting balance is typed, or for an account whose balance is an
    // opening-balance transaction, shown; the box holds either.
    m_balanceBox = new QWidget(this);
    m_startingBalance = new QDoubleSpinBox(m_balanceBox);
    // Amounts are typed with "." decimals whatever the system locale says.
    m_startingBalance->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    m_startingBalance->setGroupSeparatorShown(false);
    m_startingBalance->setAccessibleName(tr("Starting Balance"));
    applyCurrencyDecimals();
    m_startingBalance->setValue(0);
    m_opening = new QLineEdit(m_balanceBox);
    m_opening->setObjectName(QStringLiteral("openingBalance"));
    m_opening->setReadOnly(true);
    m_opening->setAccessibleName(tr("Starting Balance"));
    m_openingNote = new QLabel(tr("This is the account's \"Opening Balance\" transaction. To change it, edit that "
                                  "transaction in the register."),
                               m_balanceBox);
    m_openingNote->setWordWrap(true);
    ThemeManager::setRole(m_openingNote, ThemeManager::Small);
    m_opening->setAccessibleDescription(m_openingNote->text());
    auto *balanceLayout = new QVBoxLayout(m_balanceBox);
    balanceLayout->setContentsMargins(0, 0, 0, 0);
    balanceLayout->addWidget(m_startingBalance);
    balanceLayout->addWidget(m_opening);
    balanceLayout->addWidget(m_openingNote);
    m_opening->hide();
    m_openingNote->hide();
    m_balanceBox->setFocusProxy(m_startingBalance);

    // A line, not a date-time box: one Tab leaves it.
    m_asOf = new DateField(this);
    m_asOf->setObjectName(QStringLiteral("asOfDate"));
    m_asOf->setAccessibleName(tr("As of"));

    m_institution = new QLineEdit(this);

    m_institution->setMaxLength(kMaxTextLength);
    m_institution->setPlaceholderText(tr("Bank name (optional)"));
    m_institution->setAccessibleName(tr("Institution"));

    m_last4 = new QLineEdit(this);
    m_last4->setMaxLength(kLast4Length);
    m_last4->setPlaceholderText(tr("Last 4 digits (optional)"));
    m_last4->setAccessibleName(tr("Account Number"));

    m_form = new QFormLayout;
    m_form->addRow(tr("&Name:"), m_name);
    m_form->addRow(tr("&Type:"), m_type);
    m_form->addRow(tr("&Currency:"), m_currency);
    m_form->addRow(tr("Starting &Balance:"), m_balanceBox);
    m_form->addRow(tr("&As of:"), m_asOf);
    m_form->addRow(tr("&Institution:"), m_institution);
    m_form->addRow(tr("Account &Number:"), m_last4);
    // The as-of date only dates the opening balance of a new account.
    m_form->setRowVisible(m_asOf, !m_editMode);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addStretch(1);
    layout->addWidget(m_buttons);

    connect(m_currency, &QComboBox::currentIndexChanged, this, &AccountFormDialog::applyCurrencyDecimals);
    m_name->setFocus();
}

void AccountFormDialog::load(const Account &account)
{
    m_name->setText(account.name);
    m_type->setCurrentIndex(qMax(0, m_type->findData(Codes::accountTypeCode(account.type))));
    m_currency->setCurrentIndex(qMax(0, m_currency->findData(Codes::currencyCode(account.currency))));
    applyCurrencyDecimals();
    m_startingBalance->setValue(Money::toMajorUnits(account.startingBalance, account.currency));
    m_institution->setText(account.institution);
    m_last4->setText(account.accountNumberLast4);
}

void AccountFormDialog::setCurrencyLocked(bool locked)
{
    m_currency->setEnabled(!locked);
    m_currency->setToolTip(locked ? tr("The currency cannot change once the account has transactions: their amounts "
                                       "were entered in this currency.")
                                  : QString());
    m_currency->setAccessibleDescription(m_currency->toolTip());
}

void AccountFormDialog::setOpeningBalance(const std::optional<Transaction> &opening)
{
    // An account row holding a starting balance of its own (from an older
    // store) keeps it typeable: the register shows it as its first row and
    // there is no transaction to count it twice.
    const bool shown = m_editMode && opening && m_account.startingBalance == 0;
    m_startingBalance->setVisible(!shown);
    m_opening->setVisible(shown);
    m_openingNote->setVisible(shown);
    m_balanceBox->setFocusProxy(shown ? static_cast<QWidget *>(m_opening) : m_startingBalance);
    if (shown) {
        m_opening->setText(tr("%1 on %2").arg(Money::formatMoney(opening->amount, m_account.currency),
                                              DateText::formatShort(opening->date)));
    }
}

Currency AccountFormDialog::currency() const
{
    return Codes::currencyFromCode(m_currency->currentData().toString());
}

// The spin box follows the chosen currency: cents for most, whole yen for JPY.
void AccountFormDialog::applyCurrencyDecimals()
{
    const int decimals = Money::decimals(int(currency()));
    const double limit = decimals > 0 ? kMaxWholeUnits + 0.99 : kMaxWholeUnits;
    m_startingBalance->setDecimals(decimals);
    m_startingBalance->setRange(-limit, limit);
}

Account AccountFormDialog::account() const
{
    Account result = m_account;
    result.name = m_name->text().trimmed();
    result.type = Codes::accountTypeFromCode(m_type->currentData().toString());
    result.currency = currency();
    result.startingBalance = Money::toMinorUnits(m_startingBalance->value(), result.currency);
    result.institution = m_institution->text().trimmed();
    result.accountNumberLast4 = m_last4->text().trimmed();
    return result;
}

QDate AccountFormDialog::asOfDate() const
{
    return m_asOf->date();
}
