#pragma once

#include "data/records.h"
#include "services/csvmapping.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QTableWidget;

// The column mapping of a CSV file, its target account, and a preview of the
// first rows exactly as the import will read them.
class CsvMappingPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kPreviewRows = 20;

    explicit CsvMappingPanel(QWidget *parent = nullptr);

    // Shows the file's columns with a mapping guessed from its first rows.
    void setFile(const QString &path, const QList<Account> &accounts, const QString &currentAccountId);

    // Offers these accounts as targets, choosing preferred, else keeping the
    // chosen one, when it is there (else the current account).
    void setAccounts(const QList<Account> &accounts, const QString &currentAccountId,
                     const QString &preferred = QString());

    CsvMapping mapping() const;
    // An account id, or ImportService::createMarker() for a new account.
    QString target() const;
    QString newAccountName() const;
    Currency currency() const;
    // A date column and an amount (or debit and credit) column are chosen.
    bool isComplete() const;

    QTableWidget *preview() const { return m_preview; }

Q_SIGNALS:
    void mappingChanged();

private:
    void fillColumnChoices();
    void refreshPreview();
    void setChoice(QComboBox *box, int column);
    QComboBox *addChoice(const QString &label, int row, int column);

    CsvTable m_table;
    QString m_path;
    QList<Account> m_accounts;
    bool m_filling = false;

    QGridLayout *m_grid;
    QComboBox *m_date;
    QComboBox *m_payee;
    QComboBox *m_amount;
    QComboBox *m_debit;
    QComboBox *m_credit;
    QComboBox *m_memo;
    QComboBox *m_category;
    QComboBox *m_dateFormat;
    QComboBox *m_target;
    QCheckBox *m_header;
    QLabel *m_readAs;
    QTableWidget *m_preview;
};
