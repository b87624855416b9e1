#include "ui/import/csvmappingpanel.h"

#include "app/thememanager.h"
#include "services/datetext.h"
#include "services/importservice.h"
#include "services/money.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kNone = -1;
constexpr int kDebitCredit = -2;  // the amount comes from two columns
constexpr int kSampleLength = 24;
// No statement has more columns; a file that seems to (not CSV at all, or
// split at the wrong character) must not fill seven boxes with thousands.
constexpr int kMostColumns = 100;

} // namespace

CsvMappingPanel::CsvMappingPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(10);
    m_grid->setColumnStretch(1, 1);
    m_grid->setColumnStretch(3, 1);
    m_date = addChoice(tr("Date column:"), 0, 0);
    m_payee = addChoice(tr("Payee column:"), 1, 0);
    m_amount = addChoice(tr("Amount column:"), 2, 0);
    m_debit = addChoice(tr("Debit column:"), 3, 0);
    m_credit = addChoice(tr("Credit column:"), 4, 0);
    m_memo = addChoice(tr("Memo column:"), 0, 2);
    m_category = addChoice(tr("Category column:"), 1, 2);
    m_dateFormat = addChoice(tr("Date format:"), 2, 2);
    m_target = addChoice(tr("Import into:"), 3, 2);
    m_header = new QCheckBox(tr("First row is header"), this);
    m_grid->addWidget(m_header, 4, 3);
    layout->addLayout(m_grid);

    m_dateFormat->addItem(tr("Auto-detect"), QString());
    for (const QString &format : CsvConverter::dateFormats())
        m_dateFormat->addItem(format, format);

    auto *previewTitle = new QLabel(tr("Preview"), this);
    ThemeManager::setRole(previewTitle, ThemeManager::Subheading, QFont::DemiBold);
    m_readAs = new QLabel(this);
    ThemeManager::setRole(m_readAs, ThemeManager::Small);
    m_readAs->setForegroundRole(QPalette::PlaceholderText);
    auto *previewRow = new QHBoxLayout;
    previewRow->addWidget(previewTitle);
    previewRow->addStretch(1);
    previewRow->addWidget(m_readAs);
    layout->addSpacing(6);
    layout->addLayout(previewRow);

    m_preview = new QTableWidget(0, 5, this);
    m_preview->setHorizontalHeaderLabels({tr("Date"), tr("Payee"), tr("Amount"), tr("Memo"), tr("Category")});
    m_preview->setAccessibleName(tr("Preview of the rows as they will be imported"));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_preview->setAlternatingRowColors(true);
    m_preview->setWordWrap(false);
    m_preview->verticalHeader()->setVisible(false);
    m_preview->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(m_preview, 1);

    for (QComboBox *box : {m_date, m_payee, m_amount, m_debit, m_credit, m_memo, m_category, m_dateFormat, m_target}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this]() {
            if (m_filling)
                return;
            refreshPreview();
            Q_EMIT mappingChanged();
        });
    }
    connect(m_header, &QCheckBox::toggled, this, [this]() {
        if (m_filling)
            return;
        fillColumnChoices();
        refreshPreview();
        Q_EMIT mappingChanged();
    });
}

QComboBox *CsvMappingPanel::addChoice(const QString &label, int row, int column)
{
    auto *box = new QComboBox(this);
    box->setMinimumContentsLength(12);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto *text = new QLabel(label, this);
    text->setBuddy(box);
    m_grid->addWidget(text, row, column);
    m_grid->addWidget(box, row, column + 1);
    return box;
}

void CsvMappingPanel::setFile(const QString &path, const QList<Account> &accounts, const QString &currentAccountId)
{
    m_path = path;
    m_table = CsvReader::parseFile(path);
    const CsvMapping guess = CsvConverter::guessMapping(m_table);

    m_filling = true;
    m_header->setChecked(guess.firstRowIsHeader);
    fillColumnChoices();
    setChoice(m_date, guess.date);
    setChoice(m_payee, guess.payee);
    setChoice(m_amount, guess.usesDebitCredit() ? kDebitCredit : guess.amount);
    setChoice(m_debit, guess.debit);
    setChoice(m_credit, guess.credit);
    setChoice(m_memo, guess.memo);
    setChoice(m_category, guess.category);
    m_dateFormat->setCurrentIndex(0);
    setAccounts(accounts, currentAccountId);
    m_filling = false;

    refreshPreview();
    Q_EMIT mappingChanged();
}

void CsvMappingPanel::setAccounts(const QList<Account> &accounts, const QString &currentAccountId,
                                  const QString &preferred)
{
    const bool wasFilling = m_filling;
    m_filling = true;
    const QString chosen = preferred.isEmpty() ? m_target->currentData().toString() : preferred;
    m_accounts = accounts;
    m_target->clear();
    for (const Account &a : accounts)
        m_target->addItem(a.name, a.id);
    if (!accounts.isEmpty())
        m_target->insertSeparator(m_target->count());
    m_target->addItem(tr("New account \"%1\"").arg(newAccountName()), ImportService::createMarker());
    int index = chosen.isEmpty() ? -1 : m_target->findData(chosen);
    if (index < 0)
        index = qMax(0, m_target->findData(currentAccountId));
    m_target->setCurrentIndex(index);
    m_filling = wasFilling;
    if (!m_filling) {
        refreshPreview();
        Q_EMIT mappingChanged();
    }
}

void CsvMappingPanel::fillColumnChoices()
{
    const bool wasFilling = m_filling;
    m_filling = true;
    const QStringList first = m_table.rows.isEmpty() ? QStringList() : m_table.rows.first();
    int columns = 0;
    for (const QStringList &row : std::as_const(m_table.rows))
        columns = qMin(kMostColumns, qMax(columns, int(row.size())));
    const bool header = m_header->isChecked();

    for (QComboBox *box : {m_date, m_payee, m_amount, m_debit, m_credit, m_memo, m_category}) {
        const int previous = box->currentData().isValid() ? box->currentData().toInt() : kNone;
        box->clear();
        box->addItem(tr("(none)"), kNone);
        for (int c = 0; c < columns; ++c) {
            // A header names the column; without one, a sample value shows what it holds.
            QString sample = c < first.size() ? first.at(c).simplified() : QString();
            if (sample.size() > kSampleLength)
                sample = sample.left(kSampleLength - 1) + QChar(0x2026);
            const QString text = sample.isEmpty() ? tr("Column %1").arg(c + 1)
                                 : header        ? tr("%1: %2").arg(c + 1).arg(sample)
                                                 : tr("Column %1 (e.g. %2)").arg(c + 1).arg(sample);
            box->addItem(text, c);
        }
        if (box == m_amount)
            box->addItem(tr("Debit and credit columns"), kDebitCredit);
        setChoice(box, previous);
    }
    m_filling = wasFilling;
}

void CsvMappingPanel::setChoice(QComboBox *box, int column)
{
    const int index = box->findData(column);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

CsvMapping CsvMappingPanel::mapping() const
{
    CsvMapping m;
    m.date = m_date->currentData().toInt();
    m.payee = m_payee->currentData().toInt();
    const int amount = m_amount->currentData().toInt();
    if (amount == kDebitCredit) {
        m.debit = m_debit->currentData().toInt();
        m.credit = m_credit->currentData().toInt();
    } else {
        m.amount = amount;
    }
    m.memo = m_memo->currentData().toInt();
    m.category = m_category->currentData().toInt();
    m.firstRowIsHeader = m_header->isChecked();
    m.dateFormat = m_dateFormat->currentData().toString();
    return m;
}

QString CsvMappingPanel::target() const
{
    return m_target->currentData().toString();
}

QString CsvMappingPanel::newAccountName() const
{
    return QFileInfo(m_path).completeBaseName();
}

Currency CsvMappingPanel::currency() const
{
    const QString id = target();
    for (const Account &a : m_accounts) {
        if (a.id == id)
            return a.currency;
    }
    return Currency::USD;
}

bool CsvMappingPanel::isComplete() const
{
    const CsvMapping m = mapping();
    return m.date >= 0 && (m.amount >= 0 || m.usesDebitCredit()) && !target().isEmpty();
}

void CsvMappingPanel::refreshPreview()
{
    const bool split = m_amount->currentData().toInt() == kDebitCredit;
    m_debit->setEnabled(split);
    m_credit->setEnabled(split);

    m_preview->clearSpans();
    m_preview->setRowCount(0);
    const CsvMapping m = mapping();
    if (m.date < 0) {
        m_readAs->setText(tr("Choose the date column"));
        return;
    }
    const QString format = m.dateFormat.isEmpty() ? CsvConverter::detectDateFormat(m_table, m) : m.dateFormat;
    m_readAs->setText(m.dateFormat.isEmpty() ? tr("Dates detected as %1").arg(format) : tr("Dates read as %1").arg(format));

    const int cur = int(currency());
    const qsizetype first = CsvConverter::firstDataRow(m_table, m);
    const qsizetype last = qMin(m_table.rows.size(), first + kPreviewRows);
    m_preview->setRowCount(int(last - first));
    const QFont mono = ThemeManager::fontForRole(ThemeManager::Mono);
    for (qsizetype r = first; r < last; ++r) {
        const int row = int(r - first);
        const CsvRowResult read = CsvConverter::readRow(m_table.rows.at(r), m, format, cur);
        if (!read.ok) {
            auto *item = new QTableWidgetItem(tr("Skipped: %1").arg(read.problem));
            QFont italic = item->font();
            italic.setItalic(true);
            item->setFont(italic);
            item->setForeground(palette().brush(QPalette::PlaceholderText));
            m_preview->setItem(row, 0, item);
            m_preview->setSpan(row, 0, 1, m_preview->columnCount());
            continue;
        }
        const ParsedTransaction &t = read.transaction;
        auto *amount = new QTableWidgetItem(Money::formatAmount(t.amount, cur));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        amount->setFont(mono);
        m_preview->setItem(row, 0, new QTableWidgetItem(DateText::formatShort(t.date)));
        m_preview->setItem(row, 1, new QTableWidgetItem(t.payee.isEmpty() ? tr("Imported transaction") : t.payee));
        m_preview->setItem(row, 2, amount);
        m_preview->setItem(row, 3, new QTableWidgetItem(t.memo.simplified()));
        m_preview->setItem(row, 4, new QTableWidgetItem(t.category));
    }
    m_preview->resizeColumnToContents(0);
    m_preview->resizeColumnToContents(2);
}
