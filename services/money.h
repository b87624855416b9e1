#pragma once

#include "data/codes.h"

#include <QMap>
#include <QString>

// The one place where a count of minor units becomes text and typed text
// becomes a count. Number text always uses "," grouping and "." decimals,
// whatever the system locale. Currency values outside 0..5 act like "$" with
// two decimals.
namespace Money {

QString currencySymbol(int currency);
int decimals(int currency);  // 0 for JPY, 2 otherwise

// "-$1,234.05", "$0.00", "¥1,500".
QString formatMoney(qint64 amount, int currency = 0);
inline QString formatMoney(qint64 amount, Currency currency) { return formatMoney(amount, int(currency)); }

// The same number without symbol: "-1,234.05".
QString formatAmount(qint64 amount, int currency = 0);
inline QString formatAmount(qint64 amount, Currency currency) { return formatAmount(amount, int(currency)); }

// Inverse of formatMoney/formatAmount; 0 for anything unreadable, including
// values too large to be held exactly (above 2^53 minor units).
qint64 parseMoney(const QString &text, int currency = 0);
inline qint64 parseMoney(const QString &text, Currency currency) { return parseMoney(text, int(currency)); }

// A number as typed in a spin box (major units) to minor units, rounded half
// away from zero, and back.
qint64 toMinorUnits(double value, int currency = 0);
inline qint64 toMinorUnits(double value, Currency currency) { return toMinorUnits(value, int(currency)); }
double toMajorUnits(qint64 amount, int currency = 0);
inline double toMajorUnits(qint64 amount, Currency currency) { return toMajorUnits(amount, int(currency)); }

// Sums over several accounts, kept apart per currency: yen added to cents
// would be a meaningless number.
class Totals
{
public:
    void add(qint64 amount, Currency currency) { m_sums[int(currency)] += amount; }
    // One formatMoney per currency in currency order, joined by " · "
    // ("$100.00 · ¥150,000"); "$0.00" when nothing was added.
    QString text() const;

private:
    QMap<int, qint64> m_sums;
};

} // namespace Money
