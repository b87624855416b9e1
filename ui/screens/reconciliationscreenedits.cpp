// Adding, editing and deleting transactions from the reconcile window.
#include "ui/screens/reconciliationscreen.h"

#include "app/appstate.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/prompt.h"
#include "ui/screens/reconciliationmodel.h"

#include <QTableView>

void ReconciliationScreen::addTransaction()
{
    if (m_account.id.isEmpty())
        return;
    TransactionFormDialog dialog(m_state, m_account.id, this);
    dialog.setSave([&] { return m_state->transactionService()->add(dialog.transaction(), dialog.splitLines()); });
    if (dialog.exec() == QDialog::Accepted)
        fillTable();
}

void ReconciliationScreen::editSelectedTransaction()
{
    const int row = currentRow();
    if (m_account.id.isEmpty() || row < 0)
        return;
    // The stored row, not the listed copy: it may have changed since the list was read.
    const std::optional<Transaction> stored = m_state->transactions()->getById(m_model->transactions().at(row).id);
    if (!stored || stored->isDeleted()) {
        fillTable();
        return;
    }
    TransactionFormDialog dialog(m_state, m_account.id, this);
    dialog.setTransaction(*stored);
    dialog.setSave([&] { return m_state->transactionService()->update(dialog.transaction(), dialog.splitLines()); });
    if (dialog.exec() == QDialog::Accepted)
        fillTable();
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    const int row = currentRow();
    if (m_account.id.isEmpty() || row < 0)
        return;
    // A copy: a refresh while the question is open replaces the model's rows.
    const Transaction t = m_model->transactions().at(row);
    if (Prompt::question(this, tr("Delete Transaction"), tr("Delete the transaction for %1?").arg(t.payee),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    // A transfer goes with its other side, as in the register.
    if (!m_state->transactionService()->deleteWithPartner(t.id)) {
        Prompt::warning(this, tr("Delete Transaction"), tr("The transaction could not be deleted."));
        return;
    }
    fillTable();
}
