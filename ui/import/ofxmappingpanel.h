#pragma once

#include "data/records.h"
#include "services/importservice.h"

#include <QHash>
#include <QList>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;

// One row per account of the chosen OFX and QFX statements: its type and
// number, the dates the statement covers, its rows, and where they go (an account of the
// same currency, a new one, or nowhere).
class OfxMappingPanel : public QWidget
{
    Q_OBJECT
public:
    explicit OfxMappingPanel(QWidget *parent = nullptr);

    // Rebuilds the rows. A statement account takes its choice from preferred
    // when that is still on offer, else the service's suggestion, else a new
    // account.
    void setFiles(const QList<ImportFile> &files, const QList<Account> &accounts, ImportService *service,
                  const QHash<QString, QString> &preferred = {});

    // Lower-cased source key -> account id, createMarker() or skipMarker().
    QHash<QString, QString> mapping() const;
    QHash<QString, Account> newAccounts(int firstSortOrder) const;
    bool hasTarget() const;

    int statementCount() const { return int(m_rows.size()); }
    QComboBox *choiceAt(int row) const { return m_rows.value(row).choice; }

Q_SIGNALS:
    void mappingChanged();

private:
    struct Row {
        QString key;  // lower-cased source key
        StatementAccount statement;
        QComboBox *choice = nullptr;
    };

    QLabel *m_summary;
    QWidget *m_grid;
    QGridLayout *m_layout;
    QList<Row> m_rows;
};
