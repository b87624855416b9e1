#include "ui/screens/reconciliationhistoryscreen.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "services/datetext.h"
#include "services/money.h"
#include "ui/screens/screencolors.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem *moneyItem(qint64 amount, Currency currency, bool dark)
{
    auto *item = new QTableWidgetItem(Money::formatMoney(amount, currency));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (amount < 0)
        item->setForeground(ScreenColors::negative(dark));
    return item;
}

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    m_heading = new QLabel(tr("Reconciliation History"), this);
    ThemeManager::setRole(m_heading, ThemeManager::Title);
    m_subtitle = new QLabel(tr("Past reconciliations for this account."), this);

    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setAccessibleName(tr("Reconciliation history"));
    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    m_empty = new QLabel(
        tr("No reconciliations yet. Reconcile your account from the register to see the history here."), this);
    m_empty->setObjectName(QStringLiteral("historyEmpty"));
    m_empty->setWordWrap(true);
    m_empty->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_subtitle);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_empty, 1);
    m_table->hide();

    // Also refreshed when a reconciliation finishes while the window is open.
    connect(m_state->reconciliations(), &ReconciliationRepository::reconciliationsChanged, this,
            &ReconciliationHistoryScreen::reload);
    applyColours();
}

void ReconciliationHistoryScreen::setAccountId(const QString &accountId)
{
    m_accountId = accountId;
    reload();
}

void ReconciliationHistoryScreen::reload()
{
    if (m_accountId.isEmpty())
        return;
    const std::optional<Account> account = m_state->accounts()->findById(m_accountId);
    const Currency currency = account ? account->currency : Currency::USD;
    m_heading->setText(account ? tr("Reconciliation History — %1").arg(account->name)
                               : tr("Reconciliation History"));

    const QList<Reconciliation> list = m_state->reconciliations()->listForAccount(m_accountId);
    m_table->setVisible(!list.isEmpty());
    m_empty->setVisible(list.isEmpty());
    m_table->setRowCount(int(list.size()));
    const bool dark = ScreenColors::dark();
    for (int row = 0; row < list.size(); ++row) {
        const Reconciliation &r = list.at(row);
        m_table->setItem(row, 0, new QTableWidgetItem(DateText::formatLong(r.statementDate)));
        m_table->setItem(row, 1, moneyItem(r.statementBalance, currency, dark));
        m_table->setItem(row, 2, moneyItem(r.reconciledBalance, currency, dark));
        m_table->setItem(row, 3,
                         new QTableWidgetItem(r.completedAt.toLocalTime().toString(QStringLiteral("MMM d, yyyy h:mm ap"))));
    }
}

void ReconciliationHistoryScreen::applyColours()
{
    const bool dark = ScreenColors::dark();
    m_subtitle->setStyleSheet(ScreenColors::mutedStyle(dark));
    m_empty->setStyleSheet(QStringLiteral("color: %1; padding: 32px;").arg(ScreenColors::muted(dark).name()));
}

void ReconciliationHistoryScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) && m_empty) {
        applyColours();
        reload();
    }
}
