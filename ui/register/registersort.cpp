#include "ui/register/registersort.h"

#include "ui/register/registermodel.h"

#include <QCollator>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Ranks the texts with the locale-aware comparison: equal texts share a rank.
// Distinct texts are collated once, so a sort over many rows with few payees
// stays cheap.
QVector<qint64> textRanks(const QList<RegisterEntry> &entries, const QString &(*field)(const RegisterEntry &))
{
    QHash<QString, int> idOf;
    QStringList distinct;
    QVector<int> ids(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const QString &text = field(entries.at(i));
        auto it = idOf.constFind(text);
        if (it == idOf.constEnd()) {
            it = idOf.insert(text, int(distinct.size()));
            distinct.append(text);
        }
        ids[i] = *it;
    }

    QCollator collator;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(distinct.size()));
    for (const QString &text : std::as_const(distinct))
        keys.push_back(collator.sortKey(text));
    std::vector<int> byKey(size_t(distinct.size()));
    std::iota(byKey.begin(), byKey.end(), 0);
    std::sort(byKey.begin(), byKey.end(), [&keys](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    QVector<qint64> rankOfId(distinct.size());
    qint64 rank = 0;
    for (size_t k = 0; k < byKey.size(); ++k) {
        if (k > 0 && keys[size_t(byKey[k - 1])].compare(keys[size_t(byKey[k])]) != 0)
            ++rank;
        rankOfId[byKey[k]] = rank;
    }

    QVector<qint64> ranks(entries.size());
    for (int i = 0; i < entries.size(); ++i)
        ranks[i] = rankOfId[ids[i]];
    return ranks;
}

const QString &checkNumberOf(const RegisterEntry &e) { return e.transaction.checkNumber; }
const QString &payeeOf(const RegisterEntry &e) { return e.transaction.payee; }
const QString &categoryOf(const RegisterEntry &e) { return e.categoryName; }
const QString &memoOf(const RegisterEntry &e) { return e.transaction.memo; }

} // namespace

namespace RegisterSort {

QVector<int> order(const QList<RegisterEntry> &entries, int column, Qt::SortOrder sortOrder)
{
    const int n = int(entries.size());
    QVector<qint64> keys(n);
    switch (column) {
    case RegisterModel::CheckNumber:
        keys = textRanks(entries, checkNumberOf);
        break;
    case RegisterModel::Payee:
        keys = textRanks(entries, payeeOf);
        break;
    case RegisterModel::Category:
        keys = textRanks(entries, categoryOf);
        break;
    case RegisterModel::Memo:
        keys = textRanks(entries, memoOf);
        break;
    default:
        for (int i = 0; i < n; ++i) {
            const Transaction &t = entries.at(i).transaction;
            switch (column) {
            case RegisterModel::Payment:
                keys[i] = t.amount < 0 ? -t.amount : -1;
                break;
            case RegisterModel::Deposit:
                keys[i] = t.amount > 0 ? t.amount : -1;
                break;
            case RegisterModel::Cleared:
                keys[i] = t.reconciled ? 2 : (t.cleared ? 1 : 0);
                break;
            case RegisterModel::Balance:
                keys[i] = entries.at(i).balance;
                break;
            default:
                keys[i] = t.date.toJulianDay();
                break;
            }
        }
        break;
    }
    QVector<qint64> days(n);
    for (int i = 0; i < n; ++i)
        days[i] = entries.at(i).transaction.date.toJulianDay();

    const bool descending = sortOrder == Qt::DescendingOrder;
    QVector<int> result(n);
    std::iota(result.begin(), result.end(), 0);
    const qint64 *key = keys.constData();
    const qint64 *day = days.constData();
    std::sort(result.begin(), result.end(), [=](int a, int b) {
        if (key[a] != key[b])
            return descending ? key[a] > key[b] : key[a] < key[b];
        if (day[a] != day[b])
            return day[a] > day[b];
        return a < b;
    });
    return result;
}

} // namespace RegisterSort
