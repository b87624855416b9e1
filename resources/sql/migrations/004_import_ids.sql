-- The bank's own id (FITID) of every row an OFX or QFX statement brought into
-- an account, so that a second download over the same dates brings in only
-- what is new. Local bookkeeping: the sync never reads it. The id is derived
-- from the account and the FITID, so a restored row meets its twin.
-- Both references cascade: a program that does not know this table (an
-- older version of the app emptying the store for a restore) still deletes
-- accounts and transactions, and the ids of rows gone for good go with them.
CREATE TABLE IF NOT EXISTS import_ids (
    id             TEXT PRIMARY KEY,
    account_id     TEXT NOT NULL REFERENCES accounts(id) ON DELETE CASCADE,
    fitid          TEXT NOT NULL,
    transaction_id TEXT NOT NULL REFERENCES transactions(id) ON DELETE CASCADE,
    created_at     TEXT NOT NULL,
    UNIQUE (account_id, fitid)
);
CREATE INDEX IF NOT EXISTS idx_import_ids_transaction_id ON import_ids (transaction_id);
