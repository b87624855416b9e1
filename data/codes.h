#pragma once

#include <QString>

// Typed forms of the code strings stored in the database. Reading is tolerant:
// an unknown code falls back to a fixed default and never fails.

enum class AccountType { Checking = 0, Savings, CreditCard, Cash, Investment, Other };
enum class Currency { USD = 0, EUR, GBP, CAD, AUD, JPY };
enum class CategoryType { Income = 0, Expense, Transfer };
enum class Frequency { Daily = 0, Weekly, Biweekly, Monthly, Quarterly, SemiAnnual, Annual };
enum class SyncStatus { Pending = 0, Synced, Conflict };

namespace Codes {

QString accountTypeCode(AccountType type);
AccountType accountTypeFromCode(const QString &code);   // unknown -> Other
QString accountTypeLabel(AccountType type);              // translated

QString currencyCode(Currency currency);
Currency currencyFromCode(const QString &code);          // unknown -> USD
QString currencyLabel(Currency currency);                // "USD ($)"

QString categoryTypeCode(CategoryType type);
CategoryType categoryTypeFromCode(const QString &code);  // unknown -> Expense

QString frequencyCode(Frequency frequency);
Frequency frequencyFromCode(const QString &code);        // unknown -> Monthly
QString frequencyLabel(Frequency frequency);             // translated

QString syncStatusCode(SyncStatus status);
SyncStatus syncStatusFromCode(const QString &code);      // unknown -> Pending

constexpr int accountTypeCount = 6;
constexpr int currencyCount = 6;
constexpr int frequencyCount = 7;

} // namespace Codes
