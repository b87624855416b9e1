// The account sidebar: one row per live account with its balance, the total
// underneath, the Alt+digit shortcuts and the right-click menu.
#include "app/mainwindow.h"

#include "app/appstate.h"
#include "app/statusbar.h"
#include "app/thememanager.h"
#include "app/welcomescreen.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "services/money.h"
#include "ui/glyph.h"
#include "ui/register/registerscreen.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

ushort glyphFor(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return Glyph::Checking;
    case AccountType::Savings:
        return Glyph::Savings;
    case AccountType::CreditCard:
        return Glyph::CreditCard;
    case AccountType::Cash:
        return Glyph::Cash;
    case AccountType::Investment:
        return Glyph::Investment;
    case AccountType::Other:
        break;
    }
    return Glyph::OtherAccount;
}

// A label that elides its text on the right to the width it is given.
class ElidedLabel : public QLabel
{
public:
    explicit ElidedLabel(const QString &text, QWidget *parent)
        : QLabel(parent)
        , m_full(text)
    {
        setToolTip(text);
        setMinimumWidth(40);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setAccessibleName(text);
        setText(text);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        setText(fontMetrics().elidedText(m_full, Qt::ElideRight, width()));
        QLabel::resizeEvent(event);
    }

private:
    QString m_full;
};

} // namespace

QWidget *MainWindow::buildSidebarPanel()
{
    m_sidebarPanel = new QWidget(this);
    m_sidebarPanel->setObjectName(QStringLiteral("sidebarPanel"));
    m_sidebarPanel->setMinimumWidth(220);
    auto *layout = new QVBoxLayout(m_sidebarPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_sidebarTitle = new QLabel(tr("ACCOUNTS"), m_sidebarPanel);
    m_sidebarTitle->setObjectName(QStringLiteral("sidebarTitle"));
    m_sidebarTitle->setContentsMargins(14, 14, 14, 6);
    ThemeManager::setRole(m_sidebarTitle, ThemeManager::Small, 700);
    layout->addWidget(m_sidebarTitle);

    m_sidebar = new QListWidget(m_sidebarPanel);
    m_sidebar->setObjectName(QStringLiteral("accountList"));
    m_sidebar->setAccessibleName(tr("Accounts"));
    m_sidebar->setFrameShape(QFrame::NoFrame);
    m_sidebar->setContextMenuPolicy(Qt::CustomContextMenu);
    m_sidebar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sidebar->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    layout->addWidget(m_sidebar, 1);
    m_sidebarTitle->setBuddy(m_sidebar);

    m_totalLabel = new QLabel(m_sidebarPanel);
    m_totalLabel->setObjectName(QStringLiteral("sidebarTotal"));
    m_totalLabel->setContentsMargins(14, 10, 14, 12);
    m_totalLabel->setAccessibleName(tr("Total of all accounts"));
    ThemeManager::setRole(m_totalLabel, ThemeManager::BodyMedium);
    layout->addWidget(m_totalLabel);

    // Clicks and keyboard moves both change the current item; a click on the
    // current one brings its register back.
    connect(m_sidebar, &QListWidget::currentItemChanged, this, &MainWindow::onAccountClicked);
    // A click (or Enter) on an account means "I want to type in it": the
    // entry row takes the keys. Arrowing through the list only shows them.
    const auto openForTyping = [this](QListWidgetItem *item) {
        onAccountClicked(item);
        if (item && m_pages->currentWidget() == m_register)
            m_register->focusEntryRow();
    };
    connect(m_sidebar, &QListWidget::itemClicked, this, openForTyping);
    connect(m_sidebar, &QListWidget::itemActivated, this, openForTyping);
    connect(m_sidebar, &QWidget::customContextMenuRequested, this, &MainWindow::onAccountContextMenu);
    return m_sidebarPanel;
}

QWidget *MainWindow::accountRowWidget(const Account &account, qint64 balance)
{
    auto *row = new QWidget;
    row->setObjectName(QStringLiteral("accountRow"));
    row->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(6, 8, 8, 8);
    layout->setSpacing(8);

    auto *icon = new QLabel(row);
    icon->setFixedSize(24, 24);
    icon->setPixmap(Glyph::pixmap(glyphFor(account.type), QColor(QStringLiteral("#4DB6AC")), 22, 24));
    layout->addWidget(icon, 0, Qt::AlignTop);

    auto *text = new QVBoxLayout;
    text->setContentsMargins(0, 0, 0, 0);
    text->setSpacing(2);
    auto *top = new QHBoxLayout;
    top->setSpacing(8);
    auto *name = new ElidedLabel(account.name, row);
    name->setObjectName(QStringLiteral("accountName"));
    ThemeManager::setRole(name, ThemeManager::Body, 500);
    name->setStyleSheet(QStringLiteral("color: #FFFFFF;"));
    top->addWidget(name, 1);

    auto *amount = new QLabel(Money::formatMoney(balance, account.currency), row);
    amount->setObjectName(QStringLiteral("accountBalance"));
    amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ThemeManager::setRole(amount, ThemeManager::Body);
    amount->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(balance < 0 ? "#FFA59C" : "#9CCC9F")));
    amount->setMinimumWidth(amount->fontMetrics().horizontalAdvance(amount->text()) + 4);
    top->addWidget(amount, 0);
    text->addLayout(top);

    QString detail = account.institution.isEmpty() ? Codes::accountTypeLabel(account.type) : account.institution;
    if (!account.accountNumberLast4.isEmpty())
        detail += QStringLiteral("  \u00b7  *%1").arg(account.accountNumberLast4);
    auto *second = new ElidedLabel(detail, row);
    second->setObjectName(QStringLiteral("accountDetail"));
    ThemeManager::setRole(second, ThemeManager::Small);
    second->setStyleSheet(QStringLiteral("color: #A9C4B7;"));
    text->addWidget(second);
    layout->addLayout(text, 1);
    return row;
}

void MainWindow::rebuildSidebar()
{
    const QString current = m_state->currentAccountId();
    const QSignalBlocker block(m_sidebar);
    m_sidebar->clear();

    const QList<Account> accounts = m_state->accounts()->listLive();
    Money::Totals total;
    QStringList ids;
    for (const Account &account : accounts) {
        const qint64 balance = m_state->transactions()->balance(account.id);
        total.add(balance, account.currency);
        ids.append(account.id);
        auto *item = new QListWidgetItem(m_sidebar);
        item->setData(Qt::UserRole, account.id);
        item->setData(Qt::AccessibleTextRole,
                      tr("%1, balance %2").arg(account.name, Money::formatMoney(balance, account.currency)));
        QWidget *row = accountRowWidget(account, balance);
        item->setSizeHint(QSize(row->sizeHint().width(), row->sizeHint().height() + 10));
        m_sidebar->setItemWidget(item, row);
        if (account.id == current)
            m_sidebar->setCurrentItem(item);
    }

    m_statusBar->setAccountCount(int(accounts.size()));
    rebuildAccountShortcuts(ids);
    m_totalLabel->setText(accounts.isEmpty() ? tr("No accounts") : tr("Total: %1").arg(total.text()));
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
    return m_totalLabel->text();
}

void MainWindow::onAccountContextMenu(const QPoint &pos)
{
    QListWidgetItem *item = m_sidebar->itemAt(pos);
    QMenu menu(this);
    menu.addAction(tr("New Account..."), this, &MainWindow::showNewAccountDialog);
    if (item) {
        const QString id = item->data(Qt::UserRole).toString();
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
    menu.exec(m_sidebar->viewport()->mapToGlobal(pos));
}

void MainWindow::restyle()
{
    const bool dark = ThemeManager::darkNow();
    // The sidebar is dark in both themes; its rows use light text on it, at a
    // contrast of 4.5:1 or more on the selected row too.
    const QString back = QLatin1String(dark ? "#0B1713" : "#16392F");
    const QString selected = QLatin1String(dark ? "#1E3A32" : "#204E43");
    const QString hover = QLatin1String(dark ? "#142822" : "#1C463A");
    m_sidebarPanel->setStyleSheet(
        QStringLiteral("#sidebarPanel { background: %1; } #sidebarTitle { color: #A9C4B7; } "
                       "#sidebarTotal { color: #D8E8DF; border-top: 1px solid %2; } "
                       "QListWidget#accountList { background: %1; border: none; outline: none; } "
                       "QListWidget#accountList::item { border-radius: 6px; margin: 1px 6px; } "
                       "QListWidget#accountList::item:hover { background: %3; } "
                       "QListWidget#accountList::item:selected { background: %2; }")
            .arg(back, selected, hover));
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
