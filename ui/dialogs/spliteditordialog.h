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

    // The lines with an amount, stored signs: a line shown positive goes the
    // way of the amount given, one shown negative against it.
    QList<SplitLine> lines() const;
    // The transaction's amount: as given, or the lines' total (in the given
    // amount's direction) once the user chose to adjust it.
    qint64 amount() const { return m_amount; }

public Q_SLOTS:
    void updateRemaining();

protected:
    void changeEvent(QEvent *event) override;
    bool validate() override;

private:
    // The given amount as the lines show it: its magnitude.
    qint64 shownAmount() const { return m_negative ? -m_amount : m_amount; }

    qint64 m_amount;
    // Whether the amount given is a payment: the lines' direction, which an
    // adjusted amount does not change.
    bool m_negative;
    Currency m_currency;
    SplitLinesWidget *m_lines = nullptr;
    QLabel *m_remaining = nullptr;
};
