#include "ui/import/qifmappingpanel.h"

#include "services/qifreader.h"
#include "ui/import/columnheader.h"
#include "ui/import/dateorderrows.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString qifTypeLabel(int typeCode)
{
    switch (typeCode) {
    case QifReader::CreditCard:
        return QifMappingPanel::tr("Credit card");
    case QifReader::Investment:
        return QifMappingPanel::tr("Investment");
    case QifReader::Cash:
        return QifMappingPanel::tr("Cash");
    case QifReader::OtherAsset:
        return QifMappingPanel::tr("Other asset");
    case QifReader::OtherLiability:
        return QifMappingPanel::tr("Other liability");
    default:
        return QifMappingPanel::tr("Bank");
    }
}

} // namespace

QifMappingPanel::QifMappingPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *content = new QWidget(scroll);
    auto *stack = new QVBoxLayout(content);
    stack->setSpacing(16);
    m_dateOrders = new DateOrderRows(content);
    m_rows = new QWidget(content);
    m_grid = new QGridLayout(m_rows);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(12);
    m_grid->setColumnStretch(0, 2);
    m_grid->setColumnStretch(3, 3);
    stack->addWidget(m_dateOrders);
    stack->addWidget(m_rows, 1);
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);
}

void QifMappingPanel::clearRows()
{
    clearGrid(m_grid);
    m_sources.clear();
}

void QifMappingPanel::setFiles(const QList<ImportFile> &files, const QList<Account> &accounts,
                               const QString &currentAccountId, const QHash<QString, QString> &preferred)
{
    clearRows();
    m_dateOrders->setFiles(files);
    int total = 0;
    int unreadable = 0;
    QHash<QString, int> index;
    int badSplits = 0;
    for (const ImportFile &file : files) {
        unreadable += file.unparseable;
        badSplits += file.splitsNotAddingUp + file.splitsTooLong;
        for (const SourceAccount &source : file.sourceAccounts) {
            total += source.records;
            const QString key = ImportService::sourceKey(source.name, file.path);
            const auto found = index.constFind(key);
            if (found != index.cend()) {
                m_sources[*found].records += source.records;
                continue;
            }
            Source s;
            s.key = key;
            s.typeCode = source.typeCode;
            s.records = source.records;
            s.headerless = source.name.isEmpty();
            if (s.headerless) {
                s.label = tr("%1 (no account header)").arg(QFileInfo(file.path).fileName());
                s.accountName = QFileInfo(file.path).completeBaseName();
            } else {
                s.label = source.name;
                s.accountName = source.name;
            }
            index.insert(key, int(m_sources.size()));
            m_sources.append(s);
        }
    }

    QString summary = tr("%n transaction(s) found.", nullptr, total);
    if (unreadable > 0)
        summary += QLatin1Char(' ') + tr("%n record(s) cannot be read and will be skipped.", nullptr, unreadable);
    if (badSplits > 0)
        summary += QLatin1Char(' ')
                   + tr("%n split transaction(s) will be skipped: their lines do not add up to the amount, or there "
                        "are more than 1,000.", nullptr, badSplits);
    if (!m_sources.isEmpty())
        summary += QLatin1Char(' ') + tr("Choose where the records of each source account go.");
    m_summary->setText(summary);

    if (m_sources.isEmpty())
        return;
    m_grid->addWidget(columnHeader(tr("Source account"), m_rows), 0, 0);
    m_grid->addWidget(columnHeader(tr("Type"), m_rows), 0, 1);
    m_grid->addWidget(columnHeader(tr("Records"), m_rows), 0, 2, Qt::AlignRight);
    m_grid->addWidget(columnHeader(tr("Import into"), m_rows), 0, 3);
    for (int i = 0; i < m_sources.size(); ++i) {
        Source &s = m_sources[i];
        auto *name = new QLabel(s.label, m_rows);
        name->setTextFormat(Qt::PlainText);
        s.choice = makeChoice(s, accounts, currentAccountId, preferred.value(s.key));
        name->setBuddy(s.choice);
        m_grid->addWidget(name, i + 1, 0);
        m_grid->addWidget(new QLabel(qifTypeLabel(s.typeCode), m_rows), i + 1, 1);
        m_grid->addWidget(new QLabel(QString::number(s.records), m_rows), i + 1, 2, Qt::AlignRight);
        m_grid->addWidget(s.choice, i + 1, 3);
    }
    m_grid->setRowStretch(int(m_sources.size()) + 1, 1);
    // Rows rebuilt while the panel is on screen must be shown now, not at
    // the next turn of the event loop.
    const QList<QWidget *> made = m_rows->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *w : made)
        w->show();
}

QComboBox *QifMappingPanel::makeChoice(const Source &source, const QList<Account> &accounts,
                                       const QString &currentAccountId, const QString &preferred)
{
    auto *choice = new QComboBox(m_rows);
    choice->setAccessibleName(tr("Import %1 into").arg(source.label));
    choice->setMinimumContentsLength(18);
    choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    int selected = -1;
    for (const Account &a : accounts) {
        choice->addItem(a.name, a.id);
        // Same name: the records most likely belong there.
        // A named source goes to the account of the same name; a file
        // without account headers to the account being viewed.
        const bool match = source.headerless ? a.id == currentAccountId
                                             : a.name.compare(source.accountName, Qt::CaseInsensitive) == 0;
        if (selected < 0 && match)
            selected = choice->count() - 1;
    }
    if (!accounts.isEmpty())
        choice->insertSeparator(choice->count());
    const QString typeLabel = Codes::accountTypeLabel(ImportService::accountType(source.typeCode));
    choice->addItem(tr("New account (%1)").arg(typeLabel), ImportService::createMarker());
    const int create = choice->count() - 1;
    choice->addItem(tr("Skip (do not import)"), ImportService::skipMarker());
    const int kept = preferred.isEmpty() ? -1 : choice->findData(preferred);
    choice->setCurrentIndex(kept >= 0 ? kept : selected >= 0 ? selected : create);
    connect(choice, &QComboBox::currentIndexChanged, this, &QifMappingPanel::mappingChanged);
    return choice;
}

QHash<QString, QString> QifMappingPanel::mapping() const
{
    QHash<QString, QString> result;
    for (const Source &s : m_sources)
        result.insert(s.key, s.choice->currentData().toString());
    return result;
}

QHash<QString, Account> QifMappingPanel::newAccounts(int firstSortOrder) const
{
    QHash<QString, Account> result;
    int sortOrder = firstSortOrder;
    for (const Source &s : m_sources) {
        if (s.choice->currentData().toString() == ImportService::createMarker())
            result.insert(s.key, ImportService::accountForSource(s.accountName, s.typeCode, sortOrder++));
    }
    return result;
}

bool QifMappingPanel::hasTarget() const
{
    return anyTarget(mapping());
}

QComboBox *QifMappingPanel::choiceFor(const QString &sourceKey) const
{
    for (const Source &s : m_sources) {
        if (s.key == sourceKey)
            return s.choice;
    }
    return nullptr;
}
