#include "ui/screens/reconciliationscreen.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "services/money.h"
#include "services/reconciliationservice.h"
#include "ui/accessibility.h"
#include "ui/editors/datefield.h"
#include "ui/editors/smartamountfield.h"
#include "ui/prompt.h"
#include "ui/screens/reconciliationmodel.h"
#include "ui/screens/screencolors.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kPanelWidth = 310;
constexpr double kLargestBalance = 99999999.99;
enum FigureRow { Previous = 0, Deposits = 1, Withdrawals = 2, Cleared = 4, Statement = 5, Difference = 7 };
constexpr int kFigureRows = 8;
const QKeyCombination kMarkAllKeys = Qt::CTRL | Qt::Key_A;
const QKeyCombination kClearAllKeys = Qt::CTRL | Qt::SHIFT | Qt::Key_A;

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new ReconciliationModel(this))
{
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildPanel());
    splitter->addWidget(buildTablePane());
    splitter->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    addShortcuts();

    // Edits made elsewhere (the register, a sync) while the window is open
    // refresh the list once per burst; the marks stay with their rows.
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &ReconciliationScreen::refreshFromStore);
    connect(m_state->transactions(), &TransactionRepository::transactionsChanged, this,
            [this](const QString &accountId) {
                if (!m_accountId.isEmpty() && (accountId.isEmpty() || accountId == m_accountId))
                    m_refreshTimer->start();
            });
    connect(m_model, &ReconciliationModel::checkToggled, this, &ReconciliationScreen::onTransactionToggled);
    connect(m_statementBalance, &QDoubleSpinBox::valueChanged, this, &ReconciliationScreen::updateDifference);
    if (ThemeManager *theme = m_state->themeManager())
        connect(theme, &ThemeManager::themeChanged, this, &ReconciliationScreen::applyColours);
    applyColours();
}

QWidget *ReconciliationScreen::buildPanel()
{
    auto *panel = new QWidget(this);
    // Its captions and figures grow with the text; so does the panel.
    panel->setFixedWidth(kPanelWidth * qMax(100, ThemeManager::fontScale()) / 100);

    auto *heading = new QLabel(tr("Reconcile Account"), panel);
    ThemeManager::setRole(heading, ThemeManager::Heading);

    m_statementDate = new DateField(panel);
    m_statementDate->setObjectName(QStringLiteral("statementDate"));
    auto *dateLabel = new QLabel(tr("Statement Date:"), panel);
    dateLabel->setBuddy(m_statementDate);

    m_statementBalance = new SmartAmountField(panel);
    m_statementBalance->setObjectName(QStringLiteral("statementBalance"));
    m_statementBalance->setMinimum(-kLargestBalance);
    m_statementBalance->setCurrency(Currency::USD);
    auto *balanceLabel = new QLabel(tr("Statement Balance:"), panel);
    balanceLabel->setBuddy(m_statementBalance);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 0);
    const QString names[kFigureRows] = {tr("Previous Balance"), tr("Cleared Deposits"), tr("Cleared Withdrawals"),
                                        QString(), tr("Cleared Balance"), tr("Statement Balance"), QString(),
                                        tr("Difference")};
    for (int row = 0; row < kFigureRows; ++row) {
        if (names[row].isEmpty()) {
            auto *line = new QFrame(panel);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row, 0, 1, 2);
            m_figureNames.append(nullptr);
            m_figureValues.append(nullptr);
            continue;
        }
        auto *name = new QLabel(names[row], panel);
        auto *value = new QLabel(panel);
        value->setObjectName(QStringLiteral("figure%1").arg(row));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setAccessibleName(names[row]);
        const bool bold = row == Difference;
        ThemeManager::setRole(value, ThemeManager::Mono, bold ? 700 : -1);
        if (bold)
            ThemeManager::setRole(name, ThemeManager::Body, 700);
        grid->addWidget(name, row, 0);
        grid->addWidget(value, row, 1);
        m_figureNames.append(name);
        m_figureValues.append(value);
    }

    m_finish = new QPushButton(tr("Finish Reconciliation"), panel);
    m_finish->setObjectName(QStringLiteral("finishReconciliation"));
    m_finish->setEnabled(false);
    auto *cancel = new QPushButton(tr("Cancel"), panel);
    cancel->setObjectName(QStringLiteral("cancelReconciliation"));
    connect(m_finish, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    connect(cancel, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);

    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(heading);
    layout->addSpacing(16);
    layout->addWidget(dateLabel);
    layout->addWidget(m_statementDate);
    layout->addSpacing(8);
    layout->addWidget(balanceLabel);
    layout->addWidget(m_statementBalance);
    layout->addSpacing(16);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(m_finish);
    layout->addWidget(cancel);
    return panel;
}

QWidget *ReconciliationScreen::buildTablePane()
{
    auto *pane = new QWidget(this);
    const QString newKeys = QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText);
    auto *add = new QPushButton(tr("Add Transaction"), pane);
    add->setObjectName(QStringLiteral("reconcileAdd"));
    add->setToolTip(tr("Add a transaction (%1)").arg(newKeys));
    auto *edit = new QPushButton(tr("Edit"), pane);
    edit->setObjectName(QStringLiteral("reconcileEdit"));
    edit->setToolTip(tr("Edit selected transaction (F2)"));
    auto *remove = new QPushButton(tr("Delete"), pane);
    remove->setObjectName(QStringLiteral("reconcileDelete"));
    remove->setToolTip(tr("Delete selected transaction (Del)"));
    connect(add, &QPushButton::clicked, this, &ReconciliationScreen::addTransaction);
    connect(edit, &QPushButton::clicked, this, &ReconciliationScreen::editSelectedTransaction);
    connect(remove, &QPushButton::clicked, this, &ReconciliationScreen::deleteSelectedTransaction);
    auto *markAll = new QPushButton(tr("Mark All"), pane);
    markAll->setObjectName(QStringLiteral("reconcileMarkAll"));
    markAll->setToolTip(tr("Count every listed transaction as cleared (%1)")
                            .arg(QKeySequence(kMarkAllKeys).toString(QKeySequence::NativeText)));
    auto *clearAll = new QPushButton(tr("Clear All"), pane);
    clearAll->setObjectName(QStringLiteral("reconcileClearAll"));
    clearAll->setToolTip(tr("Count no listed transaction as cleared (%1)")
                             .arg(QKeySequence(kClearAllKeys).toString(QKeySequence::NativeText)));
    connect(markAll, &QPushButton::clicked, this, &ReconciliationScreen::markAll);
    connect(clearAll, &QPushButton::clicked, this, &ReconciliationScreen::clearAll);

    m_table = new QTableView(pane);
    m_table->setObjectName(QStringLiteral("reconcileTable"));
    m_table->setModel(m_model);
    m_table->setAccessibleName(tr("Transactions to reconcile"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // Uniform rows keep opening a window of tens of thousands of rows cheap.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setWordWrap(false);
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(ReconciliationModel::CheckColumn, QHeaderView::Fixed);
    header->resizeSection(ReconciliationModel::CheckColumn, 30);
    header->setSectionResizeMode(ReconciliationModel::PayeeColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReconciliationModel::AmountColumn, QHeaderView::Fixed);
    header->setStretchLastSection(false);
    sizeColumns();
    m_table->installEventFilter(this);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &ReconciliationScreen::editSelectedTransaction);

    auto *toolbar = new QHBoxLayout;
    toolbar->addWidget(add);
    toolbar->addWidget(edit);
    toolbar->addWidget(remove);
    toolbar->addStretch(1);
    toolbar->addWidget(markAll);
    toolbar->addWidget(clearAll);
    auto *layout = new QVBoxLayout(pane);
    layout->addLayout(toolbar);
    layout->addWidget(m_table, 1);
    return pane;
}

void ReconciliationScreen::addShortcuts()
{
    const auto bind = [this](const QList<QKeySequence> &keys, void (ReconciliationScreen::*slot)()) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    bind({QKeySequence(QKeySequence::New), QKeySequence(Qt::Key_Insert)}, &ReconciliationScreen::addTransaction);
    bind({QKeySequence(Qt::Key_F2)}, &ReconciliationScreen::editSelectedTransaction);
    bind({QKeySequence(kMarkAllKeys)}, &ReconciliationScreen::markAll);
    bind({QKeySequence(kClearAllKeys)}, &ReconciliationScreen::clearAll);
    QList<QKeySequence> deleteKeys = QKeySequence::keyBindings(QKeySequence::Delete);
    if (!deleteKeys.contains(QKeySequence(Qt::Key_Delete)))
        deleteKeys.append(QKeySequence(Qt::Key_Delete));
    bind(deleteKeys, &ReconciliationScreen::deleteSelectedTransaction);
}

// Wide enough for the longest date and a large amount at the current font, and
// never narrower than the usual widths; measured rather than fitted to the rows,
// which would read every row of a long list.
void ReconciliationScreen::sizeColumns()
{
    const QFontMetrics metrics(m_table->font());
    const int padding = 2 * metrics.averageCharWidth() + 8;
    QHeaderView *header = m_table->horizontalHeader();
    header->resizeSection(ReconciliationModel::DateColumn,
                          std::max(100, metrics.horizontalAdvance(QStringLiteral("12/28/2088")) + padding));
    header->resizeSection(ReconciliationModel::AmountColumn,
                          std::max(100, metrics.horizontalAdvance(QStringLiteral("-$88,888.88")) + padding));
    header->resizeSection(ReconciliationModel::ClearedColumn,
                          std::max(40, metrics.horizontalAdvance(tr("Clr")) + padding));
}

QLabel *ReconciliationScreen::figureLabel(int row) const
{
    return row >= 0 && row < m_figureValues.size() ? m_figureValues.at(row) : nullptr;
}

void ReconciliationScreen::setAccount(const QString &accountId)
{
    m_accountId = accountId;
    const std::optional<Account> account = m_state->accounts()->findById(accountId);
    if (!account)
        return;
    m_account = *account;
    m_statementBalance->setCurrency(m_account.currency);

    ReconciliationService service(m_state->database(), m_state->accounts(), m_state->transactions(),
                                  m_state->reconciliations());
    const ReconciliationService::Opening opening = service.opening(m_account);
    m_previousBalance = opening.previousBalance;
    if (opening.proposedStatementDate.isValid())
        m_statementDate->setDate(opening.proposedStatementDate);
    fillTable();
    // Most statements agree with what is already cleared; the user corrects
    // the figure where it does not.
    m_statementBalance->setMinorUnits(clearedBalance());
}

void ReconciliationScreen::setStatement(const QDate &date, qint64 balance)
{
    if (date.isValid())
        m_statementDate->setDate(date);
    m_statementBalance->setMinorUnits(balance);
    updateDifference();
}

void ReconciliationScreen::fillTable()
{
    m_refreshTimer->stop();
    if (m_account.id.isEmpty())
        return;
    QHash<QString, bool> remembered;
    const QList<Transaction> &before = m_model->transactions();
    for (int row = 0; row < before.size(); ++row)
        remembered.insert(before.at(row).id, m_model->isChecked(row));

    const QString current = currentRow() >= 0 ? before.at(currentRow()).id : QString();
    const QList<Transaction> rows = m_state->transactions()->unreconciled(m_account.id);
    QByteArray checks(rows.size(), 0);
    int currentAfter = -1;
    for (int row = 0; row < rows.size(); ++row) {
        const Transaction &t = rows.at(row);
        checks[row] = remembered.value(t.id, t.cleared) ? 1 : 0;
        if (t.id == current)
            currentAfter = row;
    }
    m_model->setRows(rows, checks, m_account.currency);
    if (currentAfter >= 0)
        m_table->selectRow(currentAfter);
    updateDifference();
}

void ReconciliationScreen::refreshFromStore()
{
    if (m_account.id.isEmpty())
        return;
    const std::optional<Account> account = m_state->accounts()->findById(m_account.id);
    if (account)
        m_account = *account;
    ReconciliationService service(m_state->database(), m_state->accounts(), m_state->transactions(),
                                  m_state->reconciliations());
    m_previousBalance = service.opening(m_account).previousBalance;
    fillTable();
}

void ReconciliationScreen::markAll()
{
    m_model->setAllChecked(true);
    updateDifference();
}

void ReconciliationScreen::clearAll()
{
    m_model->setAllChecked(false);
    updateDifference();
}

void ReconciliationScreen::onTransactionToggled()
{
    updateDifference();
}

qint64 ReconciliationScreen::clearedBalance() const
{
    qint64 balance = m_previousBalance;
    const QList<Transaction> &rows = m_model->transactions();
    const QByteArray &checks = m_model->checks();
    for (int row = 0; row < rows.size(); ++row) {
        if (checks.at(row))
            balance += rows.at(row).amount;
    }
    return balance;
}

qint64 ReconciliationScreen::statementBalance() const
{
    return m_statementBalance->minorUnits();
}

void ReconciliationScreen::updateDifference()
{
    if (m_account.id.isEmpty())
        return;
    qint64 deposits = 0;
    qint64 withdrawals = 0;
    const QList<Transaction> &rows = m_model->transactions();
    const QByteArray &checks = m_model->checks();
    for (int row = 0; row < rows.size(); ++row) {
        if (!checks.at(row))
            continue;
        const qint64 amount = rows.at(row).amount;
        (amount >= 0 ? deposits : withdrawals) += amount;
    }
    const qint64 cleared = m_previousBalance + deposits + withdrawals;
    const qint64 statement = statementBalance();
    const Currency currency = m_account.currency;
    const auto show = [&](int row, qint64 amount) {
        Accessibility::showFigure(m_figureValues.at(row), m_figureNames.at(row)->text(),
                                  Money::formatMoney(amount, currency));
    };
    show(Previous, m_previousBalance);
    show(Deposits, deposits);
    show(Withdrawals, withdrawals);
    show(Cleared, cleared);
    show(Statement, statement);
    show(Difference, statement - cleared);
    m_finish->setEnabled(cleared == statement);
    applyDifferenceColour();
}

void ReconciliationScreen::applyColours()
{
    const bool dark = ScreenColors::dark();
    const QString muted = ScreenColors::mutedStyle(dark);
    for (int row : {int(Previous), int(Statement)}) {
        m_figureNames.at(row)->setStyleSheet(muted);
        m_figureValues.at(row)->setStyleSheet(muted);
    }
    m_differenceStyle.clear();
    applyDifferenceColour();
    m_table->viewport()->update();
}

void ReconciliationScreen::applyDifferenceColour()
{
    const bool dark = ScreenColors::dark();
    const bool balanced = !m_account.id.isEmpty() && m_finish->isEnabled();
    const QColor colour = balanced ? ScreenColors::positive(dark) : ScreenColors::negative(dark);
    const QString style = QStringLiteral("color: %1;").arg(colour.name());
    // Restyling is not free; a toggle that keeps the state keeps the style.
    if (style == m_differenceStyle)
        return;
    m_differenceStyle = style;
    m_figureValues.at(Difference)->setStyleSheet(style);
}

void ReconciliationScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) && m_table)
        applyColours();
    if (event->type() == QEvent::FontChange && m_table)
        sizeColumns();
}

bool ReconciliationScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Shift too: with Caps Lock or a held Shift the letter is still a toggle, not type-ahead.
        const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        if (mods == Qt::NoModifier
            && (key->key() == Qt::Key_Space || key->key() == Qt::Key_C || key->key() == Qt::Key_R)) {
            const int row = currentRow();
            if (row >= 0)
                m_model->toggle(row);
            return true;  // consumed even without a current row
        }
    }
    return QWidget::eventFilter(watched, event);
}

int ReconciliationScreen::currentRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() && current.row() < m_model->rowCount() ? current.row() : -1;
}

void ReconciliationScreen::finish()
{
    if (m_account.id.isEmpty())
        return;
    m_statementDate->commitText();
    const qint64 statement = statementBalance();
    // The button is only enabled when balanced; a direct call is held to the same rule.
    if (clearedBalance() != statement)
        return;

    QStringList checked;
    const QList<Transaction> &rows = m_model->transactions();
    for (int row = 0; row < rows.size(); ++row) {
        if (m_model->isChecked(row))
            checked.append(rows.at(row).id);
    }
    ReconciliationService service(m_state->database(), m_state->accounts(), m_state->transactions(),
                                  m_state->reconciliations());
    if (!service.finish(m_account.id, m_statementDate->date(), statement, checked)) {
        Prompt::critical(this, tr("Reconciliation Failed"),
                         tr("The reconciliation could not be saved. No transaction was changed; "
                            "your check marks are kept so you can try again."));
        return;
    }
    Prompt::information(this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
    Q_EMIT reconciliationCompleted();
}
