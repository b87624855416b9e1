#pragma once

#include "data/codes.h"
#include "data/records.h"

#include "ui/dialogs/formdialog.h"
#include <QList>

class AppState;
class QLabel;
class SplitLinesWidget;

// Divides a transaction's amount over category lines. The amount itself is
// not changed here; a remainder is shown but does not block OK.
class SplitEditorDialog : public FormDialog
{
    Q_OBJECT
public:
    SplitEditorDialog(AppState *state, qint64 transactionAmount, const QList<SplitLine> &lines, Currency currency,
                      QWidget *parent = nullptr);

    // The lines with an amount, signed like the transaction amount.
    QList<SplitLine> lines() const;

public Q_SLOTS:
    void updateRemaining();

protected:
    void changeEvent(QEvent *event) override;
    bool validate() override;

private:
    qint64 m_amount;
    Currency m_currency;
    SplitLinesWidget *m_lines = nullptr;
    QLabel *m_remaining = nullptr;
};
