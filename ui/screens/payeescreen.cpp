#include "ui/screens/payeescreen.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "ui/prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

PayeeScreen::PayeeScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    auto *title = new QLabel(tr("Payee Management"), this);
    ThemeManager::setRole(title, ThemeManager::Title);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("payeeList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setAccessibleName(tr("Payees"));
    // Each payee is a list item that a screen reader can select and unselect
    // through its Toggle action; the count of selected payees is spoken as
    // the list's description and shown beside the buttons.
    m_selectionLabel = new QLabel(this);
    m_selectionLabel->setObjectName(QStringLiteral("payeeSelection"));

    m_target = new QLineEdit(this);

    m_target->setMaxLength(kMaxTextLength);
    m_target->setObjectName(QStringLiteral("payeeTarget"));
    auto *targetLabel = new QLabel(tr("Rename to:"), this);
    targetLabel->setBuddy(m_target);

    m_renameButton = new QPushButton(tr("Rename Selected"), this);
    m_renameButton->setObjectName(QStringLiteral("renamePayees"));
    m_mergeButton = new QPushButton(tr("Merge Selected"), this);
    m_mergeButton->setObjectName(QStringLiteral("mergePayees"));

    auto *row = new QHBoxLayout;
    row->addWidget(m_selectionLabel);
    row->addSpacing(12);
    row->addWidget(targetLabel);
    row->addWidget(m_target, 1);
    row->addWidget(m_renameButton);
    row->addWidget(m_mergeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_list, 1);
    layout->addLayout(row);

    connect(m_renameButton, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(m_mergeButton, &QPushButton::clicked, this, &PayeeScreen::onMerge);
    connect(m_target, &QLineEdit::returnPressed, this, &PayeeScreen::onRename);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &PayeeScreen::describeSelection);

    // The list is read when the window shows and, while it is open, once
    // after each burst of changes made elsewhere.
    m_reloadTimer = new QTimer(this);
    m_reloadTimer->setSingleShot(true);
    m_reloadTimer->setInterval(0);
    connect(m_reloadTimer, &QTimer::timeout, this, &PayeeScreen::reload);
    connect(m_state->transactions(), &TransactionRepository::transactionsChanged, this, [this] {
        if (isVisible())
            m_reloadTimer->start();
    });

    reload();
}

void PayeeScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        reload();
}

void PayeeScreen::reload()
{
    m_reloadTimer->stop();
    const QStringList selected = selectedPayees();
    m_list->clear();
    m_list->addItems(m_state->transactions()->payees());
    for (int row = 0; row < m_list->count(); ++row) {
        if (selected.contains(m_list->item(row)->text()))
            m_list->item(row)->setSelected(true);
    }
    describeSelection();
}

void PayeeScreen::describeSelection()
{
    const int selected = int(m_list->selectedItems().size());
    const QString text = tr("Selected: %1 of %2").arg(selected).arg(m_list->count());
    m_selectionLabel->setText(text);
    m_list->setAccessibleDescription(text);
}

QStringList PayeeScreen::selectedPayees() const
{
    QStringList payees;
    // In list order, so "the first selected" is the topmost one.
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            payees.append(m_list->item(row)->text());
    }
    return payees;
}

bool PayeeScreen::rename(const QStringList &from, const QString &target, int *changed)
{
    if (!m_state->transactionService()->renamePayees(from, target, changed)) {
        Prompt::critical(this, tr("Rename Failed"),
                         tr("The payees could not be renamed. No transaction was changed."));
        return false;
    }
    // Every live row of the renamed payees now bears the target, so the list
    // follows without reading all transactions again.
    m_reloadTimer->stop();
    for (int row = m_list->count() - 1; row >= 0; --row) {
        const QString payee = m_list->item(row)->text();
        if (payee != target && from.contains(payee))
            delete m_list->takeItem(row);
    }
    if (m_list->findItems(target, Qt::MatchExactly).isEmpty()) {
        // In the store's order: the bytes of the UTF-8 text.
        const QByteArray key = target.toUtf8();
        int row = 0;
        while (row < m_list->count() && m_list->item(row)->text().toUtf8() < key)
            ++row;
        m_list->insertItem(row, target);
    }
    return true;
}

void PayeeScreen::onRename()
{
    const QString target = m_target->text().trimmed();
    const QStringList selected = selectedPayees();
    if (target.isEmpty() || selected.isEmpty())
        return;
    int changed = 0;
    if (!rename(selected, target, &changed))
        return;
    Prompt::information(this, tr("Rename Complete"), tr("Renamed %n transaction(s).", nullptr, changed));
    Q_EMIT payeesChanged();
}

void PayeeScreen::onMerge()
{
    const QStringList selected = selectedPayees();
    if (selected.size() < 2) {
        Prompt::information(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    QString target = m_target->text().trimmed();
    if (target.isEmpty())
        target = selected.first();
    if (Prompt::question(this, tr("Merge Payees"),
                         tr("Merge %1 payees into \"%2\"?").arg(selected.size()).arg(target))
        != QMessageBox::Yes)
        return;
    int changed = 0;
    if (!rename(selected, target, &changed))
        return;
    Prompt::information(this, tr("Merge Complete"), tr("Merged %n transaction(s).", nullptr, changed));
    Q_EMIT payeesChanged();
}
