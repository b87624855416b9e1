// Creating, editing and deleting accounts from the main window.
#include "app/mainwindow.h"

#include "app/appstate.h"
#include "app/settingsscreen.h"
#include "app/welcomescreen.h"
#include "data/accountrepository.h"
#include "data/sharedaccess.h"
#include "services/accountservice.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/import/importwindow.h"
#include "ui/prompt.h"
#include "ui/register/registerscreen.h"

#include <QStackedWidget>

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog dialog(this);
    std::optional<Account> created;
    dialog.setSave([&] {
        // A blank name stores nothing; there is nothing to retry either.
        if (dialog.account().name.trimmed().isEmpty())
            return true;
        created = m_state->accountService()->createAccount(dialog.account(), dialog.asOfDate());
        return created.has_value();
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!created) {
        showStatusMessage(tr("An account needs a name; nothing was created."), 5000);
        return;
    }
    rebuildSidebar();
    selectAccount(created->id);
    m_register->focusEntryRow();
}

void MainWindow::showEditAccountDialog()
{
    if (!requireChangeableAccount())
        return;
    const std::optional<Account> account = m_state->accounts()->findById(m_state->currentAccountId());
    if (!account)
        return;
    AccountFormDialog dialog(*account, this);
    dialog.setCurrencyLocked(m_state->accountService()->isCurrencyLocked(account->id));
    dialog.setOpeningBalance(m_state->accountService()->openingBalance(account->id));
    bool blank = false;
    dialog.setSave([&] {
        blank = dialog.account().name.trimmed().isEmpty();
        return blank || m_state->accountService()->updateAccount(dialog.account());
    });
    if (dialog.exec() == QDialog::Accepted && blank)
        showStatusMessage(tr("An account needs a name; it was not changed."), 5000);
}

void MainWindow::deleteAccount(const QString &accountId)
{
    const std::optional<Account> account = m_state->accounts()->findById(accountId);
    if (!account || account->isDeleted())
        return;
    // Deleting it here would delete the owner's transactions everywhere.
    if (const std::optional<SharedAccess::Access> access = SharedAccess(m_state->preferences()).of(accountId)) {
        Prompt::information(this, tr("Delete Account"),
                            tr("\"%1\" belongs to %2, who shares it with you. Only they can delete it.")
                                .arg(account->name, access->owner()));
        return;
    }
    const QMessageBox::StandardButton answer = Prompt::warningQuestion(
        this, tr("Delete Account"),
        tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation history for this account will be "
           "removed. You can restore it from Preferences \u2192 Data & Sync.")
            .arg(account->name));
    if (answer != QMessageBox::Yes)
        return;
    if (!m_state->accountService()->deleteAccount(accountId)) {
        Prompt::warning(this, tr("Delete Account"), tr("The account could not be deleted."));
        return;
    }
    rebuildSidebar();
    if (accountId != m_state->currentAccountId())
        return;
    // The register moves on to the first remaining account; only without any
    // account left does the window fall back to its empty state.
    const QList<Account> remaining = m_state->accounts()->listLive();
    if (!remaining.isEmpty()) {
        selectAccount(remaining.first().id);
        return;
    }
    m_state->setCurrentAccountId(QString());
    m_register->setAccount(QString());
    m_pages->setCurrentWidget(isSignedIn() ? m_emptyState : static_cast<QWidget *>(m_welcome));
}

void MainWindow::deleteCurrentAccount()
{
    if (!requireCurrentAccount())
        return;
    deleteAccount(m_state->currentAccountId());
}

void MainWindow::showSettingsWindow()
{
    if (!m_settings) {
        m_settings = new SettingsScreen(m_state, this);
        m_settings->setWindowFlag(Qt::Window);
        m_settings->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_settings, &SettingsScreen::deletedAccountRestored, this, &MainWindow::rebuildSidebar);
    }
    showWindow(m_settings, tr("Preferences"), QSize(500, 550));
}

void MainWindow::showImportWindow()
{
    if (!m_import) {
        m_import = new ImportWindow(*m_state, this);
        m_import->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_import, &ImportWindow::reconcileRequested, this, &MainWindow::reconcileToStatement);
    }
    showWindow(m_import, tr("Import Transactions"), QSize(650, 600));
}

void MainWindow::importFiles(const QStringList &paths)
{
    showImportWindow();
    // Files arriving while an import runs wait for the user to choose them again.
    if (!m_import->isImporting())
        m_import->setFiles(paths);
}
