#pragma once

#include "data/codes.h"

#include <QDoubleSpinBox>

// An amount box, right-aligned, 0 to 99,999,999.99 with two decimals unless a
// currency says otherwise. Typing the decimal point ("." or "," too) when the
// text already has one jumps to the cents instead of being rejected.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit SmartAmountField(QWidget *parent = nullptr);

    // Decimals and upper bound of the currency, prefix "<symbol> ".
    void setCurrency(Currency currency);
    Currency currency() const { return m_currency; }

    // The value as a count of minor units of the currency, and back.
    qint64 minorUnits() const;
    void setMinorUnits(qint64 amount);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Currency m_currency = Currency::USD;
};
