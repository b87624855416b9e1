-- Days in advance a due occurrence may be entered early (0 to 60).
ALTER TABLE recurring_transactions ADD COLUMN lead_days INTEGER NOT NULL DEFAULT 0;
