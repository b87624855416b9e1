#pragma once

#include <QWidget>

class QRadioButton;

// The "Payment" / "Deposit" choice of the forms. A payment is stored as a
// negative amount; the amount box itself always holds the magnitude.
class PaymentTypeChoice : public QWidget
{
    Q_OBJECT
public:
    explicit PaymentTypeChoice(QWidget *parent = nullptr);

    bool isPayment() const;
    // Chooses the type by the sign of a stored amount.
    void setFromAmount(qint64 amount);
    qint64 signedAmount(qint64 magnitude) const { return isPayment() ? -magnitude : magnitude; }

private:
    QRadioButton *m_payment;
    QRadioButton *m_deposit;
};
