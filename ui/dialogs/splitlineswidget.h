#pragma once

#include "data/codes.h"
#include "data/records.h"
#include "ui/dialogs/categorychoices.h"

#include <QList>
#include <QWidget>

class QPushButton;
class QTableWidget;
class SmartAmountField;

// The editable table of a split: one row per line with a category picker, an
// amount and a memo. A row's amount is shown relative to the transaction's
// direction: positive for a line going the transaction's way, negative for
// one going against it (the tax withheld from a paycheck, a refund inside a
// purchase). negative says the transaction is a payment, whose stored lines
// are the shown amounts negated.
class SplitLinesWidget : public QWidget
{
    Q_OBJECT
public:
    SplitLinesWidget(const QList<CategoryChoice> &choices, Currency currency, QWidget *parent = nullptr);

    // Replaces the rows with stored lines of a transaction that is a payment
    // when negative is set.
    void setLines(const QList<SplitLine> &lines, bool negative);
    // A new row, its amount as shown (negative against the transaction's way).
    void addLine(const QString &categoryId = QString(), qint64 amount = 0, const QString &memo = QString());
    void clearLines();
    int rowCount() const;

    // Sum of the rows' amounts as shown, in minor units: the transaction's
    // magnitude when the lines add up to it.
    qint64 total() const;
    // Every row with an amount, negated when negative is set; a row loaded
    // from a stored line carries its id, a new one none.
    QList<SplitLine> lines(bool negative) const;
    // Whether a row with an amount has no category: such a line cannot be stored.
    bool hasUncategorizedAmounts() const;
    // Tells the user and focuses the first such row when there is one; true
    // when it did, so that the dialog stays open.
    bool warnIfUncategorized();

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addRow(const QString &categoryId, qint64 amount, const QString &memo, const QString &lineId = QString());
    void removeCurrentLine();
    int rowOf(const QWidget *focus) const;
    int firstUncategorizedRow() const;
    void renumberRows();
    SmartAmountField *amountAt(int row) const;
    QString categoryIdAt(int row) const;

    QList<CategoryChoice> m_choices;
    Currency m_currency;
    QTableWidget *m_table = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    int m_lastRow = -1;
    int m_categoryWidth = 0;
};
