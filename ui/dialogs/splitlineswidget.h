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
// amount (always entered as a positive number) and a memo. The sign of the
// stored lines is the caller's: it follows the transaction.
class SplitLinesWidget : public QWidget
{
    Q_OBJECT
public:
    SplitLinesWidget(const QList<CategoryChoice> &choices, Currency currency, QWidget *parent = nullptr);

    // Replaces the rows; amounts show as magnitudes.
    void setLines(const QList<SplitLine> &lines);
    void addLine(const QString &categoryId = QString(), qint64 amount = 0, const QString &memo = QString());
    void clearLines();
    int rowCount() const;

    // Sum of the rows' amounts in minor units, always positive.
    qint64 total() const;
    // Every row with an amount, made negative when negative is set; a row
    // loaded from a stored line carries its id, a new one none.
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
