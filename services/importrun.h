#pragma once

#include "data/importidrepository.h"
#include "services/importservice.h"

#include <QDateTime>
#include <QHash>
#include <QPair>

#include <optional>

class ChangeBatch;
class DbTransaction;

// The state of one import while it runs: the category lookup, the duplicate
// counts per account and the transfer records still waiting for their
// counter-entry. Lives for one ImportService::importFiles call.
class ImportService::Run
{
public:
    Run(ImportService *service, const QList<ImportFile> &files, QHash<QString, QString> mapping);

    ImportResult execute(const NewAccounts &newAccounts);

private:
    // An imported transfer whose counter-entry has not been imported yet.
    struct Candidate {
        QString id;
        QString transferTarget;  // where its transfer account maps to
        bool linked = false;
    };

    bool createAccounts(const NewAccounts &newAccounts);
    void createListedCategories();
    bool importFile(const ImportFile &file);
    // False when the import has to stop (abort or cancel).
    bool importRecord(const ImportFile &file, const ParsedTransaction &record,
                      QHash<QString, QHash<QString, int>> &seenInFile,
                      QHash<QString, QHash<QString, int>> &insertedInFile);
    bool insertWithLines(const Transaction &t, const QList<SplitLine> &lines);
    // OFX rows: true when the record is settled by its FITID (a duplicate,
    // or a row already here without an id, which now takes it); fitid is
    // cleared when the record has to go by the QIF rule instead.
    bool settledByFitid(const QString &target, const ParsedTransaction &record, qint64 amount, const QString &key,
                        QString *fitid);
    // FITID -> transaction id of the account, with this run's; nullptr
    // (the import aborted) when they cannot be read.
    QHash<QString, QString> *fitidsOf(const QString &accountId);
    // Duplicate key -> the account's live rows without a FITID.
    QHash<QString, QStringList> &unclaimedOf(const QString &accountId);
    // The target of an OFX statement's account, unless its currency is not
    // the statement's.
    QString statementTarget(const ImportFile &file, const QString &sourceAccount);
    // The bank's balances beside the accounts', and the accounts the
    // statements went to, remembered for next time.
    void finishStatements();
    bool linkPartner(Candidate *partner, const Transaction &t);
    bool reportProgress();
    void abort(const char *reason, ImportResult::Stop stop = ImportResult::Stop::DatabaseError);

    // Passes ok through; on a failed write notes what the database said,
    // before anything else runs on the connection.
    bool written(bool ok);
    // False, with the import aborted, when the store as a whole refuses
    // writes (a full disk, an I/O error, a lock) or SQLite has ended the
    // import's transaction by itself: writing on would put rows outside it.
    bool storeStillWritable();

    QString targetFor(const QString &key) const;
    QString categoryId(const QString &name, CategoryType type = CategoryType::Expense);
    QString splitCategoryId(const ParsedSplit &split);
    // The duplicate keys of the rows the account held before the file being
    // imported; insertedInFile, what the file has brought in so far, per
    // account.
    QHash<QString, int> &heldKeys(const QString &accountId, const QHash<QString, QHash<QString, int>> &insertedInFile);
    bool viewOnly(const QString &accountId);
    int currencyOf(const QString &accountId);
    // A QIF amount (cents) in the minor units of the target account.
    qint64 inUnitsOf(const QString &accountId, qint64 cents);
    Candidate *findPartner(const QString &destination, const QString &target, const QDate &date, qint64 amount);

    static QString payeeFor(const ParsedTransaction &record);
    static QString duplicateKey(const QDate &date, qint64 amount, const QString &payee);
    static QString candidateKey(const QString &accountId, const QDate &date, qint64 amount);

    ImportService *m_service;
    const QList<ImportFile> &m_files;
    QHash<QString, QString> m_mapping;
    QHash<QString, QString> m_targetCache;  // source name as written -> target
    ImportResult m_result;
    QDateTime m_now;
    int m_done = 0;
    int m_total = 0;

    QHash<QString, QString> m_categoryIds;  // lower-cased name -> id
    QHash<QString, QHash<QString, int>> m_held;  // account -> duplicate key -> rows held
    QHash<QString, QList<Candidate>> m_candidates;
    QHash<QString, int> m_currencies;  // account id -> currency
    QHash<QString, bool> m_viewOnly;  // account id -> shared with the user to view only
    ImportIdRepository m_importIds;
    QHash<QString, QHash<QString, QString>> m_fitids;
    QHash<QString, QHash<QString, QStringList>> m_unclaimed;
    // Account and FITID -> date and amount of its first row in the file being read.
    QHash<QString, QPair<QDate, qint64>> m_fileFitids;
    ChangeBatch *m_batch = nullptr;
    DbTransaction *m_tx = nullptr;
    ImportResult::Stop m_storeProblem = ImportResult::Stop::None;
    bool m_writeFailed = false;  // since the last storeStillWritable()
};
