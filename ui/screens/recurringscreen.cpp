#include "ui/screens/recurringscreen.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/recurringrepository.h"
#include "services/datetext.h"
#include "services/recurringservice.h"
#include "services/storefailure.h"
#include "ui/dialogs/recurringformdialog.h"
#include "ui/prompt.h"
#include "ui/screens/recurringmodel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kEnterAheadDays = 7;
}

RecurringScreen::RecurringScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new RecurringModel(this))
{
    auto *title = new QLabel(tr("Recurring Transactions"), this);
    ThemeManager::setRole(title, ThemeManager::Title);
    m_dueLabel = new QLabel(this);
    m_dueLabel->setObjectName(QStringLiteral("recurringDue"));
    m_dueLabel->setStyleSheet(QStringLiteral("color: #008800;"));
    ThemeManager::setRole(m_dueLabel, ThemeManager::Subheading);

    auto *confirmAll = new QPushButton(tr("Confirm All Due"), this);
    confirmAll->setObjectName(QStringLiteral("confirmAllDue"));
    auto *enterWeek = new QPushButton(tr("Enter Next 7 Days"), this);
    enterWeek->setObjectName(QStringLiteral("enterNextSevenDays"));
    auto *create = new QPushButton(tr("New Recurring"), this);
    create->setObjectName(QStringLiteral("newRecurring"));

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("recurringTable"));
    m_table->setAccessibleName(tr("Recurring transactions"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->verticalHeader()->hide();
    // The payee takes the room the other columns leave; those fit their text.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(RecurringModel::PayeeColumn, QHeaderView::Stretch);
    m_table->setWordWrap(false);
    // No column until the user clicks one: the rows keep the store's order
    // (active first, then next due date).
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);

    auto *top = new QHBoxLayout;
    top->addWidget(title);
    top->addWidget(m_dueLabel);
    top->addStretch(1);
    top->addWidget(confirmAll);
    top->addWidget(enterWeek);
    top->addWidget(create);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);

    connect(confirmAll, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    connect(enterWeek, &QPushButton::clicked, this, &RecurringScreen::enterNextSevenDays);
    connect(create, &QPushButton::clicked, this, &RecurringScreen::newRecurring);
    connect(m_table, &QWidget::customContextMenuRequested, this, &RecurringScreen::showContextMenu);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &RecurringScreen::editSelected);

    // Changes from elsewhere (the hourly posting pass, a sync, an account
    // renamed) reload once per burst.
    m_reloadTimer = new QTimer(this);
    m_reloadTimer->setSingleShot(true);
    m_reloadTimer->setInterval(0);
    connect(m_reloadTimer, &QTimer::timeout, this, &RecurringScreen::reload);
    connect(m_state->recurring(), &RecurringRepository::recurringChanged, m_reloadTimer, qOverload<>(&QTimer::start));
    connect(m_state->accounts(), &AccountRepository::accountsChanged, m_reloadTimer, qOverload<>(&QTimer::start));

    reload();
}

void RecurringScreen::reload()
{
    m_reloadTimer->stop();
    const QString current = selected() ? selected()->id : QString();
    QHash<QString, Account> accounts;
    // Deleted accounts too: their schedules still name them.
    const QList<Account> live = m_state->accounts()->listLive();
    const QList<Account> deleted = m_state->accounts()->listDeleted();
    for (const QList<Account> *list : {&deleted, &live}) {
        for (const Account &a : *list)
            accounts.insert(a.id, a);
    }
    m_model->setSchedules(m_state->recurringService()->allSchedules(), accounts);
    const int row = m_model->rowOfId(current);
    if (row >= 0)
        m_table->selectRow(row);

    const int due = m_state->recurringService()->pendingCount();
    m_dueLabel->setText(due > 0 ? tr("(%1 due)").arg(due) : QString());
}

const RecurringTransaction *RecurringScreen::selected() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_model->scheduleAt(current.row()) : nullptr;
}

QMenu *RecurringScreen::createContextMenu(const QModelIndex &index, QWidget *parent)
{
    const RecurringTransaction *r = index.isValid() ? m_model->scheduleAt(index.row()) : nullptr;
    if (!r)
        return nullptr;
    m_table->setCurrentIndex(index);
    auto *menu = new QMenu(parent);
    menu->addAction(tr("&Edit"), this, &RecurringScreen::editSelected);
    if (r->isActive) {
        menu->addAction(tr("&Confirm"), this, &RecurringScreen::confirmSelected);
        menu->addAction(tr("&Skip"), this, &RecurringScreen::skipSelected);
        menu->addAction(tr("Enter E&arly..."), this, &RecurringScreen::enterSelectedEarly);
    }
    menu->addSeparator();
    menu->addAction(tr("&Delete"), this, &RecurringScreen::deleteSelected);
    return menu;
}

void RecurringScreen::showContextMenu(const QPoint &pos)
{
    QMenu *menu = createContextMenu(m_table->indexAt(pos), this);
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_table->viewport()->mapToGlobal(pos));
}

void RecurringScreen::newRecurring()
{
    RecurringFormDialog dialog(m_state, RecurringFormDialog::Create, this);
    dialog.setSave([&] { return m_state->recurringService()->addSchedule(dialog.recurring()); });
    if (dialog.exec() == QDialog::Accepted)
        reload();
}

void RecurringScreen::editSelected()
{
    const RecurringTransaction *r = selected();
    if (!r)
        return;
    RecurringFormDialog dialog(m_state, RecurringFormDialog::Edit, this);
    dialog.setRecurring(*r);
    dialog.setSave([&] { return m_state->recurringService()->updateSchedule(dialog.recurring()); });
    if (dialog.exec() == QDialog::Accepted)
        reload();
}

void RecurringScreen::posted(int count)
{
    if (count > 0)
        Q_EMIT transactionsChanged();
    reload();
}

void RecurringScreen::reportNotPosted(const RecurringTransaction &r)
{
    // The engine refuses a transfer into a deleted account or between two
    // currencies, and quarantines a schedule with a broken date.
    Prompt::warning(this, tr("Not Posted"),
                    tr("\"%1\" could not be posted. Its schedule needs editing: check its date and, for a "
                       "transfer, its accounts.")
                        .arg(r.payee));
}

void RecurringScreen::confirmSelected()
{
    const RecurringTransaction *r = selected();
    if (!r)
        return;
    postOccurrence(*r);
}

void RecurringScreen::postOccurrence(const RecurringTransaction &schedule)
{
    bool alreadyPosted = false;
    const bool ok = m_state->recurringService()->confirm(schedule.id, &alreadyPosted);
    if (!ok)
        reportNotPosted(schedule);
    else if (alreadyPosted)
        Prompt::information(this, tr("Already Entered"),
                            tr("\"%1\" of %2 was entered already, so it was not entered again. The schedule moved "
                               "on to its next date.")
                                .arg(schedule.payee, DateText::formatLong(schedule.nextDueDate)));
    posted(ok && !alreadyPosted ? 1 : 0);
}

void RecurringScreen::skipSelected()
{
    const RecurringTransaction *r = selected();
    if (!r)
        return;
    if (!m_state->recurringService()->skip(r->id))
        Prompt::warning(this, tr("Skip"),
                        tr("The occurrence could not be skipped.\n\n%1").arg(StoreFailure::text()));
    reload();
}

void RecurringScreen::enterSelectedEarly()
{
    const RecurringTransaction *r = selected();
    if (!r)
        return;
    const RecurringTransaction schedule = *r;
    if (Prompt::question(this, tr("Enter Early"),
                         tr("Enter \"%1\" now, dated %2? The transaction is dated its due date and you can edit or "
                            "delete it later.")
                             .arg(schedule.payee, DateText::formatLong(schedule.nextDueDate)))
        != QMessageBox::Yes)
        return;
    postOccurrence(schedule);
}

void RecurringScreen::deleteSelected()
{
    const RecurringTransaction *r = selected();
    if (!r)
        return;
    const QString id = r->id;
    if (Prompt::question(this, tr("Delete"), tr("Delete recurring \"%1\"?").arg(r->payee)) != QMessageBox::Yes)
        return;
    if (!m_state->recurringService()->deleteSchedule(id))
        Prompt::warning(this, tr("Delete"),
                        tr("The recurring transaction could not be deleted.\n\n%1").arg(StoreFailure::text()));
    reload();
}

void RecurringScreen::confirmAllDue()
{
    const int count = m_state->recurringService()->confirmAllDue();
    if (count > 0)
        posted(count);
}

void RecurringScreen::enterNextSevenDays()
{
    if (Prompt::question(this, tr("Enter Next 7 Days"),
                         tr("Enter all recurring transactions due in the next 7 days? They are dated their due dates "
                            "and you can edit or delete them later."))
        != QMessageBox::Yes)
        return;
    const int count = m_state->recurringService()->enterThrough(Clock::today().addDays(kEnterAheadDays));
    if (count > 0)
        posted(count);
}
