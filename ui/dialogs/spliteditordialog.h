#pragma once

#include "data/codes.h"
#include "data/records.h"

#include "ui/dialogs/formdialog.h"
#include <QList>

class AppState;
class QLabel;
class SplitLinesWidget;

// Divides a transaction's amount over category lines. A remainder is shown as
// the lines change; OK with lines that do not add up asks whether to adjust
// the transaction's amount to them, go back, or keep the amount as it is.
class SplitEditorDialog : public FormDialog
{
    Q_OBJECT
public:
    SplitEditorDialog(AppState *state, qint64 transactionAmount, const QList<SplitLine> &lines, Currency currency,
                      QWidget *parent = nullptr);

    // The lines with an amount, signed like the transaction amount.
    QList<SplitLine> lines() const;
    // The transaction's amount: as given, or the lines' total (with the
    // amount's sign) once the user chose to adjust it.
    qint64 amount() const { return m_amount; }

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
