// The window's side of the account sidebar: what its rows show, what a
// choice in it does, its width, the Alt+digit shortcuts and its menu.
#include "app/mainwindow.h"

#include "app/accountsidebar.h"
#include "app/appstate.h"
#include "app/statusbar.h"
#include "app/thememanager.h"
#include "app/welcomescreen.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "services/money.h"
#include "ui/register/registerscreen.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>

QWidget *MainWindow::buildSidebarPanel()
{
    m_accountSidebar = new AccountSidebar(this);
    m_sidebar = m_accountSidebar->list();
    // Clicks and keyboard moves both change the current row; a click on the
    // current one brings its register back.
    connect(m_accountSidebar, &AccountSidebar::accountShown, this, &MainWindow::onAccountClicked);
    // A click (or Enter) on an account means "I want to type in it": the
    // entry row takes the keys. Arrowing through the list only shows them.
    connect(m_accountSidebar, &AccountSidebar::accountChosen, this, [this](const QString &id) {
        onAccountClicked(id);
        if (m_pages->currentWidget() == m_register)
            m_register->focusEntryRow();
    });
    connect(m_accountSidebar, &AccountSidebar::menuRequested, this, &MainWindow::onAccountContextMenu);
    connect(m_accountSidebar, &AccountSidebar::widthNeededChanged, this, &MainWindow::fitSidebar);
    return m_accountSidebar;
}

void MainWindow::rebuildSidebar()
{
    const QList<Account> accounts = m_state->accounts()->listLive();
    QList<AccountSidebar::Row> rows;
    Money::Totals total;
    QStringList ids;
    for (const Account &account : accounts) {
        const qint64 balance = m_state->transactions()->balance(account.id);
        total.add(balance, account.currency);
        ids.append(account.id);
        rows.append({account, balance});
    }
    m_accountSidebar->setRows(rows, m_state->currentAccountId(),
                              accounts.isEmpty() ? tr("No accounts") : tr("Total: %1").arg(total.text()));
    m_statusBar->setAccountCount(int(accounts.size()));
    rebuildAccountShortcuts(ids);
}

void MainWindow::fitSidebar()
{
    // A width the user dragged to is theirs; otherwise the names and balances
    // show whole, up to two fifths of the window.
    if (!m_splitter || m_sidebarDragged)
        return;
    const int total = m_splitter->width() - m_splitter->handleWidth();
    if (total <= 0)
        return;
    const int least = m_accountSidebar->minimumWidth();
    const int wanted = qMax(240, m_accountSidebar->widthNeeded());
    // The register's figures come first: the sidebar gives way before a
    // column of the register would.
    const int room = m_pages->currentWidget() == m_register ? total - m_register->leastWidth() : total;
    const int target = qBound(least, wanted, qMax(least, qMin(total * 2 / 5, room)));
    if (m_splitter->sizes().value(0) != target)
        m_splitter->setSizes({target, qMax(0, total - target)});
}

void MainWindow::rebuildAccountShortcuts(const QStringList &accountIds)
{
    qDeleteAll(m_accountShortcuts);
    m_accountShortcuts.clear();
    for (int i = 0; i < std::min<qsizetype>(10, accountIds.size()); ++i) {
        const Qt::Key key = i == 9 ? Qt::Key_0 : Qt::Key(Qt::Key_1 + i);
        auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        shortcut->setContext(Qt::WindowShortcut);
        const QString id = accountIds.at(i);
        connect(shortcut, &QShortcut::activated, this, [this, id] { selectAccount(id); });
        m_accountShortcuts.append(shortcut);
    }
}

QString MainWindow::totalText() const
{
    return m_accountSidebar->totalText();
}

void MainWindow::onAccountContextMenu(const QString &id, const QPoint &globalPos)
{
    QMenu menu(this);
    menu.addAction(tr("New Account..."), this, &MainWindow::showNewAccountDialog);
    if (!id.isEmpty()) {
        const std::optional<Account> account = m_state->accounts()->findById(id);
        const QString name = account ? account->name : QString();
        auto onAccount = [this, id](void (MainWindow::*slot)()) {
            return [this, id, slot] {
                selectAccount(id);
                (this->*slot)();
            };
        };
        menu.addSeparator();
        menu.addAction(tr("Edit \"%1\"...").arg(name), this, onAccount(&MainWindow::showEditAccountDialog));
        QAction *reconcile = menu.addAction(tr("Reconcile..."), this, onAccount(&MainWindow::showReconciliationWindow));
        QAction *history = menu.addAction(tr("Reconciliation History..."), this,
                                          onAccount(&MainWindow::showReconciliationHistoryWindow));
        QAction *payees = menu.addAction(tr("Rename Payees..."), this, &MainWindow::showPayeesWindow);
        menu.addSeparator();
        QAction *share = menu.addAction(tr("Share..."), this, onAccount(&MainWindow::showShareAccountDialog));
        menu.addSeparator();
        menu.addAction(tr("Delete \"%1\"").arg(name), this, [this, id] { deleteAccount(id); });
        // Entries whose windows are not available yet follow their menu-bar twins.
        reconcile->setEnabled(action(QStringLiteral("actionReconcile"))->isEnabled());
        history->setEnabled(action(QStringLiteral("actionReconciliationHistory"))->isEnabled());
        payees->setEnabled(action(QStringLiteral("actionRenamePayees"))->isEnabled());
        share->setEnabled(action(QStringLiteral("actionShare"))->isEnabled());
    }
    menu.exec(globalPos);
}

void MainWindow::restyle()
{
    const bool dark = ThemeManager::darkNow();
    m_accountSidebar->restyle();
    if (m_statusBar)
        m_statusBar->restyle();
    if (m_welcome)
        m_welcome->restyle();
    if (m_emptyState) {
        const QString muted = ThemeManager::toneName(ThemeManager::Muted);
        if (auto *hint = m_emptyState->findChild<QLabel *>(QStringLiteral("emptyStateHint")))
            hint->setStyleSheet(QStringLiteral("color: %1;").arg(muted));
        if (auto *create = m_emptyState->findChild<QPushButton *>(QStringLiteral("emptyStateCreate")))
            create->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: none; "
                                                 "border-radius: 6px; padding: 8px 20px; } "
                                                 "QPushButton:hover { background: %3; }")
                                      .arg(QLatin1String(dark ? "#4DB6AC" : "#00897B"),
                                           QLatin1String(dark ? "#0F1E19" : "#FFFFFF"),
                                           QLatin1String(dark ? "#80CBC4" : "#00796B")));
    }
}
