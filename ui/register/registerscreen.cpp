#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/sharedaccess.h"
#include "data/transactionrepository.h"
#include "services/money.h"
#include "ui/accessibility.h"
#include "ui/register/registercolumnlayout.h"
#include "ui/register/registercolumns.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registerkeys.h"
#include "ui/register/registermenus.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerrowwriter.h"
#include "ui/register/registertableview.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

RegisterScreen::RegisterScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    m_model = new RegisterModel(this);
    m_delegate = new RegisterDelegate(state, m_model, this);
    m_messageTimer = new QTimer(this);
    m_messageTimer->setSingleShot(true);
    m_reloadTimer = new QTimer(this);
    m_reloadTimer->setSingleShot(true);
    m_reloadTimer->setInterval(0);
    buildUi();
    m_keys = std::make_unique<RegisterKeys>(this);
    m_menus = std::make_unique<RegisterMenus>(this, m_columns);
    m_writer = std::make_unique<RegisterRowWriter>(state, this, [this] { return m_reloadTimer->isActive(); });

    connect(m_messageTimer, &QTimer::timeout, m_messageLabel, &QLabel::clear);
    connect(m_reloadTimer, &QTimer::timeout, this, &RegisterScreen::reloadKeepingInput);
    connect(m_table, &RegisterTableView::nextFieldRequested, this, [this] { m_keys->advance(true, false); });
    connect(m_table, &RegisterTableView::previousFieldRequested, this, [this] { m_keys->advance(false, false); });
    connect(m_table, &QAbstractItemView::clicked, this, &RegisterScreen::onCellClicked);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &RegisterScreen::onCellDoubleClicked);
    connect(m_table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_menus->showContextMenu(pos); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RegisterScreen::onCurrentRowChanged);
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, &RegisterScreen::rememberCurrentForSort);
    connect(m_model, &RegisterModel::sortChanged, this, &RegisterScreen::onSortChanged);

    QHeaderView *header = m_table->horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_menus->showHeaderMenu(pos); });

    connect(m_state->transactions(), &TransactionRepository::transactionsChanged, this,
            &RegisterScreen::onTransactionsChanged);
    connect(m_state->accounts(), &AccountRepository::accountsChanged, this, &RegisterScreen::reload);
    connect(m_state->categories(), &CategoryRepository::categoriesChanged, this, &RegisterScreen::reload);
    connect(m_state->preferences(), &PreferencesRepository::changed, this, &RegisterScreen::onPreferenceChanged);
    if (ThemeManager *theme = m_state->themeManager())
        connect(theme, &ThemeManager::themeChanged, this, &RegisterScreen::applyTheme);

    applyColumnLayout();
    applyTheme();
    qApp->installEventFilter(m_keys.get());
}

RegisterScreen::~RegisterScreen()
{
    qApp->removeEventFilter(m_keys.get());
}

void RegisterScreen::buildUi()
{
    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("registerAccountName"));
    ThemeManager::setRole(m_nameLabel, ThemeManager::Title);
    m_nameLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_institutionLabel = new QLabel(this);
    m_institutionLabel->setObjectName(QStringLiteral("registerInstitution"));
    ThemeManager::setRole(m_institutionLabel, ThemeManager::Small);

    m_balanceLabel = new QLabel(this);
    m_balanceLabel->setObjectName(QStringLiteral("registerBalance"));
    m_balanceLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_balanceLabel->setAccessibleName(tr("Balance"));
    ThemeManager::setRole(m_balanceLabel, ThemeManager::Heading);

    m_reconcileButton = new QPushButton(tr("Reconcile"), this);
    m_reconcileButton->setObjectName(QStringLiteral("registerReconcile"));
    connect(m_reconcileButton, &QPushButton::clicked, this, &RegisterScreen::reconcileRequested);

    m_sharedLabel = new QLabel(this);
    m_sharedLabel->setObjectName(QStringLiteral("registerShared"));
    m_sharedLabel->setWordWrap(true);
    ThemeManager::setRole(m_sharedLabel, ThemeManager::Small, 600);

    auto *titles = new QVBoxLayout;
    titles->setSpacing(0);
    titles->addWidget(m_nameLabel);
    titles->addWidget(m_institutionLabel);
    titles->addWidget(m_sharedLabel);
    auto *headerRow = new QHBoxLayout;
    headerRow->addLayout(titles, 1);
    headerRow->addWidget(m_balanceLabel);
    headerRow->addSpacing(12);
    headerRow->addWidget(m_reconcileButton);

    m_table = new RegisterTableView(this);
    m_columns = new RegisterColumns(m_table, m_model, this);
    connect(m_columns, &RegisterColumns::wasReset, this, &RegisterScreen::applyColumnLayout);
    m_table->setModel(m_model);
    m_table->setItemDelegate(m_delegate);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);

    const auto native = [](QKeyCombination keys) { return QKeySequence(keys).toString(QKeySequence::NativeText); };
    m_hintLabel = new QLabel(tr("%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above  |  "
                                "-5 under Payment: a deposit of 5")
                                 .arg(native(Qt::CTRL | Qt::Key_Return), native(Qt::CTRL | Qt::Key_D),
                                      native(Qt::CTRL | Qt::Key_M)),
                             this);
    m_hintLabel->setObjectName(QStringLiteral("registerHint"));
    ThemeManager::setRole(m_hintLabel, ThemeManager::Small);
    // Narrow windows and large text wrap the hint instead of widening the page.
    m_hintLabel->setWordWrap(true);
    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("registerMessage"));
    m_messageLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ThemeManager::setRole(m_messageLabel, ThemeManager::BodyMedium);
    auto *footer = new QHBoxLayout;
    footer->addWidget(m_hintLabel, 1);
    footer->addWidget(m_messageLabel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 8);
    layout->setSpacing(8);
    layout->addLayout(headerRow);
    layout->addWidget(m_table, 1);
    layout->addLayout(footer);
}

void RegisterScreen::applyTheme()
{
    m_hintLabel->setStyleSheet(
        QStringLiteral("color: %1; padding: 2px 4px;").arg(ThemeManager::toneName(ThemeManager::Muted)));
    const bool dark = ThemeManager::darkNow();
    m_institutionLabel->setStyleSheet(
        QStringLiteral("color: %1;").arg(QApplication::palette().color(QPalette::PlaceholderText).name()));
    m_sharedLabel->setStyleSheet(QStringLiteral("color: %1;").arg(ThemeManager::toneName(ThemeManager::Accent)));
    m_messageLabel->setStyleSheet(QStringLiteral("color: %1;").arg(dark ? QStringLiteral("#4DB6AC")
                                                                         : QStringLiteral("#00796B")));
    refreshHeader();
    m_table->viewport()->update();
}

QString RegisterScreen::messageText() const
{
    return m_messageLabel->text();
}

void RegisterScreen::showMessage(const QString &text, int timeoutMs)
{
    m_messageLabel->setText(text);
    m_messageTimer->start(timeoutMs);
}

void RegisterScreen::setAccount(const QString &accountId)
{
    if (accountId != m_accountId) {
        m_table->commitAndCloseEditor();
        m_accountId = accountId;
        m_delegate->setAccountId(accountId);
        m_model->setLastDateEntered(QString());
        m_table->setCurrentIndex(QModelIndex());
    }
    loadNow();
}

void RegisterScreen::reload()
{
    if (!m_reloadTimer->isActive())
        m_reloadTimer->start();
}

void RegisterScreen::reloadKeepingInput()
{
    // A change made elsewhere must not throw away what is being typed.
    const bool hadEditor = m_table->activeEditor() != nullptr;
    m_table->commitAndCloseEditor();
    const RegisterModel::BufferState typed = m_model->bufferState();
    const RegisterEntry *edited = m_model->entryAt(m_model->editingRow());
    const QString editedId = edited ? edited->transaction.id : QString();
    const bool onBlank = m_model->editingRow() < 0;
    loadNow();

    bool restored = false;
    if (onBlank && m_model->editingRow() < 0) {
        restored = true;
    } else if (const int row = m_model->rowOfTransaction(editedId); !onBlank && row >= 0) {
        if (m_model->editingRow() != row)
            m_model->beginEditingRow(row);
        restored = true;
    }
    if (!restored)
        return;
    if (typed.dirty)
        m_model->restoreBufferState(typed);
    if (!hadEditor)
        return;
    QModelIndex current = m_table->currentIndex();
    // The column may have gone (two-line rows take the memo onto the payee's
    // second line): the editor opens where that text now shows.
    if (current.isValid() && m_table->isColumnHidden(current.column())) {
        const int column = m_table->isColumnHidden(RegisterModel::Payee) ? RegisterModel::Date : RegisterModel::Payee;
        current = current.siblingAtColumn(column);
        m_table->setCurrentIndex(current);
    }
    m_table->openEditor(current);
}

void RegisterScreen::onTransactionsChanged(const QString &accountId)
{
    if (accountId.isEmpty() || accountId == m_accountId)
        reload();
}

void RegisterScreen::loadNow()
{
    m_reloadTimer->stop();
    m_table->commitAndCloseEditor();
    std::optional<Account> account;
    if (!m_accountId.isEmpty())
        account = m_state->accounts()->findById(m_accountId);
    m_account = account && !account->isDeleted() ? *account : Account();
    const std::optional<SharedAccess::Access> access =
        m_account.id.isEmpty() ? std::nullopt : SharedAccess(m_state->preferences()).of(m_account.id);
    m_viewOnly = access && access->viewOnly();
    m_ownerName = access ? access->owner() : QString();
    const bool twoLine = m_state->preferences()->getBool(QStringLiteral("registerTwoLine"), false);
    loadEntries([this, twoLine] {
        m_model->setReadOnly(m_viewOnly);
        m_model->setCurrency(m_account.currency);
        m_model->setTwoLine(twoLine);
        m_delegate->setTwoLine(twoLine);
        m_table->setTwoLineRows(twoLine);
        m_delegate->invalidateLists();
        m_model->setEntries(m_account.id.isEmpty() ? QList<RegisterEntry>()
                                                   : m_state->transactions()->registerRows(m_account.id));
    });
    m_columns->apply();
}

void RegisterScreen::loadEntries(const std::function<void()> &fill)
{
    const QModelIndex current = m_table->currentIndex();
    const RegisterEntry *entry = current.isValid() ? m_model->entryAt(current.row()) : nullptr;
    const QString currentId = entry ? entry->transaction.id : QString();
    const bool wasBlank = !current.isValid() || m_model->isBlankRow(current.row());
    const int column = current.isValid() ? current.column() : int(RegisterModel::Date);

    m_loading = true;
    fill();
    m_loading = false;
    refreshHeader();

    int row = currentId.isEmpty() ? -1 : m_model->rowOfTransaction(currentId);
    if (row < 0)
        row = wasBlank ? m_model->blankRow() : std::min(current.row(), m_model->rowCount() - 1);
    m_keys->selectCell(row, column, false);
}

void RegisterScreen::refreshHeader()
{
    m_nameLabel->setText(m_account.name);
    QString line = m_account.institution;
    if (!m_account.institution.isEmpty() && !m_account.accountNumberLast4.isEmpty())
        line += QStringLiteral("  \u00b7  *%1").arg(m_account.accountNumberLast4);
    m_institutionLabel->setText(line);
    m_institutionLabel->setVisible(!line.isEmpty());

    const qint64 balance = m_model->entries().isEmpty() ? m_account.startingBalance : m_model->closingBalance();
    const QString color = ThemeManager::toneName(balance < 0 ? ThemeManager::Negative : ThemeManager::Positive);
    Accessibility::showFigure(m_balanceLabel, tr("Balance"),
                              m_account.id.isEmpty() ? QString() : Money::formatMoney(balance, m_account.currency));
    m_balanceLabel->setStyleSheet(QStringLiteral("color: %1;").arg(color));
    m_reconcileButton->setEnabled(!m_account.id.isEmpty() && !m_viewOnly);
    const QString shared = sharedText();
    m_sharedLabel->setText(shared);
    m_sharedLabel->setAccessibleName(shared);
    m_sharedLabel->setVisible(!shared.isEmpty());
    // The typing keys mean nothing in a register that cannot be typed into.
    m_hintLabel->setVisible(!m_viewOnly);
}

QString RegisterScreen::sharedText() const
{
    if (!m_ownerName.isEmpty()) {
        return m_viewOnly ? tr("Shared with you by %1 \u00b7 view only").arg(m_ownerName)
                          : tr("Shared with you by %1").arg(m_ownerName);
    }
    return m_account.isShared ? tr("Shared with your family group") : QString();
}

bool RegisterScreen::refuseViewOnly()
{
    if (!m_viewOnly)
        return false;
    showMessage(tr("%1 shares this account with you to view only").arg(m_ownerName), 5000);
    return true;
}

const RegisterEntry *RegisterScreen::currentEntry() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_model->entryAt(current.row()) : nullptr;
}

const RegisterEntry *RegisterScreen::takeStoredEntry()
{
    m_table->commitAndCloseEditor();
    const RegisterEntry *entry = currentEntry();
    return entry && !entry->isOpeningBalance ? entry : nullptr;
}

void RegisterScreen::onCurrentRowChanged(const QModelIndex &current, const QModelIndex &)
{
    if (m_loading || !current.isValid() || current.row() == m_model->editingRow())
        return;
    m_model->beginEditingRow(current.row());
}

void RegisterScreen::onCellClicked(const QModelIndex &index)
{
    if (!index.isValid() || m_table->activeEditor())
        return;
    if (index.row() != m_model->editingRow())
        m_model->beginEditingRow(index.row());
    m_table->openEditor(index);
}

void RegisterScreen::onCellDoubleClicked(const QModelIndex &index)
{
    const RegisterEntry *entry = m_model->entryAt(index.row());
    if (entry && entry->transaction.isSplit)
        editCurrentInDialog();
}

void RegisterScreen::onPreferenceChanged(const QString &key)
{
    if (key == QLatin1String("registerNewestFirst")) {
        const bool newestFirst = m_state->preferences()->getBool(key, true);
        m_table->sortByColumn(RegisterModel::Date, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
    } else if (key == QLatin1String("registerTwoLine") || key == QLatin1String("weekStartDay")
               || key == QLatin1String("theme")) {
        // At once, while the preferences window is still in front, and
        // without losing a row being typed.
        reloadKeepingInput();
    }
}

void RegisterScreen::insertNewRow()
{
    if (refuseViewOnly())
        return;
    m_keys->goToBlankRow(true);
}

int RegisterScreen::leastWidth() const
{
    const QMargins margins = layout() ? layout()->contentsMargins() : QMargins();
    return m_columns->leastWidth() + margins.left() + margins.right();
}

void RegisterScreen::focusEntryRow()
{
    if (m_account.id.isEmpty())
        return;
    m_table->setFocus(Qt::OtherFocusReason);
    if (m_viewOnly)
        return;
    m_keys->goToBlankRow(true);
}

QMenu *RegisterScreen::createContextMenu(const QModelIndex &index)
{
    return m_menus->createContextMenu(index);
}

QMenu *RegisterScreen::createHeaderMenu()
{
    return m_menus->createHeaderMenu();
}

void RegisterScreen::commitCurrentRow()
{
    if (refuseViewOnly())
        return;
    m_table->commitAndCloseEditor();
    if (m_account.id.isEmpty())
        return;
    const int editingRow = m_model->editingRow();
    const RegisterEntry *entry = editingRow >= 0 ? m_model->entryAt(editingRow) : nullptr;
    if (editingRow >= 0 && (!entry || entry->isOpeningBalance))
        return;

    const bool newRow = !entry;
    const QModelIndex current = m_table->currentIndex();
    RegisterWrite write;
    switch (m_writer->saveRow(m_account, entry, &write)) {
    case RegisterRowWriter::Result::Refused:
        return;
    case RegisterRowWriter::Result::NotSaved:
        // Back into the cell that was being typed, with everything still in it.
        if (current.isValid())
            m_keys->selectCell(current.row(), current.column(), true);
        return;
    case RegisterRowWriter::Result::Saved:
        break;
    }
    afterOwnWrite(write);
    if (newRow) {
        m_keys->goToBlankRow(false);
        return;
    }
    const int row = m_model->rowOfTransaction(write.changedIds.constFirst());
    if (row >= 0 && row + 1 < m_model->rowCount())
        m_keys->selectCell(row + 1, RegisterModel::Date, false);
}

void RegisterScreen::deleteCurrentRow()
{
    if (refuseViewOnly())
        return;
    const RegisterEntry *entry = takeStoredEntry();
    if (!entry)
        return;
    // A copy: the question asked before deleting lets a reload replace the rows.
    const Transaction t = entry->transaction;
    if (const std::optional<RegisterWrite> write = m_writer->deleteTransaction(t, m_account.currency))
        afterOwnWrite(*write);
}

void RegisterScreen::toggleCurrentCleared()
{
    if (refuseViewOnly())
        return;
    const RegisterEntry *entry = takeStoredEntry();
    if (!entry)
        return;
    const Transaction t = entry->transaction;
    afterOwnWrite(m_writer->setCleared(t, !t.cleared));
}

void RegisterScreen::afterOwnWrite(const RegisterWrite &write)
{
    // When nothing else changed since the last load, only the rows this
    // screen wrote are read back; a large register then saves in
    // milliseconds instead of being read whole again.
    if (write.fullReload) {
        loadNow();
        return;
    }
    m_reloadTimer->stop();
    QList<RegisterEntry> upserts;
    QStringList removed = write.removedIds;
    for (const QString &id : write.changedIds) {
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

void RegisterScreen::resetColumnLayout()
{
    m_columns->reset();  // applies the default sort through wasReset
}

void RegisterScreen::applyColumnLayout()
{
    m_columns->apply();
    int sortColumn = RegisterColumnLayout::initialSortColumn();
    const bool newestFirst = m_state->preferences()->getBool(QStringLiteral("registerNewestFirst"), true);
    const Qt::SortOrder order = RegisterColumnLayout::initialSortOrder(newestFirst);
    if (sortColumn < 0)
        sortColumn = RegisterModel::Date;
    m_applyingSort = true;
    m_table->sortByColumn(sortColumn, order);
    m_applyingSort = false;
}

void RegisterScreen::rememberCurrentForSort()
{
    if (m_loading)
        return;
    const QModelIndex current = m_table->currentIndex();
    const RegisterEntry *entry = current.isValid() ? m_model->entryAt(current.row()) : nullptr;
    m_sortAnchor.transactionId = entry ? entry->transaction.id : QString();
    m_sortAnchor.blank = !current.isValid() || m_model->isBlankRow(current.row());
    m_sortAnchor.row = current.row();
    m_sortAnchor.column = current.isValid() ? current.column() : int(RegisterModel::Date);
}

void RegisterScreen::onSortChanged(int column, Qt::SortOrder order)
{
    if (!m_applyingSort)
        RegisterColumnLayout::saveSort(column, order);
    int row = m_sortAnchor.transactionId.isEmpty() ? -1 : m_model->rowOfTransaction(m_sortAnchor.transactionId);
    if (row < 0)
        row = m_sortAnchor.blank ? m_model->blankRow() : std::min(m_sortAnchor.row, m_model->rowCount() - 1);
    m_keys->selectCell(row, m_sortAnchor.column, false);
}
