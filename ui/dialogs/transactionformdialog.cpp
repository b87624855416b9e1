#include "ui/dialogs/transactionformdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "ui/dialogs/categorychoices.h"
#include "ui/dialogs/paymenttypechoice.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/editors/datefield.h"
#include "ui/editors/smartamountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Shared by every form of the run: a new transaction starts on the date of
// the one accepted last.
QDate g_lastAcceptedDate;
}

TransactionFormDialog::TransactionFormDialog(AppState *state, const QString &accountId, QWidget *parent)
    : FormDialog(parent)
    , m_state(state)
    , m_accountId(accountId)
{
    if (const std::optional<Account> account = state->accounts()->findById(accountId))
        m_currency = account->currency;
    setWindowTitle(tr("New Transaction"));
    setMinimumWidth(480);
    buildForm();
    m_date->setDate(g_lastAcceptedDate.isValid() ? g_lastAcceptedDate : Clock::today());
}

QDate TransactionFormDialog::lastAcceptedDate()
{
    return g_lastAcceptedDate;
}

void TransactionFormDialog::buildForm()
{
    m_type = new PaymentTypeChoice(this);

    m_date = new DateField(this);
    m_date->setObjectName(QStringLiteral("dateField"));

    m_payee = new QLineEdit(this);

    m_payee->setMaxLength(kMaxTextLength);
    m_payee->setObjectName(QStringLiteral("payeeEdit"));
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    QCompleter *payees = CategoryChoices::attachPayeeCompleter(m_payee, m_state->transactions()->payees());
    connect(payees, qOverload<const QString &>(&QCompleter::activated), this, &TransactionFormDialog::loadFromPayee);

    m_amount = new SmartAmountField(this);
    m_amount->setObjectName(QStringLiteral("amountField"));
    m_amount->setCurrency(m_currency);

    const QList<CategoryChoice> choices = CategoryChoices::load(m_state->categories());
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("categoryCombo"));
    CategoryChoices::setUp(m_category, choices);
    m_splitButton = new QPushButton(tr("Split..."), this);
    m_splitButton->setObjectName(QStringLiteral("splitButton"));
    m_splitButton->setToolTip(tr("Split this transaction across multiple categories with their own amounts and memos."));
    m_singleButton = new QPushButton(tr("Use single category"), this);
    m_singleButton->setObjectName(QStringLiteral("singleCategoryButton"));
    m_singleButton->setToolTip(tr("Drop the split and return to a single-category transaction."));
    m_singleButton->hide();
    connect(m_splitButton, &QPushButton::clicked, this, &TransactionFormDialog::startSplit);
    connect(m_singleButton, &QPushButton::clicked, this, [this] { setSplitMode(false); });
    auto *categoryRow = new QHBoxLayout;
    categoryRow->addWidget(m_category, 1);
    categoryRow->addWidget(m_splitButton);
    categoryRow->addWidget(m_singleButton);
    auto *categoryLabel = new QLabel(tr("Category:"), this);
    categoryLabel->setBuddy(m_category);

    m_lines = new SplitLinesWidget(choices, m_currency, this);
    m_lines->setObjectName(QStringLiteral("splitLines"));
    m_lines->hide();
    connect(m_lines, &SplitLinesWidget::changed, this, &TransactionFormDialog::showLinesTotal);

    m_memo = new QLineEdit(this);

    m_memo->setMaxLength(kMaxTextLength);
    m_memo->setObjectName(QStringLiteral("memoEdit"));
    m_memo->setPlaceholderText(tr("Optional"));
    m_checkNumber = new QLineEdit(this);
    m_checkNumber->setMaxLength(kMaxTextLength);
    m_checkNumber->setObjectName(QStringLiteral("checkNumberEdit"));
    m_checkNumber->setPlaceholderText(tr("Optional"));
    m_cleared = new QCheckBox(tr("Cleared"), this);
    m_cleared->setObjectName(QStringLiteral("clearedCheck"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TransactionFormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TransactionFormDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("Type:"), m_type);
    form->addRow(tr("Date:"), m_date);
    form->addRow(tr("Payee:"), m_payee);
    form->addRow(tr("Amount:"), m_amount);
    form->addRow(categoryLabel, categoryRow);
    form->addRow(QString(), m_lines);
    form->addRow(tr("Memo:"), m_memo);
    form->addRow(tr("Check #:"), m_checkNumber);
    form->addRow(QString(), m_cleared);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // The type radios come first in the layout; the date is what one types first.
    m_date->setFocus(Qt::OtherFocusReason);
}

void TransactionFormDialog::setAmount(qint64 amount)
{
    m_amount->setMinorUnits(qAbs(amount));
    m_type->setFromAmount(amount);
}

void TransactionFormDialog::setTransaction(const Transaction &t)
{
    m_original = t;
    m_editMode = true;
    setWindowTitle(tr("Edit Transaction"));
    m_date->setDate(t.date);
    m_payee->setText(t.payee);
    setAmount(t.amount);
    CategoryChoices::selectId(m_category, t.categoryId);
    m_memo->setText(t.memo);
    m_checkNumber->setText(t.checkNumber);
    m_cleared->setChecked(t.cleared);
    if (t.isSplit) {
        m_lines->setLines(m_state->splitLines()->linesOf(t.id), t.amount < 0);
        setSplitMode(true);
    }
}

void TransactionFormDialog::prefill(const Transaction &seed)
{
    if (seed.date.isValid())
        m_date->setDate(seed.date);
    if (!seed.payee.isEmpty())
        m_payee->setText(seed.payee);
    if (!seed.checkNumber.isEmpty())
        m_checkNumber->setText(seed.checkNumber);
    if (!seed.memo.isEmpty())
        m_memo->setText(seed.memo);
    if (seed.amount != 0)
        setAmount(seed.amount);
    if (!seed.categoryId.isEmpty())
        CategoryChoices::selectId(m_category, seed.categoryId);
}

void TransactionFormDialog::loadFromPayee(const QString &payee)
{
    const std::optional<Transaction> last = m_state->transactions()->latestByPayee(payee, m_accountId);
    if (!last)
        return;
    m_memo->setText(last->memo);
    // A split's amount and category come from its lines; only the type follows.
    if (m_splitMode) {
        m_type->setFromAmount(last->amount);
        return;
    }
    setAmount(last->amount);
    if (!last->categoryId.isEmpty())
        CategoryChoices::selectId(m_category, last->categoryId);
}

void TransactionFormDialog::startSplit()
{
    m_lines->clearLines();
    const qint64 amount = m_amount->minorUnits();
    if (amount > 0)
        m_lines->addLine(CategoryChoices::idOfText(m_category), amount);
    setSplitMode(true);
}

void TransactionFormDialog::setSplitMode(bool on)
{
    m_splitMode = on;
    // Typed text that names an item becomes the current item, so that leaving
    // split mode brings back what the user had chosen.
    const int typed = m_category->findText(m_category->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (on && typed >= 0)
        m_category->setCurrentIndex(typed);
    m_category->setEnabled(!on);
    m_category->setEditText(on ? tr("\u2014Split\u2014") : m_category->itemText(m_category->currentIndex()));
    m_splitButton->setVisible(!on);
    m_singleButton->setVisible(on);
    m_lines->setVisible(on);
    m_amount->setEnabled(!on);
    // Lines against the transaction's way can outweigh the others: the box
    // then shows the negative total that will be stored.
    m_amount->setMinimum(on ? -m_amount->maximum() : 0.0);
    if (on)
        showLinesTotal();
    adjustSize();
}

void TransactionFormDialog::showLinesTotal()
{
    if (m_splitMode)
        m_amount->setMinorUnits(m_lines->total());
}

Transaction TransactionFormDialog::transaction() const
{
    Transaction t = m_original;
    if (!m_editMode)
        t.accountId = m_accountId;
    t.date = m_date->date();
    t.payee = m_payee->text().trimmed();
    const qint64 magnitude = m_splitMode ? m_lines->total() : m_amount->minorUnits();
    t.amount = m_type->signedAmount(magnitude);
    t.isSplit = m_splitMode;
    t.categoryId = m_splitMode ? QString() : CategoryChoices::idOfText(m_category);
    t.memo = m_memo->text().trimmed();
    t.checkNumber = m_checkNumber->text().trimmed();
    t.cleared = m_cleared->isChecked();
    return t;
}

QList<SplitLine> TransactionFormDialog::splitLines() const
{
    if (!m_splitMode)
        return {};
    QList<SplitLine> lines = m_lines->lines(m_type->isPayment());
    for (SplitLine &line : lines)
        line.transactionId = m_original.id;
    return lines;
}

bool TransactionFormDialog::validate()
{
    if (m_splitMode && m_lines->warnIfUncategorized())
        return false;
    g_lastAcceptedDate = m_date->commitText();
    return true;
}
