#include "ui/dialogs/transactiondetailsdialog.h"

#include "app/appstate.h"
#include "data/transactionrepository.h"
#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/splitlinerepository.h"
#include "services/datetext.h"
#include "services/money.h"
#include "services/transactionservice.h"
#include "ui/prompt.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr Qt::TextInteractionFlags kSelectable = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;

QLabel *mutedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setForegroundRole(QPalette::PlaceholderText);
    label->setTextInteractionFlags(kSelectable);
    return label;
}

QString localTime(const QDateTime &utc)
{
    if (!utc.isValid())
        return QStringLiteral("\u2014");
    return QLocale::system().toString(utc.toLocalTime(), QLocale::LongFormat);
}

} // namespace

TransactionDetailsDialog::TransactionDetailsDialog(AppState *state, const Transaction &transaction, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_transaction(transaction)
{
    setWindowTitle(tr("Transaction Details"));
    setMinimumSize(480, 420);
    // Amounts read in the account's own currency (whole yen for JPY).
    if (const std::optional<Account> account = state->accounts()->findById(transaction.accountId))
        m_currency = account->currency;

    const Transaction &t = m_transaction;
    auto *form = new QFormLayout;
    addValue(form, tr("Date:"), DateText::formatShort(t.date));

    addValue(form, tr("Payee:"), t.payee);

    const QString magnitude = Money::formatMoney(qAbs(t.amount), m_currency);
    m_amount = addValue(form, tr("Amount:"), t.amount < 0 ? tr("- %1").arg(magnitude) : magnitude);
    styleAmount();

    QString category;
    if (t.isSplit) {
        category = tr("\u2014Split\u2014");
    } else if (!t.categoryId.isEmpty()) {
        if (const std::optional<Category> c = state->categories()->findById(t.categoryId))
            category = c->name;
    }
    addValue(form, tr("Category:"), category);
    addValue(form, tr("Memo:"), t.memo);
    addValue(form, tr("Check #:"), t.checkNumber);
    if (!t.transferDestAccountId.isEmpty()) {
        const std::optional<Account> dest = state->accounts()->findById(t.transferDestAccountId);
        addValue(form, tr("Transfer to:"), dest ? dest->name : QString());
    }
    m_status = addValue(form, tr("Status:"), statusText());

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    if (t.isSplit)
        layout->addWidget(buildSplitSection());
    layout->addStretch(1);

    for (const QString &line : {tr("Entered: %1").arg(localTime(t.createdAt)),
                                tr("Last modified: %1").arg(localTime(t.updatedAt))}) {
        QLabel *footer = mutedLabel(line, this);
        ThemeManager::setRole(footer, ThemeManager::Small);
        layout->addWidget(footer);
    }

    auto *buttons = new QDialogButtonBox(this);
    // A transaction of an account shared with the user to view is only shown.
    if (!state->isViewOnly(t.accountId)) {
        QPushButton *edit = buttons->addButton(tr("Edit..."), QDialogButtonBox::ActionRole);
        connect(edit, &QPushButton::clicked, this, [this] {
            m_editRequested = true;
            accept();
        });
        if (!t.reconciled) {
            m_clearedButton = buttons->addButton(t.cleared ? tr("Mark Uncleared") : tr("Mark Cleared"),
                                                 QDialogButtonBox::ActionRole);
            connect(m_clearedButton, &QPushButton::clicked, this, &TransactionDetailsDialog::toggleCleared);
        }
        QPushButton *remove = buttons->addButton(tr("Delete..."), QDialogButtonBox::ActionRole);
        connect(remove, &QPushButton::clicked, this, &TransactionDetailsDialog::deleteTransaction);
    }
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setDefault(true);
    close->setFocus(Qt::OtherFocusReason);
    connect(buttons, &QDialogButtonBox::rejected, this, &TransactionDetailsDialog::reject);
    layout->addWidget(buttons);
}

QLabel *TransactionDetailsDialog::addValue(QFormLayout *form, const QString &label, const QString &value)
{
    auto *field = new QLabel(value, this);
    field->setTextInteractionFlags(kSelectable);
    field->setWordWrap(true);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(field);
    form->addRow(caption, field);
    return field;
}

QWidget *TransactionDetailsDialog::buildSplitSection()
{
    auto *section = new QWidget(this);
    auto *grid = new QGridLayout(section);
    grid->setContentsMargins(0, 8, 0, 0);
    auto *title = new QLabel(tr("Split lines"), section);
    ThemeManager::setRole(title, ThemeManager::BodyMedium, QFont::DemiBold);
    grid->addWidget(title, 0, 0, 1, 3);

    const QList<SplitLine> lines = m_state->splitLines()->linesOf(m_transaction.id);
    if (lines.isEmpty()) {
        grid->addWidget(mutedLabel(tr("(no split lines on record)"), section), 1, 0, 1, 3);
        return section;
    }

    auto moneyLabel = [&](qint64 amount) {
        auto *label = new QLabel(Money::formatMoney(qAbs(amount), m_currency), section);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setTextInteractionFlags(kSelectable);
        ThemeManager::setRole(label, ThemeManager::Mono);
        return label;
    };

    int row = 1;
    qint64 sum = 0;
    for (const SplitLine &line : lines) {
        QString name;
        if (!line.categoryId.isEmpty()) {
            if (const std::optional<Category> c = m_state->categories()->findById(line.categoryId))
                name = c->name;
        }
        auto *category = new QLabel(name.isEmpty() ? tr("(uncategorized)") : name, section);
        category->setTextInteractionFlags(kSelectable);
        grid->addWidget(category, row, 0);
        grid->addWidget(moneyLabel(line.amount), row, 1);
        grid->addWidget(mutedLabel(line.memo, section), row, 2);
        sum += line.amount;
        ++row;
    }
    auto *total = new QLabel(tr("Total"), section);
    ThemeManager::setRole(total, ThemeManager::Body, QFont::DemiBold);
    grid->addWidget(total, row, 0);
    grid->addWidget(moneyLabel(sum), row, 1);
    grid->setColumnStretch(2, 1);
    return section;
}

void TransactionDetailsDialog::styleAmount()
{
    const QString colour =
        ThemeManager::toneName(m_transaction.amount < 0 ? ThemeManager::Negative : ThemeManager::Positive);
    m_amount->setStyleSheet(QStringLiteral("color: %1; font-weight: 600;").arg(colour));
}

void TransactionDetailsDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_amount)
        styleAmount();
}

QString TransactionDetailsDialog::statusText() const
{
    if (m_transaction.reconciled)
        return tr("Reconciled");
    return m_transaction.cleared ? tr("Cleared") : tr("Uncleared");
}

void TransactionDetailsDialog::toggleCleared()
{
    const bool cleared = !m_transaction.cleared;
    if (!m_state->transactionService()->setCleared(m_transaction.id, cleared)) {
        Prompt::warning(this, tr("Transaction Details"), tr("The cleared mark could not be saved."));
        return;
    }
    if (const std::optional<Transaction> stored = m_state->transactions()->getById(m_transaction.id))
        m_transaction = *stored;
    m_status->setText(statusText());
    m_clearedButton->setText(cleared ? tr("Mark Uncleared") : tr("Mark Cleared"));
}

void TransactionDetailsDialog::deleteTransaction()
{
    const QString amount = Money::formatMoney(qAbs(m_transaction.amount), m_currency);
    const QString text = m_transaction.isTransfer()
        ? tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.").arg(m_transaction.payee, amount)
        : tr("Delete \"%1\" for %2?").arg(m_transaction.payee, amount);
    if (Prompt::question(this, tr("Delete Transaction"), text) != QMessageBox::Yes)
        return;
    if (!m_state->transactionService()->deleteWithPartner(m_transaction.id)) {
        Prompt::warning(this, tr("Delete Transaction"), tr("The transaction could not be deleted."));
        return;
    }
    m_deleted = true;
    accept();
}
