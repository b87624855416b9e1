#include "data/codes.h"

#include <QCoreApplication>

namespace {

const char *const kAccountTypeCodes[] = {"checking", "savings", "credit_card", "cash", "investment", "other"};
const char *const kAccountTypeLabels[] = {QT_TRANSLATE_NOOP("Codes", "Checking"), QT_TRANSLATE_NOOP("Codes", "Savings"),
                                          QT_TRANSLATE_NOOP("Codes", "Credit Card"), QT_TRANSLATE_NOOP("Codes", "Cash"),
                                          QT_TRANSLATE_NOOP("Codes", "Investment"), QT_TRANSLATE_NOOP("Codes", "Other")};
const char *const kCurrencyCodes[] = {"USD", "EUR", "GBP", "CAD", "AUD", "JPY"};
const char *const kCurrencyLabels[] = {"USD ($)", "EUR (\u20ac)", "GBP (\u00a3)", "CAD ($)", "AUD ($)", "JPY (\u00a5)"};
const char *const kCategoryTypeCodes[] = {"income", "expense", "transfer"};
const char *const kFrequencyCodes[] = {"daily", "weekly", "biweekly", "monthly", "quarterly", "semi_annual", "annual"};
const char *const kFrequencyLabels[] = {QT_TRANSLATE_NOOP("Codes", "Daily"), QT_TRANSLATE_NOOP("Codes", "Weekly"),
                                        QT_TRANSLATE_NOOP("Codes", "Bi-weekly"), QT_TRANSLATE_NOOP("Codes", "Monthly"),
                                        QT_TRANSLATE_NOOP("Codes", "Quarterly"), QT_TRANSLATE_NOOP("Codes", "Semi-annual"),
                                        QT_TRANSLATE_NOOP("Codes", "Annual")};
const char *const kSyncStatusCodes[] = {"pending", "synced", "conflict"};

template <std::size_t N>
int indexOf(const char *const (&table)[N], const QString &code)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (code == QLatin1String(table[i]))
            return int(i);
    }
    return -1;
}

template <std::size_t N>
QString at(const char *const (&table)[N], int index, int fallback)
{
    if (index < 0 || index >= int(N))
        index = fallback;
    return QString::fromUtf8(table[index]);
}

} // namespace

namespace Codes {

QString accountTypeCode(AccountType type) { return at(kAccountTypeCodes, int(type), int(AccountType::Other)); }

AccountType accountTypeFromCode(const QString &code)
{
    const int i = indexOf(kAccountTypeCodes, code);
    return i < 0 ? AccountType::Other : AccountType(i);
}

QString accountTypeLabel(AccountType type)
{
    int i = int(type);
    if (i < 0 || i >= accountTypeCount)
        i = int(AccountType::Other);
    return QCoreApplication::translate("Codes", kAccountTypeLabels[i]);
}

QString currencyCode(Currency currency) { return at(kCurrencyCodes, int(currency), int(Currency::USD)); }

Currency currencyFromCode(const QString &code)
{
    const int i = indexOf(kCurrencyCodes, code);
    return i < 0 ? Currency::USD : Currency(i);
}

QString currencyLabel(Currency currency) { return at(kCurrencyLabels, int(currency), int(Currency::USD)); }

QString categoryTypeCode(CategoryType type) { return at(kCategoryTypeCodes, int(type), int(CategoryType::Expense)); }

CategoryType categoryTypeFromCode(const QString &code)
{
    const int i = indexOf(kCategoryTypeCodes, code);
    return i < 0 ? CategoryType::Expense : CategoryType(i);
}

QString frequencyCode(Frequency frequency) { return at(kFrequencyCodes, int(frequency), int(Frequency::Monthly)); }

Frequency frequencyFromCode(const QString &code)
{
    const int i = indexOf(kFrequencyCodes, code);
    return i < 0 ? Frequency::Monthly : Frequency(i);
}

QString frequencyLabel(Frequency frequency)
{
    int i = int(frequency);
    if (i < 0 || i >= frequencyCount)
        i = int(Frequency::Monthly);
    return QCoreApplication::translate("Codes", kFrequencyLabels[i]);
}

QString syncStatusCode(SyncStatus status) { return at(kSyncStatusCodes, int(status), int(SyncStatus::Pending)); }

SyncStatus syncStatusFromCode(const QString &code)
{
    const int i = indexOf(kSyncStatusCodes, code);
    return i < 0 ? SyncStatus::Pending : SyncStatus(i);
}

} // namespace Codes
