#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/ids.h"
#include "data/transactionrepository.h"
#include "services/datetext.h"
#include "services/money.h"
#include "services/storefailure.h"
#include "services/transactionservice.h"
#include "ui/dialogs/formdialog.h"
#include "ui/prompt.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registertableview.h"

#include <QRegularExpression>
#include <QTimer>

struct RegisterScreen::RowInput {
    QDate date;
    QString payee;
    QString checkNumber;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    bool cleared = false;
    bool reconciled = false;
    std::optional<Account> transferTo;
};

namespace {

const QString kTransferPrefix = QStringLiteral("[Transfer] ");

// A typed amount that reads as 0 is only taken as 0 when it says 0; anything
// else that does not read ("12.5" for yen, "abc") is refused rather than
// silently saved as nothing.
bool readAmount(const QString &text, Currency currency, qint64 *amount)
{
    *amount = Money::parseMoney(text, currency);
    if (*amount != 0)
        return true;
    static const QRegularExpression zero(QStringLiteral("^-?\\s*0*\\.?0*$"));
    QString bare = text;
    bare.remove(Money::currencySymbol(int(currency)));
    bare.remove(QLatin1Char(','));
    bare = bare.trimmed();
    return bare.contains(QLatin1Char('0')) && zero.match(bare).hasMatch();
}

} // namespace

QString RegisterScreen::categoryIdFromBuffer() const
{
    // The item picked in the category box, else the typed text by name, else
    // the part after " > " of a "Parent > Child" text.
    if (!m_model->bufferCategoryId().isEmpty())
        return m_model->bufferCategoryId();
    const QString text = m_model->bufferText(RegisterModel::Category).trimmed();
    if (text.isEmpty())
        return QString();
    std::optional<Category> found = m_state->categories()->findByName(text);
    const int arrow = text.indexOf(QStringLiteral(" > "));
    if (!found && arrow >= 0)
        found = m_state->categories()->findByName(text.mid(arrow + 3).trimmed());
    return found ? found->id : QString();
}

bool RegisterScreen::readRow(RowInput *in, bool splitEntry)
{
    in->payee = m_model->bufferText(RegisterModel::Payee).trimmed();
    if (in->payee.isEmpty()) {
        showMessage(tr("Payee is required"), 3000);
        return false;
    }

    const QString payment = m_model->bufferText(RegisterModel::Payment).trimmed();
    const QString deposit = m_model->bufferText(RegisterModel::Deposit).trimmed();
    if (payment.isEmpty() && deposit.isEmpty()) {
        showMessage(tr("Enter a payment or deposit amount"), 3000);
        return false;
    }
    const QString &typed = payment.isEmpty() ? deposit : payment;
    if (!readAmount(typed, m_account.currency, &in->amount)) {
        showMessage(tr("\"%1\" is not an amount; type it like %2")
                        .arg(typed, Money::formatAmount(123456, m_account.currency)),
                    5000);
        return false;
    }
    if (!payment.isEmpty())
        in->amount = -in->amount;

    in->date = DateText::parseTyped(m_model->bufferText(RegisterModel::Date));
    if (!in->date.isValid())
        in->date = Clock::today();

    in->categoryId = categoryIdFromBuffer();
    // A category that does not exist is a typing slip, not "no category":
    // saving the row uncategorized would lose what the user meant.
    const QString categoryText = m_model->bufferText(RegisterModel::Category).trimmed();
    if (!splitEntry && in->categoryId.isEmpty() && !categoryText.isEmpty()) {
        showMessage(tr("Unknown category: %1").arg(categoryText), 5000);
        return false;
    }

    const QString marks = m_model->bufferText(RegisterModel::Cleared).trimmed().toUpper();
    in->cleared = marks == QLatin1String("C") || marks == QLatin1String("R");
    in->reconciled = marks == QLatin1String("R");

    in->checkNumber = m_model->bufferText(RegisterModel::CheckNumber).trimmed();
    in->memo = m_model->bufferText(RegisterModel::Memo).trimmed();

    if (in->payee.startsWith(kTransferPrefix)) {
        const QString name = in->payee.mid(kTransferPrefix.size());
        const QList<Account> accounts = m_state->accounts()->listLive();
        const auto other = std::find_if(accounts.cbegin(), accounts.cend(),
                                        [&name](const Account &a) { return a.name == name; });
        if (other == accounts.cend()) {
            showMessage(tr("Transfer account not found"), 3000);
            return false;
        }
        if (other->id == m_account.id) {
            showMessage(tr("A transfer needs another account"), 3000);
            return false;
        }
        if (other->currency != m_account.currency) {
            const QString text = tr("Transfers require both accounts to use the same currency");
            showMessage(text, 5000);
            Q_EMIT errorMessage(text);
            return false;
        }
        in->transferTo = *other;
        in->payee = tr("Transfer to %1").arg(other->name);
    }
    return true;
}

void RegisterScreen::commitCurrentRow()
{
    m_table->commitAndCloseEditor();
    if (m_account.id.isEmpty())
        return;
    const int editingRow = m_model->editingRow();
    const RegisterEntry *entry = editingRow >= 0 ? m_model->entryAt(editingRow) : nullptr;
    if (editingRow >= 0 && (!entry || entry->isOpeningBalance))
        return;

    RowInput in;
    if (!readRow(&in, entry && entry->transaction.isSplit))
        return;

    const bool wasPending = m_reloadTimer->isActive();
    if (!entry) {
        Transaction t;
        t.accountId = m_account.id;
        t.date = in.date;
        t.payee = in.payee;
        t.checkNumber = in.checkNumber;
        t.memo = in.memo;
        t.amount = in.amount;
        t.categoryId = in.categoryId;
        t.cleared = in.cleared;
        t.reconciled = in.reconciled;
        QString id;
        TransactionService *service = m_state->transactionService();
        const bool saved = saveOrKeep([&] {
            return in.transferTo ? service->addTransfer(t, m_account, *in.transferTo, &id) : service->add(t, {}, &id);
        });
        if (!saved)
            return;
        m_model->setLastDateEntered(DateText::formatShort(in.date));
        afterOwnWrite(wasPending, {id}, {});
        goToBlankRow(false);
        return;
    }

    Transaction t = entry->transaction;
    t.date = in.date;
    t.payee = in.payee;
    t.checkNumber = in.checkNumber;
    t.memo = in.memo;
    // A split's amount and category belong to its lines.
    if (!t.isSplit) {
        t.amount = in.amount;
        t.categoryId = in.categoryId;
    }
    t.cleared = in.cleared;
    t.reconciled = in.reconciled;
    if (!saveOrKeep([&] { return m_state->transactionService()->update(t); }))
        return;
    // The other side of a transfer may have changed with it.
    afterOwnWrite(wasPending || t.isTransfer(), {t.id}, {});
    const int row = m_model->rowOfTransaction(t.id);
    if (row >= 0 && row + 1 < m_model->rowCount())
        selectCell(row + 1, RegisterModel::Date, false);
}

// A row that could not be written stays as typed: the user is told why, in
// the hint line and in a box that offers to try again. Nothing typed is lost.
bool RegisterScreen::saveOrKeep(const std::function<bool()> &save)
{
    const QModelIndex current = m_table->currentIndex();
    const auto attempt = [&] {
        if (save())
            return true;
        const QString text = tr("The transaction was not saved: %1").arg(StoreFailure::text());
        showMessage(text, 10000);
        Q_EMIT errorMessage(text);
        return false;
    };
    if (FormDialog::saveWithRetry(this, tr("Transaction Not Saved"), attempt,
                                  tr("Everything you typed is still in the row.")))
        return true;
    if (current.isValid())
        selectCell(current.row(), current.column(), true);
    return false;
}

void RegisterScreen::afterOwnWrite(bool fullReload, const QStringList &changedIds, const QStringList &removedIds)
{
    // When nothing else changed since the last load, only the rows this
    // screen wrote are read back; a large register then saves in
    // milliseconds instead of being read whole again.
    if (fullReload) {
        loadNow();
        return;
    }
    m_reloadTimer->stop();
    QList<RegisterEntry> upserts;
    QStringList removed = removedIds;
    for (const QString &id : changedIds) {
        std::optional<RegisterEntry> entry = m_state->transactions()->registerEntry(id);
        if (entry && entry->transaction.accountId == m_account.id)
            upserts.append(*entry);
        else
            removed.append(id);
    }
    m_table->commitAndCloseEditor();
    loadEntries([&] {
        m_delegate->invalidateLists();
        m_model->applyChanges(upserts, removed);
    });
}

void RegisterScreen::deleteCurrentRow()
{
    const RegisterEntry *entry = takeStoredEntry();
    if (!entry)
        return;
    const Transaction t = entry->transaction;
    const QString amount = Money::formatMoney(t.amount < 0 ? -t.amount : t.amount, m_account.currency);
    const QString text = t.isTransfer()
        ? tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.").arg(t.payee, amount)
        : tr("Delete \"%1\" for %2?").arg(t.payee, amount);
    if (Prompt::question(this, tr("Delete Transaction"), text) != QMessageBox::Yes)
        return;
    const bool wasPending = m_reloadTimer->isActive();
    const bool ok = m_state->transactionService()->deleteWithPartner(t.id);
    afterOwnWrite(wasPending || !ok, {}, {t.id, t.transferLinkId});
}

void RegisterScreen::toggleCurrentCleared()
{
    const RegisterEntry *entry = takeStoredEntry();
    if (!entry)
        return;
    const QString id = entry->transaction.id;
    const bool wasPending = m_reloadTimer->isActive();
    const bool ok = m_state->transactionService()->setCleared(id, !entry->transaction.cleared);
    afterOwnWrite(wasPending || !ok, {id}, {});
}
