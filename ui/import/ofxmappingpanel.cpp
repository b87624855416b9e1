#include "ui/import/ofxmappingpanel.h"

#include "services/datetext.h"
#include "services/money.h"
#include "services/ofxreader.h"
#include "ui/import/columnheader.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

OfxMappingPanel::OfxMappingPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summary);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *content = new QWidget(scroll);
    auto *stack = new QVBoxLayout(content);
    m_grid = new QWidget(content);
    m_layout = new QGridLayout(m_grid);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setHorizontalSpacing(12);
    m_layout->setColumnStretch(0, 2);
    m_layout->setColumnStretch(3, 3);
    stack->addWidget(m_grid);
    stack->addStretch(1);
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);
}

void OfxMappingPanel::setFiles(const QList<ImportFile> &files, const QList<Account> &accounts, ImportService *service,
                               const QHash<QString, QString> &preferred)
{
    clearGrid(m_layout);
    m_rows.clear();
    int total = 0;
    int unreadable = 0;
    int investment = 0;
    int otherCurrency = 0;
    QStringList truncated;
    QHash<QString, int> index;
    for (const ImportFile &file : files) {
        unreadable += file.unparseable;
        investment += file.investmentStatements;
        otherCurrency += file.otherCurrencyStatements;
        if (file.truncated)
            truncated.append(QFileInfo(file.path).fileName());
        for (const StatementAccount &statement : file.statements) {
            total += statement.records;
            const QString key = ImportService::sourceKey(statement.key, file.path);
            const auto found = index.constFind(key);
            if (found != index.cend()) {
                // The same account in two downloads: one row over both.
                StatementAccount &merged = m_rows[*found].statement;
                merged.records += statement.records;
                if (statement.firstDate.isValid() && (!merged.firstDate.isValid() || statement.firstDate < merged.firstDate))
                    merged.firstDate = statement.firstDate;
                if (statement.lastDate > merged.lastDate)
                    merged.lastDate = statement.lastDate;
                continue;
            }
            index.insert(key, int(m_rows.size()));
            m_rows.append({key, statement, nullptr});
        }
    }

    QStringList summary;
    if (!OfxReader::isAvailable())
        summary.append(tr("This copy of the app was built without OFX support and cannot read these files."));
    summary.append(tr("%n transaction(s) found.", nullptr, total));
    if (unreadable > 0)
        summary.append(tr("%n record(s) cannot be read and will be skipped.", nullptr, unreadable));
    if (investment > 0)
        summary.append(tr("%n investment statement(s) cannot be imported and will be skipped.", nullptr, investment));
    if (otherCurrency > 0)
        summary.append(tr("%n statement(s) in a currency the app does not keep will be skipped.", nullptr, otherCurrency));
    for (const QString &name : std::as_const(truncated))
        summary.append(tr("%1 ends early; a row cut short will be skipped.").arg(name));
    if (!m_rows.isEmpty())
        summary.append(tr("Choose where the rows of each account go."));
    m_summary->setText(summary.join(QLatin1Char(' ')));
    if (m_rows.isEmpty())
        return;

    m_layout->addWidget(columnHeader(tr("Account"), m_grid), 0, 0);
    m_layout->addWidget(columnHeader(tr("Dates"), m_grid), 0, 1);
    m_layout->addWidget(columnHeader(tr("Records"), m_grid), 0, 2, Qt::AlignRight);
    m_layout->addWidget(columnHeader(tr("Import into"), m_grid), 0, 3);
    for (int i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        const StatementAccount &s = row.statement;
        const QString label = tr("%1 (%2)").arg(ImportService::statementAccountName(s), s.currencyCode);
        auto *name = new QLabel(label, m_grid);
        name->setTextFormat(Qt::PlainText);
        name->setToolTip(s.number);

        auto *choice = new QComboBox(m_grid);
        choice->setAccessibleName(tr("Import account ending %1 into").arg(s.lastFour()));
        choice->setMinimumContentsLength(14);
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        for (const Account &a : accounts) {
            // Rows in yen cannot go into an account kept in cents.
            if (int(a.currency) == s.currency)
                choice->addItem(a.name, a.id);
        }
        if (choice->count() > 0)
            choice->insertSeparator(choice->count());
        choice->addItem(tr("New account (%1)").arg(ImportService::statementAccountName(s)), ImportService::createMarker());
        const int create = choice->count() - 1;
        choice->addItem(tr("Skip (do not import)"), ImportService::skipMarker());
        int selected = preferred.contains(row.key) ? choice->findData(preferred.value(row.key)) : -1;
        if (selected < 0 && service)
            selected = choice->findData(service->suggestedAccount(s, accounts));
        choice->setCurrentIndex(selected >= 0 ? selected : create);
        connect(choice, &QComboBox::currentIndexChanged, this, &OfxMappingPanel::mappingChanged);
        row.choice = choice;
        name->setBuddy(choice);

        const QString dates = s.firstDate.isValid()
            ? tr("%1 \u2013 %2").arg(DateText::formatShort(s.firstDate), DateText::formatShort(s.lastDate))
            : QString();
        m_layout->addWidget(name, i + 1, 0);
        m_layout->addWidget(new QLabel(dates, m_grid), i + 1, 1);
        m_layout->addWidget(new QLabel(QString::number(s.records), m_grid), i + 1, 2, Qt::AlignRight);
        m_layout->addWidget(choice, i + 1, 3);
    }
    const QList<QWidget *> made = m_grid->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *w : made)
        w->show();
}

QHash<QString, QString> OfxMappingPanel::mapping() const
{
    QHash<QString, QString> result;
    for (const Row &row : m_rows)
        result.insert(row.key, row.choice->currentData().toString());
    return result;
}

QHash<QString, Account> OfxMappingPanel::newAccounts(int firstSortOrder) const
{
    QHash<QString, Account> result;
    int sortOrder = firstSortOrder;
    for (const Row &row : m_rows) {
        if (row.choice->currentData().toString() == ImportService::createMarker())
            result.insert(row.key, ImportService::accountForStatement(row.statement, sortOrder++));
    }
    return result;
}

bool OfxMappingPanel::hasTarget() const
{
    return anyTarget(mapping());
}
