#pragma once

#include "data/records.h"
#include "services/importservice.h"

#include <QHash>
#include <QList>
#include <QWidget>

class DateOrderRows;
class QComboBox;
class QGridLayout;
class QLabel;

// One row per source account found in the chosen QIF files, each with the
// choice of where its records go: an existing account, a new one, or nowhere;
// above them, the order each file's dates are read in.
class QifMappingPanel : public QWidget
{
    Q_OBJECT
public:
    explicit QifMappingPanel(QWidget *parent = nullptr);

    // Rebuilds the rows. A source takes its choice from preferred when that
    // holds one still on offer; otherwise the account of the same name, for
    // files without account headers the current account, else a new account.
    void setFiles(const QList<ImportFile> &files, const QList<Account> &accounts, const QString &currentAccountId,
                  const QHash<QString, QString> &preferred = {});

    // Lower-cased source key -> account id, createMarker() or skipMarker().
    QHash<QString, QString> mapping() const;
    // The accounts to create for the sources mapped to createMarker().
    QHash<QString, Account> newAccounts(int firstSortOrder) const;
    // True when at least one source goes somewhere.
    bool hasTarget() const;

    int sourceCount() const { return int(m_sources.size()); }
    // The choice box of a source (by its key), for tests and screenshots.
    QComboBox *choiceFor(const QString &sourceKey) const;
    DateOrderRows *dateOrders() const { return m_dateOrders; }

Q_SIGNALS:
    void mappingChanged();

private:
    struct Source {
        QString key;
        QString label;       // as shown
        QString accountName; // for a new account
        int typeCode = 0;
        int records = 0;
        bool headerless = false;
        QComboBox *choice = nullptr;
    };

    void clearRows();
    QComboBox *makeChoice(const Source &source, const QList<Account> &accounts, const QString &currentAccountId,
                          const QString &preferred);

    QLabel *m_summary;
    DateOrderRows *m_dateOrders;
    QWidget *m_rows;
    QGridLayout *m_grid;
    QList<Source> m_sources;
};
