#include "ui/screens/searchscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/transactionrepository.h"
#include "ui/editors/datefield.h"
#include "ui/register/registermodel.h"
#include "ui/screens/screencolors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kTypingDelayMs = 300;
// Longer than any payee, memo or check number worth looking for.
constexpr int kMaxSearchLength = 200;

// The register model over rows of several accounts, with a column naming
// each row's account after the register's own.
class SearchResultsModel : public RegisterModel
{
public:
    static constexpr int AccountColumn = RegisterModel::kColumnCount;

    using RegisterModel::RegisterModel;

    void setAccountNames(const QHash<QString, QString> &names)
    {
        m_accountNames = names;
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, AccountColumn), index(rowCount() - 1, AccountColumn), {Qt::DisplayRole});
    }

    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : AccountColumn + 1;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (index.isValid() && index.column() == AccountColumn) {
            const RegisterEntry *entry = entryAt(index.row());
            if (!entry || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
                return {};
            return m_accountNames.value(entry->transaction.accountId);
        }
        if (role == Qt::ToolTipRole) {
            const RegisterEntry *entry = entryAt(index.row());
            if (!entry)
                return {};
            const QString name = m_accountNames.value(entry->transaction.accountId);
            return name.isEmpty() ? QVariant() : QVariant(SearchScreen::tr("Account: %1").arg(name));
        }
        return RegisterModel::data(index, role);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && section == AccountColumn)
            return role == Qt::DisplayRole ? QVariant(SearchScreen::tr("Account")) : QVariant();
        return RegisterModel::headerData(section, orientation, role);
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (index.isValid() && index.column() == AccountColumn)
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        return RegisterModel::flags(index);
    }

private:
    QHash<QString, QString> m_accountNames;
};

// Puts the item whose data is id back as current, else the first ("All").
void selectById(QComboBox *box, const QString &id)
{
    const int index = id.isEmpty() ? 0 : box->findData(id);
    box->setCurrentIndex(std::max(0, index));
}

} // namespace

SearchScreen::SearchScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new SearchResultsModel(this))
{
    m_model->setReadOnly(true);
    // Results come newest first, as the search orders them.
    m_model->sort(RegisterModel::Date, Qt::DescendingOrder);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildFilters());
    buildTable();
    layout->addWidget(m_table, 1);
    layout->addWidget(m_status);

    // Typing waits for a pause; every other filter searches at once.
    m_typingTimer = new QTimer(this);
    m_typingTimer->setObjectName(QStringLiteral("searchTypingTimer"));
    m_typingTimer->setSingleShot(true);
    m_typingTimer->setInterval(kTypingDelayMs);
    connect(m_typingTimer, &QTimer::timeout, this, &SearchScreen::performSearch);
    connect(m_text, &QLineEdit::textChanged, m_typingTimer, qOverload<>(&QTimer::start));
    connect(m_text, &QLineEdit::returnPressed, this, &SearchScreen::performSearch);
    connect(m_account, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_category, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_dateRange, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        performSearch();
    });
    const auto dateMoved = [this] {
        if (m_dateRange->isChecked())
            performSearch();
    };
    connect(m_from, &DateField::dateChanged, this, dateMoved);
    connect(m_to, &DateField::dateChanged, this, dateMoved);
    connect(m_clearedOnly, &QCheckBox::toggled, this, &SearchScreen::performSearch);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &SearchScreen::requestEdit);

    // While the window is open, changes made elsewhere refresh the results
    // and the filter lists once per burst.
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &SearchScreen::performSearch);
    connect(m_state->transactions(), &TransactionRepository::transactionsChanged, this, [this] {
        if (isVisible())
            m_refreshTimer->start();
    });
    m_filtersTimer = new QTimer(this);
    m_filtersTimer->setSingleShot(true);
    m_filtersTimer->setInterval(0);
    connect(m_filtersTimer, &QTimer::timeout, this, &SearchScreen::refreshFilters);
    const auto filtersChanged = [this] {
        if (isVisible())
            m_filtersTimer->start();
    };
    connect(m_state->accounts(), &AccountRepository::accountsChanged, this, filtersChanged);
    connect(m_state->categories(), &CategoryRepository::categoriesChanged, this, filtersChanged);

    refillFilters();
    applyColours();
}

QLayout *SearchScreen::buildFilters()
{
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("searchText"));
    m_text->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_text->setAccessibleName(tr("Search text"));
    m_text->setClearButtonEnabled(true);
    m_text->setMaxLength(kMaxSearchLength);
    m_text->installEventFilter(this);

    auto *lists = new QHBoxLayout;
    const auto listBox = [this, lists](const char *name, const QString &labelText) {
        auto *box = new QComboBox(this);
        box->setObjectName(QLatin1String(name));
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(16);
        box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        auto *label = new QLabel(labelText, this);
        label->setBuddy(box);
        if (lists->count() > 0)
            lists->addSpacing(12);
        lists->addWidget(label);
        lists->addWidget(box, 1);
        return box;
    };
    m_account = listBox("searchAccount", tr("Account:"));
    m_category = listBox("searchCategory", tr("Category:"));

    m_dateRange = new QCheckBox(tr("Date range:"), this);
    m_dateRange->setObjectName(QStringLiteral("searchDateRange"));
    const QDate today = Clock::today();
    const auto dateEdit = [this](const char *name, const QDate &date, const QString &accessibleName) {
        auto *edit = new DateField(this);
        edit->setObjectName(QLatin1String(name));
        edit->setDate(date);
        edit->setAccessibleName(accessibleName);
        edit->setEnabled(false);
        // Return searches with the typed date, as it does in the search text.
        connect(edit, &QLineEdit::returnPressed, edit, &DateField::commitText);
        return edit;
    };
    m_from = dateEdit("searchFrom", today.addMonths(-1), tr("From date"));
    m_to = dateEdit("searchTo", today, tr("To date"));
    auto *toLabel = new QLabel(tr("to"), this);
    toLabel->setBuddy(m_to);

    m_clearedOnly = new QCheckBox(tr("Cleared only"), this);
    m_clearedOnly->setObjectName(QStringLiteral("searchClearedOnly"));

    auto *dates = new QHBoxLayout;
    dates->addWidget(m_dateRange);
    dates->addWidget(m_from);
    dates->addWidget(toLabel);
    dates->addWidget(m_to);
    dates->addSpacing(12);
    dates->addWidget(m_clearedOnly);
    dates->addStretch(1);

    auto *filters = new QVBoxLayout;
    filters->addWidget(m_text);
    filters->addLayout(lists);
    filters->addLayout(dates);
    return filters;
}

void SearchScreen::buildTable()
{
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("searchResults"));
    m_table->setModel(m_model);
    m_table->setAccessibleName(tr("Search results"));
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView *header = m_table->horizontalHeader();
    header->setStretchLastSection(false);
    // The short columns take what their texts need at the current font; the
    // texts share the rest.
    for (int column : {RegisterModel::Date, RegisterModel::CheckNumber, RegisterModel::Payment, RegisterModel::Deposit,
                       RegisterModel::Cleared})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    for (int column : {int(SearchResultsModel::AccountColumn), int(RegisterModel::Payee), int(RegisterModel::Category),
                       int(RegisterModel::Memo)})
        header->setSectionResizeMode(column, QHeaderView::Stretch);
    header->moveSection(header->visualIndex(SearchResultsModel::AccountColumn), RegisterModel::Date + 1);
    // Results come from several accounts and are not a complete register, so
    // there is no running balance to show.
    m_table->setColumnHidden(RegisterModel::Balance, true);
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);
    connect(m_model, &QAbstractItemModel::modelReset, this, &SearchScreen::fitTextColumns, Qt::QueuedConnection);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("searchStatus"));
}

void SearchScreen::refreshFilters()
{
    // A chosen entry that disappeared widens the search back to "All".
    if (refillFilters())
        performSearch();
}

bool SearchScreen::refillFilters()
{
    m_filtersTimer->stop();
    const QString accountId = m_account->currentData().toString();
    const QString categoryId = m_category->currentData().toString();
    // Refilling is not a choice of the user's, so it does not search by itself.
    const QSignalBlocker quietAccounts(m_account);
    const QSignalBlocker quietCategories(m_category);

    QHash<QString, QString> names;
    QHash<QString, Currency> currencies;
    m_account->clear();
    m_account->addItem(tr("All Accounts"), QString());
    for (const Account &a : m_state->accounts()->listLive()) {
        m_account->addItem(a.name, a.id);
        names.insert(a.id, a.name);
        currencies.insert(a.id, a.currency);
    }
    selectById(m_account, accountId);
    static_cast<SearchResultsModel *>(m_model)->setAccountNames(names);
    m_model->setAccountCurrencies(currencies);

    // A name shared by two categories ("Maintenance") shows with its parent.
    const QHash<QString, QString> categoryNames = m_state->transactions()->categoryNames();
    m_category->clear();
    m_category->addItem(tr("All Categories"), QString());
    for (const Category &c : m_state->categories()->list())
        m_category->addItem(categoryNames.value(c.id, c.name), c.id);
    selectById(m_category, categoryId);
    return m_account->currentData().toString() != accountId || m_category->currentData().toString() != categoryId;
}

void SearchScreen::performSearch()
{
    m_typingTimer->stop();
    m_refreshTimer->stop();
    TransactionSearch filters;
    filters.text = m_text->text().trimmed();
    filters.accountId = m_account->currentData().toString();
    filters.categoryId = m_category->currentData().toString();
    if (m_dateRange->isChecked()) {
        filters.from = m_from->date();
        filters.to = m_to->date();
    }
    filters.clearedOnly = m_clearedOnly->isChecked();

    QList<RegisterEntry> rows = m_state->transactions()->search(filters);
    // The model takes the entries in chronological order.
    std::reverse(rows.begin(), rows.end());
    const int count = int(rows.size());
    m_model->setEntries(std::move(rows));

    if (count >= TransactionRepository::kSearchLimit)
        m_status->setText(tr("Showing the %1 newest matches. Narrow the search to find older ones.").arg(count));
    else if (count == 0)
        m_status->setText(tr("No transactions found."));
    else
        m_status->setText(tr("Transactions found: %1").arg(count));
}

void SearchScreen::requestEdit(const QModelIndex &index)
{
    const RegisterEntry *entry = index.isValid() ? m_model->entryAt(index.row()) : nullptr;
    if (entry && !entry->transaction.id.isEmpty())
        Q_EMIT editTransactionRequested(entry->transaction.id);
}

void SearchScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    refillFilters();
    performSearch();
}

void SearchScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) && m_status)
        applyColours();
}

void SearchScreen::applyColours()
{
    m_status->setStyleSheet(ScreenColors::mutedStyle(ScreenColors::dark()));
    m_table->viewport()->update();
}

void SearchScreen::fitTextColumns()
{
    // The short columns keep the width their texts need; the memo gives way
    // first when the four text columns would be too narrow to read.
    const QHeaderView *header = m_table->horizontalHeader();
    int fixed = 0;
    for (int column : {RegisterModel::Date, RegisterModel::CheckNumber, RegisterModel::Payment, RegisterModel::Deposit,
                       RegisterModel::Cleared})
        fixed += header->sectionSize(column);
    const int perText = (m_table->viewport()->width() - fixed) / 4;
    const int least = 12 * m_table->fontMetrics().averageCharWidth();
    m_table->setColumnHidden(RegisterModel::Memo, perText < least);
}

bool SearchScreen::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_table && event->type() == QEvent::FontChange)
        || (watched == m_table->viewport() && event->type() == QEvent::Resize))
        fitTextColumns();
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier)
        return QWidget::eventFilter(watched, event);
    // Down from the search text goes to the results, as in a search field.
    if (watched == m_text && key->key() == Qt::Key_Down && m_model->rowCount() > 0) {
        m_table->setFocus(Qt::TabFocusReason);
        if (!m_table->currentIndex().isValid())
            m_table->setCurrentIndex(m_model->index(0, RegisterModel::Payee));
        return true;
    }
    if (watched == m_table && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        requestEdit(m_table->currentIndex());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
