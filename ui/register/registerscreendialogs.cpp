#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "data/clock.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/datetext.h"
#include "services/money.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"
#include "ui/dialogs/recurringformdialog.h"
#include "ui/dialogs/spliteditordialog.h"
#include "ui/dialogs/transactiondetailsdialog.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/register/registerkeys.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerrowwriter.h"
#include "ui/register/registertableview.h"

#include <QTimer>

void RegisterScreen::newTransactionDialog()
{
    presentNewTransactionDialog(std::nullopt);
}

void RegisterScreen::presentNewTransactionDialog(const std::optional<Transaction> &seed)
{
    if (refuseViewOnly())
        return;
    m_table->commitAndCloseEditor();
    if (m_account.id.isEmpty())
        return;
    Q_EMIT newTransactionRequested(m_account.id);
    TransactionFormDialog dialog(m_state, m_account.id, this);
    if (seed)
        dialog.prefill(*seed);
    QString id;
    dialog.setSave([&] { return m_state->transactionService()->add(dialog.transaction(), dialog.splitLines(), &id); });
    if (dialog.exec() != QDialog::Accepted)
        return;

    // Typing in the blank row survives a dialog that was not filled from it.
    const RegisterModel::BufferState typed = m_model->bufferState();
    const bool keepTyped = !seed && m_model->editingRow() < 0 && typed.dirty;
    afterOwnWrite({m_reloadTimer->isActive(), {id}, {}});
    m_keys->goToBlankRow(false);
    if (keepTyped)
        m_model->restoreBufferState(typed);
}

void RegisterScreen::editNewRowInDialog()
{
    if (refuseViewOnly())
        return;
    m_table->commitAndCloseEditor();
    Transaction seed;
    seed.date = DateText::parseTyped(m_model->bufferText(RegisterModel::Date));
    seed.payee = m_model->bufferText(RegisterModel::Payee).trimmed();
    seed.checkNumber = m_model->bufferText(RegisterModel::CheckNumber).trimmed();
    seed.memo = m_model->bufferText(RegisterModel::Memo).trimmed();
    const QString payment = m_model->bufferText(RegisterModel::Payment).trimmed();
    const QString deposit = m_model->bufferText(RegisterModel::Deposit).trimmed();
    // Read as saving the row would read it; what does not read leaves the
    // dialog's amount empty.
    qint64 amount = 0;
    if (RegisterRowWriter::readTypedAmount(payment.isEmpty() ? deposit : payment, m_account.currency, &amount))
        seed.amount = payment.isEmpty() ? amount : -amount;
    seed.categoryId = m_writer->categoryIdFromBuffer();
    presentNewTransactionDialog(seed);
}

void RegisterScreen::editCurrentInDialog()
{
    m_table->commitAndCloseEditor();
    const RegisterEntry *entry = currentEntry();
    if (!entry) {
        const QModelIndex current = m_table->currentIndex();
        if (current.isValid() && m_model->isBlankRow(current.row()))
            editNewRowInDialog();
        return;
    }
    if (entry->isOpeningBalance)
        return;
    if (m_viewOnly)
        showCurrentDetails();
    else
        editTransaction(entry->transaction.id);
}

void RegisterScreen::editTransaction(const QString &transactionId)
{
    if (refuseViewOnly())
        return;
    m_table->commitAndCloseEditor();
    const std::optional<Transaction> stored = m_state->transactions()->getById(transactionId);
    if (!stored || stored->isDeleted())
        return;
    Q_EMIT editTransactionRequested(transactionId);
    TransactionFormDialog dialog(m_state, stored->accountId, this);
    dialog.setTransaction(*stored);
    dialog.setSave([&] { return m_state->transactionService()->update(dialog.transaction(), dialog.splitLines()); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The other side of a transfer may have changed with it.
    afterOwnWrite({m_reloadTimer->isActive() || stored->isTransfer(), {transactionId}, {}});
}

void RegisterScreen::showCurrentDetails()
{
    const RegisterEntry *entry = takeStoredEntry();
    if (!entry)
        return;
    const QString id = entry->transaction.id;
    TransactionDetailsDialog dialog(m_state, entry->transaction, this);
    dialog.exec();
    loadNow();
    if (dialog.editRequested() && !dialog.wasDeleted())
        editTransaction(id);
}

void RegisterScreen::editCurrentSplits()
{
    if (refuseViewOnly())
        return;
    const RegisterEntry *entry = takeStoredEntry();
    if (!entry)
        return;
    const Transaction t = entry->transaction;
    SplitEditorDialog dialog(m_state, t.amount, m_state->splitLines()->linesOf(t.id), m_account.currency, this);
    dialog.setSave([&] {
        Transaction changed = t;
        changed.amount = dialog.amount();
        return m_state->transactionService()->update(changed, dialog.lines());
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    afterOwnWrite({m_reloadTimer->isActive(), {t.id}, {}});
}

void RegisterScreen::memorizeCurrentRow()
{
    if (refuseViewOnly())
        return;
    const RegisterEntry *entry = takeStoredEntry();
    if (!entry)
        return;
    const Transaction &t = entry->transaction;
    if (!t.date.isValid() || t.date.year() < 2000) {
        showMessage(tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    RecurringTransaction seed;
    seed.accountId = t.accountId;
    seed.payee = t.payee;
    seed.memo = t.memo;
    seed.amount = t.amount;
    seed.categoryId = t.categoryId;
    seed.transferDestAccountId = t.transferDestAccountId;
    seed.frequency = Frequency::Monthly;
    seed.startDate = t.date;
    seed.nextDueDate = t.date;
    seed.autoPost = false;
    seed.isActive = true;

    RecurringFormDialog dialog(m_state, RecurringFormDialog::Memorize, this);
    dialog.setRecurring(seed);
    dialog.setSave([&] { return m_state->recurringService()->addSchedule(dialog.recurring()); });
    if (dialog.exec() == QDialog::Accepted)
        showMessage(tr("Transaction memorized as recurring"), 3000);
}
