#pragma once

#include "data/records.h"

#include <QStringList>

#include <functional>
#include <optional>

class AppState;
class RegisterScreen;

// What a write from the register changed, for the register to read back.
struct RegisterWrite {
    // Read the whole register again: other changes were already waiting,
    // the write failed, or it moved a transfer's other side.
    bool fullReload = false;
    QStringList changedIds;
    QStringList removedIds;
};

// Turns the register's edit buffer into a transaction and writes it, and
// deletes or clears stored rows, all through TransactionService. A row that
// does not read is refused with a message beside the hint line; a row the
// store did not take stays as typed.
class RegisterRowWriter
{
public:
    enum class Result { Refused, NotSaved, Saved };

    // reloadPending tells whether a reload of the register is already waiting.
    RegisterRowWriter(AppState *state, RegisterScreen *screen, std::function<bool()> reloadPending);

    // Saves the edit buffer as a new transaction in account (entry null) or
    // over the stored entry.
    Result saveRow(const Account &account, const RegisterEntry *entry, RegisterWrite *write);
    // Asks, then deletes the transaction and a transfer's other side; nothing
    // when the user says no.
    std::optional<RegisterWrite> deleteTransaction(const Transaction &t, Currency currency);
    RegisterWrite setCleared(const Transaction &t, bool cleared);

    // The category the buffer names: the item picked, else the typed name.
    QString categoryIdFromBuffer() const;
    // The amount typed into the Payment or Deposit cell, read as bank files
    // are read: "12,50" has a decimal comma, "1,250" a thousands group; false
    // for what does not read ("12.5" for yen, "abc", "1,2345").
    static bool readTypedAmount(const QString &typed, Currency currency, qint64 *amount);

private:
    struct RowInput;
    bool readRow(const Account &account, RowInput *input, bool splitEntry);
    bool saveOrKeep(const std::function<bool()> &save);
    // In the hint line and in the main window's error box.
    void reportFailure(const QString &text);

    AppState *m_state;
    RegisterScreen *m_screen;
    std::function<bool()> m_reloadPending;
};
