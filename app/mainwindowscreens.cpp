// The windows the main window opens for the current account or the whole store.
#include "app/mainwindow.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "ui/register/registerscreen.h"
#include "ui/reports/reportsscreen.h"
#include "ui/screens/categoriesscreen.h"
#include "ui/screens/payeescreen.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/recurringscreen.h"
#include "ui/screens/searchscreen.h"

namespace {

// A child widget turned into a window of its own that goes away when closed.
template <typename Screen>
Screen *makeWindow(Screen *screen, bool deleteOnClose)
{
    screen->setWindowFlag(Qt::Window);
    if (deleteOnClose)
        screen->setAttribute(Qt::WA_DeleteOnClose);
    return screen;
}

} // namespace

void MainWindow::showRecurringWindow()
{
    if (!m_recurring)
        m_recurring = makeWindow(new RecurringScreen(m_state, this), true);
    showWindow(m_recurring, tr("Recurring Transactions"), QSize(700, 500));
}

void MainWindow::showCategoriesWindow()
{
    // Kept for the rest of the run, so its expanded rows and filter survive.
    if (!m_categories)
        m_categories = makeWindow(new CategoriesScreen(m_state, this), false);
    showWindow(m_categories, tr("Categories"), QSize(600, 500));
}

void MainWindow::showReportsWindow()
{
    // Kept for the rest of the run, so the chosen report and period survive.
    if (!m_reports) {
        m_reports = makeWindow(new ReportsScreen(m_state, this), false);
        connect(m_reports, &ReportsScreen::editTransactionRequested, this, &MainWindow::editFoundTransaction);
    }
    showWindow(m_reports, tr("Reports"), QSize(800, 600));
}

void MainWindow::showPayeesWindow()
{
    if (!m_payees)
        m_payees = makeWindow(new PayeeScreen(m_state, this), true);
    showWindow(m_payees, tr("Payee Management"), QSize(550, 500));
}

void MainWindow::showReconciliationWindow()
{
    if (requireChangeableAccount())
        openReconciliation(m_state->currentAccountId());
}

void MainWindow::reconcileToStatement(const QString &accountId, const QDate &statementDate, qint64 statementBalance)
{
    const std::optional<Account> account = m_state->accounts()->findById(accountId);
    if (!account || account->isDeleted())
        return;
    selectAccount(accountId);
    if (!requireChangeableAccount())
        return;
    openReconciliation(accountId)->setStatement(statementDate, statementBalance);
}

ReconciliationScreen *MainWindow::openReconciliation(const QString &accountId)
{
    const std::optional<Account> account = m_state->accounts()->findById(accountId);
    auto *screen = makeWindow(new ReconciliationScreen(m_state, this), true);
    screen->setAccount(accountId);
    connect(screen, &ReconciliationScreen::reconciliationCompleted, screen, &QWidget::close);
    connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
    showWindow(screen, tr("Reconcile \u2014 %1").arg(account ? account->name : QString()), QSize(1100, 720));
    return screen;
}

void MainWindow::showReconciliationHistoryWindow()
{
    if (!requireCurrentAccount())
        return;
    if (!m_history)
        m_history = makeWindow(new ReconciliationHistoryScreen(m_state, this), true);
    m_history->setAccountId(m_state->currentAccountId());
    showWindow(m_history, tr("Reconciliation History"), QSize(750, 500));
}

void MainWindow::showSearchWindow()
{
    // Kept while open so the results stay; the filter lists are refilled each time.
    if (!m_search) {
        m_search = makeWindow(new SearchScreen(m_state, this), true);
        connect(m_search, &SearchScreen::editTransactionRequested, this, &MainWindow::editFoundTransaction);
    } else {
        m_search->refreshFilters();
    }
    showWindow(m_search, tr("Search Transactions"), QSize(800, 550));
}

void MainWindow::editFoundTransaction(const QString &transactionId)
{
    const std::optional<Transaction> t = m_state->transactions()->getById(transactionId);
    if (!t || t->isDeleted())
        return;
    selectAccount(t->accountId);
    raise();
    activateWindow();
    m_register->editTransaction(transactionId);
}
