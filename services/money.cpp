#include "services/money.h"

#include <QStringList>

#include <cmath>

namespace {

constexpr int kJpy = int(Currency::JPY);
constexpr double kMaxExact = 9007199254740992.0;  // 2^53

QString grouped(quint64 value)
{
    // Digits right to left with a "," every three.
    QChar buffer[32];
    int pos = 32;
    int count = 0;
    do {
        if (count > 0 && count % 3 == 0)
            buffer[--pos] = QLatin1Char(',');
        buffer[--pos] = QLatin1Char(char('0' + value % 10));
        value /= 10;
        ++count;
    } while (value != 0);
    return QString(buffer + pos, 32 - pos);
}

QString numberText(qint64 amount, int currency, bool *negative)
{
    *negative = amount < 0;
    const quint64 magnitude = amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
    if (currency == kJpy)
        return grouped(magnitude);
    QString text = grouped(magnitude / 100);
    const int cents = int(magnitude % 100);
    text += QLatin1Char('.');
    text += QLatin1Char(char('0' + cents / 10));
    text += QLatin1Char(char('0' + cents % 10));
    return text;
}

} // namespace

namespace Money {

QString currencySymbol(int currency)
{
    switch (currency) {
    case int(Currency::EUR):
        return QStringLiteral("\u20ac");
    case int(Currency::GBP):
        return QStringLiteral("\u00a3");
    case int(Currency::JPY):
        return QStringLiteral("\u00a5");
    default:
        return QStringLiteral("$");
    }
}

int decimals(int currency)
{
    return currency == kJpy ? 0 : 2;
}

QString formatMoney(qint64 amount, int currency)
{
    bool negative = false;
    const QString number = numberText(amount, currency, &negative);
    return (negative ? QStringLiteral("-") : QString()) + currencySymbol(currency) + number;
}

QString formatAmount(qint64 amount, int currency)
{
    bool negative = false;
    const QString number = numberText(amount, currency, &negative);
    return negative ? QLatin1Char('-') + number : number;
}

qint64 parseMoney(const QString &input, int currency)
{
    QString text = input;
    text.remove(currencySymbol(currency));
    text.remove(QLatin1Char(','));
    text = text.trimmed();
    if (text.isEmpty())
        return 0;

    bool negative = false;
    if (text.startsWith(QLatin1Char('-'))) {
        negative = true;
        text.remove(0, 1);
        if (text.trimmed().startsWith(QLatin1Char('-')))
            return 0;  // "--5" is not a number
    }

    bool ok = false;
    qint64 count = 0;
    if (currency == kJpy) {
        count = text.toLongLong(&ok, 10);
        if (!ok || double(count) > kMaxExact || double(count) < -kMaxExact)
            return 0;
    } else {
        const double value = text.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return 0;
        const double scaled = std::round(value * 100.0);
        if (std::fabs(scaled) > kMaxExact)
            return 0;
        count = qint64(scaled);
    }
    return negative ? -count : count;
}

qint64 toMinorUnits(double value, int currency)
{
    if (!std::isfinite(value))
        return 0;
    const double scaled = currency == kJpy ? value : value * 100.0;
    const double rounded = scaled < 0 ? std::ceil(scaled - 0.5) : std::floor(scaled + 0.5);
    if (std::fabs(rounded) > kMaxExact)
        return 0;
    return qint64(rounded);
}

double toMajorUnits(qint64 amount, int currency)
{
    return currency == kJpy ? double(amount) : double(amount) / 100.0;
}

QString Totals::text() const
{
    if (m_sums.isEmpty())
        return formatMoney(0);
    QStringList parts;
    for (auto it = m_sums.cbegin(); it != m_sums.cend(); ++it)
        parts.append(formatMoney(it.value(), it.key()));
    return parts.join(QStringLiteral(" \u00b7 "));
}

} // namespace Money
