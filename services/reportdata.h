#pragma once

#include "services/reportrecords.h"

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <functional>

// What every report needs besides its own query: the accounts it covers and
// every category by id (deleted ones too: their rows still count under their
// names), plus the pieces of SQL the reports share, so that a total and the
// rows opened from it are picked by the same rule.
class ReportData
{
public:
    struct AccountInfo {
        QString id;
        QString name;
        Currency currency = Currency::USD;
        qint64 startingBalance = 0;
    };
    struct CategoryInfo {
        QString id;
        QString name;
        CategoryType type = CategoryType::Expense;
        QString parentId;
        bool taxRelevant = false;
        QString taxCode;
    };

    // Reads the live accounts the filter names (all of them when it names
    // none, in sidebar order), every category, and the dates of the first
    // and the last row of the accounts. False with error set when a
    // statement fails.
    bool load(const QSqlDatabase &db, const ReportFilter &filter, QString *error);

    // The dates of the first and the last live row of the accounts; invalid
    // when they have none.
    QDate firstDate() const { return m_firstDate; }
    QDate lastDate() const { return m_lastDate; }

    const QList<AccountInfo> &accounts() const { return m_accounts; }
    const AccountInfo *account(const QString &id) const;
    const CategoryInfo *category(const QString &id) const;
    const QHash<QString, CategoryInfo> &categories() const { return m_categories; }
    // The category itself when it is top-level, else its top-level ancestor.
    QString topLevelOf(const QString &categoryId) const;
    // The subcategory of its top-level ancestor the category is in (itself
    // for a direct subcategory), or empty for a top-level category.
    QString subcategoryOf(const QString &categoryId) const;
    // "Housing > Maintenance" for a subcategory, the name for a top-level one.
    QString displayName(const QString &categoryId) const;
    // The category and every category below it.
    QStringList withDescendants(const QString &categoryId) const;
    // The currencies of the accounts, in currency order.
    const QList<Currency> &currencies() const { return m_currencies; }
    // The ids of the accounts in a currency.
    QStringList accountIds(Currency currency) const;

    // The name of any account, deleted ones too (the other side of a transfer).
    QString accountName(const QString &id) const { return m_accountNames.value(id); }

    // The two kinds of rows a report adds up: whole transactions and the
    // lines of split ones. Both has the two in one pass over the
    // transactions, each split one joined to its lines, for a statement that
    // reads only the newest rows along the index on dates.
    enum class Part { Whole, Lines, Both };

    // The rows of one part, as a sub-select to be named i: every live
    // transaction of the accounts that is not split, or every line of a
    // live split one, dated in the range. A report runs its statement over
    // each part (see eachPart) rather than over the two joined into one
    // sub-select, which SQLite would have to make in full before reading
    // it; over a single part it reads the table directly and makes only the
    // columns the statement uses. The columns:
    //   tid, account_id, date, payee, memo, amount, created_at,
    //   transfer_link_id, transfer_dest_account_id as stored;
    //   cur: the index of the account's currency in currencies();
    //   cat: the category's id, NULL when the row has none or it no longer exists;
    //   catrow: the category's rowid (see categoryAt), the cheaper key to group by;
    //   catid: the category id as the row names it, read without looking
    //   the category up (one that does not exist counts as none);
    //   flow: 1 income, 2 expense, 0 neither (a transfer, an opening
    //   balance, a row in a transfer category).
    // Appends its bindings to binds.
    QString itemsSql(const DateRange &range, const QStringList &columns, QVariantList *binds, Part part) const;
    // The statement over whole transactions and over split lines, as one
    // compound statement: statement(part) is asked for each part in turn, so
    // that the bindings come in the order of the marks. The sums of a
    // group may then come in two rows, one from each part.
    static QString eachPart(const std::function<QString(Part)> &statement);
    // The flow of a row of transactions t in categories c (see itemsSql),
    // with amount the expression of its amount.
    static QString flowSql(const char *amount, QVariantList *binds);
    // The same flow of a row of transactions t, told from its category id
    // alone: the categories are known already, so the statement need not
    // look each row's category up in their table.
    QString transactionFlowSql(QVariantList *binds) const;
    // The index of the account's currency in currencies(), as SQL over t.account_id.
    QString currencySql() const;
    // The category with the given rowid, or empty.
    QString categoryAt(qint64 rowid) const { return m_categoryRows.value(rowid); }
    Currency currencyAt(int index) const { return m_currencies.value(index, Currency::USD); }

    // " AND t.deleted_at IS NULL AND ..." for transactions t of the accounts
    // in the range. The dates and the accounts narrow the rows through their
    // indexes only where that leaves few of them: looking up most of a large
    // table row by row through an index is several times slower than reading
    // it from end to end. Ends of the range beyond the first and the last row
    // are left out. A statement that groups by account asks for byAccount:
    // the index on accounts then hands it the rows in their groups, which
    // beats sorting them.
    QString transactionsWhere(const DateRange &range, QVariantList *binds, bool byAccount = false) const;
    // Whether a row of table `alias` is a transfer to another of the
    // accounts, which only moves money inside them.
    QString internalTransferSql(const char *alias, QVariantList *binds) const;
    // " AND ..." on the items' columns for the filter's categories, payee and flow.
    QString conditionsSql(const ReportFilter &filter, QVariantList *binds) const;

private:
    QList<AccountInfo> m_accounts;
    QHash<QString, int> m_accountIndex;
    QHash<QString, QString> m_accountNames;
    QHash<QString, CategoryInfo> m_categories;
    QHash<qint64, QString> m_categoryRows;
    // The ids of the categories of each stored type ("income", "transfer"),
    // as the flow of a row tells them apart.
    QStringList m_incomeIds;
    QStringList m_transferIds;
    // Category ids that transactions name but no category has: their rows
    // count as having none.
    QStringList m_unknownIds;
    // Whether every account the transactions name, deleted rows' too, is
    // one of the accounts above.
    bool m_onlyTheseAccounts = false;
    QList<Currency> m_currencies;
    bool m_everyAccount = true;
    QDate m_firstDate;
    QDate m_lastDate;
};
