#include "ui/dialogs/recurringformdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/sharedaccess.h"
#include "data/transactionrepository.h"
#include "ui/dialogs/categorychoices.h"
#include "ui/dialogs/paymenttypechoice.h"
#include "ui/editors/datefield.h"
#include "ui/editors/smartamountfield.h"
#include "ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {
const QDate kEarliestDate(2000, 1, 1);
}

RecurringFormDialog::RecurringFormDialog(AppState *state, Mode mode, QWidget *parent)
    : FormDialog(parent)
    , m_state(state)
    , m_mode(mode)
{
    switch (mode) {
    case Create:
        setWindowTitle(tr("New Recurring Transaction"));
        break;
    case Edit:
        setWindowTitle(tr("Edit Recurring Transaction"));
        break;
    case Memorize:
        setWindowTitle(tr("Memorize Transaction"));
        break;
    }
    setMinimumWidth(480);
    buildForm();
}

void RecurringFormDialog::buildForm()
{
    m_account = new QComboBox(this);
    m_account->setObjectName(QStringLiteral("accountCombo"));
    // A schedule posts into its account (and a transfer's other one): one
    // shared with the user to view only would refuse every occurrence.
    const QList<Account> accounts = SharedAccess(m_state->preferences()).writable(m_state->accounts()->listLive());
    for (const Account &a : accounts) {
        m_account->addItem(a.name, a.id);
        m_currencies.insert(a.id, a.currency);
    }
    const int current = m_account->findData(m_state->currentAccountId());
    if (current >= 0)
        m_account->setCurrentIndex(current);

    m_type = new PaymentTypeChoice(this);

    m_payee = new QLineEdit(this);

    m_payee->setMaxLength(kMaxTextLength);
    m_payee->setObjectName(QStringLiteral("payeeEdit"));
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    CategoryChoices::attachPayeeCompleter(m_payee, m_state->transactions()->payees());

    m_amount = new SmartAmountField(this);
    m_amount->setObjectName(QStringLiteral("amountField"));
    followAccountCurrency();
    connect(m_account, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::followAccountCurrency);

    m_viewOnlyNote = new QLabel(this);
    m_viewOnlyNote->setObjectName(QStringLiteral("viewOnlyNote"));
    m_viewOnlyNote->setWordWrap(true);
    m_viewOnlyNote->hide();
    connect(m_account, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::showViewOnlyNote);

    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("categoryCombo"));
    CategoryChoices::setUp(m_category, CategoryChoices::load(m_state->categories()));

    m_memo = new QLineEdit(this);

    m_memo->setMaxLength(kMaxTextLength);
    m_memo->setObjectName(QStringLiteral("memoEdit"));
    m_memo->setPlaceholderText(tr("Optional"));

    m_frequency = new QComboBox(this);
    m_frequency->setObjectName(QStringLiteral("frequencyCombo"));
    for (int i = 0; i < Codes::frequencyCount; ++i)
        m_frequency->addItem(Codes::frequencyLabel(Frequency(i)), Codes::frequencyCode(Frequency(i)));
    m_frequency->setCurrentIndex(int(Frequency::Monthly));

    m_start = new DateField(this);
    m_start->setObjectName(QStringLiteral("startDateField"));

    m_hasEnd = new QCheckBox(tr("Has end date"), this);
    m_hasEnd->setObjectName(QStringLiteral("hasEndCheck"));
    m_end = new DateField(this);
    m_end->setObjectName(QStringLiteral("endDateField"));
    m_end->setEnabled(false);
    connect(m_hasEnd, &QCheckBox::toggled, m_end, &QWidget::setEnabled);
    auto *endRow = new QHBoxLayout;
    endRow->addWidget(m_hasEnd);
    endRow->addWidget(m_end, 1);
    auto *endLabel = new QLabel(tr("End Date:"), this);
    endLabel->setBuddy(m_end);

    m_autoPost = new QCheckBox(tr("Auto-post when due"), this);
    m_autoPost->setObjectName(QStringLiteral("autoPostCheck"));
    m_leadDays = new QSpinBox(this);
    m_leadDays->setObjectName(QStringLiteral("leadDaysSpin"));
    m_leadDays->setRange(0, 60);
    m_leadDays->setSuffix(tr(" days"));
    m_leadDays->setEnabled(false);
    connect(m_autoPost, &QCheckBox::toggled, m_leadDays, &QWidget::setEnabled);

    m_active = new QCheckBox(tr("Active"), this);
    m_active->setObjectName(QStringLiteral("activeCheck"));
    m_active->setChecked(true);

    auto *form = new QFormLayout;
    form->addRow(tr("Account:"), m_account);
    form->addRow(QString(), m_viewOnlyNote);
    form->addRow(tr("Type:"), m_type);
    form->addRow(tr("Payee:"), m_payee);
    form->addRow(tr("Amount:"), m_amount);
    form->addRow(tr("Category:"), m_category);
    form->addRow(tr("Memo:"), m_memo);
    form->addRow(tr("Frequency:"), m_frequency);
    form->addRow(tr("Start Date:"), m_start);
    form->addRow(endLabel, endRow);
    form->addRow(QString(), m_autoPost);
    form->addRow(tr("Enter in advance:"), m_leadDays);
    form->addRow(QString(), m_active);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RecurringFormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RecurringFormDialog::reject);
    // A schedule needs an account to belong to.
    buttons->button(QDialogButtonBox::Ok)->setEnabled(m_account->count() > 0);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_payee->setFocus(Qt::OtherFocusReason);
}

void RecurringFormDialog::followAccountCurrency()
{
    m_amount->setCurrency(m_currencies.value(m_account->currentData().toString(), Currency::USD));
}

bool RecurringFormDialog::isViewOnly(const QString &accountId, QString *owner) const
{
    if (accountId.isEmpty())
        return false;
    const std::optional<SharedAccess::Access> access = SharedAccess(m_state->preferences()).of(accountId);
    if (!access || !access->viewOnly())
        return false;
    if (owner)
        *owner = access->owner();
    return true;
}

QString RecurringFormDialog::viewOnlyNoteText() const
{
    // An edited schedule stays in its stored account whichever one is picked
    // now, so an account that became view-only holds it all the same.
    QStringList ids = {m_account->currentData().toString(), m_original.transferDestAccountId};
    if (m_mode == Edit)
        ids.append(m_original.accountId);
    for (const QString &id : std::as_const(ids)) {
        QString owner;
        if (!isViewOnly(id, &owner))
            continue;
        const std::optional<Account> account = m_state->accounts()->findById(id);
        return tr("%1 shares %2 with you to view only.").arg(owner, account ? account->name : id) + QLatin1Char(' ')
            + tr("A schedule that uses it is never posted, so this one can't be saved.");
    }
    return QString();
}

void RecurringFormDialog::showViewOnlyNote()
{
    const QString note = viewOnlyNoteText();
    m_viewOnlyNote->setText(note);
    m_viewOnlyNote->setVisible(!note.isEmpty());
    m_account->setAccessibleDescription(note);
}

bool RecurringFormDialog::validate()
{
    const QString note = viewOnlyNoteText();
    if (note.isEmpty())
        return true;
    Prompt::warning(this, windowTitle(), note);
    return false;
}

void RecurringFormDialog::setRecurring(const RecurringTransaction &r)
{
    m_original = r;
    int account = m_account->findData(r.accountId);
    if (account < 0 && !r.accountId.isEmpty()) {
        // An account that is no longer listed stays the schedule's account
        // rather than silently becoming the first one.
        const std::optional<Account> owner = m_state->accounts()->findById(r.accountId);
        m_currencies.insert(r.accountId, owner ? owner->currency : Currency::USD);
        // One shared with the user to view only is shown as such.
        const QString name = owner ? owner->name : r.accountId;
        QString sharer;
        const bool viewOnly = isViewOnly(r.accountId, &sharer);
        m_account->addItem(viewOnly ? tr("%1 (view only)").arg(name) : name, r.accountId);
        account = m_account->count() - 1;
        if (viewOnly)
            m_account->setItemData(account, tr("%1 shares this account with you to view only.").arg(sharer),
                                   Qt::ToolTipRole);
    }
    m_account->setCurrentIndex(account);
    if (m_mode == Edit) {
        // The store keeps a schedule in the account it was made for (and
        // the amount is read in that account's currency): another one picked
        // here would look saved and not be.
        m_account->setEnabled(false);
        m_account->setToolTip(tr("A schedule stays in its account. To use another account, make a new schedule."));
    }
    showViewOnlyNote();
    m_type->setFromAmount(r.amount);
    m_payee->setText(r.payee);
    m_amount->setMinorUnits(qAbs(r.amount));
    CategoryChoices::selectId(m_category, r.categoryId);
    m_memo->setText(r.memo);
    m_frequency->setCurrentIndex(m_frequency->findData(Codes::frequencyCode(r.frequency)));
    m_start->setDate(r.startDate);
    m_hasEnd->setChecked(r.hasEndDate());
    m_end->setDate(r.hasEndDate() ? r.endDate : r.startDate);
    m_autoPost->setChecked(r.autoPost);
    m_leadDays->setValue(r.leadDays);
    m_active->setChecked(r.isActive);
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction r = m_original;
    r.accountId = m_account->currentData().toString();
    r.payee = m_payee->text().trimmed();
    const qint64 magnitude = m_amount->minorUnits();
    r.amount = m_type->signedAmount(magnitude);
    r.categoryId = CategoryChoices::idOfText(m_category);
    r.memo = m_memo->text().trimmed();
    r.frequency = Codes::frequencyFromCode(m_frequency->currentData().toString());
    r.endDate = m_hasEnd->isChecked() ? m_end->date() : QDate();

    // An edit that leaves the start date alone keeps the schedule where it
    // stands, however far ahead its next due date is.
    const QDate widgetDate = m_start->date();
    if (m_mode != Edit || widgetDate != m_original.startDate) {
        r.startDate = widgetDate;
        r.nextDueDate = widgetDate;
    }
    if (!r.startDate.isValid() || r.startDate < kEarliestDate) {
        qWarning() << "RecurringFormDialog: rejecting invalid startDate" << r.startDate << "— falling back to today";
        r.startDate = Clock::today();
    }
    if (!r.nextDueDate.isValid() || r.nextDueDate < kEarliestDate) {
        qWarning() << "RecurringFormDialog: rejecting invalid nextDueDate" << r.nextDueDate
                   << "— falling back to startDate" << r.startDate;
        r.nextDueDate = r.startDate;
    }

    r.autoPost = m_autoPost->isChecked();
    r.leadDays = r.autoPost ? m_leadDays->value() : 0;
    r.isActive = m_active->isChecked();

    qInfo() << "RecurringFormDialog::recurring() — m_editMode=" << (m_mode == Edit)
            << "isCreateFromSeed=" << (m_mode == Memorize) << "widget.date=" << widgetDate
            << "m_original.startDate=" << m_original.startDate << "m_original.nextDueDate=" << m_original.nextDueDate;
    return r;
}
