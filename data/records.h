#pragma once

#include "data/codes.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// The longest text a payee, memo, name or number may hold, however it
// arrives (typed, imported, restored): a few thousand characters are far more
// than any real one needs, and keep a hostile file from filling the store.
constexpr int kMaxTextLength = 4000;

// Plain value records, one per table, copied freely. Timestamps are UTC; an
// invalid deletedAt means the row is live. Money is a signed count of minor
// units (cents; whole yen for JPY).

struct Account {
    QString id;
    QString name;
    AccountType type = AccountType::Checking;
    Currency currency = Currency::USD;
    QString institution;
    QString accountNumberLast4;
    qint64 startingBalance = 0;
    int sortOrder = 0;
    bool isShared = false;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    QDateTime deletedAt;

    bool isDeleted() const { return deletedAt.isValid(); }
};

struct Transaction {
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;
    QString transferDestAccountId;
    bool isSplit = false;
    QString recurringId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    QDateTime deletedAt;

    bool isDeleted() const { return deletedAt.isValid(); }
    bool isTransfer() const { return !transferLinkId.isEmpty(); }
};

struct Category {
    QString id;
    QString name;
    CategoryType type = CategoryType::Expense;
    QString parentId;
    bool isTaxRelevant = false;
    QString taxCategory;
    QString icon;
    QString color;
    bool isDefault = false;
    QString accountId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    QDateTime deletedAt;

    bool isDeleted() const { return deletedAt.isValid(); }
};

struct SplitLine {
    QString id;
    QString transactionId;
    QString categoryId;
    qint64 amount = 0;
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;
};

struct RecurringTransaction {
    QString id;
    QString accountId;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    Frequency frequency = Frequency::Monthly;
    QDate startDate;
    QDate endDate;  // invalid = no end date
    QDate nextDueDate;
    bool autoPost = false;
    int leadDays = 0;
    bool isActive = true;
    QString transferDestAccountId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    QDateTime deletedAt;

    bool isDeleted() const { return deletedAt.isValid(); }
    bool hasEndDate() const { return endDate.isValid(); }
    // Its next date is past its end date: nothing more is posted.
    bool isOver() const { return hasEndDate() && nextDueDate > endDate; }
};

struct Reconciliation {
    QString id;
    QString accountId;
    QDate statementDate;
    qint64 statementBalance = 0;
    qint64 reconciledBalance = 0;
    QDateTime completedAt;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    QDateTime deletedAt;

    bool isDeleted() const { return deletedAt.isValid(); }
};

// One row of an account's register: the transaction, the running balance after
// it and its category's display text.
struct RegisterEntry {
    Transaction transaction;
    qint64 balance = 0;
    QString categoryName;
    bool isOpeningBalance = false;  // the synthetic row for the starting balance
};

// Every member is itself relocatable, so lists of a register's rows grow by
// moving memory rather than element by element.
Q_DECLARE_TYPEINFO(Transaction, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(RegisterEntry, Q_RELOCATABLE_TYPE);
