#pragma once

// The tables a backup holds, each under its folder of the archive, in the
// order a restore writes them: every table after the ones its rows refer to.
namespace BackupFormat {

struct Table {
    const char *table;
    const char *folder;
    const char *countKey;  // the manifest's row count
};

inline constexpr Table kTables[] = {
    {"accounts", "accounts", "accountCount"},
    {"categories", "categories", "categoryCount"},
    {"transactions", "transactions", "transactionCount"},
    {"split_lines", "split_lines", "splitLineCount"},
    {"recurring_transactions", "recurring", "recurringCount"},
    {"reconciliations", "reconciliations", "reconciliationCount"},
    // The bank's ids of imported rows: a restored store still knows what
    // an OFX download already brought in.
    {"import_ids", "import_ids", "importIdCount"},
};

inline constexpr int kVersion = 1;

} // namespace BackupFormat
